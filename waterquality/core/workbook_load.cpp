#include "waterquality/core/workbook_load.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "common/core/input_limits.h"
#include "waterquality/core/sample_table.h"

namespace wq {

namespace {

namespace fs = std::filesystem;

// The Error of a cell the loader cannot convert; `what` is the reader's English reason.
hc::Error CellError(int row, int column, const hc::CellValue& cell, const char* what) {
    hc::Error e;
    e.kind = hc::ErrorKind::BadValue;
    e.cell = CellReference(row, column);
    switch (cell.kind) {
        case hc::CellValue::Kind::Text:
            e.ja = "数値でない「" + hc::Excerpt(cell.text) + "」があります";
            break;
        case hc::CellValue::Kind::Error:
            e.ja = "エラー値 " + hc::Excerpt(cell.text) + " があります";
            break;
        default:
            e.ja = "数値が大きすぎるか、有限の数値ではありません";
            break;
    }
    e.en = what;
    return e;
}

// A cell converted as the classic runtime converts a cell's Value.
template <class Convert>
auto CellAs(const hc::WorkbookSheet& sheet, int row, int column, Convert convert)
    -> hc::Result<decltype(convert(hc::CellValue{}))> {
    const hc::CellValue cell = sheet.Cell(row, column);
    try {
        return convert(cell);
    } catch (const hc::WorkbookError& e) {
        return CellError(row, column, cell, e.what());
    }
}

hc::Result<int> Int32At(const hc::WorkbookSheet& sheet, int row, int column) {
    return CellAs(sheet, row, column, [](const hc::CellValue& c) { return hc::CellInt32(c); });
}
hc::Result<double> DoubleAt(const hc::WorkbookSheet& sheet, int row, int column) {
    return CellAs(sheet, row, column, [](const hc::CellValue& c) { return hc::CellDouble(c); });
}
hc::Result<std::string> TextAt(const hc::WorkbookSheet& sheet, int row, int column) {
    return CellAs(sheet, row, column, [](const hc::CellValue& c) { return hc::CellText(c); });
}

// The first character (code point) of a UTF-8 text.
std::string FirstCharacter(const std::string& s) {
    if (s.empty())
        return {};
    std::size_t n = 1;
    while (n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        ++n;
    return s.substr(0, n);
}

// Why a file the reader refused cannot even be opened; empty when it can (it is then no
// workbook the reader understands).
std::pair<std::string, std::string> CannotOpen(const std::string& path) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    // A link loop or a folder that may not be searched is no missing file.
    if (ec && ec.value() == ELOOP) {
        const hc::Error e = hc::SystemError(hc::ErrorKind::CannotRead, path, ELOOP);
        return {e.ja, e.en};
    }
    if (ec && ec.value() == EACCES)
        return {"ファイルを読む権限がありません", "permission denied"};
    if (!fs::exists(st))
        return {"ファイルがありません", "no such file"};
    if (fs::is_directory(st))
        return {"フォルダです", "it is a folder"};
    if (!fs::is_regular_file(st))
        return {"通常のファイルではありません", "it is not a regular file"};
    if (!std::ifstream(path, std::ios::binary))
        return {"ファイルを開けません", "the file cannot be opened"};
    return {};
}

}  // namespace

hc::Result<hc::WorkbookSheet> ReadSheet1(const std::string& path) {
    try {
        return hc::ReadWorkbookSheet(path, "Sheet1");
    } catch (const hc::WorkbookError& e) {
        // The reader puts the path before its reason; the Error carries the file apart.
        std::string reason = e.what();
        const std::string prefix = path + ": ";
        if (reason.rfind(prefix, 0) == 0)
            reason.erase(0, prefix.size());
        auto [ja, en] = CannotOpen(path);
        if (!ja.empty())
            return hc::FileError(hc::ErrorKind::CannotRead, path, ja, en);
        return hc::FileError(hc::ErrorKind::NotRecognised, path, e.Japanese(), reason);
    }
}

hc::Status ReadMarkAndColour(const hc::WorkbookSheet& sheet, int sample, Sample& into) {
    const int column = SampleColumn(sample);
    hc::Result<std::string> mark = TextAt(sheet, kMarkRow, column);
    if (!mark)
        return mark.error();
    hc::Result<std::string> colourText = TextAt(sheet, kColorRow, column);
    if (!colourText)
        return colourText.error();
    int colour = 0;
    if (CharacterCount(*colourText) > 1) {
        hc::Result<int> value = Int32At(sheet, kColorRow, column);
        if (!value)
            return value.error();
        colour = *value;
    }
    if (colour > 15 || colour < 0)
        colour = 0;
    into.mark = FirstCharacter(*mark);
    into.colour = colour;
    return {};
}

hc::Result<SampleTable> LoadWorkbook(const std::string& path, const LoadOptions& options,
                                     const LoadProgress& progress) {
    if (!options.readSheet) {
        hc::Result<SampleSheet> read = ReadSampleSheet(path, options.maxSamples);
        if (!read)
            return read.error();
        if (read->table)
            return ReadTableSheet(*read->table, path, options, progress);
        return ReadLayoutSheet(read->layout, path, kMaxSamples, options, progress);
    }
    const hc::Result<hc::WorkbookSheet> read = options.readSheet(path);
    if (!read)
        return read.error();
    return ReadLayoutSheet(*read, path, kMaxSamples, options, progress);
}

hc::Result<SampleTable> ReadLayoutSheet(const hc::WorkbookSheet& sheet, const std::string& path,
                                        int maxCount, const LoadOptions& options,
                                        const LoadProgress& progress) {
    auto passed = [&](LoadStage stage) {
        if (progress)
            progress(stage);
    };
    auto inFile = [&](hc::Error e) {
        e.file = path;
        return e;
    };

    const hc::Result<int> count = Int32At(sheet, kCountRow, kCountColumn);
    if (!count)
        return inFile(count.error());
    passed(LoadStage::CountRead);
    if (*count < 1 || *count > maxCount) {
        hc::Error e = hc::FileError(
            hc::ErrorKind::BadCount, path,
            "データ数 " + std::to_string(*count) + " は 1 から 32 の範囲にありません",
            "the sample count " + std::to_string(*count) + " is not between 1 and 32");
        e.cell = CellReference(kCountRow, kCountColumn);
        return e;
    }

    SampleTable next;
    next.samples.resize(static_cast<std::size_t>(*count));
    for (int i = 1; i <= *count; ++i) {
        hc::Result<std::string> name = TextAt(sheet, kNameRow, SampleColumn(i));
        if (!name)
            return inFile(name.error());
        // A name of one character (a bare column number) marks the column empty.
        Sample& sample = next.At(i);
        sample.drawn = CharacterCount(*name) > 1;
        if (sample.drawn)
            sample.name = *name;
    }
    passed(LoadStage::NamesRead);
    for (int i = 1; i <= *count; ++i) {
        Sample& sample = next.At(i);
        if (!sample.drawn)
            continue;  // an empty column is not read
        for (int k = 0; k < kIonCount; ++k) {
            hc::Result<double> mg = DoubleAt(sheet, kFirstIonRow + k, SampleColumn(i));
            if (!mg)
                return inFile(mg.error());
            sample.mg[static_cast<std::size_t>(k)] = *mg;
        }
        if (options.extraRows) {
            if (hc::Status extra = options.extraRows(sheet, i, sample); !extra)
                return inFile(extra.error());
        }
    }
    passed(LoadStage::ValuesRead);
    return next;
}

}  // namespace wq

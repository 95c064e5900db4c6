#include "waterquality/core/workbook_load.h"

#include <filesystem>

namespace wq {

namespace {

// Closes the loading notice on every way out of the loader.
class NoticeGuard {
  public:
    explicit NoticeGuard(LoadHost& host) : host_(host) { host_.ShowLoadingNotice(); }
    ~NoticeGuard() { Close(); }
    void Close() {
        if (open_)
            host_.CloseLoadingNotice();
        open_ = false;
    }

  private:
    LoadHost& host_;
    bool open_ = true;
};

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

// The first character (code point) of a UTF-8 text.
static std::string FirstCharacter(const std::string& s) {
    if (s.empty())
        return {};
    std::size_t n = 1;
    while (n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        ++n;
    return s.substr(0, n);
}

void ReadMarkAndColour(const hc::WorkbookSheet& sheet, int sample, SampleTable& table) {
    auto ui = static_cast<std::size_t>(sample);
    int column = SampleColumn(sample);
    table.SampleMark[ui] = FirstCharacter(hc::CellText(sheet.Cell(kMarkRow, column)));
    hc::CellValue colourCell = sheet.Cell(kColorRow, column);
    int colour = 0;
    if (CharacterCount(hc::CellText(colourCell)) > 1)
        colour = hc::CellInt32(colourCell);
    if (colour > 15 || colour < 0)
        colour = 0;
    table.SampleColor[ui] = colour;
}

LoadReport LoadWorkbook(const std::string& dataPath, SampleTable& table,
                        hc::PlatformServices& platform, LoadHost& host,
                        const LoadOptions& options) {
    NoticeGuard notice(host);
    SampleTable next = table;
    try {
        hc::WorkbookSheet sheet = options.readSheet ? options.readSheet(dataPath)
                                                    : hc::ReadWorkbookSheet(dataPath, "Sheet1");
        int count = hc::CellInt32(sheet.Cell(kCountRow, kCountColumn));
        platform.Beep();
        if (count < 1 || count > kMaxSamples) {
            notice.Close();
            platform.Beep();
            platform.MessageBox(std::string(kBadCountLine1) + "\r" + kBadCountLine2,
                                options.messageTitle);
            platform.Beep();
            return {LoadStatus::BadCount, FileName(dataPath) + ": B10 のデータ数 " +
                                              std::to_string(count) +
                                              " は 1 から 32 の範囲にありません"};
        }
        next.SampleCount = count;
        for (int i = 1; i <= count; ++i) {
            auto ui = static_cast<std::size_t>(i);
            std::string name = hc::CellText(sheet.Cell(kNameRow, SampleColumn(i)));
            if (CharacterCount(name) > 1) {
                next.SampleName[ui] = name;
                next.SampleValid[ui] = 1;
            } else {
                next.SampleName[ui].clear();
                next.SampleValid[ui] = 0;
            }
        }
        platform.Beep();
        for (int i = 1; i <= count; ++i) {
            auto ui = static_cast<std::size_t>(i);
            if (next.SampleValid[ui] != 1)
                continue;
            for (int k = 0; k < kIonCount; ++k) {
                next.RawMg[ui][static_cast<std::size_t>(k)] =
                    hc::CellDouble(sheet.Cell(kFirstIonRow + k, SampleColumn(i)));
            }
            if (options.extraRows)
                options.extraRows(sheet, i, next);
        }
        platform.Beep();
    } catch (const hc::WorkbookError& e) {
        return {LoadStatus::Failed, FileName(dataPath) + ": " + e.what()};
    }
    table = std::move(next);
    // The caption names the file only once its data is in force: after a failure half-way the
    // window still shows the previous file's chart under the previous file's name.
    host.SetCaption(options.captionPrefix + dataPath + " >");
    notice.Close();
    host.FocusMain();
    return {LoadStatus::Loaded, {}};
}

TemplateResult OpenTemplate(const std::string& startDir, hc::PlatformServices& platform) {
    TemplateResult r;
    std::optional<std::string> path = platform.LocateDataFile(startDir, kTemplateName);
    r.path = path ? *path : (std::filesystem::path(startDir) / kTemplateName).string();
    if (!path) {
        r.reason = std::string(kTemplateName) + " が見つかりません";
        return r;
    }
    r.opened = platform.OpenWithDesktop(*path);
    if (!r.opened)
        r.reason = std::string(kTemplateName) + " を開くプログラムがありません";
    return r;
}

}  // namespace wq

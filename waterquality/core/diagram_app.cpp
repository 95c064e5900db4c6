#include "waterquality/core/diagram_app.h"

#include <algorithm>
#include <cmath>

#include "common/core/language.h"
#include "common/core/numbers.h"
#include "waterquality/core/sample_table.h"

namespace wq {

namespace {

template <class T, std::size_t N>
int IndexOf(const std::array<T, N>& choices, T value) {
    auto it = std::find(choices.begin(), choices.end(), value);
    return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
}

hc::Error BadValue(std::string ja, std::string en) {
    hc::Error e;
    e.kind = hc::ErrorKind::BadValue;
    e.ja = std::move(ja);
    e.en = std::move(en);
    return e;
}

}  // namespace

DiagramVariant ColumnVariant(std::string captionPrefix, const DiagramStrategy& strategy) {
    DiagramVariant v;
    v.captionPrefix = std::move(captionPrefix);
    v.styles = {Style::Direction, Style::Numbering};
    v.startWidths = {kColumnStartWidths.begin(), kColumnStartWidths.end()};
    v.columnScales = true;
    v.strategy = &strategy;
    return v;
}

DiagramApp::DiagramApp(const DiagramVariant& variant, SheetReader reader)
    : variant_(variant), reader_(std::move(reader)) {
    for (std::size_t w = 0; w < variant_.startWidths.size() && w < settings_.LineWidths.size(); ++w)
        settings_.LineWidths[w] = variant_.startWidths[w];
}

std::string DiagramApp::Caption() const {
    return hc::TS(variant_.captionPrefix) + shownPath_ + " >";
}

std::vector<std::string> DiagramApp::InputFiles() const {
    std::vector<std::string> files;
    for (const std::string* f : {&shownPath_, &dataPath_})
        if (!f->empty() && std::find(files.begin(), files.end(), *f) == files.end())
            files.push_back(*f);
    return files;
}

bool DiagramApp::Runs(Request request) const {
    switch (request) {
        case Request::Redraw:
        case Request::Print:
            return HasData();
        case Request::Nothing:
        case Request::Load:
        case Request::ShowTemplate:
            return true;
    }
    return false;
}

hc::Status DiagramApp::Load(const LoadProgress& progress) {
    LoadOptions options;
    options.extraRows = variant_.extraRows;
    options.readSheet = reader_;
    options.maxSamples = variant_.maxSamples;
    hc::Result<SampleTable> read = LoadWorkbook(dataPath_, options, progress);
    checkPath_ = dataPath_;
    checkLoaded_ = read.has_value();
    if (read) {
        table_ = std::move(*read);
        shownPath_ = dataPath_;
    } else if (read.error().kind != hc::ErrorKind::BadCount)
        return read.error();
    // A bad count leaves the earlier samples in force, and they are drawn again from scratch.
    compositions_ = ComputeCompositions(table_);
    if (HasData()) {
        ApplyFirstLoadDefaults();
        autoScale_ = variant_.strategy->Convert(Model(), settings_);
    }
    if (!read)
        return read.error();
    return {};
}

DataCheck DiagramApp::CheckData() const {
    DataCheck check;
    check.path = checkPath_;
    check.loaded = checkLoaded_;
    if (checkLoaded_)
        check.rows = CheckRows(table_, compositions_, settings_.NitrateType);
    ScanOptions options;
    options.marksAndColours = static_cast<bool>(variant_.extraRows);
    options.maxSamples = variant_.maxSamples;
    if (!reader_) {
        check.suspects = ScanSampleFile(checkPath_, options);
        return check;
    }
    // The window's own reader, so that every format it loads is checked alike.
    const hc::Result<hc::WorkbookSheet> sheet = reader_(checkPath_);
    if (!sheet) {
        SuspectCell c;
        c.kind = SuspectKind::Unreadable;
        c.refusesLoad = true;
        c.messageJa = "ブックを読めません: " + sheet.error().ja;
        c.messageEn = "The workbook cannot be read: " + sheet.error().en;
        check.suspects.cells.push_back(std::move(c));
        return check;
    }
    check.suspects = ScanSheet(*sheet, options);
    return check;
}

void DiagramApp::ApplyFirstLoadDefaults() {
    if (settings_.NitrateType == NitrateType::Unset)
        settings_.NitrateType = kNitrateChoices[0];
    for (Style style : variant_.styles)
        if (StyleChoice(style) < 0)
            ChooseStyle(style, 0);
}

Request DiagramApp::SetNitrate(NitrateType type) {
    settings_.NitrateType = type;
    return Request::Redraw;
}

Request DiagramApp::SetColumnScale(int column, int index) {
    if (!variant_.columnScales || !CheckColumn(column) || index < 0 || index >= kScaleCount)
        return Request::Nothing;
    settings_.ColumnScale[static_cast<std::size_t>(column)] =
        kScaleValues[static_cast<std::size_t>(index)];
    return Request::Redraw;
}

Request DiagramApp::SetDirection(Direction direction) {
    settings_.Direction = direction;
    return Request::Redraw;
}

Request DiagramApp::SetNumbering(Numbering numbering) {
    settings_.Numbering = numbering;
    return Request::Redraw;
}

Request DiagramApp::SetSampleList(SampleList list) {
    settings_.SampleList = list;
    return Request::Redraw;
}

Request DiagramApp::SetDiagramKind(DiagramKind kind) {
    settings_.Diagram.kind = kind;
    return Request::Redraw;
}

Request DiagramApp::SetDiagramOptions(const DiagramOptions& options) {
    settings_.Diagram = options;
    return Request::Redraw;
}

Request DiagramApp::ChooseStyle(Style style, int choice) {
    if (choice < 0 || choice >= kStyleChoiceCount)
        return Request::Nothing;
    const auto c = static_cast<std::size_t>(choice);
    switch (style) {
        case Style::Direction:
            return SetDirection(kDirectionChoices[c]);
        case Style::Numbering:
            return SetNumbering(kNumberingChoices[c]);
        case Style::SampleList:
            return SetSampleList(kSampleListChoices[c]);
    }
    return Request::Nothing;
}

int DiagramApp::StyleChoice(Style style) const {
    switch (style) {
        case Style::Direction:
            return IndexOf(kDirectionChoices, settings_.Direction);
        case Style::Numbering:
            return IndexOf(kNumberingChoices, settings_.Numbering);
        case Style::SampleList:
            return IndexOf(kSampleListChoices, settings_.SampleList);
    }
    return -1;
}

void DiagramApp::SetLineWidth(int group, int width) {
    if (group >= 0 && group < static_cast<int>(variant_.startWidths.size()) &&
        CheckLineWidth(width))
        settings_.LineWidths[static_cast<std::size_t>(group)] = width;
}

Request DiagramApp::SetPrintShifts(const Shifts& shifts) {
    shifts_ = shifts;
    return Request::Redraw;
}

void DiagramApp::DrawScreen(hc::Surface& canvas) const {
    variant_.strategy->DrawScreen(canvas, Model(), settings_);
}

void DiagramApp::Print(hc::Surface& printer) const {
    variant_.strategy->Print(printer, Model(), settings_, Offset());
}

std::string DiagramApp::Csv() const {
    return variant_.strategy->Csv(Model(), settings_);
}

std::optional<TextTable> DiagramApp::ShownTable() const {
    return variant_.strategy->Table(Model(), settings_);
}

hc::Result<NitrateType> NitrateFromNumber(int number) {
    for (NitrateType t : kNitrateChoices)
        if (static_cast<int>(t) == number)
            return t;
    return BadValue("硝酸タイプは 0、1、2 のいずれかです", "the nitrate type is 0, 1 or 2");
}

hc::Result<int> ScaleIndexOfCaption(double perCentimetre) {
    // A scale value S is three times the number its caption gives per centimetre.
    for (int i = 0; i < kScaleCount; ++i)
        if (std::abs(kScaleValues[static_cast<std::size_t>(i)] / 3 - perCentimetre) <
            hc::kDecimalNoise)
            return i;
    return BadValue("スケールは 0.5 1 2 3 5 10 20 30 50 100 のいずれかです",
                    "the scale is one of 0.5 1 2 3 5 10 20 30 50 100");
}

hc::Status CheckColumn(int column) {
    if (column < 1 || column > kMaxColumns)
        return BadValue("列は 1 から 4 です", "the column is 1 to 4");
    return {};
}

hc::Status CheckLineWidth(int width) {
    if (width < kMinLineWidth || width > kMaxLineWidth)
        return BadValue("線の太さは 1 から 5 単位です", "each width is 1 to 5");
    return {};
}

}  // namespace wq

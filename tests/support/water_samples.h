// Builders of the water-quality tests: sample tables given in meq/L, plot settings named field
// by field (so that no call can swap a scale for a nitrate type), and the shipped workbooks
// read as the programs read them. Test targets using it link waterquality_core.
#pragma once

#include <array>
#include <string>

#include "support/scripted_platform.h"
#include "waterquality/core/samples.h"
#include "waterquality/core/workbook_load.h"

namespace hc::test {

// n valid samples named prefix + "01", prefix + "02", ... with the same meq/L values each
// (Na, K, Ca, Mg, Cl, HCO3, SO4, NO3).
inline wq::SampleTable MeqTable(int n, const wq::IonValues& meq, const std::string& prefix) {
    wq::SampleTable t;
    t.SampleCount = n;
    for (int i = 1; i <= n; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        t.SampleName[ui] = prefix + (i < 10 ? "0" : "") + std::to_string(i);
        t.SampleValid[ui] = 1;
        t.Meq[ui] = meq;
    }
    return t;
}

// The settings after a first load, field by field; every column takes `scale`.
struct SettingsChoice {
    wq::NitrateType nitrate = wq::NitrateType::None;
    wq::Direction direction = wq::Direction::BottomUp;
    wq::Numbering numbering = wq::Numbering::On;
    wq::SampleList sampleList = wq::SampleList::On;
    double scale = 3;
    std::array<int, 5> widths = wq::kColumnStartWidths;
};

inline wq::PlotSettings Settings(const SettingsChoice& choice = {}) {
    wq::PlotSettings s;
    s.NitrateType = choice.nitrate;
    s.Direction = choice.direction;
    s.Numbering = choice.numbering;
    s.SampleList = choice.sampleList;
    for (std::size_t c = 1; c < s.ColumnScale.size(); ++c)
        s.ColumnScale[c] = choice.scale;
    s.LineWidths = choice.widths;
    return s;
}

// A workbook under the source tree, read as the programs read it (marks and colours too).
inline Result<wq::SampleTable> LoadSource(const std::string& relative) {
    wq::LoadOptions options;
    options.extraRows = wq::ReadMarkAndColour;
    return wq::LoadWorkbook(SourcePath(relative), wq::SampleTable{}, options);
}

}  // namespace hc::test

// Builders of the water-quality tests: samples given in mg/L or meq/L with their compositions,
// plot settings named field by field (so that no call can swap a scale for a nitrate type), and
// the shipped workbooks read as the programs read them. Test targets using it link
// waterquality_core.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "support/scripted_platform.h"
#include "waterquality/core/composition.h"
#include "waterquality/core/meq.h"
#include "waterquality/core/sample_model.h"
#include "waterquality/core/samples.h"
#include "waterquality/core/workbook_load.h"

namespace hc::test {

// A table with its compositions, as DiagramApp holds them after a load; it passes as the
// SampleModel the charts read. Recompute after changing the table.
struct Samples {
    wq::SampleTable table;
    std::vector<wq::Composition> compositions;

    Samples() = default;
    explicit Samples(wq::SampleTable t)
        : table(std::move(t)), compositions(wq::ComputeCompositions(table)) {}
    Samples& Recompute() {
        compositions = wq::ComputeCompositions(table);
        return *this;
    }
    wq::SampleModel Model() const { return {table, compositions}; }
    operator wq::SampleModel() const { return Model(); }  // NOLINT: passed as the model
};

// The compositions of a table, for a call that reads the model.
inline Samples Computed(wq::SampleTable table) {
    return Samples(std::move(table));
}

// mg/L of an analysis given in meq/L (the inverse of wq::ToMeq).
inline wq::IonValues MgOfMeq(const wq::IonValues& meq) {
    wq::IonValues mg{};
    for (std::size_t k = 0; k < mg.size(); ++k)
        mg[k] = meq[k] * wq::kIonWeights[k] / (wq::kDivalent[k] ? 2.0 : 1.0);
    return mg;
}

// Sample i (1-based) drawn with its name and mg/L; the table grows to hold it.
inline void SetSample(wq::SampleTable& t, int i, const std::string& name, const wq::IonValues& mg) {
    if (t.Count() < i)
        t.samples.resize(static_cast<std::size_t>(i));
    wq::Sample& s = t.At(i);
    s.name = name;
    s.drawn = true;
    s.mg = mg;
}

// Sample i marked empty, as a load leaves a column whose name is a bare number.
inline void Undraw(wq::SampleTable& t, int i) {
    t.At(i) = wq::Sample{};
}

// n drawn samples named prefix + "01", prefix + "02", ... with the same mg/L values each
// (Na, K, Ca, Mg, Cl, HCO3, SO4, NO3).
inline wq::SampleTable MgTable(int n, const wq::IonValues& mg, const std::string& prefix) {
    wq::SampleTable t;
    for (int i = 1; i <= n; ++i)
        SetSample(t, i, prefix + (i < 10 ? "0" : "") + std::to_string(i), mg);
    return t;
}

// Two loads of the same samples agree in every field a load fills (names, drawn, mg/L, marks
// and colours).
inline void ExpectSameTable(const wq::SampleTable& got, const wq::SampleTable& want,
                            const std::string& what) {
    ASSERT_EQ(got.Count(), want.Count()) << what;
    for (int i = 1; i <= want.Count(); ++i) {
        const wq::Sample& g = got.At(i);
        const wq::Sample& w = want.At(i);
        EXPECT_EQ(g.name, w.name) << what << " sample " << i;
        EXPECT_EQ(g.drawn, w.drawn) << what << " sample " << i;
        EXPECT_EQ(g.mg, w.mg) << what << " sample " << i;
        EXPECT_EQ(g.mark, w.mark) << what << " sample " << i;
        EXPECT_EQ(g.colour, w.colour) << what << " sample " << i;
    }
}

// The same given in meq/L, with the compositions.
inline Samples MeqSamples(int n, const wq::IonValues& meq, const std::string& prefix) {
    return Samples(MgTable(n, MgOfMeq(meq), prefix));
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
    return wq::LoadWorkbook(SourcePath(relative), options);
}

}  // namespace hc::test

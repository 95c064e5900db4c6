// Milliequivalents against values worked out with textbook equivalent weights, the automatic
// scale at its bounds, and the plotted quantities under the three nitrate types.
#include <gtest/gtest.h>

#include "support/water_samples.h"
#include "waterquality/core/meq.h"

using namespace wq;

namespace {

IonValues Mg(double na, double k, double ca, double mg, double cl, double hco3, double so4,
             double no3) {
    IonValues v{};
    v[kNa] = na;
    v[kK] = k;
    v[kCa] = ca;
    v[kMg] = mg;
    v[kCl] = cl;
    v[kHCO3] = hco3;
    v[kSO4] = so4;
    v[kNO3] = no3;
    return v;
}

// The compositions of a table of one drawn sample with the mg/L given.
std::vector<Composition> OneSample(const IonValues& mg) {
    SampleTable t;
    hc::test::SetSample(t, 1, "W", mg);
    return ComputeCompositions(t);
}

}  // namespace

TEST(MeqAndAutoScale, AgreesWithTextbookEquivalentWeights) {
    // Well W17, June 2001 (Liu et al. 2021). Equivalent weights from a water-chemistry table:
    // Na 22.99, K 39.10, Ca 20.04, Mg 12.15, Cl 35.45, HCO3 61.02, SO4 48.03, NO3 62.00 mg/meq.
    const std::vector<Composition> c =
        OneSample(Mg(405, 20.5, 63.76, 70, 271.32, 460.06, 588.18, 0.1));
    ScaleChoice s = AutoScaleOf(c);
    const IonValues& m = c[0].meq;
    EXPECT_NEAR(m[kNa], 405 / 22.99, 0.002);
    EXPECT_NEAR(m[kK], 20.5 / 39.10, 0.0005);
    EXPECT_NEAR(m[kCa], 63.76 / 20.04, 0.001);
    EXPECT_NEAR(m[kMg], 70 / 12.15, 0.002);
    EXPECT_NEAR(m[kCl], 271.32 / 35.45, 0.001);
    EXPECT_NEAR(m[kHCO3], 460.06 / 61.02, 0.001);
    EXPECT_NEAR(m[kSO4], 588.18 / 48.03, 0.002);
    EXPECT_NEAR(m[kNO3], 0.1 / 62.00, 0.0001);
    // Largest is Na with 17.6 meq/L: above 15, within 30 -> "1cm = 10.0".
    EXPECT_DOUBLE_EQ(s.AutoScale, 30.0);
    EXPECT_EQ(s.index, 5);
}

TEST(MeqAndAutoScale, ExactUnitValues) {
    // One formula weight of each ion per litre: 1 meq/L, 2 for the divalent ones.
    const std::vector<Composition> c =
        OneSample(Mg(22.9898, 39.0983, 40.078, 24.305, 35.4527, 61.0171, 96.0636, 62.0049));
    const double expected[kIonCount] = {1, 1, 2, 2, 1, 1, 2, 1};
    for (int k = 0; k < kIonCount; ++k)
        EXPECT_NEAR(c[0].meq[static_cast<std::size_t>(k)], expected[k], 1e-12) << k;
}

TEST(ChooseAutoScale, BoundsBelongToTheSmallerScale) {
    struct Case {
        double m, s;
        int index;
    } cases[] = {{0, 1.5, 0},  {1.5, 1.5, 0}, {1.5001, 3, 1},   {3.0, 3, 1},
                 {3.01, 6, 2}, {6, 6, 2},     {9, 9, 3},        {9.5, 15, 4},
                 {15, 15, 4},  {30, 30, 5},   {30.5, 60, 6},    {60, 60, 6},
                 {90, 90, 7},  {150, 150, 8}, {150.01, 300, 9}, {1e6, 300, 9}};
    for (const Case& c : cases) {
        ScaleChoice s = ChooseAutoScale(c.m);
        EXPECT_DOUBLE_EQ(s.AutoScale, c.s) << c.m;
        EXPECT_EQ(s.index, c.index) << c.m;
        EXPECT_STREQ(kScaleCaptions[static_cast<std::size_t>(s.index)],
                     kScaleCaptions[static_cast<std::size_t>(ScaleIndex(c.s))]);
    }
}

TEST(MeqAndAutoScale, WorkbookAtExactlyThreeAndJustAbove) {
    SampleTable t;
    hc::test::SetSample(t, 1, "W1", Mg(68.9694, 0, 0, 0, 0, 0, 0, 0));   // Na 3.0 meq/L exactly
    hc::test::SetSample(t, 2, "W2", Mg(0, 0, 0, 0, 0, 183.0513, 0, 0));  // HCO3 3.0 meq/L
    EXPECT_DOUBLE_EQ(t.At(1).mg[kNa] / kIonWeights[kNa], 3.0);
    auto caption = [&] {
        return std::string(
            kScaleCaptions[static_cast<std::size_t>(AutoScaleOf(ComputeCompositions(t)).index)]);
    };
    EXPECT_EQ(caption(), "1cm = 1.0");
    t.At(2).mg[kCl] = 3.01 * 35.4527;  // 3.01 meq/L
    EXPECT_EQ(caption(), "1cm = 2.0");
}

TEST(MeqAndAutoScale, AllZeroAnalysesAndEmptyColumns) {
    SampleTable t;
    hc::test::SetSample(t, 1, "W1", {});
    hc::test::SetSample(t, 2, "W2", Mg(0, 0, 0, 0, 10000, 0, 0, 0));
    hc::test::SetSample(t, 3, "W3", {});
    t.At(2).drawn = false;  // a column marked empty takes no part, whatever it holds
    const std::vector<Composition> c = ComputeCompositions(t);
    ScaleChoice s = AutoScaleOf(c);
    EXPECT_DOUBLE_EQ(s.AutoScale, 1.5);
    EXPECT_EQ(s.index, 0);
    EXPECT_DOUBLE_EQ(c[1].meq[kCl], 0);
    auto q = ComputePlotValues(c, NitrateType::None, s.AutoScale);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_DOUBLE_EQ(q[0].qNaK, 0);
    EXPECT_DOUBLE_EQ(q[2].qSO4, 0);
    EXPECT_DOUBLE_EQ(q[1].qCl, 0);  // empty column: nothing plotted
}

TEST(ApplyAutoScale, AllFourColumnsTakeTheAutomaticScale) {
    PlotSettings p;
    p.ColumnScale = {0, 3, 300, 6, 1.5};
    ApplyAutoScale(p, ChooseAutoScale(20));
    for (int c = 1; c <= 4; ++c)
        EXPECT_DOUBLE_EQ(p.ColumnScale[static_cast<std::size_t>(c)], 30);
}

TEST(ComputeSample, NitrateTypeChangesOnlyTheNitrateQuantity) {
    IonValues meq{};
    meq[kNa] = 1.0;
    meq[kK] = 0.5;
    meq[kCa] = 2.4;
    meq[kMg] = 0.9;
    meq[kCl] = 1.2;
    meq[kHCO3] = 2.7;
    meq[kSO4] = 0.6;
    meq[kNO3] = 0.3;
    PlotValues t0 = ComputeSample(meq, NitrateType::None, 3.0);
    PlotValues t1 = ComputeSample(meq, NitrateType::WithChloride, 3.0);
    PlotValues t2 = ComputeSample(meq, NitrateType::WithSulfate, 3.0);
    PlotValues unset = ComputeSample(meq, NitrateType::Unset, 3.0);  // before the first load
    EXPECT_DOUBLE_EQ(t0.qNaK, 0.5);                                  // (1.0 + 0.5) / 3
    EXPECT_DOUBLE_EQ(t0.qCa, 0.8);
    EXPECT_DOUBLE_EQ(t0.qMg, 0.3);
    EXPECT_DOUBLE_EQ(t0.qCl, 0.4);
    EXPECT_DOUBLE_EQ(t0.qHCO3, 0.9);
    EXPECT_DOUBLE_EQ(t0.qSO4, 0.2);
    EXPECT_DOUBLE_EQ(t0.qN, 0.4);                  // Cl only: not drawn
    EXPECT_NEAR(t1.qN, (1.2 + 0.3) / 3.0, 1e-15);  // with chloride
    EXPECT_NEAR(t2.qN, (0.6 + 0.3) / 3.0, 1e-15);  // with sulfate
    EXPECT_DOUBLE_EQ(unset.qN, t0.qN);
    for (const PlotValues* v : {&t1, &t2}) {
        EXPECT_DOUBLE_EQ(v->qNaK, t0.qNaK);
        EXPECT_DOUBLE_EQ(v->qCa, t0.qCa);
        EXPECT_DOUBLE_EQ(v->qMg, t0.qMg);
        EXPECT_DOUBLE_EQ(v->qCl, t0.qCl);
        EXPECT_DOUBLE_EQ(v->qHCO3, t0.qHCO3);
        EXPECT_DOUBLE_EQ(v->qSO4, t0.qSO4);
    }
}

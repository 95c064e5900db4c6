// Froude numbers, the rating table and the normal depth against hand computation.
#include <gtest/gtest.h>

#include <cmath>

#include "flowcalc/core/messages.h"
#include "flowcalc/core/rating.h"
#include "tests/flowcalc/sections.h"

namespace {

using flowtest::Params;
using flowtest::Section;

flow::CrossSection Island() {
    return flowtest::Example("island_section.txt");
}

// A trapezoid: bed 4 m wide at 0 m, left bank 1.5 m across per metre up to 2 m, right bank
// 1.2 m across per metre up to 2.5 m. At depth h: B = 4 + 2.7 h, A = 4 h + 1.35 h^2,
// P = 4 + h (sqrt(3.25) + sqrt(2.44)) = 4 + 3.364826 h.
flow::CrossSection Trapezoid() {
    return Section({{0, 2}, {3, 0}, {7, 0}, {10, 2.5}});
}

}  // namespace

TEST(Froude, ByHand) {
    // Rectangle 4 m wide, 2 m deep, n 0.02, I 1/100: V = 5 m/s; the hydraulic depth is 2 m,
    // Fr = 5 / sqrt(9.80665 x 2) = 1.129002, supercritical.
    auto rect = Section({{0, 5}, {0, 0}, {4, 0}, {4, 5}});
    auto p = Params(rect, 0.02, 100);
    p.Depth = 2;
    auto fr = flow::ComputeFroude(flow::ComputeDischarge(rect, p));
    ASSERT_EQ(fr.size(), 1u);
    EXPECT_NEAR(fr[0].Froude, 1.129002, 1e-6);
    EXPECT_EQ(fr[0].Regime, flow::FlowRegime::Supercritical);
    // The V of depth 5: V = 3.590724 m/s over A / B = 12.5 / 5 = 2.5 m: Fr = 0.725190.
    auto v = Section({{0, 10}, {5, 0}, {10, 10}});
    p = Params(v, 0.03, 100);
    p.Depth = 5;
    fr = flow::ComputeFroude(flow::ComputeDischarge(v, p));
    EXPECT_NEAR(fr[0].Froude, 0.725190, 1e-6);
    EXPECT_EQ(fr[0].Regime, flow::FlowRegime::Subcritical);
    EXPECT_EQ(flow::RegimeOf(1.0), flow::FlowRegime::Critical);
    EXPECT_EQ(flow::FroudeNumber(0, 0, 0.005), 0);
    EXPECT_EQ(flow::RegimeOf(0), flow::FlowRegime::None);
    EXPECT_STREQ(flow::RegimeName(flow::FlowRegime::Supercritical), "supercritical");
}

TEST(RatingCurve, TrapezoidAtThreeStagesByHand) {
    auto s = Trapezoid();
    auto out = flow::ComputeRatingCurve(s, Params(s, 0.03, 1000));
    ASSERT_TRUE(out) << out.error().en;
    const flow::RatingCurve& c = *out;
    EXPECT_EQ(c.BedLevel, 0);
    EXPECT_EQ(c.BankTop, 2);  // the lower bank, left
    ASSERT_EQ(c.Rows.size(), 21u);
    EXPECT_EQ(c.Rows[0].Discharge, 0);
    EXPECT_EQ(c.Rows[0].Froude, 0);
    struct Stage {
        std::size_t row;
        double h, A, P, B;
    };
    // V = (A/P)^(2/3) sqrt(0.001) / 0.03, Q = A V, Fr = V / sqrt(g A / B).
    for (const Stage& st :
         {Stage{5, 0.5, 2.3375, 5.682413, 5.35}, Stage{10, 1.0, 5.35, 7.364826, 6.7},
          Stage{20, 2.0, 13.4, 10.729651, 9.4}}) {
        const flow::RatingRow& r = c.Rows[st.row];
        SCOPED_TRACE(st.h);
        EXPECT_NEAR(r.Depth, st.h, 1e-12);
        EXPECT_NEAR(r.Level, st.h, 1e-12);
        EXPECT_NEAR(r.Area, st.A, 1e-9);
        EXPECT_NEAR(r.Perimeter, st.P, 1e-6);
        EXPECT_NEAR(r.TopWidth, st.B, 1e-9);
        const double V = std::pow(st.A / st.P, 2.0 / 3) * std::sqrt(0.001) / 0.03;
        EXPECT_NEAR(r.Velocity, V, 1e-6);
        EXPECT_NEAR(r.Discharge, st.A * V, 1e-5);
        EXPECT_NEAR(r.Froude, V / std::sqrt(9.80665 * st.A / st.B), 1e-6);
    }
    EXPECT_NEAR(c.Rows[20].Discharge, 16.380595, 1e-6);
    // A step that does not divide the height ends with the bank top itself.
    auto coarse = flow::ComputeRatingCurve(s, Params(s, 0.03, 1000), 0.3);
    ASSERT_TRUE(coarse);
    ASSERT_EQ(coarse->Rows.size(), 8u);  // 0, 0.3, ... 1.8, 2
    EXPECT_NEAR(coarse->Rows[6].Depth, 1.8, 1e-12);
    EXPECT_EQ(coarse->Rows[7].Depth, 2);
}

TEST(RatingCurve, IslandSectionAtThreeStages) {
    // Expected values from a separate computation that integrates the wet pieces of the bed
    // exactly: one channel at 0.5 m, two at 1.5 m, one again at 2.9 m above the bar.
    auto s = Island();
    auto out = flow::ComputeRatingCurve(s, Params(s, 0.035, 800));
    ASSERT_TRUE(out);
    EXPECT_EQ(out->BankTop, 6);        // the left end; the right end stands at 6.2
    ASSERT_EQ(out->Rows.size(), 41u);  // 0 .. 3.9 and the bank top at 3.98
    EXPECT_NEAR(out->Rows.back().Depth, 3.98, 1e-12);
    struct Stage {
        std::size_t row;
        double A, P, B, Q, Fr;
    };
    const Stage stages[] = {
        {5, 1.7743334425155584, 6.075631965938098, 5.977071732721912, 0.7889534631034157,
         0.2606048091125855},
        {15, 15.115443289321803, 20.648461399429998, 19.972868027259516, 12.877240050087067,
         0.3127168895409361},
        {29, 53.340059825254606, 33.55428990814371, 32.06182870499193, 73.39121731221691,
         0.34064157375171356},
        {40, 91.30669491525424, 40.825108602288545, 38.983050847457626, 157.73924849228038,
         0.3604652534450876},
    };
    for (const Stage& st : stages) {
        const flow::RatingRow& r = out->Rows[st.row];
        SCOPED_TRACE(r.Depth);
        EXPECT_NEAR(r.Area, st.A, 1e-9);
        EXPECT_NEAR(r.Perimeter, st.P, 1e-9);
        EXPECT_NEAR(r.TopWidth, st.B, 1e-9);
        EXPECT_NEAR(r.Discharge, st.Q, 1e-9);
        EXPECT_NEAR(r.Froude, st.Fr, 1e-9);
        EXPECT_NEAR(r.Velocity, st.Q / st.A, 1e-9);
    }
    // The range cut at 20 m keeps the left channel, whose right bank is the bar (4.12 m).
    auto left = Params(s, 0.035, 800);
    left.RangeRight = 20;
    auto cut = flow::ComputeRatingCurve(s, left);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->BankTop, 4.12);
    EXPECT_GT(cut->Rows.back().Discharge, 0);
}

TEST(RatingCurve, Refusals) {
    auto s = Trapezoid();
    auto p = Params(s, 0.03, 1000);
    auto unusable = p;
    unusable.Roughness = 0;
    // The bed at the right end: nothing holds the water on that side.
    auto open = Section({{0, 3}, {5, 1}, {10, 0}});
    auto outside = p;  // a range left of every point
    outside.RangeLeft = -5;
    outside.RangeRight = -1;
    struct Case {
        const char* name;
        hc::Result<flow::RatingCurve> result;
        hc::ErrorKind kind;
        const char* ja;
        const char* en;  // when given, the whole English reason
    };
    const Case cases[] = {
        {"step 0", flow::ComputeRatingCurve(s, p, 0), hc::ErrorKind::BadValue,
         flow::text::kStepInvalid, "the stage step must be above 0 m"},
        {"200001 rows", flow::ComputeRatingCurve(s, p, 1e-5), hc::ErrorKind::BadValue,
         flow::text::kStepInvalid,
         "a stage step of 1E-05 m gives more than 10000 rows up to the bank top"},
        {"roughness 0", flow::ComputeRatingCurve(s, unusable), hc::ErrorKind::BadValue,
         flow::text::kParametersUnusable, nullptr},
        {"open right bank", flow::ComputeRatingCurve(open, Params(open, 0.03, 1000)),
         hc::ErrorKind::Unusable, flow::text::kNoBank,
         "the section has no ground above its bed on the right inside the analysis range"},
        {"empty range", flow::ComputeRatingCurve(s, outside), hc::ErrorKind::Unusable,
         flow::text::kNoBank, "no surveyed point lies inside the analysis range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.result);
        EXPECT_EQ(c.result.error().kind, c.kind);
        EXPECT_EQ(c.result.error().ja, c.ja);
        if (c.en) {
            EXPECT_EQ(c.result.error().en, c.en);
        }
    }
}

TEST(NormalDepth, RoundTripsTheDepthThatGaveTheDischarge) {
    struct Case {
        const char* name;
        flow::CrossSection s;
        double n;
        int slope;
        double depth;
    };
    const Case cases[] = {{"trapezoid", Trapezoid(), 0.03, 1000, 1.0},
                          {"trapezoid brim-full", Trapezoid(), 0.03, 1000, 2.0},
                          {"island, two channels", Island(), 0.035, 800, 1.5},
                          {"island, joined", Island(), 0.035, 800, 2.9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto p = Params(c.s, c.n, c.slope);
        p.Depth = c.depth;
        const double Q = flow::ComputeDischarge(c.s, p).TotalDischarge;
        auto nd = flow::ComputeNormalDepth(c.s, p, Q);
        ASSERT_TRUE(nd) << nd.error().en;
        EXPECT_NEAR(nd->Depth, c.depth, 1e-7);
        EXPECT_NEAR(nd->Level, c.s.BedLevel + c.depth, 1e-7);
        EXPECT_NEAR(nd->Result.TotalDischarge, Q, 1e-6 * Q);
        // Drawn as the section's water level.
        auto comp = flow::NormalDepthComputation(c.s, flow::AutoScales(c.s), p, *nd);
        EXPECT_EQ(comp.Parameters.Depth, nd->Depth);
        EXPECT_EQ(comp.Result.WaterLevel, nd->Level);
    }
}

TEST(NormalDepth, TheLowestDepthWhereTheIslandChannelsJoin) {
    // Over the bar (2.1 m) the two channels become one and carry less: 29.53 m3/s at 2.0999 m,
    // 28.94 at 2.1001 m (separate computation). 29.5 m3/s flows first just below 2.1 m; a
    // bisection over the whole height would settle near 2.113 m, past the join.
    auto s = Island();
    auto p = Params(s, 0.035, 800);
    auto nd = flow::ComputeNormalDepth(s, p, 29.5);
    ASSERT_TRUE(nd);
    EXPECT_LT(nd->Depth, 2.1);
    EXPECT_GT(nd->Depth, 2.09);
    EXPECT_EQ(nd->Result.Sections.size(), 2u);
    EXPECT_NEAR(nd->Result.TotalDischarge, 29.5, 1e-6);
}

TEST(NormalDepth, RefusesBeyondBankFull) {
    auto s = Trapezoid();
    auto p = Params(s, 0.03, 1000);
    auto nd = flow::ComputeNormalDepth(s, p, 16.38);
    ASSERT_TRUE(nd);  // just below bank-full (16.3806 m3/s)
    EXPECT_NEAR(nd->Capacity, 16.380595, 1e-6);
    EXPECT_EQ(nd->BankFullDepth, 2);
    nd = flow::ComputeNormalDepth(s, p, 20);
    ASSERT_FALSE(nd);
    EXPECT_EQ(nd.error().kind, hc::ErrorKind::BadValue);
    EXPECT_EQ(nd.error().en,
              "a discharge of 20 m3/s exceeds the 16.381 m3/s the section carries below its "
              "lower bank top (level 2 m)");
    EXPECT_NE(nd.error().ja.find(" 16.381 "), std::string::npos);
    for (double bad : {0.0, -1.0, std::nan("")}) {
        auto refused = flow::ComputeNormalDepth(s, p, bad);
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.error().ja, flow::text::kDischargeInvalid);
    }
}

TEST(NormalDepth, RefusesADepthBelowTheLeastOfOneCentimetre) {
    // At 0.01 m: A = 0.040135, P = 4.033648, Q = A (A/P)^(2/3) sqrt(0.001) / 0.03
    // = 0.0019571 m3/s, shown rounded up as 0.00196.
    auto s = Trapezoid();
    auto p = Params(s, 0.03, 1000);
    for (double Q : {0.00098, 0.0019}) {
        auto nd = flow::ComputeNormalDepth(s, p, Q);
        ASSERT_FALSE(nd) << Q;
        EXPECT_EQ(nd.error().kind, hc::ErrorKind::BadValue);
        EXPECT_EQ(nd.error().ja,
                  "この流量では水深が最小の 0.01 ｍ より浅くなります\r水深 0.01 ｍ "
                  "で流れる流量は 0.00196 ｍ3／sec です");
    }
    EXPECT_EQ(flow::ComputeNormalDepth(s, p, 0.00098).error().en,
              "a discharge of 0.00098 m3/s flows below the least depth of 0.01 m (0.00196 m3/s "
              "flows at 0.01 m)");
    auto shown = flow::ComputeNormalDepth(s, p, 0.00196);
    ASSERT_TRUE(shown);
    EXPECT_GE(shown->Depth, 0.01);
    EXPECT_LT(shown->Depth, 0.0101);
}

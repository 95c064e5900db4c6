// Manning discharge: sub-channels, crossings, areas and perimeters against hand computation.
#include <gtest/gtest.h>

#include <cmath>

#include "flowcalc/core/discharge.h"
#include "tests/flowcalc/sections.h"

namespace {

using flowtest::Params;
using flowtest::Section;

TEST(FlowcalcDischarge, VShapedChannel) {
    auto s = Section({{0, 10}, {5, 0}, {10, 10}});
    auto r = flow::ComputeDischarge(s, Params(s, 0.03, 100, 5));
    ASSERT_EQ(r.Sections.size(), 1u);
    const auto& w = r.Sections[0];
    EXPECT_EQ(w.LeftSegment, 1);
    EXPECT_EQ(w.RightSegment, 2);
    EXPECT_DOUBLE_EQ(w.xl, 2.5);
    EXPECT_DOUBLE_EQ(w.xr, 7.5);
    EXPECT_DOUBLE_EQ(w.B, 5);
    EXPECT_NEAR(w.A, 12.5, 1e-12);
    EXPECT_NEAR(w.P, 11.18034, 1e-5);  // 2 x sqrt(2.5^2 + 5^2)
    EXPECT_NEAR(w.R, 1.118034, 1e-6);
    EXPECT_NEAR(w.V, 3.5907, 1e-4);
    EXPECT_NEAR(w.Q, 44.884, 1e-3);
    EXPECT_DOUBLE_EQ(r.WaterLevel, 5);
    EXPECT_DOUBLE_EQ(r.TotalDischarge, w.Q);
    EXPECT_DOUBLE_EQ(r.MaxVelocity, w.V);
    EXPECT_DOUBLE_EQ(r.TotalWidth, 5);
}

TEST(FlowcalcDischarge, RectangularChannelWithVerticalWalls) {
    // Width 4, depth 2: A = 8, P = 2 + 4 + 2 = 8, R = 1, V = 1 x 0.1 / 0.02 = 5, Q = 40.
    auto s = Section({{0, 5}, {0, 0}, {4, 0}, {4, 5}});
    auto r = flow::ComputeDischarge(s, Params(s, 0.02, 100, 2));
    ASSERT_EQ(r.Sections.size(), 1u);
    const auto& w = r.Sections[0];
    EXPECT_DOUBLE_EQ(w.xl, 0);
    EXPECT_DOUBLE_EQ(w.xr, 4);
    EXPECT_NEAR(w.A, 8, 1e-12);
    EXPECT_NEAR(w.P, 8, 1e-12);
    EXPECT_NEAR(w.V, 5, 1e-12);
    EXPECT_NEAR(r.TotalDischarge, 40, 1e-11);
}

TEST(FlowcalcDischarge, IslandSplitsTheFlowIntoTwoUnequalChannels) {
    // Bed level 0, water at 2; the island top at 3 stays dry.
    auto s = Section({{0, 4}, {2, 0}, {4, 0}, {6, 3}, {8, 0}, {12, 0}, {14, 4}});
    auto r = flow::ComputeDischarge(s, Params(s, 0.03, 400, 2));
    ASSERT_EQ(r.Sections.size(), 2u);
    const auto& a = r.Sections[0];
    const auto& b = r.Sections[1];
    // Left: crossings at 1 and 4 + 2 x 2/3; area 1 + 4 + 4/3; perimeter
    // sqrt(5) + 2 + sqrt((4/3)^2 + 4).
    EXPECT_NEAR(a.xl, 1, 1e-12);
    EXPECT_NEAR(a.xr, 16.0 / 3, 1e-12);
    EXPECT_NEAR(a.A, 19.0 / 3, 1e-12);
    EXPECT_NEAR(a.P, 6.639769, 1e-6);
    EXPECT_NEAR(a.V, 1.614984, 1e-6);
    EXPECT_NEAR(a.Q, 10.22823, 1e-5);
    // Right: crossings at 6 + 2/3 and 13; area 4/3 + 8 + 1; perimeter
    // sqrt((4/3)^2 + 4) + 4 + sqrt(5).
    EXPECT_NEAR(b.xl, 20.0 / 3, 1e-12);
    EXPECT_NEAR(b.xr, 13, 1e-12);
    EXPECT_NEAR(b.A, 31.0 / 3, 1e-12);
    EXPECT_NEAR(b.P, 8.639769, 1e-6);
    EXPECT_NEAR(b.V, 1.877908, 1e-6);
    EXPECT_NEAR(b.Q, 19.40505, 1e-5);
    EXPECT_NEAR(r.TotalDischarge, 29.63328, 1e-5);
    EXPECT_DOUBLE_EQ(r.MaxVelocity, b.V);
    EXPECT_NEAR(r.TotalWidth, 13.0 / 3 + 19.0 / 3, 1e-12);
    // Above the island the two join into one channel.
    auto high = flow::ComputeDischarge(s, Params(s, 0.03, 400, 3.5));
    ASSERT_EQ(high.Sections.size(), 1u);
}

TEST(FlowcalcDischarge, LevelAboveBothEndsHasNoBanks) {
    auto s = Section({{0, 10}, {5, 0}, {10, 10}});
    auto r = flow::ComputeDischarge(s, Params(s, 0.03, 100, 10.5));
    EXPECT_TRUE(r.Sections.empty());
    EXPECT_EQ(r.TotalDischarge, 0);
    EXPECT_EQ(r.MaxVelocity, 0);
    EXPECT_EQ(r.TotalWidth, 0);
    // A point exactly at the level counts as dry, so a brim-full channel still has its banks.
    auto brim = flow::ComputeDischarge(s, Params(s, 0.03, 100, 10));
    ASSERT_EQ(brim.Sections.size(), 1u);
    EXPECT_NEAR(brim.Sections[0].A, 50, 1e-12);
    // One bank too low: the water spills over the left end.
    auto low = Section({{0, 3}, {5, 0}, {10, 10}});
    EXPECT_TRUE(flow::ComputeDischarge(low, Params(low, 0.03, 100, 4)).Sections.empty());
}

TEST(FlowcalcDischarge, BankExactlyAtTheDecimalWaterLevelIsDry) {
    // Bed 0.1 and depth 0.2 put the water at 0.3 m, level with both bank tops: the banks are
    // dry, so the brim-full channel flows (0.1 + 0.2 is a hair above 0.3 in binary).
    // B = 10, A = 10 x 0.2 - 2 x (0.3 + 0.1 - 0.2) x 5 / 2 = 1, P = 2 x sqrt(25 + 0.04).
    auto s = Section({{0, 0.3}, {5, 0.1}, {10, 0.3}});
    auto r = flow::ComputeDischarge(s, Params(s, 0.03, 100, 0.2));
    ASSERT_EQ(r.Sections.size(), 1u);
    EXPECT_NEAR(r.Sections[0].xl, 0, 1e-9);
    EXPECT_NEAR(r.Sections[0].xr, 10, 1e-9);
    EXPECT_NEAR(r.Sections[0].A, 1, 1e-9);
    EXPECT_NEAR(r.Sections[0].P, 2 * std::sqrt(25.04), 1e-9);
    EXPECT_GT(r.TotalDischarge, 0);
    // An island top level with the same water stays dry and splits the flow in two.
    auto island = Section({{0, 0.5}, {1, 0.1}, {2, 0.3}, {3, 0.1}, {4, 0.5}});
    auto two = flow::ComputeDischarge(island, Params(island, 0.03, 100, 0.2));
    EXPECT_EQ(two.Sections.size(), 2u);
}

TEST(FlowcalcDischarge, AnalysisRangeThatCutsAWettedPartRemovesIt) {
    auto s = Section({{0, 4}, {2, 0}, {4, 0}, {6, 3}, {8, 0}, {12, 0}, {14, 4}});
    auto p = Params(s, 0.03, 400, 2);
    p.RangeRight = 10;  // cuts the right channel
    auto r = flow::ComputeDischarge(s, p);
    ASSERT_EQ(r.Sections.size(), 1u);
    EXPECT_NEAR(r.Sections[0].xl, 1, 1e-12);
    p.RangeLeft = 3;  // now the left channel is cut too
    p.RangeRight = 14;
    r = flow::ComputeDischarge(s, p);
    ASSERT_EQ(r.Sections.size(), 1u);
    EXPECT_NEAR(r.Sections[0].xl, 20.0 / 3, 1e-12);
    // A left end before the first point is harmless.
    p.RangeLeft = -5;
    EXPECT_EQ(flow::ComputeDischarge(s, p).Sections.size(), 2u);
}

TEST(FlowcalcDischarge, NarrowChannelCountsInTheWidthOnly) {
    // A notch 8 mm wide at the water level.
    auto s = Section({{0, 2}, {1, 1}, {1.004, 0}, {1.008, 1}, {2, 2}});
    auto p = Params(s, 0.03, 100, 0.5);
    auto r = flow::ComputeDischarge(s, p);
    ASSERT_EQ(r.Sections.size(), 1u);
    EXPECT_NEAR(r.Sections[0].B, 0.004, 1e-9);
    EXPECT_EQ(r.Sections[0].A, 0);
    EXPECT_EQ(r.Sections[0].Q, 0);
    EXPECT_NEAR(r.TotalWidth, 0.004, 1e-9);
    EXPECT_EQ(r.TotalDischarge, 0);
}

TEST(FlowcalcDischarge, EverySubChannelCountsBeyondSixteen) {
    // Twenty equal V notches: 20 equal sections, the total 20 times one of them.
    std::string t = "41\n";
    for (int k = 0; k <= 40; ++k)
        t += std::to_string(k) + " " + (k % 2 == 0 ? "2" : "0") + "\n";
    flow::CrossSection s = flowtest::Read(t).Section;
    auto r = flow::ComputeDischarge(s, Params(s, 0.03, 100, 1));
    ASSERT_EQ(r.Sections.size(), 20u);
    // One notch: B = 1, A = 0.5, P = 2 x sqrt(0.25 + 1).
    double P = 2 * std::sqrt(1.25);
    double V = std::cbrt(0.25 / (P * P)) * 0.1 / 0.03;  // (A/P)^(2/3) = cbrt(A^2/P^2)
    EXPECT_NEAR(r.Sections[19].Q, 0.5 * V, 1e-12);
    EXPECT_NEAR(r.TotalDischarge, 20 * 0.5 * V, 1e-10);
    EXPECT_NEAR(r.TotalWidth, 20, 1e-12);
}

}  // namespace

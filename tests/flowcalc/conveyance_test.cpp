// Conveyance by subdivision, the velocity coefficient, normal and critical depth against closed
// forms and printed examples, monotonic rating curves, and specific energy with two minima.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "flowcalc/core/energy.h"
#include "flowcalc/core/numbers_csv.h"
#include "flowcalc/core/rating.h"
#include "tests/flowcalc/sections.h"

namespace {

using flow::ConveyanceMethod;
using flowtest::Params;
using flowtest::Section;

constexpr double g = 9.80665;

flow::FlowParameters Subdivided(const flow::CrossSection& s, double n, int slope) {
    return Params(s, n, slope, 0, ConveyanceMethod::Subdivided);
}

// Bisection of a rising f for f(y) = 0 on lo..hi: the closed forms' own roots.
double Root(const std::function<double(double)>& f, double lo, double hi) {
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (f(mid) < 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// Sections with floodplains, terraces and islands: the examples and a generated family, each
// with the bank stations of its main channel.
struct Surveyed {
    flow::CrossSection s;
    flow::BankStations banks;
};
std::vector<Surveyed> FloodplainSections() {
    std::vector<Surveyed> out{{flowtest::Example("river_section.txt"), {true, 24, 52}},
                              {flowtest::Example("island_section.txt"), {true, 3, 37}},
                              {flowtest::Example("floodplain_section.txt"), {true, 84, 100}}};
    for (double plain : {5.0, 40.0, 200.0})
        for (double bar : {0.0, 1.2, 2.5}) {
            // A main channel 3 m deep, a bar (an island when it stands) in a side channel, a
            // flat floodplain of `plain` m at 3 m and a terrace at 4 m.
            const double x = plain;
            out.push_back({Section({{0, 6},
                                    {1, 4},
                                    {x / 2, 4},
                                    {x / 2 + 0.5, 3},
                                    {x + 1, 3},
                                    {x + 4, 0.2},
                                    {x + 6, 0},
                                    {x + 9, bar},
                                    {x + 11, 0.4},
                                    {x + 14, 3},
                                    {x + 20, 3.05},
                                    {x + 22, 6}}),
                           {true, x + 1, x + 14}});
        }
    return out;
}

}  // namespace

// The fault the subdivision mends: river_section.txt (n 0.035, 1/800) whole per sub-channel
// loses discharge between 4.4 m and 4.7 m as the floodplain floods.
TEST(Conveyance, TheWholeSubChannelRatingRunsBackwardsAndTheSubdividedOneDoesNot) {
    const flow::CrossSection s = flowtest::Example("river_section.txt");
    const double parts44 = flow::RatingRowAt(s, Params(s, 0.035, 800), 4.4).Discharge;
    const double parts47 = flow::RatingRowAt(s, Params(s, 0.035, 800), 4.7).Discharge;
    EXPECT_NEAR(parts44, 156.14, 0.005);
    EXPECT_NEAR(parts47, 125.82, 0.005);
    const double sub44 = flow::RatingRowAt(s, Subdivided(s, 0.035, 800), 4.4).Discharge;
    const double sub47 = flow::RatingRowAt(s, Subdivided(s, 0.035, 800), 4.7).Discharge;
    EXPECT_GT(sub47, sub44);
    // The normal depth no longer jumps: whole, 156 and 157 m3/s flow at 4.370 and 4.986 m;
    // subdivided, a centimetre or so apart (the rating rises about 80 m3/s a metre there).
    auto depth = [&](flow::ConveyanceMethod m, double q) {
        auto n = flow::ComputeNormalDepth(s, Params(s, 0.035, 800, 0, m), q);
        EXPECT_TRUE(n);
        return n ? n->Depth : 0.0;
    };
    EXPECT_NEAR(depth(ConveyanceMethod::Parts, 156), 4.370, 5e-4);
    EXPECT_NEAR(depth(ConveyanceMethod::Parts, 157), 4.986, 5e-4);
    const double jump =
        depth(ConveyanceMethod::Subdivided, 157) - depth(ConveyanceMethod::Subdivided, 156);
    EXPECT_GT(jump, 0);
    EXPECT_LT(jump, 0.02);
}

TEST(Conveyance, RatingIsMonotonicInFineStepsOverFloodplainsAndIslands) {
    for (const auto& [s, stations] : FloodplainSections()) {
        for (bool banks : {false, true}) {
            flow::FlowParameters p = Subdivided(s, 0.035, 800);
            if (banks)
                p.Banks = stations;
            auto full = flow::BankFullDepth(s, p);
            ASSERT_TRUE(full);
            double last = 0;
            for (double y = 0.001; y <= *full; y += 0.001) {
                const double q = flow::ComputeSectionFlow(s, p, y).Discharge;
                ASSERT_GE(q, last) << "width " << s.MaxX << " depth " << y << " banks " << banks;
                last = q;
            }
        }
    }
}

TEST(Conveyance, NormalDepthOfRectanglesAndTrapezoidsAgainstClosedForms) {
    // Rectangles by hand: Q = (1/n) b y (b y / (b + 2 y))^(2/3) I^(1/2), printed examples of
    // Ponce's course (San Diego State, CIVE 530): b 5 m, y 0.8 m, n 0.015, I 0.0025 gives
    // Q = 9.548 m3/s (V 2.387 m/s); b 6 m, y 1.6 m gives 32.91 m3/s
    // (jon.sdsu.edu/protected31/cive530_midterm_2_problem_1_sp07.html, facets.sdsu.edu/...
    // cive530_midterm_1_problem_4_fa08.html). The slope 1/400 is 0.0025.
    struct Case {
        double b, y, q;
    };
    for (const Case& c : {Case{5, 0.8, 9.548}, Case{6, 1.6, 32.91}}) {
        const flow::CrossSection s = Section({{0, 3}, {0, 0}, {c.b, 0}, {c.b, 3}});
        for (ConveyanceMethod m : {ConveyanceMethod::Parts, ConveyanceMethod::Subdivided}) {
            const flow::RatingRow r = flow::RatingRowAt(s, Params(s, 0.015, 400, 0, m), c.y);
            EXPECT_NEAR(r.Discharge, c.q, c.q * 5e-4) << c.b;
            EXPECT_DOUBLE_EQ(r.Alpha, 1);  // one element: the walls join the bed
            auto n = flow::ComputeNormalDepth(s, Params(s, 0.015, 400, 0, m), c.q);
            ASSERT_TRUE(n);
            EXPECT_NEAR(n->Depth, c.y, 5e-4);
        }
    }
    // Chow, Open-Channel Hydraulics (1959), Example 6.2: a trapezoid 20 ft wide at the bed,
    // side slopes 2:1, n 0.025, S 0.0016, Q 400 ft3/s; yn = 3.36 ft. US units, the main
    // channel between bank stations at its top corners as one element.
    const flow::CrossSection t = Section({{0, 10}, {20, 0}, {40, 0}, {60, 10}});
    flow::FlowParameters p = Params(t, 0.025, 625, 0, ConveyanceMethod::Subdivided);
    p.Unit = flow::Units::US;
    p.Banks = {true, 0, 60};
    auto n = flow::ComputeNormalDepth(t, p, 400);
    ASSERT_TRUE(n);
    EXPECT_NEAR(n->Depth, 3.36, 0.005);
    // The same by the closed form with 1.486: A = (20 + 2y) y, P = 20 + 2 y sqrt(5).
    const double yn = Root(
        [](double y) {
            const double a = (20 + 2 * y) * y, r = a / (20 + 2 * y * std::sqrt(5.0));
            return 1.486 / 0.025 * a * std::pow(r, 2.0 / 3.0) * 0.04 - 400;
        },
        0.1, 9);
    EXPECT_NEAR(n->Depth, yn, 1e-7);
}

TEST(Conveyance, AlphaOfAFloodplainBesideAMainChannelByHand) {
    // A floodplain 10 m wide at 1 m beside a main channel 2 m wide at 0, walls upright, water
    // at 2 m. Each wall's wet length goes to the element at its foot: floodplain A 10, P 11;
    // main channel A 4, P 5. K n = 10 (10/11)^(2/3) + 4 (4/5)^(2/3) = 9.384365 + 3.447096;
    // alpha = (Kf^3 / 100 + Km^3 / 16) / (K^3 / 196) = 1.004232.
    const flow::CrossSection s = Section({{0, 3}, {0, 1}, {10, 1}, {10, 0}, {12, 0}, {12, 3}});
    const flow::SectionFlow f = flow::ComputeSectionFlow(s, Subdivided(s, 0.03, 1000), 2);
    EXPECT_NEAR(f.Conveyance * 0.03, 9.384365 + 3.447096, 1e-5);
    EXPECT_NEAR(f.Alpha, 1.004232, 1e-6);
    EXPECT_DOUBLE_EQ(f.Area, 14);
    EXPECT_DOUBLE_EQ(f.Perimeter, 16);
    // Surveyed from a station left of the origin: the same.
    const flow::CrossSection shifted =
        Section({{-20, 3}, {-20, 1}, {-10, 1}, {-10, 0}, {-8, 0}, {-8, 3}});
    EXPECT_NEAR(flow::ComputeSectionFlow(shifted, Subdivided(shifted, 0.03, 1000), 2).Alpha,
                1.004232, 1e-6);
}

TEST(SpecificEnergy, CriticalDepthOfRectanglesAndTrapezoids) {
    // Rectangle: yc = (q^2 / g)^(1/3), E min = 1.5 yc.
    for (double q : {0.5, 2.0, 7.5}) {
        const flow::CrossSection s = Section({{0, 5}, {0, 0}, {4, 0}, {4, 5}});
        auto e = flow::ComputeEnergyCurve(s, Subdivided(s, 0.03, 500), q * 4);
        ASSERT_TRUE(e);
        ASSERT_EQ(e->Critical.size(), 1u) << q;
        const double yc = std::cbrt(q * q / g);
        EXPECT_NEAR(e->Critical[0].Depth, yc, 1e-6);
        EXPECT_NEAR(e->Critical[0].Energy, 1.5 * yc, 1e-9);
        // The Froude number from the curve's slope is 1 there, and V / sqrt(g y) elsewhere.
        const double y = 2 * yc;
        EXPECT_NEAR(flow::CompoundFroude(s, Subdivided(s, 0.03, 500), q * 4, y),
                    q / y / std::sqrt(g * y), 1e-5);
    }
    // Trapezoid 20 wide, sides 2:1, one element: Q^2 B / (g A^3) = 1 at yc.
    const flow::CrossSection t = Section({{0, 10}, {20, 0}, {40, 0}, {60, 10}});
    flow::FlowParameters p = Subdivided(t, 0.025, 625);
    p.Banks = {true, 0, 60};
    const double Q = 60;
    const double yc = Root(
        [Q](double y) {
            const double a = (20 + 2 * y) * y, b = 20 + 4 * y;
            return 1 - Q * Q * b / (g * a * a * a);
        },
        0.05, 9);
    auto e = flow::ComputeEnergyCurve(t, p, Q);
    ASSERT_TRUE(e);
    ASSERT_EQ(e->Critical.size(), 1u);
    EXPECT_NEAR(e->Critical[0].Depth, yc, 1e-6);
}

TEST(SpecificEnergy, AMainChannelWithFloodplainsHasTwoMinima) {
    // Main channel 5 m wide and 2 m deep between floodplains 50 m wide, upright walls to 5 m.
    const flow::CrossSection s =
        Section({{0, 5}, {0, 2}, {50, 2}, {50, 0}, {55, 0}, {55, 2}, {105, 2}, {105, 5}});
    const flow::FlowParameters p = Subdivided(s, 0.03, 1000);
    const double Q = 30;
    auto e = flow::ComputeEnergyCurve(s, p, Q);
    ASSERT_TRUE(e);
    ASSERT_EQ(e->Critical.size(), 2u);
    // In the main channel: the rectangle's yc = (6^2 / g)^(1/3).
    EXPECT_NEAR(e->Critical[0].Depth, std::cbrt(36 / g), 1e-6);
    // Above the floodplains by hand, h = y - 2: main A 5y P 9, each floodplain A 50h P 50 + h
    // (the outer wall), K_i = A_i^(5/3) / P_i^(2/3) / n; the minimum of E by a fine scan.
    auto energy = [Q](double y) {
        const double h = y - 2, am = 5 * y, af = 50 * h;
        const double km = std::pow(am, 5.0 / 3) / std::pow(9.0, 2.0 / 3),
                     kf = std::pow(af, 5.0 / 3) / std::pow(50 + h, 2.0 / 3);
        const double a = am + 2 * af, k = km + 2 * kf;
        const double alpha =
            (km * km * km / (am * am) + 2 * kf * kf * kf / (af * af)) / (k * k * k / (a * a));
        return y + alpha * Q * Q / (2 * g * a * a);
    };
    double best = 2.0001;
    for (double y = 2.0001; y < 3; y += 1e-6)
        if (energy(y) < energy(best))
            best = y;
    EXPECT_NEAR(e->Critical[1].Depth, best, 2e-6);
    EXPECT_NEAR(e->Critical[1].Energy, energy(best), 1e-9);
    // Between the two the curve rises and falls again: subcritical, then supercritical.
    const double between = (e->Critical[0].Depth + e->Critical[1].Depth) / 2;
    EXPECT_LT(flow::CompoundFroude(s, p, Q, e->Critical[0].Depth + 0.05), 1);
    EXPECT_GT(flow::CompoundFroude(s, p, Q, e->Critical[1].Depth - 0.02), 1);
    EXPECT_GT(flow::SpecificEnergy(s, p, Q, between), e->Critical[1].Energy);
    // The table holds both critical rows among its steps.
    int marked = 0;
    for (const flow::EnergyRow& r : e->Rows)
        marked += r.Critical;
    EXPECT_EQ(marked, 2);
}

TEST(SectionCsv, TwoOrThreeColumnsAndEveryRefusalWithItsLine) {
    struct Case {
        const char* text;
        int points;             // 0: refused
        std::vector<double> n;  // of each segment
        int line;               // of the refusal
    };
    const Case cases[] = {
        {"distance,elevation,n\n0,5,0.05\n2,0,0.02\n6,0,0.05\n8,5,0.9\n", 4, {0.05, 0.02, 0.05}, 0},
        {"\xEF\xBB\xBF"
         "0, 5\r\n\r\n4,0\r\n8,5\r\n",
         3,
         {},
         0},
        {"x,y,n\n0,5,0.03\n2,0\n", 0, {}, 3},
        {"x,y\n0,abc\n", 0, {}, 2},
        {"0,5,0\n1,1,0.03\n", 0, {}, 1},
        {"0,5,1,2\n", 0, {}, 1},
        {"x,y\n", 0, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        hc::Result<flow::LoadedSection> r = flow::ParseSectionCsv(c.text);
        if (c.points == 0) {
            ASSERT_FALSE(r);
            EXPECT_EQ(r.error().line, c.line);
            EXPECT_FALSE(r.error().ja.empty());
            continue;
        }
        ASSERT_TRUE(r) << r.error().English();
        EXPECT_EQ(r->Section.PointCount, c.points);
        EXPECT_EQ(r->Section.SegmentN, c.n);
    }
    // The example beside the text one: the same points, n 0.06 on the floodplains.
    const flow::CrossSection text = flowtest::Example("river_section.txt");
    const flow::CrossSection csv = flowtest::Example("river_section_n.csv");
    EXPECT_EQ(csv.PointX, text.PointX);
    EXPECT_EQ(csv.PointY, text.PointY);
    ASSERT_EQ(csv.SegmentN.size(), 26u);
    EXPECT_EQ(csv.SegmentN.front(), 0.06);
    EXPECT_EQ(csv.SegmentN[13], 0.035);
    // Subdivided, the table names the section's n as what served; whole, the single n.
    for (ConveyanceMethod m : {ConveyanceMethod::Subdivided, ConveyanceMethod::Parts}) {
        const flow::FlowParameters p = Params(csv, 0.035, 800, 0, m);
        auto rating = flow::ComputeRatingCurve(csv, p, 1);
        ASSERT_TRUE(rating);
        const bool own = flow::RatingCsv(p, *rating).find("roughness n,the section's n across") !=
                         std::string::npos;
        EXPECT_EQ(own, m == ConveyanceMethod::Subdivided);
    }
}

TEST(CompositeRoughness, ZonesOfTheirOwnNByHand) {
    // Sides 1:1 of n 0.05 and a bed 4 m wide of n 0.02, water 1 m deep, I 1/400. Sides: A 0.5,
    // P sqrt 2, R 2^-1.5 (R^(2/3) = 1/2); bed: A 4, P 4, R 1. K = 2 x 0.5 x 0.5 / 0.05 +
    // 4 / 0.02 = 210, Q = 10.5 m3/s. Horton-Einstein: (sum P_i n_i^1.5 / P)^(2/3) = 0.0340673;
    // Lotter: P R^(5/3) / sum(P_i R_i^(5/3) / n_i) = 0.0193427.
    auto r = flow::ParseSectionCsv("0,2,0.05\n2,0,0.02\n6,0,0.05\n8,2,0.05\n");
    ASSERT_TRUE(r);
    const flow::CrossSection& s = r->Section;
    flow::FlowParameters p = Subdivided(s, 0.03, 400);
    EXPECT_NEAR(flow::ComputeSectionFlow(s, p, 1).Discharge, 10.5, 1e-12);
    p.Depth = 1;
    const std::vector<flow::CompositeRoughness> n = flow::ComputeCompositeRoughness(s, p);
    ASSERT_EQ(n.size(), 1u);
    EXPECT_NEAR(n[0].HortonEinstein, 0.0340673, 1e-7);
    EXPECT_NEAR(n[0].Lotter, 0.0193427, 1e-7);
    // Without n across, both are the single n.
    const flow::CrossSection plain = Section({{0, 2}, {2, 0}, {6, 0}, {8, 2}});
    const auto single = flow::ComputeCompositeRoughness(plain, Params(plain, 0.03, 400, 1));
    EXPECT_NEAR(single[0].HortonEinstein, 0.03, 1e-15);
    EXPECT_NEAR(single[0].Lotter, 0.03, 1e-15);
}

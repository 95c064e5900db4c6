#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "rainprob/core/analysis.h"
#include "test_data.h"

using namespace rain;

namespace {

RainTable Table(const std::vector<std::int32_t>& amounts) {
    return ParseRainText(test::RecordText(amounts)).value();
}

const NormalTable& T() {
    return StandardNormalTable();
}

}  // namespace

TEST(AnalyseRain, ThreeRecordsByHand) {
    RainAnalysis a = AnalyseRain(Table({1000, 1200, 1100}), T()).value();
    EXPECT_EQ(a.rank, (std::vector<std::int32_t>{1, 3, 2}));
    EXPECT_DOUBLE_EQ(a.pp[0], 1.0 / 6);
    EXPECT_DOUBLE_EQ(a.pp[1], 5.0 / 6);
    EXPECT_DOUBLE_EQ(a.pp[2], 0.5);
    EXPECT_EQ(a.deviate[2], 0.0);
    // 1/6 lies 333.3 thousandths below the median: entry 333.
    EXPECT_EQ(a.deviate[0], -T()[333]);
    EXPECT_EQ(a.deviate[1], T()[333]);
    EXPECT_DOUBLE_EQ(a.mean, 1100);
    // Sxy = 2 x 100 x z, Sxx = 2 z^2: the slope is 100 / z.
    EXPECT_NEAR(a.slope, 100 / T()[333], 1e-9);
    EXPECT_EQ(a.max, 1200);
    EXPECT_EQ(a.min, 1000);
}

TEST(AnalyseRain, EqualAmountsRankInFileOrder) {
    RainAnalysis a = AnalyseRain(Table({1100, 1000, 1100, 1000}), T()).value();
    EXPECT_EQ(a.rank, (std::vector<std::int32_t>{3, 1, 4, 2}));
    EXPECT_LT(a.pp[0], a.pp[2]);
    EXPECT_LT(a.deviate[1], a.deviate[3]);
}

TEST(AnalyseRain, TwoRecords) {
    RainAnalysis a = AnalyseRain(Table({1300, 1100}), T()).value();
    EXPECT_DOUBLE_EQ(a.pp[0], 0.75);
    EXPECT_DOUBLE_EQ(a.pp[1], 0.25);
    EXPECT_EQ(a.deviate[0], T()[250]);
    EXPECT_EQ(a.deviate[1], -T()[250]);
    EXPECT_NEAR(a.slope, 100 / 0.6744897501960817, 1e-9);
}

TEST(AnalyseRain, PositionsHalfwayBetweenEntriesReadTheEvenOne) {
    // Forty years: rank 5 sits at 9/80, 31/80 = 0.3875 below the median, rank 36 at 71/80,
    // 0.3875 above it. 387.5 thousandths is a half: both read entry 388. Ranks 6 and 35 lie
    // 29/80 = 0.3625 from it: entry 362. Rank 20 and 21 at 39/80 and 41/80: 12.5, entry 12.
    std::vector<std::int32_t> amounts;
    for (int i = 0; i < 40; ++i)
        amounts.push_back(800 + 10 * i);
    RainAnalysis a = AnalyseRain(Table(amounts), T()).value();
    EXPECT_EQ(a.deviate[4], -T()[388]);
    EXPECT_EQ(a.deviate[35], T()[388]);
    EXPECT_EQ(a.deviate[5], -T()[362]);
    EXPECT_EQ(a.deviate[34], T()[362]);
    EXPECT_EQ(a.deviate[19], -T()[12]);
    EXPECT_EQ(a.deviate[20], T()[12]);
}

TEST(AnalyseRain, DeviatesAreSymmetricForEveryCount) {
    // The plotting positions are symmetric about the median, so the lowest and the highest of
    // any pair of mirrored ranks read the same entry, and the deviates sum to zero.
    for (int n = 2; n <= 257; ++n) {
        std::vector<std::int32_t> amounts;
        for (int i = 0; i < n; ++i)
            amounts.push_back(500 + 3 * i);
        RainAnalysis a = AnalyseRain(Table(amounts), T()).value();
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(a.deviate[static_cast<std::size_t>(i)],
                      -a.deviate[static_cast<std::size_t>(n - 1 - i)])
                << "n = " << n << ", rank " << i + 1;
    }
}

TEST(AnalyseRain, TwoHundredFiftySevenRecords) {
    std::vector<std::int32_t> amounts(257);
    for (int i = 0; i < 257; ++i)
        amounts[static_cast<std::size_t>(i)] = 500 + (i * 37) % 257 * 7;  // a shuffled ramp
    RainAnalysis a = AnalyseRain(Table(amounts), T()).value();
    auto lowest = std::min_element(amounts.begin(), amounts.end()) - amounts.begin();
    auto highest = std::max_element(amounts.begin(), amounts.end()) - amounts.begin();
    EXPECT_DOUBLE_EQ(a.pp[static_cast<std::size_t>(lowest)], 1.0 / 514);
    EXPECT_DOUBLE_EQ(a.pp[static_cast<std::size_t>(highest)], 513.0 / 514);
    EXPECT_EQ(a.deviate[static_cast<std::size_t>(lowest)], -T()[498]);
    EXPECT_EQ(a.deviate[static_cast<std::size_t>(highest)], T()[498]);
    std::vector<std::int32_t> ranks = a.rank;
    std::sort(ranks.begin(), ranks.end());
    for (int i = 0; i < 257; ++i)
        EXPECT_EQ(ranks[static_cast<std::size_t>(i)], i + 1);
    EXPECT_NEAR(std::accumulate(a.deviate.begin(), a.deviate.end(), 0.0), 0.0, 1e-9);
}

// Expected values computed separately with Python's statistics.NormalDist (inverse normal of
// the same table entries) from the 26 totals in millimetres.
TEST(AnalyseRain, TextbookRecord) {
    RainAnalysis a = AnalyseRain(Table(test::kTextbookMm), T()).value();
    EXPECT_NEAR(a.mean, 1189.7692307692307, 1e-9);
    EXPECT_NEAR(a.slope, 141.77421838765497, 1e-9);
    EXPECT_NEAR(a.dev10, 181.69097152856136, 1e-9);
    EXPECT_NEAR(a.dev50, 291.16864656932444, 1e-9);
    DesignValues v = ComputeDesignValues(a);
    EXPECT_EQ(v.dry10, 1008);
    EXPECT_EQ(v.dry50, 899);
    EXPECT_EQ(v.wet10, 1371);
    EXPECT_EQ(v.wet50, 1481);
    EXPECT_EQ(a.max, 1684);
    EXPECT_EQ(a.min, 988);
    // Equal amounts 1062, 1062 (positions 4 and 5) get ranks 5 and 6.
    EXPECT_EQ(a.rank[4], 5);
    EXPECT_EQ(a.rank[5], 6);
    // The fitted line returns the mean at deviate 0 because the deviates sum to 0.
    EXPECT_NEAR(std::accumulate(a.deviate.begin(), a.deviate.end(), 0.0), 0.0, 1e-12);
}

TEST(AnalyseRain, OrderOfRecordsDoesNotMatter) {
    std::vector<std::int32_t> desc(test::kTextbookMm.rbegin(), test::kTextbookMm.rend());
    RainAnalysis up = AnalyseRain(Table(test::kTextbookMm), T()).value();
    RainAnalysis down = AnalyseRain(Table(desc), T()).value();
    EXPECT_NEAR(up.mean, down.mean, 1e-9);
    EXPECT_NEAR(up.slope, down.slope, 1e-9);
    EXPECT_NEAR(up.dev50, down.dev50, 1e-9);
    // The same deviates, record for record except where equal amounts swap places.
    for (std::size_t i = 0; i < desc.size(); ++i)
        if (desc[i] != desc[i == 0 ? 1 : i - 1] &&
            (i + 1 == desc.size() || desc[i] != desc[i + 1])) {
            EXPECT_EQ(down.deviate[i], up.deviate[desc.size() - 1 - i]) << i;
        }
    std::vector<double> a = up.deviate, b = down.deviate;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b);
}

TEST(AnalyseRain, ExtremesAreTheTrueOnes) {
    // Wet mountain stations exceed 9999 mm a year; dry ones are never below -9999, but the
    // extremes must not depend on any starting value either way.
    RainAnalysis wet = AnalyseRain(Table({12000, 15000, 11000}), T()).value();
    EXPECT_EQ(wet.min, 11000);
    EXPECT_EQ(wet.max, 15000);
    RainAnalysis negative = AnalyseRain(Table({-12000, -15000}), T()).value();
    EXPECT_EQ(negative.max, -12000);
    EXPECT_EQ(negative.min, -15000);
}

TEST(AnalyseRain, DesignValuesOfExtremeAmounts) {
    // The largest and smallest 32-bit amounts: the mean is -0.5, the design values lie beyond
    // the 32-bit range and are still computed and printed.
    RainTable t = ParseRainText("1 2147483647\n2 -2147483648\n").value();
    RainAnalysis a = AnalyseRain(t, T()).value();
    EXPECT_DOUBLE_EQ(a.mean, -0.5);
    DesignValues v = ComputeDesignValues(a);
    const double b = 2147483647.5 / T()[250];
    EXPECT_EQ(v.wet10, static_cast<std::int64_t>(std::llround(-0.5 + b * T()[400])));
    EXPECT_LT(v.dry50, -2147483648LL);
    EXPECT_GT(v.wet50, 2147483647LL);
}

TEST(AnalyseRain, FewerThanTwoRecordsAreRefused) {
    for (const std::vector<std::int32_t>& amounts : {std::vector<std::int32_t>{}, {1200}}) {
        hc::Result<RainAnalysis> a = AnalyseRain(Table(amounts), T());
        ASSERT_FALSE(a) << amounts.size();
        EXPECT_EQ(a.error().kind, hc::ErrorKind::BadCount);
    }
    EXPECT_EQ(AnalyseRain(Table({1200}), T()).error().en,
              "one record cannot be analysed (at least two are needed)");
}

TEST(RegressionSegment, RunsFromMinusThreeToThreeInsideTheRange) {
    RainAnalysis a = AnalyseRain(Table(test::kTextbookMm), T()).value();
    auto s = ComputeRegressionSegment(a, 0, 3000);
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->lower.deviate, -3);
    EXPECT_NEAR(s->lower.amount, a.mean - 3 * a.slope, 1e-9);
    EXPECT_DOUBLE_EQ(s->upper.deviate, 3);
    EXPECT_NEAR(s->upper.amount, 1615.0918859322, 1e-6);
}

TEST(RegressionSegment, IsCutWhereItLeavesTheRange) {
    RainAnalysis a = AnalyseRain(Table(test::kTextbookMm), T()).value();
    auto s = ComputeRegressionSegment(a, 1000, 1500);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->upper.amount, 1500);
    EXPECT_NEAR(s->upper.deviate, (1500 - 1189.7692307692307) / 141.77421838765497, 1e-9);
    EXPECT_EQ(s->lower.amount, 1000);
    EXPECT_NEAR(s->lower.deviate, (1000 - 1189.7692307692307) / 141.77421838765497, 1e-9);
    // An end exactly on the lower limit stays where it is.
    RainAnalysis b = AnalyseRain(Table({1000, 1200, 1100}), T()).value();
    auto t = ComputeRegressionSegment(b, 1100 - 3 * b.slope, 7500);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->lower.deviate, -3);
}

TEST(RegressionSegment, ZeroSlope) {
    RainAnalysis a = AnalyseRain(Table({1200, 1200, 1200}), T()).value();
    EXPECT_EQ(a.slope, 0.0);
    auto s = ComputeRegressionSegment(a, 0, 3000);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->lower.amount, 1200);
    EXPECT_EQ(s->upper.amount, 1200);
    EXPECT_EQ(s->lower.deviate, -3);
    EXPECT_EQ(s->upper.deviate, 3);
    EXPECT_TRUE(CheckDrawable(a, 0, 3000));
    // Outside the range there is no line to cut, and no division by zero.
    EXPECT_FALSE(ComputeRegressionSegment(a, 1500, 3000));
    EXPECT_FALSE(ComputeRegressionSegment(a, 0, 1000));
    hc::Status outside = CheckDrawable(a, 1500, 3000);
    ASSERT_FALSE(outside);
    EXPECT_EQ(outside.error().kind, hc::ErrorKind::Unusable);
    EXPECT_EQ(outside.error().en,
              "all amounts are equal (1200 mm), outside the axis range 1500 to 3000 mm");
    EXPECT_NE(outside.error().ja.find("1200 mm"), std::string::npos);
}

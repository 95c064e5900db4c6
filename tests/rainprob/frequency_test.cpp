// Plotting positions, the normal, log-normal and Gumbel fits and the return-period table.
#include <gtest/gtest.h>

#include <cmath>

#include "rainprob/core/frequency.h"
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

// Four records, amounts in the order of ranks 4, 1, 3, 2. Positions by hand from
// (rank - a) / (n + 1 - 2a), and the table entry 1000 |p - 0.5| rounded, for ranks 1 and 2.
TEST(PlottingPositions, EachFormulaAtFourRecords) {
    struct Case {
        PlottingPosition pos;
        const char* name;
        double p1, p2;  // ranks 1 and 2; ranks 3 and 4 mirror them
        std::size_t k1, k2;
    };
    const Case cases[] = {
        {PlottingPosition::Hazen, "hazen", 0.5 / 4, 1.5 / 4, 375, 125},
        {PlottingPosition::Weibull, "weibull", 1.0 / 5, 2.0 / 5, 300, 100},
        {PlottingPosition::Cunnane, "cunnane", 0.6 / 4.2, 1.6 / 4.2, 357, 119},  // 357.14, 119.05
        {PlottingPosition::Gringorten, "gringorten", 0.56 / 4.12, 1.56 / 4.12, 364,
         121},                                                                   // 364.08, 121.36
        {PlottingPosition::Blom, "blom", 0.625 / 4.25, 1.625 / 4.25, 353, 118},  // 352.94, 117.65
    };
    const RainTable t = Table({1300, 1000, 1200, 1100});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParsePosition(c.name), c.pos);
        EXPECT_STREQ(PositionName(c.pos), c.name);
        RainAnalysis a = AnalyseRain(t, T(), c.pos).value();
        EXPECT_EQ(a.rank, (std::vector<std::int32_t>{4, 1, 3, 2}));
        EXPECT_NEAR(a.pp[1], c.p1, 1e-15);
        EXPECT_NEAR(a.pp[3], c.p2, 1e-15);
        EXPECT_NEAR(a.pp[2], 1 - c.p2, 1e-15);
        EXPECT_NEAR(a.pp[0], 1 - c.p1, 1e-15);
        EXPECT_EQ(a.deviate[1], -T()[c.k1]);
        EXPECT_EQ(a.deviate[3], -T()[c.k2]);
        EXPECT_EQ(a.deviate[2], T()[c.k2]);
        EXPECT_EQ(a.deviate[0], T()[c.k1]);
        // The regression through the mean follows the positions: amounts 150 mm either side
        // of the mean at deviates k1 and 50 mm at k2.
        const double z1 = T()[c.k1], z2 = T()[c.k2];
        EXPECT_NEAR(a.slope, (150 * z1 + 50 * z2) / (z1 * z1 + z2 * z2), 1e-12);
        EXPECT_NEAR(a.dev10, a.slope * T()[400], 1e-12);
    }
    EXPECT_EQ(ParsePosition("Hazen"), std::nullopt);
}

TEST(PlottingPositions, HalvesReadTheEvenEntryOnBothSides) {
    // Weibull, 15 records: rank 9 at 9/16 and rank 7 at 7/16 lie 62.5 thousandths from the
    // median (entry 62); ranks 11 and 5, at 187.5, read entry 188.
    std::vector<std::int32_t> amounts;
    for (int i = 0; i < 15; ++i)
        amounts.push_back(1000 + 10 * i);
    RainAnalysis a = AnalyseRain(Table(amounts), T(), PlottingPosition::Weibull).value();
    EXPECT_EQ(a.deviate[8], T()[62]);
    EXPECT_EQ(a.deviate[6], -T()[62]);
    EXPECT_EQ(a.deviate[10], T()[188]);
    EXPECT_EQ(a.deviate[4], -T()[188]);
    EXPECT_EQ(a.deviate[7], 0.0);
}

TEST(NormalFit, HazenIsTheProgramsOwnAnalysisBitForBit) {
    std::vector<std::int32_t> ramp;
    for (int i = 0; i < 40; ++i)
        ramp.push_back(800 + 10 * i + (i * 7) % 13);
    for (const auto& amounts : {test::kTextbookMm, ramp}) {
        const RainTable t = Table(amounts);
        const RainAnalysis old = AnalyseRain(t, T()).value();
        const RainAnalysis a = AnalyseRain(t, T(), PlottingPosition::Hazen).value();
        EXPECT_EQ(a.pp, old.pp);
        EXPECT_EQ(a.deviate, old.deviate);
        EXPECT_EQ(a.slope, old.slope);
        EXPECT_EQ(a.dev10, old.dev10);
        EXPECT_EQ(a.dev50, old.dev50);
        const DistributionFit f = FitDistribution(t, a, Distribution::Normal).value();
        EXPECT_EQ(f.location, old.mean);
        EXPECT_EQ(f.scale, old.slope);
        // The table's 10 and 50 years are the printed design values, not merely close to them.
        EXPECT_EQ(ReturnPeriodAmounts(f, T(), 10).value().dry, old.mean - old.dev10);
        EXPECT_EQ(ReturnPeriodAmounts(f, T(), 10).value().wet, old.mean + old.dev10);
        EXPECT_EQ(ReturnPeriodAmounts(f, T(), 50).value().dry, old.mean - old.dev50);
        EXPECT_EQ(ReturnPeriodAmounts(f, T(), 50).value().wet, old.mean + old.dev50);
        const DesignValues d = FitDesignValues(f, T()), e = ComputeDesignValues(old);
        EXPECT_EQ(d.dry10, e.dry10);
        EXPECT_EQ(d.dry50, e.dry50);
        EXPECT_EQ(d.wet10, e.wet10);
        EXPECT_EQ(d.wet50, e.wet50);
    }
}

// Expected values from a separate computation in Python (statistics.NormalDist for the table
// entries, fractions for the entry numbers) over the 26 totals of the textbook record.
TEST(NormalFit, OtherPositionsOnTheTextbookRecord) {
    const RainTable t = Table(test::kTextbookMm);
    struct Case {
        PlottingPosition pos;
        double slope, ppcc, se;
    };
    const Case cases[] = {
        {PlottingPosition::Hazen, 141.77421838765497, 0.9237157284601646, 59.74863568142551},
        {PlottingPosition::Weibull, 153.9862269540607, 0.9163160445559089, 62.458954599283885},
        {PlottingPosition::Cunnane, 144.56085252499597, 0.9218291080851524, 60.453292684867364},
        {PlottingPosition::Gringorten, 143.35336196021092, 0.9227803967069154, 60.09919698963909},
        {PlottingPosition::Blom, 145.2541326241243, 0.9213248768392559, 60.639995723991326},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(PositionName(c.pos));
        const RainAnalysis a = AnalyseRain(t, T(), c.pos).value();
        const DistributionFit f = FitDistribution(t, a, Distribution::Normal).value();
        EXPECT_NEAR(f.location, 1189.7692307692307, 1e-9);
        EXPECT_NEAR(f.scale, c.slope, 1e-9);
        EXPECT_NEAR(*f.ppcc, c.ppcc, 1e-12);
        EXPECT_NEAR(*f.standardError, c.se, 1e-9);
    }
}

TEST(ReturnPeriods, ExactQuantilesAndThePrintedTenAndFiftyYears) {
    // Wet year mean + slope z(1 - 1/T), dry year mean - slope z, z from a published standard
    // normal table (z(1 - 1/30) = z(0.96667) = 1.8339). The 10 and 50 years are the printed
    // design values, whatever table lookup formed them.
    const RainTable t = Table(test::kTextbookMm);
    const RainAnalysis a = AnalyseRain(t, T(), PlottingPosition::Hazen).value();
    const DistributionFit f = FitDistribution(t, a, Distribution::Normal).value();
    const std::vector<ReturnPeriodValue> rows = ReturnPeriodTable(f, T());
    const double z[] = {0,         0.4307273, 0.8416212, 1.2815516, 1.6448536, 1.8339146,
                        2.0537489, 2.2414027, 2.3263479, 2.4747396, 2.5758293, 2.8781617};
    ASSERT_EQ(rows.size(), std::size(z));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].years);
        EXPECT_EQ(rows[i].years, kReturnPeriods[i]);
        EXPECT_NEAR(rows[i].wet, f.location + f.scale * z[i], 1e-5);
        EXPECT_NEAR(rows[i].dry, f.location - f.scale * z[i], 1e-5);
        EXPECT_EQ(rows[i].dryMm, std::llround(rows[i].dry));
    }
    const DesignValues printed = ComputeDesignValues(a);
    EXPECT_EQ(rows[3].dryMm, printed.dry10);
    EXPECT_EQ(rows[3].wetMm, printed.wet10);
    EXPECT_EQ(rows[6].dryMm, printed.dry50);
    EXPECT_EQ(rows[6].wetMm, printed.wet50);
    // 0.967 read from the table would give 929 mm.
    EXPECT_EQ(rows[5].dryMm, 930);
    for (int years : {1, 1001}) {
        hc::Result<ReturnPeriodValue> refused = ReturnPeriodAmounts(f, T(), years);
        ASSERT_FALSE(refused) << years;
        EXPECT_EQ(refused.error().kind, hc::ErrorKind::BadValue);
    }
    EXPECT_TRUE(ReturnPeriodAmounts(f, T(), 1000));
}

TEST(LogNormalFit, ByHandOnThreeDecades) {
    // 100, 1000 and 10000 mm: the logs are evenly spaced, the line passes through all three.
    // Hazen positions 1/6, 1/2, 5/6 read deviates -z, 0, +z with z = table[333]; the slope on
    // log amounts is ln 10 / z, so the median is 1000 mm, deviate z gives 10000 mm, and the
    // 1/10 wet year (deviate 1.2816 at entry 400) is 1000 x 10^(1.2816 / z).
    const RainTable t = Table({1000, 100, 10000});
    const RainAnalysis a = AnalyseRain(t, T(), PlottingPosition::Hazen).value();
    const DistributionFit f = FitDistribution(t, a, Distribution::LogNormal).value();
    const double z = T()[333];
    EXPECT_NEAR(f.location, std::log(1000.0), 1e-12);
    EXPECT_NEAR(f.scale, std::log(10.0) / z, 1e-12);
    EXPECT_NEAR(*f.ppcc, 1, 1e-12);
    EXPECT_NEAR(*f.standardError, 0, 1e-9);
    EXPECT_NEAR(f.AmountAtDeviate(z), 10000, 1e-8);
    EXPECT_NEAR(f.AmountAt(0.5), 1000, 1e-9);
    const ReturnPeriodValue ten = ReturnPeriodAmounts(f, T(), 10).value();
    EXPECT_NEAR(ten.wet, 1000 * std::pow(10.0, 1.2815515655446004 / z), 1e-6);
    EXPECT_NEAR(ten.dry * ten.wet, 1000.0 * 1000.0, 1e-4);  // symmetric in the logs
    // 30 years at the exact deviate 1.8339 of 1 - 1/30, not the table's entry for 0.967.
    const ReturnPeriodValue thirty = ReturnPeriodAmounts(f, T(), 30).value();
    EXPECT_NEAR(thirty.wet / (1000 * std::pow(10.0, 1.8339146 / z)), 1, 1e-6);
}

TEST(LogNormalFit, TextbookRecordAgainstASecondComputation) {
    // Python over the logs of the 26 totals, as in OtherPositionsOnTheTextbookRecord.
    const RainTable t = Table(test::kTextbookMm);
    const DistributionFit f =
        FitDistribution(t, AnalyseRain(t, T()).value(), Distribution::LogNormal).value();
    EXPECT_NEAR(f.location, 7.074335947685143, 1e-12);
    EXPECT_NEAR(f.scale, 0.11420467391084375, 1e-12);
    EXPECT_NEAR(*f.ppcc, 0.9520995173531923, 1e-12);
    EXPECT_NEAR(*f.standardError, 52.2564475772137, 1e-9);
    const ReturnPeriodValue hundred = ReturnPeriodAmounts(f, T(), 100).value();
    EXPECT_NEAR(hundred.dry, 905.652924700145, 1e-9);
    EXPECT_NEAR(hundred.wet, 1540.7363770581226, 1e-9);
}

TEST(LogNormalFit, RefusesAmountsOfZeroOrLess) {
    const RainTable t = Table({1200, 0, 900});
    const RainAnalysis a = AnalyseRain(t, T()).value();
    hc::Result<DistributionFit> refused = FitDistribution(t, a, Distribution::LogNormal);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().kind, hc::ErrorKind::BadValue);
    EXPECT_EQ(refused.error().en, "a log-normal fit needs amounts above 0 mm (year 1982 has 0 mm)");
    const std::vector<FitComparison> all = CompareFits(t, a);
    ASSERT_EQ(all.size(), std::size(kDistributionNames));
    EXPECT_TRUE(all[0].fit && all[2].fit && all[3].fit);
    EXPECT_FALSE(all[1].fit);
    EXPECT_EQ(all[1].kind, Distribution::LogNormal);
    EXPECT_NE(all[1].fit.error().en.find("year 1982"), std::string::npos);
    // Log-Pearson III likewise; SQRT-ET takes a year without rain.
    EXPECT_EQ(FitDistribution(t, a, Distribution::LogPearson3).error().en,
              "a logpearson3 fit needs amounts above 0 mm (year 1982 has 0 mm)");
    EXPECT_TRUE(FitDistribution(t, a, Distribution::SqrtEt));
}

TEST(GumbelFit, MomentsAsInThePublishedChicagoExample) {
    // Chow, Maidment and Mays, "Applied Hydrology" (1988), section 12.2: annual maximum
    // 10-minute rainfall at Chicago with mean 0.649 in and standard deviation 0.177 in gives
    // alpha = sqrt(6) s / pi = 0.138, u = mean - 0.5772 alpha = 0.569 and a 5-year rainfall of
    // 0.569 + 0.138 x 1.500 = 0.776 in. The record 0.472, 0.649, 0.826 in (in thousandths)
    // has exactly that mean and sample deviation (n - 1).
    const RainTable t = Table({649, 472, 826});
    const DistributionFit f =
        FitDistribution(t, AnalyseRain(t, T()).value(), Distribution::GumbelMoments).value();
    EXPECT_NEAR(f.scale, 138, 0.5);
    EXPECT_NEAR(f.location, 569, 0.5);
    EXPECT_EQ(ReturnPeriodAmounts(f, T(), 5).value().wetMm, 776);
    EXPECT_NEAR(f.AmountAt(0.8), 776, 0.5);
    EXPECT_EQ(ParseDistribution("gumbel"), Distribution::GumbelMoments);
}

TEST(GumbelFit, MomentsFollowThePublishedFrequencyFactors) {
    // x_T = mean + K_T s with Gumbel's frequency factors K_T = -sqrt(6)/pi (0.5772 +
    // ln ln(T / (T - 1))) as tabulated in the same text: -0.164, 0.719, 1.305, 1.866, 2.592
    // and 3.137 for 2, 5, 10, 20, 50 and 100 years. Mean 1189.769 and s = 152.818 (n - 1) of
    // the 26 totals by hand.
    const RainTable t = Table(test::kTextbookMm);
    const DistributionFit f =
        FitDistribution(t, AnalyseRain(t, T()).value(), Distribution::GumbelMoments).value();
    const double mean = 1189.7692307692307, s = 152.81840404671362;
    const std::pair<int, double> factors[] = {{2, -0.164}, {5, 0.719},  {10, 1.305},
                                              {20, 1.866}, {50, 2.592}, {100, 3.137}};
    for (auto [years, k] : factors)
        EXPECT_NEAR(ReturnPeriodAmounts(f, T(), years).value().wet, mean + k * s, 0.0006 * s)
            << years;
    // Two years: the median on both sides.
    EXPECT_EQ(ReturnPeriodAmounts(f, T(), 2).value().dry,
              ReturnPeriodAmounts(f, T(), 2).value().wet);
}

TEST(GumbelFit, RegressionOnTheReducedVariateByHand) {
    // Weibull positions 1/4, 1/2, 3/4 of 472, 649, 826: y = -ln(-ln p) = -0.326634, 0.366513,
    // 1.245899 (mean 0.428593). alpha = Sxy / Syy = 177 x 1.572533 / 1.242210 = 224.0668,
    // u = 649 - alpha x 0.428593 = 552.9666; the correlation is 1.572533 / sqrt(2 x 1.242210).
    const RainTable t = Table({472, 649, 826});
    const RainAnalysis a = AnalyseRain(t, T(), PlottingPosition::Weibull).value();
    const DistributionFit f = FitDistribution(t, a, Distribution::GumbelRegression).value();
    EXPECT_NEAR(f.scale, 224.0668, 1e-3);
    EXPECT_NEAR(f.location, 552.9666, 1e-3);
    EXPECT_NEAR(*f.ppcc, 0.997670, 1e-6);
    // One degree of freedom: the residuals of the three points.
    double ss = 0;
    const double y[] = {-0.326634, 0.366513, 1.245899}, x[] = {472, 649, 826};
    for (int i = 0; i < 3; ++i)
        ss += std::pow(x[i] - (552.9666 + 224.0668 * y[i]), 2);
    EXPECT_NEAR(*f.standardError, std::sqrt(ss), 1e-2);
}

TEST(Fits, EqualAmountsHaveNoCorrelation) {
    const RainTable t = Table({1000, 1000, 1000});
    const RainAnalysis a = AnalyseRain(t, T()).value();
    for (const FitComparison& c : CompareFits(t, a)) {
        // The line fits lie level; those that divide by a spread are refused.
        if (c.kind > Distribution::GumbelRegression && c.kind != Distribution::SqrtEt) {
            ASSERT_FALSE(c.fit) << DistributionNameOf(c.kind);
            EXPECT_NE(c.fit.error().en.find("all amounts are equal"), std::string::npos);
            continue;
        }
        if (c.kind == Distribution::SqrtEt)
            continue;
        ASSERT_TRUE(c.fit) << DistributionNameOf(c.kind);
        EXPECT_FALSE(c.fit->ppcc) << DistributionNameOf(c.kind);
        EXPECT_NEAR(c.fit->AmountAtDeviate(2), 1000, 1e-9) << DistributionNameOf(c.kind);
        EXPECT_NEAR(*c.fit->standardError, 0, 1e-9);
    }
    // Two records leave no degree of freedom for the standard error.
    const RainTable two = Table({900, 1100});
    EXPECT_FALSE(FitDistribution(two, AnalyseRain(two, T()).value(), Distribution::Normal)
                     .value()
                     .standardError);
}

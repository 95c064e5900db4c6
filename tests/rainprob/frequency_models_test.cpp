// L-moments, the Pearson III frequency factor, the L-moment, moment and likelihood fits and the
// standard least-squares criterion.
#include <gtest/gtest.h>

#include <cmath>

#include "rainprob/core/fit_table.h"
#include "rainprob/core/frequency.h"
#include "rainprob/core/frequency_models.h"
#include "test_data.h"

using namespace rain;

namespace {

RainTable Table(const std::vector<std::int32_t>& amounts) {
    return ParseRainText(test::RecordText(amounts)).value();
}

DistributionFit Fit(const RainTable& t, Distribution d) {
    const RainAnalysis a = AnalyseRain(t, StandardNormalTable()).value();
    hc::Result<DistributionFit> f = FitDistribution(t, a, d);
    EXPECT_TRUE(f) << DistributionNameOf(d) << ": " << (f ? "" : f.error().en);
    return f ? *f : DistributionFit{};
}

}  // namespace

TEST(LMoments, UnbiasedEstimatesAgreeWithTheirDefinitionsByPairsAndTriples) {
    // By Hosking's (1990) definitions over the subsamples of {1, 2, 4, 8}: l2 = half the mean
    // difference of the 6 pairs = 23 / 12, l3 = a third of the mean of x3 - 2 x2 + x1 over the 4
    // triples = 9 / 12, l4 = a quarter of x4 - 3 x3 + 3 x2 - x1 = 1 / 4.
    const models::LMoments m = models::SampleLMoments({8, 1, 4, 2});
    EXPECT_DOUBLE_EQ(m.l1, 3.75);
    EXPECT_DOUBLE_EQ(m.l2, 23.0 / 12);
    EXPECT_DOUBLE_EQ(m.l3, 0.75);
    EXPECT_DOUBLE_EQ(m.l4, 0.25);
    EXPECT_DOUBLE_EQ(m.t3, 0.75 / (23.0 / 12));
    EXPECT_DOUBLE_EQ(m.t4, 0.25 / (23.0 / 12));
    // The sample of the lmoments3 documentation (Python, Hosking's routines), "Using lmoments3":
    // l1, l2, t3, t4 as printed there.
    const models::LMoments doc =
        models::SampleLMoments({2.0, 3.0, 4.0, 2.4, 5.5, 1.2, 5.4, 2.2, 7.1, 1.3, 1.5});
    EXPECT_NEAR(doc.l1, 3.2363636363636363, 1e-14);
    EXPECT_NEAR(doc.l2, 1.1418181818181818, 1e-14);
    EXPECT_NEAR(doc.t3, 0.27388535031847133, 1e-14);
    EXPECT_NEAR(doc.t4, 0.023354564755838598, 1e-14);
    // The moment skew in its other published form: g1 sqrt(n (n - 1)) / (n - 2), g1 the
    // population skew m3 / m2^1.5 (Python's statistics module for the deviation).
    const models::Moments mo = models::SampleMoments({8, 1, 4, 2});
    EXPECT_NEAR(mo.deviation, 3.095695936834452, 1e-12);
    EXPECT_NEAR(mo.skew, 1.1376243669576889, 1e-12);
}

TEST(PearsonFactor, PublishedFrequencyFactors) {
    // Frequency factors K of the Pearson type III distribution as tabulated to five decimals in
    // the US federal guidelines (Bulletin 17B, appendix 3; Chow, Maidment and Mays, "Applied
    // Hydrology" (1988), table 12.3.1, prints them to three).
    struct Case {
        double skew;
        int years;
        double k;
    };
    const Case cases[] = {{1.0, 2, -0.16397}, {1.0, 10, 1.34039},  {1.0, 100, 3.02256},
                          {2.0, 2, -0.30685}, {2.0, 10, 1.30259},  {2.0, 100, 3.60517},
                          {0.5, 2, -0.08302}, {0.5, 100, 2.68572}, {-0.5, 100, 1.95472},
                          {-1.0, 2, 0.16397}, {-1.0, 10, 1.12762}, {-1.0, 100, 1.58838},
                          {0.0, 100, 2.32635}};
    for (const Case& c : cases)
        EXPECT_NEAR(models::PearsonFactor(c.skew, 1 - 1.0 / c.years), c.k, 5.1e-6)
            << c.skew << " " << c.years;
    // Near zero skew K = z + (z^2 - 1) g / 6 (the first term of the Cornish-Fisher expansion):
    // log-Pearson III of zero skew is the log-normal.
    const double z = InverseNormal(0.99);
    EXPECT_NEAR(models::PearsonFactor(1e-4, 0.99), z + (z * z - 1) * 1e-4 / 6, 1e-7);
    EXPECT_NEAR(models::PearsonFactor(-1e-4, 0.99), z - (z * z - 1) * 1e-4 / 6, 1e-7);
}

TEST(LMomentFits, TheFittedDistributionHasTheSampleLMoments) {
    // The L-moments of the fitted distribution, integrated from its quantile function
    // (lambda_1 = int x dF, lambda_2 = int x (2F - 1) dF, lambda_3 = int x (6F^2 - 6F + 1) dF),
    // are those of the record; the GEV's t3 within the 0.0009 Hosking states for his
    // approximation of k, the three-parameter log-normal within his rational approximation.
    const RainTable t = Table(test::kTextbookMm);
    const models::LMoments m =
        models::SampleLMoments(std::vector<double>(t.Rain.begin(), t.Rain.end()));
    struct Case {
        Distribution d;
        double t3Tolerance;  // negative: a two-parameter fit, whose t3 is its own
    };
    const Case cases[] = {{Distribution::GumbelLMoments, -1},
                          {Distribution::Exponential, -1},
                          {Distribution::Gev, 9e-4},
                          {Distribution::GenLogistic, 1e-6},
                          {Distribution::LogNormal3, 1e-4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(DistributionNameOf(c.d));
        const DistributionFit f = Fit(t, c.d);
        constexpr int kSteps = 200000;
        double l1 = 0, l2 = 0, l3 = 0;
        for (int i = 0; i < kSteps; ++i) {
            const double F = (i + 0.5) / kSteps;
            const double x = f.AmountAt(F) / kSteps;
            l1 += x;
            l2 += x * (2 * F - 1);
            l3 += x * (6 * F * F - 6 * F + 1);
        }
        EXPECT_NEAR(l1, m.l1, 2e-4 * m.l1);
        EXPECT_NEAR(l2, m.l2, 2e-3 * m.l2);
        if (c.t3Tolerance > 0) {
            EXPECT_NEAR(l3 / l2, m.t3, c.t3Tolerance + 1e-3);
        }
    }
    // Gumbel by L-moments: alpha = l2 / ln 2, u = l1 - 0.5772 alpha (Hosking & Wallis 1997).
    const DistributionFit g = Fit(t, Distribution::GumbelLMoments);
    EXPECT_NEAR(g.scale, m.l2 / std::log(2.0), 1e-9);
    EXPECT_NEAR(g.location, m.l1 - 0.5772156649 * g.scale, 1e-6);
}

TEST(ShapeLimits, ZeroShapeIsTheTwoParameterMember) {
    // GEV and generalised logistic with k -> 0 are Gumbel and logistic; the generalised normal
    // is the normal.
    const models::Parameters p{1000, 150, 1e-7};
    for (double F : {0.01, 0.5, 0.99}) {
        EXPECT_NEAR(models::GevQuantile(p, F), 1000 - 150 * std::log(-std::log(F)), 1e-3);
        EXPECT_NEAR(models::LogisticQuantile(p, F), 1000 - 150 * std::log((1 - F) / F), 1e-3);
        EXPECT_NEAR(models::GeneralNormalQuantile(p, F), 1000 + 150 * InverseNormal(F), 1e-3);
        const double x = models::GeneralNormalQuantile({1000, 150, -0.4}, F);
        EXPECT_NEAR(*models::GeneralNormalVariate({1000, 150, -0.4}, x), InverseNormal(F), 1e-9);
    }
}

TEST(SqrtEtFit, MaximisesTheLikelihoodAndInvertsItsDistribution) {
    // Annual maximum daily amounts; ln L = n ln(a b / 2) - sum s - a sum (1 + s) e^-s with
    // s = sqrt(b x), from the density (a b / 2) e^-s F(x) of Etoh, Murota and Nakanishi (1987).
    const std::vector<double> x = {85, 120, 97, 150, 210, 76, 133, 180, 102, 95, 260, 140, 0};
    auto logL = [&](double a, double b) {
        double v = 0;
        for (double xi : x) {
            const double s = std::sqrt(b * xi);
            v += std::log(a * b / 2) - s - a * (1 + s) * std::exp(-s);
        }
        return v;
    };
    const models::SqrtEt p = models::FitSqrtEt(x).value();
    const double best = logL(p.a, p.b);
    for (double da : {0.99, 1.0, 1.01})
        for (double db : {0.99, 1.0, 1.01})
            if (da != 1.0 || db != 1.0) {
                EXPECT_LT(logL(p.a * da, p.b * db), best) << da << " " << db;
            }
    // The whole record's b starts the jackknife's search and gives the same answer.
    EXPECT_NEAR(models::FitSqrtEt(x, p.b * 1.2)->b, p.b, 1e-6 * p.b);
    for (double F : {0.3, 0.9, 0.99, 0.998})
        EXPECT_NEAR(models::SqrtEtProbability(p, models::SqrtEtQuantile(p, F)), F, 1e-12);
    // Below F = e^-a the amount is 0 mm.
    EXPECT_EQ(models::SqrtEtQuantile(p, std::exp(-p.a) / 2), 0);
}

TEST(Slsc, ExponentialByLMomentsWorkedByHand) {
    // 100, 200, 400, 800 mm: l1 = 375, l2 = 191.667, alpha = 2 l2 = 383.333, xi = l1 - alpha =
    // -8.333. Standard variates (x - xi) / alpha against -ln(1 - p) of the Hazen positions 1/8,
    // 3/8, 5/8, 7/8; range -ln 0.01 + ln 0.99 = 4.595120. Worked in double precision apart from
    // the code.
    const DistributionFit f = Fit(Table({100, 200, 400, 800}), Distribution::Exponential);
    EXPECT_NEAR(f.scale, 383.3333333, 1e-6);
    EXPECT_NEAR(f.location, -8.3333333, 1e-6);
    EXPECT_NEAR(*f.slsc, 0.02053035601670561, 1e-12);
    EXPECT_NEAR(*f.ppcc, 0.9995462768283394, 1e-12);
    EXPECT_NEAR(*f.standardError, 51.14284778415309, 1e-9);
}

TEST(Refusals, EachSaysWhyAndNamesTheFit) {
    struct Case {
        std::vector<std::int32_t> amounts;
        Distribution d;
        const char* en;
    };
    const Case cases[] = {
        {{900, 1100}, Distribution::Gev, "a gev fit is not possible: it needs 3 years or more"},
        {{900, 1100}, Distribution::Pearson3, "a pearson3 fit is not possible: it needs 3 years"},
        // One year far above the rest: L-skewness 0.87, beyond Hosking's approximation.
        {{100, 100, 100, 100, 100, 100, 100, 100, 100, 9000},
         Distribution::Gev,
         "a gev fit is not possible: the shape k"},
        {{0, 500, 900}, Distribution::LogPearson3, "a logpearson3 fit needs amounts above 0 mm"},
    };
    for (const Case& c : cases) {
        const RainTable t = Table(c.amounts);
        const RainAnalysis a = AnalyseRain(t, StandardNormalTable()).value();
        hc::Result<DistributionFit> f = FitDistribution(t, a, c.d);
        ASSERT_FALSE(f) << c.en;
        EXPECT_EQ(f.error().en.rfind(c.en, 0), 0u) << f.error().en;
        EXPECT_FALSE(f.error().ja.empty());
    }
}

TEST(Jackknife, QuantilesLinearInTheWeightedMomentsKeepTheirEstimate) {
    // b0 and b1 are U-statistics, whose leave-one-out values average to themselves; a quantile
    // linear in them (Gumbel and exponential by L-moments) has a jackknife mean equal to the
    // whole record's estimate and no bias to correct. The normal 2-year amount is the mean,
    // whose jackknife standard error is s / sqrt(n) (Efron 1982, section 3.2), s = 152.818 of
    // the 26 totals (n - 1).
    const RainTable t = Table(test::kTextbookMm);
    const RainAnalysis a = AnalyseRain(t, StandardNormalTable()).value();
    for (Distribution d : {Distribution::GumbelLMoments, Distribution::Exponential}) {
        const DistributionFit f = Fit(t, d);
        const auto loo = LeaveOneOutFits(t, StandardNormalTable(), PlottingPosition::Hazen, f);
        ASSERT_TRUE(loo);
        ASSERT_EQ(loo->size(), t.Rain.size());
        for (const ReturnPeriodValue& r : ReturnPeriodTable(f, StandardNormalTable(), *loo)) {
            EXPECT_NEAR(r.wetJackknife->mean, r.wet, 1e-9) << r.years;
            EXPECT_NEAR(r.dryJackknife->corrected, r.dry, 1e-8) << r.years;
            EXPECT_GT(r.wetJackknife->standardError, 0);
        }
    }
    const DistributionFit normal = FitDistribution(t, a, Distribution::Normal).value();
    const auto loo = LeaveOneOutFits(t, StandardNormalTable(), PlottingPosition::Hazen, normal);
    const ReturnPeriodValue two = ReturnPeriodTable(normal, StandardNormalTable(), *loo)[0];
    EXPECT_NEAR(two.wetJackknife->standardError, 152.81840404671362 / std::sqrt(26.0), 1e-9);
    // The band at deviate 0 (the 61st point) is the same mean -/+ the same error.
    const std::vector<BandPoint> band = ConfidenceBand(normal, *loo);
    ASSERT_EQ(band.size(), 121u);
    EXPECT_NEAR(band[60].upper - band[60].lower, 2 * 152.81840404671362 / std::sqrt(26.0), 1e-9);
    // Too short a record for a jackknife of a three-parameter fit: the year is named.
    const RainTable three = Table({900, 1000, 1300});
    const DistributionFit p3 = Fit(three, Distribution::Pearson3);
    const auto refused = LeaveOneOutFits(three, StandardNormalTable(), PlottingPosition::Hazen, p3);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().en,
              "jackknife: without year 1981, a pearson3 fit is not possible: "
              "it needs 3 years or more");
}

TEST(FitTable, RankedBySlscWithTheAcceptanceAndRefusalsLast) {
    std::vector<std::int32_t> amounts = test::kTextbookMm;
    amounts[0] = 0;  // refuses the two log fits
    const RainTable t = Table(amounts);
    const RainAnalysis a = AnalyseRain(t, StandardNormalTable()).value();
    const std::vector<FitTableRow> rows =
        BuildFitTable(t, a, StandardNormalTable(), PlottingPosition::Hazen);
    ASSERT_EQ(rows.size(), std::size(kDistributionNames));
    double last = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FitTableRow& r = rows[i];
        SCOPED_TRACE(DistributionNameOf(r.kind));
        if (i < rows.size() - 2) {
            ASSERT_TRUE(r.fit);
            EXPECT_EQ(r.rank, static_cast<int>(i) + 1);
            EXPECT_GE(*r.fit->slsc, last);
            last = *r.fit->slsc;
            EXPECT_EQ(r.accepted, *r.fit->slsc <= 0.04);
            EXPECT_TRUE(r.wet100Error);
        } else {
            EXPECT_FALSE(r.fit);
            EXPECT_EQ(r.rank, 0);
            EXPECT_TRUE(r.kind == Distribution::LogNormal || r.kind == Distribution::LogPearson3);
        }
    }
}

TEST(LogPearsonLimits, CloseToTheExactNonCentralTToleranceFactors) {
    // With zero skew K is the normal deviate and the upper limit factor approximates the
    // one-sided normal tolerance factor at 95 % confidence, as tabulated from the non-central t
    // (Natrella, "Experimental Statistics", NBS Handbook 91 (1963), table A-7): n = 20: 1.926
    // (proportion 0.90), 3.295 (0.99); n = 25: 1.838, 3.158. Bulletin 17B states the
    // approximation is good to about 1 % there.
    struct Case {
        int n;
        double p, factor;
    };
    for (const Case& c : {Case{20, 0.90, 1.926}, Case{20, 0.99, 3.295}, Case{25, 0.90, 1.838},
                          Case{25, 0.99, 3.158}}) {
        const auto f = LogPearsonLimitFactors(InverseNormal(c.p), c.n);
        ASSERT_TRUE(f);
        EXPECT_NEAR(f->second, c.factor, 0.015 * c.factor) << c.n << " " << c.p;
        EXPECT_LT(f->first, InverseNormal(c.p));
    }
    // The limits enclose the log-Pearson III line and exist for that fit only.
    const RainTable t = Table(test::kTextbookMm);
    const DistributionFit lp3 = Fit(t, Distribution::LogPearson3);
    const std::vector<BandPoint> limits = LogPearsonLimits(lp3, t.Count());
    ASSERT_FALSE(limits.empty());
    for (const BandPoint& p : limits) {
        EXPECT_LT(p.lower, lp3.AmountAtDeviate(p.deviate));
        EXPECT_GT(p.upper, lp3.AmountAtDeviate(p.deviate));
    }
    EXPECT_TRUE(LogPearsonLimits(Fit(t, Distribution::Pearson3), t.Count()).empty());
}

TEST(LogPearson3Fit, TheFederalGuidelinesFishkillCreekExample) {
    // Bulletin 17B, appendix 12, example 1: annual peaks of Fishkill Creek at Beacon, N.Y.,
    // 1945-68 (cfs; the series as reprinted on the HydroTools validation page). Printed station
    // statistics of log10: mean 3.3684, deviation 0.2456, skew 0.7300. With the skew 0.7 of the
    // published analysis, the discharge of non-exceedance 0.01 (the 1.01-year flood) is 841 cfs.
    const std::vector<std::int32_t> peaks = {2290, 1470, 2220, 2970, 3020, 1210, 2490, 3170,
                                             3220, 1760, 8800, 8280, 1310, 2500, 1960, 2140,
                                             4340, 3060, 1780, 1380, 980,  1040, 1580, 3630};
    DistributionFit f = Fit(Table(peaks), Distribution::LogPearson3);
    EXPECT_NEAR(f.location, 3.3684, 5e-5);
    EXPECT_NEAR(f.scale, 0.2456, 5e-5);
    EXPECT_NEAR(f.shape, 0.7300, 5e-5);
    f.shape = 0.7;
    EXPECT_NEAR(f.AmountAt(0.01), 841, 0.5);
}

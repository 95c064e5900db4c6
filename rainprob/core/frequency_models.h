// The distributions of river-planning practice beyond the normal regression: sample L-moments,
// moment skew, the Pearson type III frequency factor from the exact gamma quantile, the SQRT-ET
// maximum-likelihood fit, and each distribution's quantile and standard variate. frequency.cpp
// fits through these; the goodness of fit and the jackknife read the quantiles.
#pragma once

#include <optional>
#include <vector>

namespace rain::models {

// Sample L-moments from the unbiased probability-weighted moments b0..b3 (Hosking 1990): l1..l4
// and the ratios t3 = l3 / l2, t4 = l4 / l2. l3 and t3 need 3 values, l4 and t4 need 4; fewer
// leave them 0.
struct LMoments {
    double l1 = 0, l2 = 0, l3 = 0, l4 = 0;
    double t3 = 0, t4 = 0;
};
LMoments SampleLMoments(std::vector<double> x);

// Mean, sample deviation (n - 1) and the skew with the n / ((n - 1)(n - 2)) correction of the
// US federal flood-frequency guidelines; 3 values at least.
struct Moments {
    double mean = 0, deviation = 0, skew = 0;
};
Moments SampleMoments(const std::vector<double>& x);

// Pearson type III frequency factor K: the standardised variate (mean 0, deviation 1, skew g) of
// non-exceedance probability F, from the gamma quantile of Boost.Math. Zero skew is the normal
// deviate; where Boost cannot evaluate the quantile, the Wilson-Hilferty approximation stands in.
double PearsonFactor(double skew, double F);

// Parameters of the L-moment fits (Hosking & Wallis 1997, appendix): location xi, scale alpha,
// shape k, each by the distribution's own quantile function.
struct Parameters {
    double location = 0, scale = 0, shape = 0;
};
Parameters GumbelByLMoments(const LMoments& m);       // x = xi - alpha ln(-ln F)
Parameters ExponentialByLMoments(const LMoments& m);  // x = xi - alpha ln(1 - F)
// Generalised extreme value, k from Hosking's approximation k = 7.8590 c + 2.9554 c^2, c = 2 /
// (3 + t3) - ln 2 / ln 3: x = xi + alpha (1 - (-ln F)^k) / k.
Parameters GevByLMoments(const LMoments& m);
// Generalised logistic: k = -t3, x = xi + alpha (1 - ((1 - F) / F)^k) / k.
Parameters LogisticByLMoments(const LMoments& m);
// Log-normal of three parameters as Hosking's generalised normal: k from his rational
// approximation in t3, x = xi + alpha (1 - exp(-k z)) / k with z the normal deviate of F; the
// bound xi + alpha / k is the third parameter of ln(x - c) ~ N.
Parameters GeneralNormalByLMoments(const LMoments& m);

double GevQuantile(const Parameters& p, double F);
double LogisticQuantile(const Parameters& p, double F);
double GeneralNormalQuantile(const Parameters& p, double F);
// The standard variates: the gev and logistic (x - xi) / alpha, the generalised normal the
// normal deviate y = -ln(1 - k (x - xi) / alpha) / k; none outside the distribution's range.
std::optional<double> GeneralNormalVariate(const Parameters& p, double x);

// SQRT-ET (Etoh, Murota & Nakanishi 1987): F(x) = exp(-a (1 + sqrt(b x)) exp(-sqrt(b x))),
// x >= 0, fitted by maximum likelihood. a from its likelihood equation given b, b by maximising
// the profile likelihood. None when the maximum lies at the search's edge (no convergence).
struct SqrtEt {
    double a = 0, b = 0;
};
// `near`, when given, is a b close to the answer (the jackknife starts from the whole record's).
std::optional<SqrtEt> FitSqrtEt(const std::vector<double>& x, std::optional<double> near = {});
double SqrtEtQuantile(const SqrtEt& p, double F);
double SqrtEtProbability(const SqrtEt& p, double x);

}  // namespace rain::models

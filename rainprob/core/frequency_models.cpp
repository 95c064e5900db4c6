#include "rainprob/core/frequency_models.h"

#include <algorithm>
#include <boost/math/distributions/gamma.hpp>
#include <cmath>
#include <numbers>

#include "rainprob/core/rain_data.h"

namespace rain::models {

namespace {

constexpr double kEulerGamma = 0.57721566490153286;
// Below this |shape| the k = 0 member (Gumbel, logistic, normal) is used: the k forms lose
// their digits dividing by k.
constexpr double kZeroShape = 1e-9;

// Profile log-likelihood of SQRT-ET at b = exp(t), with a = n / sum (1 + s) e^-s maximising it
// for that b; also gives that a.
double SqrtEtProfile(const std::vector<double>& x, double t, double* a) {
    const double b = std::exp(t);
    double sumS = 0, sumG = 0;
    for (double v : x) {
        const double s = std::sqrt(b * v);
        sumS += s;
        sumG += (1 + s) * std::exp(-s);
    }
    const double n = static_cast<double>(x.size());
    *a = n / sumG;
    return n * std::log(*a * b / 2) - sumS - n;
}

// Golden-section search for the maximum of the profile on lo..hi.
double GoldenMax(const std::vector<double>& x, double lo, double hi) {
    const double r = (std::sqrt(5.0) - 1) / 2;
    double a = 0;
    double c = hi - r * (hi - lo), d = lo + r * (hi - lo);
    double fc = SqrtEtProfile(x, c, &a), fd = SqrtEtProfile(x, d, &a);
    for (int i = 0; i < 80 && hi - lo > 1e-10; ++i) {
        if (fc > fd) {
            hi = d;
            d = c;
            fd = fc;
            c = hi - r * (hi - lo);
            fc = SqrtEtProfile(x, c, &a);
        } else {
            lo = c;
            c = d;
            fc = fd;
            d = lo + r * (hi - lo);
            fd = SqrtEtProfile(x, d, &a);
        }
    }
    return (lo + hi) / 2;
}

}  // namespace

LMoments SampleLMoments(std::vector<double> x) {
    std::sort(x.begin(), x.end());
    const std::size_t n = x.size();
    const double nd = static_cast<double>(n);
    double b0 = 0, b1 = 0, b2 = 0, b3 = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double j = static_cast<double>(i);  // the number of smaller values, j - 1 of rank j
        b0 += x[i];
        if (n > 1)
            b1 += x[i] * j / (nd - 1);
        if (n > 2)
            b2 += x[i] * j * (j - 1) / ((nd - 1) * (nd - 2));
        if (n > 3)
            b3 += x[i] * j * (j - 1) * (j - 2) / ((nd - 1) * (nd - 2) * (nd - 3));
    }
    b0 /= nd;
    b1 /= nd;
    b2 /= nd;
    b3 /= nd;
    LMoments m;
    m.l1 = b0;
    m.l2 = 2 * b1 - b0;
    if (n > 2)
        m.l3 = 6 * b2 - 6 * b1 + b0;
    if (n > 3)
        m.l4 = 20 * b3 - 30 * b2 + 12 * b1 - b0;
    if (m.l2 != 0) {
        m.t3 = m.l3 / m.l2;
        m.t4 = m.l4 / m.l2;
    }
    return m;
}

Moments SampleMoments(const std::vector<double>& x) {
    const double n = static_cast<double>(x.size());
    Moments m;
    for (double v : x)
        m.mean += v;
    m.mean /= n;
    double s2 = 0, s3 = 0;
    for (double v : x) {
        s2 += (v - m.mean) * (v - m.mean);
        s3 += (v - m.mean) * (v - m.mean) * (v - m.mean);
    }
    m.deviation = std::sqrt(s2 / (n - 1));
    if (m.deviation > 0)
        m.skew = n * s3 / ((n - 1) * (n - 2) * m.deviation * m.deviation * m.deviation);
    return m;
}

double PearsonFactor(double skew, double F) {
    const double z = InverseNormal(F);
    if (std::abs(skew) < 1e-6)
        return z;
    // A gamma variate of shape 4 / g^2 standardised has skew 2 / sqrt(shape) = g; a negative
    // skew mirrors it.
    const double shape = 4 / (skew * skew);
    try {
        const boost::math::gamma_distribution<double> gamma(shape, 1.0);
        if (skew > 0)
            return (boost::math::quantile(gamma, F) - shape) / std::sqrt(shape);
        return -(boost::math::quantile(boost::math::complement(gamma, F)) - shape) /
               std::sqrt(shape);
    } catch (const std::exception&) {
        // Wilson-Hilferty, good to a few thousandths for |g| below 2.
        const double k = skew / 6;
        return 2 / skew * (std::pow(1 + k * z - k * k, 3) - 1);
    }
}

Parameters GumbelByLMoments(const LMoments& m) {
    Parameters p;
    p.scale = m.l2 / std::numbers::ln2;
    p.location = m.l1 - kEulerGamma * p.scale;
    return p;
}

Parameters ExponentialByLMoments(const LMoments& m) {
    Parameters p;
    p.scale = 2 * m.l2;
    p.location = m.l1 - p.scale;
    return p;
}

Parameters GevByLMoments(const LMoments& m) {
    const double c = 2 / (3 + m.t3) - std::numbers::ln2 / std::log(3.0);
    Parameters p;
    p.shape = c * (7.8590 + 2.9554 * c);
    if (std::abs(p.shape) < kZeroShape) {
        p = GumbelByLMoments(m);
        p.shape = 0;
        return p;
    }
    const double g = std::tgamma(1 + p.shape);
    p.scale = m.l2 * p.shape / (g * (1 - std::pow(2.0, -p.shape)));
    p.location = m.l1 - p.scale * (1 - g) / p.shape;
    return p;
}

Parameters LogisticByLMoments(const LMoments& m) {
    Parameters p;
    p.shape = -m.t3;
    if (std::abs(p.shape) < kZeroShape) {
        p.shape = 0;
        p.scale = m.l2;
        p.location = m.l1;
        return p;
    }
    const double kpi = p.shape * std::numbers::pi;
    const double gg = kpi / std::sin(kpi);  // Gamma(1 + k) Gamma(1 - k)
    p.scale = m.l2 / gg;
    p.location = m.l1 - p.scale * (1 - gg) / p.shape;
    return p;
}

Parameters GeneralNormalByLMoments(const LMoments& m) {
    // Hosking's rational approximation of k in t3, for |t3| < 0.95.
    constexpr double a0 = 2.0466534, a1 = -3.6544371, a2 = 1.8396733, a3 = -0.20360244;
    constexpr double b1 = -2.0182173, b2 = 1.2420401, b3 = -0.21741801;
    const double tt = m.t3 * m.t3;
    Parameters p;
    p.shape =
        -m.t3 * (a0 + tt * (a1 + tt * (a2 + tt * a3))) / (1 + tt * (b1 + tt * (b2 + tt * b3)));
    if (std::abs(p.shape) < kZeroShape) {
        // The normal distribution: l2 = sigma / sqrt(pi).
        p.shape = 0;
        p.scale = m.l2 * std::sqrt(std::numbers::pi);
        p.location = m.l1;
        return p;
    }
    const double e = std::exp(p.shape * p.shape / 2);
    p.scale = m.l2 * p.shape / (e * std::erf(p.shape / 2));
    p.location = m.l1 + p.scale * (e - 1) / p.shape;
    return p;
}

double GevQuantile(const Parameters& p, double F) {
    const double y = -std::log(F);  // -ln F, the exponential variate of F
    if (p.shape == 0)
        return p.location - p.scale * std::log(y);
    return p.location + p.scale * (1 - std::pow(y, p.shape)) / p.shape;
}

double LogisticQuantile(const Parameters& p, double F) {
    const double odds = (1 - F) / F;
    if (p.shape == 0)
        return p.location - p.scale * std::log(odds);
    return p.location + p.scale * (1 - std::pow(odds, p.shape)) / p.shape;
}

double GeneralNormalQuantile(const Parameters& p, double F) {
    const double z = InverseNormal(F);
    if (p.shape == 0)
        return p.location + p.scale * z;
    return p.location + p.scale * (1 - std::exp(-p.shape * z)) / p.shape;
}

std::optional<double> GeneralNormalVariate(const Parameters& p, double x) {
    const double u = (x - p.location) / p.scale;
    if (p.shape == 0)
        return u;
    const double inside = 1 - p.shape * u;
    if (!(inside > 0))
        return std::nullopt;
    return -std::log(inside) / p.shape;
}

std::optional<SqrtEt> FitSqrtEt(const std::vector<double>& x, std::optional<double> near) {
    double mean = 0;
    for (double v : x)
        mean += v;
    mean /= static_cast<double>(x.size());
    if (!(mean > 0))
        return std::nullopt;
    double t = 0;
    bool found = false;
    if (near && *near > 0) {
        // A record one year short lies close to the whole one's answer.
        const double lo = std::log(*near) - 0.5, hi = std::log(*near) + 0.5;
        t = GoldenMax(x, lo, hi);
        found = t > lo + 1e-6 && t < hi - 1e-6;
    }
    if (!found) {
        // sqrt(b x) of the mean amount from 0.03 to 30: a coarse scan, then the golden section
        // between the neighbours of the best point.
        const double lo = std::log(1e-3 / mean), hi = std::log(1e3 / mean);
        constexpr int kSteps = 120;
        const double step = (hi - lo) / kSteps;
        int best = 0;
        double bestValue = -INFINITY, a = 0;
        for (int i = 0; i <= kSteps; ++i) {
            const double v = SqrtEtProfile(x, lo + i * step, &a);
            if (v > bestValue) {
                bestValue = v;
                best = i;
            }
        }
        if (best == 0 || best == kSteps || !std::isfinite(bestValue))
            return std::nullopt;
        t = GoldenMax(x, lo + (best - 1) * step, lo + (best + 1) * step);
    }
    SqrtEt p;
    SqrtEtProfile(x, t, &p.a);
    p.b = std::exp(t);
    if (!std::isfinite(p.a) || !(p.a > 0))
        return std::nullopt;
    return p;
}

double SqrtEtQuantile(const SqrtEt& p, double F) {
    // (1 + s) e^-s = -ln F / a for s = sqrt(b x): below e^-a the amount is 0.
    const double c = -std::log(F) / p.a;
    if (c >= 1)
        return 0;
    const double target = std::log(c);
    // h(s) = ln(1 + s) - s - ln c falls from -ln c > 0 at s = 0; Newton inside a bracket.
    double lo = 0, hi = 3 - 2 * target, s = -target;
    for (int i = 0; i < 100; ++i) {
        const double h = std::log1p(s) - s - target;
        if (h > 0)
            lo = s;
        else
            hi = s;
        if (std::abs(h) < 1e-14 || hi - lo < 1e-14 * (1 + s))
            break;
        double next = s + h * (1 + s) / s;  // h' = -s / (1 + s)
        if (!(next > lo && next < hi))
            next = (lo + hi) / 2;
        s = next;
    }
    return s * s / p.b;
}

double SqrtEtProbability(const SqrtEt& p, double x) {
    const double s = std::sqrt(p.b * std::max(x, 0.0));
    return std::exp(-p.a * (1 + s) * std::exp(-s));
}

}  // namespace rain::models

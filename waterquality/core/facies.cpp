#include "waterquality/core/facies.h"

#include <algorithm>
#include <cmath>

namespace wq {

namespace {

constexpr double kHalf = 0.5;

bool Above(double share, double limit) {
    return share > limit + kFaciesTolerance;
}
bool Below(double share, double limit) {
    return share < limit - kFaciesTolerance;
}

// The one group of three above half, or -1.
int Dominant(const std::array<double, 3>& share) {
    for (std::size_t k = 0; k < share.size(); ++k)
        if (Above(share[k], kHalf))
            return static_cast<int>(k);
    return -1;
}

std::string Pick(Language language, const char* ja, const char* en) {
    return language == Language::Japanese ? ja : en;
}

}  // namespace

PiperCation ClassifyPiperCation(const Fractions& f) {
    if (!f.cationDefined)
        return PiperCation::Undefined;
    // CationFraction is Na+K, Ca, Mg.
    switch (Dominant(f.CationFraction)) {
        case 0:
            return PiperCation::SodiumPotassium;
        case 1:
            return PiperCation::Calcium;
        case 2:
            return PiperCation::Magnesium;
        default:
            return PiperCation::NoDominant;
    }
}

PiperAnion ClassifyPiperAnion(const Fractions& f) {
    if (!f.anionDefined)
        return PiperAnion::Undefined;
    // AnionFraction is the chloride group, HCO3+CO3, the sulfate group.
    switch (Dominant(f.AnionFraction)) {
        case 0:
            return PiperAnion::Chloride;
        case 1:
            return PiperAnion::Bicarbonate;
        case 2:
            return PiperAnion::Sulfate;
        default:
            return PiperAnion::NoDominant;
    }
}

PiperField ClassifyPiperField(const Fractions& f) {
    if (!f.cationDefined || !f.anionDefined)
        return PiperField::Undefined;
    const double caMg = f.CationFraction[1] + f.CationFraction[2];
    const double carbonate = f.AnionFraction[1];
    const bool earth = Above(caMg, kHalf), alkali = Below(caMg, kHalf);
    const bool weak = Above(carbonate, kHalf), strong = Below(carbonate, kHalf);
    if (earth && weak)
        return PiperField::CaMgHCO3;
    if (earth && strong)
        return PiperField::CaMgClSO4;
    if (alkali && strong)
        return PiperField::NaClSO4;
    if (alkali && weak)
        return PiperField::NaHCO3;
    return PiperField::Boundary;
}

ChadhaPoint ChadhaCoordinates(const Fractions& f) {
    ChadhaPoint p;
    if (!f.cationDefined || !f.anionDefined)
        return p;
    p.defined = true;
    const double caMg = f.CationFraction[1] + f.CationFraction[2];
    p.x = (caMg - f.CationFraction[0]) * 100;
    p.y = (f.AnionFraction[1] - (f.AnionFraction[0] + f.AnionFraction[2])) * 100;
    return p;
}

ChadhaField ClassifyChadha(const ChadhaPoint& p) {
    if (!p.defined)
        return ChadhaField::Undefined;
    // x = 200 s - 100 for a share s: the tolerance of a share scales by 200.
    const double tol = 200 * kFaciesTolerance;
    if (std::abs(p.x) <= tol || std::abs(p.y) <= tol)
        return ChadhaField::Boundary;
    if (p.x > 0)
        return p.y > 0 ? ChadhaField::RechargeCaMgHCO3 : ChadhaField::ReverseExchangeCaMgCl;
    return p.y > 0 ? ChadhaField::BaseExchangeNaHCO3 : ChadhaField::SeawaterNaCl;
}

int ChadhaFieldNumber(ChadhaField field) {
    switch (field) {
        case ChadhaField::RechargeCaMgHCO3:
            return 5;
        case ChadhaField::ReverseExchangeCaMgCl:
            return 6;
        case ChadhaField::SeawaterNaCl:
            return 7;
        case ChadhaField::BaseExchangeNaHCO3:
            return 8;
        default:
            return 0;
    }
}

IrrigationIndices ComputeIndices(const IonValues& meq, double co3Meq, const IonValues& mg) {
    IrrigationIndices r;
    const double na = meq[kNa], k = meq[kK], ca = meq[kCa], mgq = meq[kMg];
    const double hco3 = meq[kHCO3];
    const double earth = ca + mgq;
    if (earth > 0) {
        r.sar = na / std::sqrt(earth / 2);
        r.kelly = na / earth;
        r.mh = mgq / earth * 100;
    }
    if (earth + na + k > 0)
        r.sodiumPercent = (na + k) / (earth + na + k) * 100;
    if (earth + na > 0)
        r.pi = (na + std::sqrt(std::max(hco3, 0.0))) / (earth + na) * 100;
    r.rsc = hco3 + co3Meq - earth;
    r.hardness = 2.497 * mg[kCa] + 4.118 * mg[kMg];
    return r;
}

std::optional<double> FullChargeBalance(const IonValues& meq, double co3Meq, double fMeq) {
    const double cations = meq[kNa] + meq[kK] + meq[kCa] + meq[kMg];
    const double anions = meq[kCl] + meq[kHCO3] + meq[kSO4] + meq[kNO3] + co3Meq + fMeq;
    if (!(cations + anions > 0))
        return std::nullopt;
    return (cations - anions) / (cations + anions) * 100;
}

Facies ClassifyFacies(const Fractions& f) {
    Facies out;
    out.cation = ClassifyPiperCation(f);
    out.anion = ClassifyPiperAnion(f);
    out.field = ClassifyPiperField(f);
    out.chadha = ChadhaCoordinates(f);
    out.chadhaField = ClassifyChadha(out.chadha);
    return out;
}

std::string PiperCationName(PiperCation t, Language l) {
    switch (t) {
        case PiperCation::Calcium:
            return Pick(l, "Ca型", "Ca type");
        case PiperCation::Magnesium:
            return Pick(l, "Mg型", "Mg type");
        case PiperCation::SodiumPotassium:
            return Pick(l, "Na+K型", "Na+K type");
        case PiperCation::NoDominant:
            return Pick(l, "優勢イオンなし", "no dominant type");
        default:
            return Pick(l, "判定不能", "undetermined");
    }
}

std::string PiperAnionName(PiperAnion t, Language l) {
    switch (t) {
        case PiperAnion::Bicarbonate:
            return Pick(l, "HCO3型", "HCO3 type");
        case PiperAnion::Chloride:
            return Pick(l, "Cl型", "Cl type");
        case PiperAnion::Sulfate:
            return Pick(l, "SO4型", "SO4 type");
        case PiperAnion::NoDominant:
            return Pick(l, "優勢イオンなし", "no dominant type");
        default:
            return Pick(l, "判定不能", "undetermined");
    }
}

std::string PiperFieldName(PiperField f, Language l) {
    switch (f) {
        case PiperField::CaMgHCO3:
            return Pick(l, "Ca-Mg-HCO3型", "Ca-Mg-HCO3");
        case PiperField::CaMgClSO4:
            return Pick(l, "Ca-Mg-Cl/SO4型", "Ca-Mg-Cl/SO4");
        case PiperField::NaClSO4:
            return Pick(l, "Na-Cl/SO4型", "Na-Cl/SO4");
        case PiperField::NaHCO3:
            return Pick(l, "Na-HCO3型", "Na-HCO3");
        case PiperField::Boundary:
            return Pick(l, "区分の境界", "on a field boundary");
        default:
            return Pick(l, "判定不能", "undetermined");
    }
}

std::string ChadhaFieldName(ChadhaField f, Language l) {
    switch (f) {
        case ChadhaField::RechargeCaMgHCO3:
            return Pick(l, "5 Ca-Mg-HCO3型（涵養水）", "5 Ca-Mg-HCO3 (recharging water)");
        case ChadhaField::ReverseExchangeCaMgCl:
            return Pick(l, "6 Ca-Mg-Cl型（逆イオン交換）", "6 Ca-Mg-Cl (reverse ion exchange)");
        case ChadhaField::SeawaterNaCl:
            return Pick(l, "7 Na-Cl型（海水）", "7 Na-Cl (seawater)");
        case ChadhaField::BaseExchangeNaHCO3:
            return Pick(l, "8 Na-HCO3型（イオン交換）", "8 Na-HCO3 (base ion exchange)");
        case ChadhaField::Boundary:
            return Pick(l, "区分の境界", "on a field boundary");
        default:
            return Pick(l, "判定不能", "undetermined");
    }
}

}  // namespace wq

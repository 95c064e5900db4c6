// Hydrochemical facies and irrigation indices of one analysis, as pure functions of its meq/L
// values and trilinear proportions: the Piper types and diamond fields, the Chadha (1999)
// coordinates and fields, SAR, sodium percentage, Kelly ratio, RSC, permeability index,
// magnesium hazard and total hardness.
//
// Limits: a type needs MORE than 50 % of its side. A share at exactly 50 % (within
// kFaciesTolerance, the rounding of the mg/L to meq/L conversion) names no type, and a diamond
// point on a 50 % line or a Chadha point on a zero line lies on the boundary of two (or, at the
// centre, four) fields and is named as such, never pushed into one of them. Chadha's x > 0 is
// the same statement as Ca+Mg above 50 % of the cations, so both diagrams agree on every sample.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "waterquality/core/data_check.h"
#include "waterquality/core/fractions.h"
#include "waterquality/core/samples.h"

namespace wq {

inline constexpr double kFaciesTolerance = 1e-9;  // of a share 0..1

// ---- Piper ------------------------------------------------------------------------------------

enum class PiperCation { Calcium, Magnesium, SodiumPotassium, NoDominant, Undefined };
enum class PiperAnion { Bicarbonate, Chloride, Sulfate, NoDominant, Undefined };
// The diamond's four fields by its 50 % lines; Boundary on a line (or the centre).
enum class PiperField { CaMgHCO3, CaMgClSO4, NaClSO4, NaHCO3, Boundary, Undefined };

// Cation type: Ca, Mg or Na+K above 50 % of the cation meq/L.
PiperCation ClassifyPiperCation(const Fractions& f);
// Anion type: HCO3+CO3, the chloride group (Cl, with nitrate when counted with it) or the
// sulfate group above 50 % of the anion meq/L under the nitrate type of `f`.
PiperAnion ClassifyPiperAnion(const Fractions& f);
// Ca+Mg against Na+K and HCO3+CO3 against the chloride and sulfate groups, each at 50 %.
PiperField ClassifyPiperField(const Fractions& f);

// ---- Chadha -----------------------------------------------------------------------------------

// x = ((Ca+Mg) - (Na+K)) / cations x 100, y = ((HCO3+CO3) - (Cl+SO4)) / anions x 100, the
// anions as the diagrams group them (nitrate joins Cl or SO4 under its type, else is left out).
struct ChadhaPoint {
    bool defined = false;  // both sums above 0
    double x = 0;
    double y = 0;
};
ChadhaPoint ChadhaCoordinates(const Fractions& f);

// Chadha's numbering of the four quadrant fields: 5 Ca-Mg-HCO3 (recharging water), 6 Ca-Mg-Cl
// (reverse ion exchange), 7 Na-Cl (seawater), 8 Na-HCO3 (base ion exchange).
enum class ChadhaField {
    RechargeCaMgHCO3,
    ReverseExchangeCaMgCl,
    SeawaterNaCl,
    BaseExchangeNaHCO3,
    Boundary,
    Undefined
};
ChadhaField ClassifyChadha(const ChadhaPoint& p);
// 5..8; 0 for Boundary and Undefined.
int ChadhaFieldNumber(ChadhaField field);

// ---- Irrigation and hardness ------------------------------------------------------------------

// Every index is empty where its denominator is 0 (or the analysis has no ions): a table shows
// a dash, never NaN or inf.
struct IrrigationIndices {
    std::optional<double> sar;            // Na / sqrt((Ca+Mg)/2), meq/L
    std::optional<double> sodiumPercent;  // (Na+K) / (Ca+Mg+Na+K) x 100
    std::optional<double> kelly;          // Na / (Ca+Mg)
    std::optional<double> rsc;            // (HCO3+CO3) - (Ca+Mg), meq/L
    std::optional<double> pi;             // (Na + sqrt(HCO3)) / (Ca+Mg+Na) x 100 (Doneen)
    std::optional<double> mh;             // Mg / (Ca+Mg) x 100
    std::optional<double> hardness;       // mg/L as CaCO3: 2.497 Ca + 4.118 Mg (mg/L)
};
// meq/L of the eight ions, carbonate in meq/L, and the eight ions in mg/L (for hardness).
IrrigationIndices ComputeIndices(const IonValues& meq, double co3Meq, const IonValues& mg);

// ---- Charge balance with the further ions -----------------------------------------------------

// (cations - anions) / (cations + anions) x 100 over the eight ions plus carbonate and fluoride:
// both carry charge, and a table that gives CO3 would otherwise look short of anions. Without
// them the value is the data check's.
std::optional<double> FullChargeBalance(const IonValues& meq, double co3Meq, double fMeq);

// ---- Names ------------------------------------------------------------------------------------

std::string PiperCationName(PiperCation t, Language language);
std::string PiperAnionName(PiperAnion t, Language language);
std::string PiperFieldName(PiperField f, Language language);
std::string ChadhaFieldName(ChadhaField f, Language language);

// The facies of one sample under one nitrate type.
struct Facies {
    PiperCation cation = PiperCation::Undefined;
    PiperAnion anion = PiperAnion::Undefined;
    PiperField field = PiperField::Undefined;
    ChadhaPoint chadha;
    ChadhaField chadhaField = ChadhaField::Undefined;
};
Facies ClassifyFacies(const Fractions& f);

}  // namespace wq

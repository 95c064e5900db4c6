// The data check of a loaded sample table: per sample the charge balance, the dominant ions
// and the field of the trilinear diamond, as plain rows from which a window table, CSV and JSON
// are built alike.
//
// Naming of the dominant type: Na and K count together as "Na" (the diagrams' Na+K); the
// anions are Cl, HCO3, SO4 and NO3 as analysed, whatever the nitrate type. On each side an ion
// holding at least 50 % of the side's meq/L names it alone ("Ca-HCO3型"); two ions at exactly
// 50 % both name it. Where no ion reaches 50 %, the side is mixed and named by every ion holding
// at least 20 %, largest first ("Ca-Mg-HCO3型"); each side always has one, since three cation
// groups cannot all stay below 33 % nor four anions below 25 %.
//
// The diamond fields use the diagram's own proportions under the nitrate type in force
// (Ca+Mg of Na+K+Ca+Mg, HCO3 of the anion sum with or without nitrate). Counting nitrate with
// chloride or with sulfate gives the same field: the diamond joins both groups.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/core/csv.h"
#include "common/core/language.h"
#include "common/core/numbers.h"
#include "waterquality/core/fractions.h"
#include "waterquality/core/samples.h"

namespace wq {

struct Composition;

enum class Language { Japanese, English };
// The language of the windows (hc::CurrentLanguage), for what they show and print. Files written
// (CSV, JSON) keep their own language whatever it is.
Language ShownLanguage();

// A share (0..1) this close to a limit counts as on it. It absorbs the rounding of the mg/L to
// meq/L conversion, not the uncertainty of an analysis.
inline constexpr double kShareTolerance = hc::kDecimalNoise;

// ---- Charge balance ---------------------------------------------------------------------------

inline constexpr double kBalanceWarnPercent = 5;
inline constexpr double kBalanceLimitPercent = 10;

enum class BalanceFlag {
    Ok,         // |CBE| <= 5 %
    Above5,     // 5 % < |CBE| <= 10 %
    Above10,    // |CBE| > 10 %
    Undefined,  // no ions at all: nothing to balance
};

struct ChargeBalance {
    double cationSum = 0;  // Na + K + Ca + Mg, meq/L
    double anionSum = 0;   // Cl + HCO3 + SO4 + NO3, meq/L
    // (cations - anions) / (cations + anions) x 100; none when the two sums add up to 0.
    std::optional<double> cbe;
    BalanceFlag flag = BalanceFlag::Undefined;
};

// Balance of the eight ions in meq/L. Nitrate always counts: the nitrate type chooses how the
// diagrams group it, not whether it carries charge.
ChargeBalance ComputeChargeBalance(const IonValues& meq);

// ---- Dominant ions ----------------------------------------------------------------------------

// Na+K, Ca, Mg and Cl, HCO3, SO4, NO3.
inline constexpr int kCationGroups = 3;
inline constexpr int kAnionGroups = 4;
inline constexpr std::array<const char*, kCationGroups> kCationGroupNames{"Na", "Ca", "Mg"};
inline constexpr std::array<const char*, kAnionGroups> kAnionGroupNames{"Cl", "HCO3", "SO4", "NO3"};
inline constexpr double kDominantShare = 0.5;
inline constexpr double kMixedNamingShare = 0.2;

struct DominantType {
    bool defined = false;  // false when the cations or the anions sum to 0
    std::array<double, kCationGroups> cationShare{};
    std::array<double, kAnionGroups> anionShare{};
    std::vector<int> cations;   // indices into kCationGroupNames, largest share first
    std::vector<int> anions;    // indices into kAnionGroupNames
    bool mixedCations = false;  // no cation reaches 50 %
    bool mixedAnions = false;
};

DominantType ClassifyDominant(const IonValues& meq);
// "Ca-HCO3型" / "Ca-HCO3 type"; "判定不能" / "undetermined" when not defined.
std::string DominantTypeName(const DominantType& type, Language language);

// ---- Diamond field ----------------------------------------------------------------------------

enum class CationClass { AlkalineEarth, Alkali, Boundary };   // Ca+Mg above, below, at 50 %
enum class AnionClass { Carbonate, NonCarbonate, Boundary };  // HCO3 above, below, at 50 %

struct DiamondField {
    bool defined = false;  // false when the diagram draws no diamond point
    double caMgShare = 0;  // Ca+Mg of the cation sum, 0..1
    double hco3Share = 0;  // HCO3 of the anion sum under the nitrate type, 0..1
    CationClass cation = CationClass::Boundary;
    AnionClass anion = AnionClass::Boundary;
};

DiamondField ClassifyDiamond(const Fractions& fractions);
// "アルカリ土類炭酸塩型", the boundary of two fields ("アルカリ土類炭酸塩型とアルカリ炭酸塩型の
// 境界"), the centre where all four meet; "判定不能" / "undetermined" when not defined.
std::string DiamondFieldName(const DiamondField& field, Language language);
// The field's conventional numeral for narrow places: "Ⅰ" alkaline-earth carbonate,
// "Ⅱ" alkali carbonate, "Ⅲ" alkaline-earth non-carbonate, "Ⅳ" alkali non-carbonate;
// "Ⅰ/Ⅱ" on the line between two, "Ⅰ～Ⅳ" at the centre; "" when not defined.
std::string DiamondFieldCode(const DiamondField& field);

// ---- Rows -------------------------------------------------------------------------------------

struct CheckRow {
    int number = 0;  // 1..Count(), the sample's column in the workbook
    std::string name;
    bool drawn = false;  // false for a column the diagrams skip: no values below
    ChargeBalance balance;
    DominantType dominant;
    DiamondField field;
};

// One row per sample 1..Count(), in order, from each sample's composition (the field under the
// nitrate type given); skipped samples keep their place.
std::vector<CheckRow> CheckRows(const SampleTable& table,
                                const std::vector<Composition>& compositions,
                                NitrateType nitrateType);

// "良好", "5 % 超", "10 % 超", "計算不能" (or English); "作図対象外" for a skipped sample.
std::string BalanceText(const CheckRow& row, Language language);

// True when every drawn sample has a charge balance error of at most 10 %. A sample without
// ions fails: it cannot be shown to balance.
bool EveryBalanceWithinLimit(const std::vector<CheckRow>& rows);

// The rows as CSV (UTF-8, header row, comma-separated, lines ending in LF). Sums with three
// decimals, CBE with two, both independent of the locale; texts in the language given.
std::string CheckRowsCsv(const std::vector<CheckRow>& rows, Language language);

using hc::CsvField;
using hc::FixedDecimals;

// The rows as a table to read on a terminal, laid out by display width (a Japanese character
// takes two columns), each column as wide as its widest entry: a name wider than
// kTextNameColumns is shortened with "...".
inline constexpr int kTextNameColumns = 32;
std::string CheckRowsText(const std::vector<CheckRow>& rows, Language language);

}  // namespace wq

#include "waterquality/core/data_check.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/core/language.h"
#include "common/core/text_columns.h"
#include "waterquality/core/composition.h"

namespace wq {

Language ShownLanguage() {
    return hc::CurrentLanguage() == hc::Language::English ? Language::English : Language::Japanese;
}

namespace {

bool AtLeast(double share, double limit) {
    return share >= limit - kShareTolerance;
}

bool Above(double share, double limit) {
    return share > limit + kShareTolerance;
}

// The ions naming one side: those at 50 % or more, otherwise every one at 20 % or more,
// largest first (ties in the workbook's ion order).
template <std::size_t N>
std::vector<int> NamingIons(const std::array<double, N>& share, bool& mixed) {
    std::vector<int> order(N);
    for (std::size_t k = 0; k < N; ++k)
        order[k] = static_cast<int>(k);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return share[static_cast<std::size_t>(a)] > share[static_cast<std::size_t>(b)];
    });
    mixed = !AtLeast(share[static_cast<std::size_t>(order[0])], kDominantShare);
    const double limit = mixed ? kMixedNamingShare : kDominantShare;
    std::vector<int> out;
    for (int k : order)
        if (AtLeast(share[static_cast<std::size_t>(k)], limit))
            out.push_back(k);
    return out;
}

// The four fields by the two halves of the diamond, in the numbering Ⅰ..Ⅳ.
struct FieldText {
    const char* ja;
    const char* en;
    const char* code;
};
constexpr std::array<FieldText, 4> kFields{{
    {"アルカリ土類炭酸塩型", "alkaline-earth carbonate", "Ⅰ"},
    {"アルカリ炭酸塩型", "alkali carbonate", "Ⅱ"},
    {"アルカリ土類非炭酸塩型", "alkaline-earth non-carbonate", "Ⅲ"},
    {"アルカリ非炭酸塩型", "alkali non-carbonate", "Ⅳ"},
}};

std::size_t FieldIndex(bool alkali, bool nonCarbonate) {
    return (alkali ? 1u : 0u) + (nonCarbonate ? 2u : 0u);
}

// The fields a sample touches: one inside a field, two on a line, four at the centre.
std::vector<std::size_t> TouchedFields(const DiamondField& f) {
    std::vector<bool> alkali, nonCarbonate;
    if (f.cation != CationClass::Alkali)
        alkali.push_back(false);
    if (f.cation != CationClass::AlkalineEarth)
        alkali.push_back(true);
    if (f.anion != AnionClass::NonCarbonate)
        nonCarbonate.push_back(false);
    if (f.anion != AnionClass::Carbonate)
        nonCarbonate.push_back(true);
    std::vector<std::size_t> out;
    for (bool n : nonCarbonate)
        for (bool a : alkali)
            out.push_back(FieldIndex(a, n));
    std::sort(out.begin(), out.end());
    return out;
}

const std::string kUndetermined[2] = {"判定不能", "undetermined"};

const std::string& Undetermined(Language language) {
    return kUndetermined[language == Language::Japanese ? 0 : 1];
}

}  // namespace

ChargeBalance ComputeChargeBalance(const IonValues& m) {
    ChargeBalance b;
    b.cationSum = m[kNa] + m[kK] + m[kCa] + m[kMg];
    b.anionSum = m[kCl] + m[kHCO3] + m[kSO4] + m[kNO3];
    double cations = b.cationSum, anions = b.anionSum;
    if (!std::isfinite(cations + anions) || !std::isfinite(cations - anions)) {
        // Sums beyond the doubles: the ratio is the same of the values scaled to the largest.
        double scale = 0;
        for (double v : m)
            scale = std::max(scale, std::abs(v));
        if (!std::isfinite(scale))
            return b;
        cations = m[kNa] / scale + m[kK] / scale + m[kCa] / scale + m[kMg] / scale;
        anions = m[kCl] / scale + m[kHCO3] / scale + m[kSO4] / scale + m[kNO3] / scale;
    }
    const double total = cations + anions;
    // Not "!= 0": negative entries could cancel to a total that only looks like a sample.
    if (!(total > 0))
        return b;
    b.cbe = 100.0 * (cations - anions) / total;
    if (!std::isfinite(*b.cbe))
        b.cbe = (cations - anions) / total * 100.0;  // the percent of a huge difference
    const double size = std::abs(*b.cbe);
    const double tolerance = 100.0 * kShareTolerance;
    if (size > kBalanceLimitPercent + tolerance)
        b.flag = BalanceFlag::Above10;
    else if (size > kBalanceWarnPercent + tolerance)
        b.flag = BalanceFlag::Above5;
    else
        b.flag = BalanceFlag::Ok;
    return b;
}

DominantType ClassifyDominant(const IonValues& m) {
    DominantType t;
    const std::array<double, kCationGroups> cations{m[kNa] + m[kK], m[kCa], m[kMg]};
    const std::array<double, kAnionGroups> anions{m[kCl], m[kHCO3], m[kSO4], m[kNO3]};
    double cationSum = 0, anionSum = 0;
    for (double v : cations)
        cationSum += v;
    for (double v : anions)
        anionSum += v;
    if (!(cationSum > 0) || !(anionSum > 0))
        return t;
    for (std::size_t k = 0; k < cations.size(); ++k)
        t.cationShare[k] = cations[k] / cationSum;
    for (std::size_t k = 0; k < anions.size(); ++k)
        t.anionShare[k] = anions[k] / anionSum;
    t.cations = NamingIons(t.cationShare, t.mixedCations);
    t.anions = NamingIons(t.anionShare, t.mixedAnions);
    t.defined = true;
    return t;
}

std::string DominantTypeName(const DominantType& t, Language language) {
    if (!t.defined)
        return Undetermined(language);
    std::string s;
    for (int k : t.cations)
        s += (s.empty() ? "" : "-") + std::string(kCationGroupNames[static_cast<std::size_t>(k)]);
    for (int k : t.anions)
        s += "-" + std::string(kAnionGroupNames[static_cast<std::size_t>(k)]);
    return s + (language == Language::Japanese ? "型" : " type");
}

DiamondField ClassifyDiamond(const Fractions& f) {
    DiamondField d;
    if (!f.cationDefined || !f.anionDefined)
        return d;
    d.defined = true;
    d.caMgShare = f.CationFraction[1] + f.CationFraction[2];
    d.hco3Share = f.AnionFraction[1];
    const double half = 0.5;
    d.cation = Above(d.caMgShare, half)     ? CationClass::AlkalineEarth
               : AtLeast(d.caMgShare, half) ? CationClass::Boundary
                                            : CationClass::Alkali;
    d.anion = Above(d.hco3Share, half)     ? AnionClass::Carbonate
              : AtLeast(d.hco3Share, half) ? AnionClass::Boundary
                                           : AnionClass::NonCarbonate;
    return d;
}

std::string DiamondFieldName(const DiamondField& f, Language language) {
    if (!f.defined)
        return Undetermined(language);
    const std::vector<std::size_t> touched = TouchedFields(f);
    const bool ja = language == Language::Japanese;
    if (touched.size() == 1)
        return ja ? kFields[touched[0]].ja : kFields[touched[0]].en;
    if (touched.size() == 4)
        return ja ? "4区分の境界（菱形の中心）" : "centre of the diamond (all four fields meet)";
    const FieldText& a = kFields[touched[0]];
    const FieldText& b = kFields[touched[1]];
    return ja ? std::string(a.ja) + "と" + b.ja + "の境界"
              : std::string("boundary of ") + a.en + " and " + b.en;
}

std::string DiamondFieldCode(const DiamondField& f) {
    if (!f.defined)
        return {};
    const std::vector<std::size_t> touched = TouchedFields(f);
    if (touched.size() == 4)
        return std::string(kFields[0].code) + "～" + kFields[3].code;
    std::string s;
    for (std::size_t k : touched)
        s += (s.empty() ? "" : "/") + std::string(kFields[k].code);
    return s;
}

std::vector<CheckRow> CheckRows(const SampleTable& table,
                                const std::vector<Composition>& compositions,
                                NitrateType nitrateType) {
    std::vector<CheckRow> rows;
    for (int i = 1; i <= table.Count(); ++i) {
        const Composition& c = compositions[static_cast<std::size_t>(i - 1)];
        CheckRow r;
        r.number = i;
        r.name = table.At(i).name;
        r.drawn = c.drawn;
        if (r.drawn) {
            r.balance = c.balance;
            r.dominant = c.dominant;
            r.field = FieldUnder(c, nitrateType);
        }
        rows.push_back(std::move(r));
    }
    return rows;
}

std::string BalanceText(const CheckRow& row, Language language) {
    static const std::string texts[5][2] = {
        {"良好", "ok"},
        {"5 % 超", "above 5 %"},
        {"10 % 超", "above 10 %"},
        {"計算不能（イオンなし）", "none (no ions)"},
        {"作図対象外", "not drawn"},
    };
    const std::size_t lang = language == Language::Japanese ? 0 : 1;
    if (!row.drawn)
        return texts[4][lang];
    return texts[static_cast<std::size_t>(row.balance.flag)][lang];
}

bool EveryBalanceWithinLimit(const std::vector<CheckRow>& rows) {
    for (const CheckRow& r : rows) {
        if (!r.drawn)
            continue;
        if (!r.balance.cbe || r.balance.flag == BalanceFlag::Above10)
            return false;
    }
    return true;
}

std::string CheckRowsCsv(const std::vector<CheckRow>& rows, Language language) {
    std::string csv =
        "number,name,drawn,cation_sum_meq_l,anion_sum_meq_l,cbe_percent,balance,dominant_type,"
        "diamond_field\n";
    for (const CheckRow& r : rows) {
        csv += std::to_string(r.number) + "," + CsvField(r.name) + "," + (r.drawn ? "yes" : "no") +
               ",";
        if (r.drawn) {
            csv += FixedDecimals(r.balance.cationSum, 3) + "," +
                   FixedDecimals(r.balance.anionSum, 3) + ",";
            if (r.balance.cbe)
                csv += FixedDecimals(*r.balance.cbe, 2);
            csv += "," + CsvField(BalanceText(r, language)) + "," +
                   CsvField(DominantTypeName(r.dominant, language)) + "," +
                   CsvField(DiamondFieldName(r.field, language));
        } else {
            csv += ",,," + CsvField(BalanceText(r, language)) + ",,";
        }
        csv += "\n";
    }
    return csv;
}

std::string CheckRowsText(const std::vector<CheckRow>& rows, Language language) {
    using hc::DisplayWidth;
    using hc::PadLeft;
    using hc::PadRight;
    const bool ja = language == Language::Japanese;
    using Fields = std::array<std::string, 7>;  // no, name, cations, anions, CBE, balance, rest
    std::vector<Fields> lines;
    lines.push_back(
        ja ? Fields{"番号", "試料名", "陽イオン計", "陰イオン計", "CBE %", "判定",
                    "水質型 / 菱形の区分"}
           : Fields{"no", "name", "cations", "anions", "CBE %", "balance", "type / diamond field"});
    for (const CheckRow& r : rows) {
        const std::string no = std::to_string(r.number);
        const std::string name = hc::FitWidth(r.name, kTextNameColumns);
        if (!r.drawn)
            lines.push_back({no, name, "", "", "", BalanceText(r, language), ""});
        else
            lines.push_back({no, name, FixedDecimals(r.balance.cationSum, 3),
                             FixedDecimals(r.balance.anionSum, 3),
                             r.balance.cbe ? FixedDecimals(*r.balance.cbe, 2) : "-",
                             BalanceText(r, language),
                             DominantTypeName(r.dominant, language) + " / " +
                                 DiamondFieldName(r.field, language)});
    }
    // Each column as wide as its widest entry, at least as wide as it always was.
    std::array<int, 6> width{4, 16, 9, 9, 8, 10};
    for (const Fields& f : lines)
        for (std::size_t c = 0; c < width.size(); ++c)
            width[c] = std::max(width[c], DisplayWidth(f[c]));
    std::string t;
    for (const Fields& f : lines) {
        std::string l = PadLeft(f[0], width[0]) + "  " + PadRight(f[1], width[1]) + " " +
                        PadLeft(f[2], width[2]) + " " + PadLeft(f[3], width[3]) + " " +
                        PadLeft(f[4], width[4]) + "  " + PadRight(f[5], width[5]) + "  " + f[6];
        while (!l.empty() && l.back() == ' ')
            l.pop_back();
        t += l + "\n";
    }
    return t;
}

}  // namespace wq

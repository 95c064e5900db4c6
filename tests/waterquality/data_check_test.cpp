// The data check: charge balance, dominant type and diamond field worked by hand for published
// analyses of the example workbooks and for constructed edge cases; every suspect cell of a
// generated workbook the loader refuses, of the shipped examples and of sheets with a bad count.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/core/text_columns.h"
#include "common/core/text_file.h"
#include "support/water_samples.h"
#include "waterquality/core/data_check.h"
#include "waterquality/core/suspect_cells.h"
#include "waterquality/core/workbook_load.h"

using namespace wq;
using hc::CellValue;

namespace {

// One analysis in mg/L, Na K Ca Mg Cl HCO3 SO4 NO3.
SampleTable OneSample(const IonValues& mg, const std::string& name = "試料") {
    SampleTable t;
    hc::test::SetSample(t, 1, name, mg);
    return t;
}

// The rows of a table from its compositions, as the app checks what it loaded.
std::vector<CheckRow> Rows(const SampleTable& t, NitrateType nitrateType) {
    return CheckRows(t, ComputeCompositions(t), nitrateType);
}

// Exact meq/L in mg/L: 2 meq/L of Na, Ca, HCO3 ... as the textbook weights give them.
constexpr double kNa2 = 45.9796;     // 2 meq/L: 2 x 22.9898
constexpr double kCa2 = 40.078;      // 2 meq/L: 2 x 40.078 / 2
constexpr double kCl2 = 70.9054;     // 2 meq/L: 2 x 35.4527
constexpr double kHCO3_1 = 61.0171;  // 1 meq/L
constexpr double kNO3_1 = 62.0049;   // 1 meq/L
constexpr double kSO4_1 = 48.0318;   // 1 meq/L: 96.0636 / 2

}  // namespace

// Sums, CBE, type and field of published analyses, worked by hand from the mg/L of the source
// (meq/L = mg/L / equivalent weight; Na+K counts as "Na"; shares in % of each side's sum).
TEST(DataCheckRows, PublishedAnalysesWorkedByHand) {
    struct Case {
        const char* book;
        int sample;
        const char* name;
        double cations, anions, cbe;
        const char* type;
        const char* field;
        const char* code;
    };
    const Case cases[] = {
        // Na 67.0 %; SO4 44.6, Cl 27.9, HCO3 27.5 %: mixed anions. Ca+Mg 33.0, HCO3 27.5 %.
        {"sample12", 1, "W17-2001-06", 27.08275, 27.44012, -0.6554, "Na-SO4-Cl-HCO3型",
         "アルカリ非炭酸塩型", "Ⅳ"},
        // Na+K 50.05 %, Ca+Mg 49.95 %: close to the line, yet on the alkali side.
        {"sample12", 2, "W17-2002-09", 19.22234, 18.95126, 0.7101, "Na-SO4-Cl-HCO3型",
         "アルカリ非炭酸塩型", "Ⅳ"},
        // Na 67.6 %, HCO3 53.7 % (54.1 % without nitrate).
        {"sample12", 5, "W17-2013-10", 13.93660, 13.93817, -0.0056, "Na-HCO3型", "アルカリ炭酸塩型",
         "Ⅱ"},
        // Ca 64.1 %; NO3 34.1, SO4 28.6 %, Cl 18.7 and HCO3 18.5 % stay below 20 %.
        // Nitrate counted: 0.07 %; left out it would seem 20.6 % short of anions.
        {"nitrate5", 5, "W14-2002-09", 20.22832, 20.19975, 0.0707, "Ca-NO3-SO4型",
         "アルカリ土類非炭酸塩型", "Ⅲ"},
        // Ca 53.5 %, HCO3 65.9 %.
        {"sample32", 21, "仮想井戸01", 1.72401, 1.80037, -2.1666, "Ca-HCO3型",
         "アルカリ土類炭酸塩型", "Ⅰ"},
        // Na 77.0 %, Cl 86.4 %.
        {"sample32", 24, "仮想井戸04", 85.44347, 86.47672, -0.6010, "Na-Cl型", "アルカリ非炭酸塩型",
         "Ⅳ"},
    };
    for (const Case& c : cases) {
        hc::Result<SampleTable> t =
            hc::test::LoadSource(std::string("examples/") + c.book + ".xls");
        ASSERT_TRUE(t) << c.book;
        const std::vector<CheckRow> rows = Rows(*t, NitrateType::None);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(t->Count()));
        const CheckRow& r = rows[static_cast<std::size_t>(c.sample - 1)];
        EXPECT_EQ(r.number, c.sample);
        EXPECT_EQ(r.name, c.name);
        EXPECT_NEAR(r.balance.cationSum, c.cations, 1e-5) << c.name;
        EXPECT_NEAR(r.balance.anionSum, c.anions, 1e-5) << c.name;
        ASSERT_TRUE(r.balance.cbe) << c.name;
        EXPECT_NEAR(*r.balance.cbe, c.cbe, 1e-4) << c.name;
        EXPECT_EQ(r.balance.flag, BalanceFlag::Ok) << c.name;
        EXPECT_EQ(DominantTypeName(r.dominant, Language::Japanese), c.type) << c.name;
        EXPECT_EQ(DiamondFieldName(r.field, Language::Japanese), c.field) << c.name;
        EXPECT_EQ(DiamondFieldCode(r.field), c.code) << c.name;
    }
    // Column 9 of sample12 is switched off by its name "9": a row without values.
    hc::Result<SampleTable> t = hc::test::LoadSource("examples/sample12.xls");
    ASSERT_TRUE(t);
    const std::vector<CheckRow> rows = Rows(*t, NitrateType::None);
    EXPECT_FALSE(rows[8].drawn);
    EXPECT_FALSE(rows[8].balance.cbe);
    EXPECT_EQ(BalanceText(rows[8], Language::Japanese), "作図対象外");
    EXPECT_TRUE(EveryBalanceWithinLimit(rows));
}

TEST(DataCheckRows, BalanceFlagsAndSamplesWithoutIons) {
    struct Case {
        double cations, anions;  // meq/L
        std::optional<double> cbe;
        BalanceFlag flag;
    };
    const Case cases[] = {
        {21, 19, 5.0, BalanceFlag::Ok},  // 2 / 40: exactly 5 % is not above it
        {21.5, 19, 6.1728395, BalanceFlag::Above5},
        {9, 11, -10.0, BalanceFlag::Above5},  // exactly -10 %
        {9, 12, -14.285714, BalanceFlag::Above10},
        {3, 0, 100.0, BalanceFlag::Above10},  // no anions at all
        {0, 0, std::nullopt, BalanceFlag::Undefined},
    };
    for (const Case& c : cases) {
        IonValues meq{};
        meq[kCa] = c.cations;
        meq[kHCO3] = c.anions;
        const ChargeBalance b = ComputeChargeBalance(meq);
        EXPECT_EQ(b.flag, c.flag) << c.cations << " " << c.anions;
        ASSERT_EQ(b.cbe.has_value(), c.cbe.has_value());
        if (c.cbe) {
            EXPECT_NEAR(*b.cbe, *c.cbe, 1e-6);
        }
    }
    // Through the table, from mg/L: all anions zero, and a sample of nothing.
    std::vector<CheckRow> rows =
        Rows(OneSample({0, 0, kCa2, 0, 0, 0, 0, 0}), NitrateType::None);
    EXPECT_NEAR(*rows[0].balance.cbe, 100, 1e-12);
    EXPECT_EQ(rows[0].balance.flag, BalanceFlag::Above10);
    EXPECT_FALSE(rows[0].dominant.defined);
    EXPECT_FALSE(rows[0].field.defined);
    EXPECT_EQ(DominantTypeName(rows[0].dominant, Language::English), "undetermined");
    EXPECT_EQ(DiamondFieldCode(rows[0].field), "");
    EXPECT_FALSE(EveryBalanceWithinLimit(rows));
    rows = Rows(OneSample({}), NitrateType::None);
    EXPECT_FALSE(rows[0].balance.cbe);
    EXPECT_EQ(BalanceText(rows[0], Language::English), "none (no ions)");
    EXPECT_FALSE(EveryBalanceWithinLimit(rows));  // cannot be shown to balance
}

TEST(DataCheckRows, ConstructedTypesBoundariesAndNitrate) {
    struct Case {
        const char* what;
        std::array<double, 8> mg;
        NitrateType nitrateType;
        const char* type;
        const char* field;
        const char* code;
        const char* fieldEn;
    };
    const Case cases[] = {
        {"pure Ca-HCO3",
         {0, 0, kCa2, 0, 0, 2 * kHCO3_1, 0, 0},
         NitrateType::None,
         "Ca-HCO3型",
         "アルカリ土類炭酸塩型",
         "Ⅰ",
         "alkaline-earth carbonate"},
        {"Na+K exactly half",
         {kNa2, 0, kCa2, 0, 0, 4 * kHCO3_1, 0, 0},
         NitrateType::None,
         "Na-Ca-HCO3型",
         "アルカリ土類炭酸塩型とアルカリ炭酸塩型の境界",
         "Ⅰ/Ⅱ",
         "boundary of alkaline-earth carbonate and alkali carbonate"},
        {"HCO3 exactly half",
         {kNa2, 0, 0, 0, kCl2, 2 * kHCO3_1, 0, 0},
         NitrateType::None,
         "Na-Cl-HCO3型",
         "アルカリ炭酸塩型とアルカリ非炭酸塩型の境界",
         "Ⅱ/Ⅳ",
         "boundary of alkali carbonate and alkali non-carbonate"},
        {"centre",
         {kNa2, 0, kCa2, 0, kCl2, 2 * kHCO3_1, 0, 0},
         NitrateType::None,
         "Na-Ca-Cl-HCO3型",
         "4区分の境界（菱形の中心）",
         "Ⅰ～Ⅳ",
         "centre of the diamond (all four fields meet)"},
        // HCO3 3, Cl 1, SO4 1, NO3 1.5 meq/L: HCO3 60 % without nitrate, 46 % with it, whether
        // nitrate joins chloride or sulfate (the diamond adds both groups). The dominant type
        // counts nitrate as analysed under every type: HCO3 46 %, NO3 23 %, Cl and SO4 15 %.
        {"nitrate left out",
         {0, 0, 2 * kCa2, 0, kCl2 / 2, 3 * kHCO3_1, kSO4_1, 1.5 * kNO3_1},
         NitrateType::None,
         "Ca-HCO3-NO3型",
         "アルカリ土類炭酸塩型",
         "Ⅰ",
         "alkaline-earth carbonate"},
        {"nitrate with chloride",
         {0, 0, 2 * kCa2, 0, kCl2 / 2, 3 * kHCO3_1, kSO4_1, 1.5 * kNO3_1},
         NitrateType::WithChloride,
         "Ca-HCO3-NO3型",
         "アルカリ土類非炭酸塩型",
         "Ⅲ",
         "alkaline-earth non-carbonate"},
        {"nitrate with sulfate",
         {0, 0, 2 * kCa2, 0, kCl2 / 2, 3 * kHCO3_1, kSO4_1, 1.5 * kNO3_1},
         NitrateType::WithSulfate,
         "Ca-HCO3-NO3型",
         "アルカリ土類非炭酸塩型",
         "Ⅲ",
         "alkaline-earth non-carbonate"},
        // Na 1, Ca 2, Mg 1.5 meq/L: Ca 44 %, Mg 33 %, Na 22 %, all named, largest first.
        {"mixed cations",
         {kNa2 / 2, 0, kCa2, 0.75 * 24.305, 0, 4.5 * kHCO3_1, 0, 0},
         NitrateType::None,
         "Ca-Mg-Na-HCO3型",
         "アルカリ土類炭酸塩型",
         "Ⅰ",
         "alkaline-earth carbonate"},
    };
    for (const Case& c : cases) {
        const std::vector<CheckRow> rows = Rows(OneSample(c.mg), c.nitrateType);
        ASSERT_EQ(rows.size(), 1u);
        const CheckRow& r = rows[0];
        EXPECT_EQ(DominantTypeName(r.dominant, Language::Japanese), c.type) << c.what;
        EXPECT_EQ(DiamondFieldName(r.field, Language::Japanese), c.field) << c.what;
        EXPECT_EQ(DiamondFieldName(r.field, Language::English), c.fieldEn) << c.what;
        EXPECT_EQ(DiamondFieldCode(r.field), c.code) << c.what;
    }
    const CheckRow pure = Rows(OneSample(cases[0].mg), NitrateType::None)[0];
    EXPECT_EQ(*pure.balance.cbe, 0);
    EXPECT_EQ(DominantTypeName(pure.dominant, Language::English), "Ca-HCO3 type");
    EXPECT_FALSE(pure.dominant.mixedCations);
    const CheckRow mixed = Rows(OneSample(cases[7].mg), NitrateType::None)[0];
    EXPECT_TRUE(mixed.dominant.mixedCations);
    EXPECT_FALSE(mixed.dominant.mixedAnions);
}

TEST(DataCheckRows, CsvIsQuotedAndLocaleFree) {
    SampleTable t = OneSample({0, 0, kCa2, 0, 0, 2 * kHCO3_1, 0, 0}, "井戸A, 上流");
    t.samples.resize(2);  // sample 2 skipped
    const std::string csv = CheckRowsCsv(Rows(t, NitrateType::None), Language::English);
    EXPECT_EQ(csv,
              "number,name,drawn,cation_sum_meq_l,anion_sum_meq_l,cbe_percent,balance,"
              "dominant_type,diamond_field\n"
              "1,\"井戸A, 上流\",yes,2.000,2.000,0.00,ok,Ca-HCO3 type,alkaline-earth carbonate\n"
              "2,,no,,,,not drawn,,\n");
    EXPECT_EQ(FixedDecimals(-0.004, 2), "0.00");
    EXPECT_EQ(FixedDecimals(-0.006, 2), "-0.01");
    EXPECT_EQ(FixedDecimals(1234.5678, 3), "1234.568");
    EXPECT_EQ(CsvField("say \"ND\""), "\"say \"\"ND\"\"\"");
}

namespace {

struct Expect {
    const char* cell;
    SuspectKind kind;
    bool refuses;
    int sample;
};

void ExpectCells(const SuspectReport& r, const std::vector<Expect>& want, const std::string& what) {
    ASSERT_EQ(r.cells.size(), want.size()) << what;
    for (std::size_t k = 0; k < want.size(); ++k) {
        const SuspectCell& c = r.cells[k];
        EXPECT_EQ(c.reference, want[k].cell) << what;
        EXPECT_EQ(c.kind, want[k].kind) << what << " " << c.reference;
        EXPECT_EQ(c.refusesLoad, want[k].refuses) << what << " " << c.reference;
        EXPECT_EQ(c.sample, want[k].sample) << what << " " << c.reference;
        EXPECT_FALSE(c.messageJa.empty());
        EXPECT_FALSE(c.messageEn.empty());
    }
}

}  // namespace

TEST(SuspectCells, RefusedWorkbookListsEveryCellOnce) {
    for (const char* ext : {"xls", "xlsx", "ods"}) {
        const std::string path =
            hc::test::SourcePath(std::string("tests/fixtures/waterquality/suspect.") + ext);
        const SuspectReport r = ScanWorkbook(path);
        ExpectCells(r,
                    {{"B15", SuspectKind::BlankValue, false, 1},
                     {"C16", SuspectKind::TextValue, true, 2},
                     {"D11", SuspectKind::DuplicateName, false, 3},
                     {"E11", SuspectKind::SkippedName, false, 4},
                     {"F18", SuspectKind::NegativeValue, false, 5},
                     {"F19", SuspectKind::TextValue, true, 5},
                     {"H11", SuspectKind::BeyondCount, false, 7}},
                    ext);
        EXPECT_TRUE(r.Refused());
        ASSERT_EQ(r.cells.size(), 7u);
        EXPECT_EQ(r.cells[1].excerpt, "<0.1");
        EXPECT_EQ(r.cells[1].sampleName, "W17-2002-09");
        EXPECT_NE(r.cells[1].messageJa.find("定量下限"), std::string::npos);
        EXPECT_NE(r.cells[2].messageEn.find("B11"), std::string::npos);  // the first of the name
        EXPECT_EQ(r.cells[5].excerpt, "ND");
        EXPECT_NE(r.cells[5].messageJa.find("不検出"), std::string::npos);
        EXPECT_EQ(r.cells[6].sampleName, "W18-2016-06");

        // The loader stops at the first text and names only that one.
        const hc::Result<SampleTable> load =
            hc::test::LoadSource(std::string("tests/fixtures/waterquality/suspect.") + ext);
        ASSERT_FALSE(load);
        EXPECT_EQ(load.error().cell, "C16");
        EXPECT_NE(load.error().English().find("<0.1"), std::string::npos);
        EXPECT_EQ(load.error().English().find("ND"), std::string::npos);

        const std::string csv = SuspectCellsCsv(r, Language::English);
        EXPECT_NE(csv.find("\nC16,2,W17-2002-09,text_value,yes,<0.1,"), std::string::npos) << csv;
    }
}

TEST(SuspectCells, ShippedWorkbooksAndUnreadableFiles) {
    ExpectCells(ScanWorkbook(hc::test::SourcePath("examples/sample12.xls")),
                {{"J11", SuspectKind::SkippedName, false, 9}}, "sample12");
    // Sample 27 has no nitrate analysis: read as 0 mg/L.
    ExpectCells(ScanWorkbook(hc::test::SourcePath("examples/sample32.ods")),
                {{"AB19", SuspectKind::BlankValue, false, 27}}, "sample32");
    ExpectCells(ScanWorkbook(hc::test::SourcePath("examples/nitrate5.xlsx"), ScanOptions{true, {}}),
                {}, "nitrate5");
    // The template: B10's formula counts no names.
    ExpectCells(ScanWorkbook(hc::test::SourcePath("data/hinagata.xls")),
                {{"B10", SuspectKind::BadCount, true, 0}}, "template");

    const SuspectReport none = ScanWorkbook(hc::test::SourcePath("examples/README.md"));
    ASSERT_EQ(none.cells.size(), 1u);
    EXPECT_EQ(none.cells[0].kind, SuspectKind::Unreadable);
    EXPECT_TRUE(none.Refused());
    EXPECT_NE(none.cells[0].messageEn.find("not a workbook"), std::string::npos);
}

TEST(SuspectCells, EveryReasonShowsWithABadCount) {
    auto sheet = [](CellValue count) {
        hc::WorkbookSheet s;
        s.SetCell(kCountRow, kCountColumn, std::move(count));
        for (int i = 1; i <= 3; ++i) {
            s.SetCell(kNameRow, i + 1, CellValue::Str("S" + std::to_string(i)));
            for (int k = 0; k < kIonCount; ++k)
                s.SetCell(kFirstIonRow + k, i + 1, CellValue::Num(1));
        }
        s.SetCell(14, 3, CellValue::Err("#N/A"));  // C14: Ca of sample 2
        s.SetCell(13, 4, CellValue::Bool(true));   // D13: K of sample 3
        s.SetCell(12, 4, CellValue::Str(""));      // D12: a formula's empty text
        return s;
    };
    const std::vector<Expect> values{{"C14", SuspectKind::ErrorValue, true, 2},
                                     {"D12", SuspectKind::TextValue, true, 3},
                                     {"D13", SuspectKind::BooleanValue, false, 3}};
    for (const CellValue& count : {CellValue{}, CellValue::Str("三"), CellValue::Num(33),
                                   CellValue::Err("#REF!"), CellValue::Bool(true)}) {
        std::vector<Expect> want{{"B10", SuspectKind::BadCount, true, 0}};
        want.insert(want.end(), values.begin(), values.end());
        ExpectCells(ScanSheet(sheet(count)), want, "count " + count.text);
    }
    // A usable count of 2.6 is rounded to 3; a count of 2 leaves sample 3 unread.
    std::vector<Expect> want{{"B10", SuspectKind::CountNotWhole, false, 0}};
    want.insert(want.end(), values.begin(), values.end());
    ExpectCells(ScanSheet(sheet(CellValue::Num(2.6))), want, "2.6");
    ExpectCells(
        ScanSheet(sheet(CellValue::Str(" 2 "))),
        {{"C14", SuspectKind::ErrorValue, true, 2}, {"D11", SuspectKind::BeyondCount, false, 3}},
        "2");
}

TEST(SuspectCells, MarksAndColoursOfTernaryplot) {
    hc::WorkbookSheet s;
    s.SetCell(kCountRow, kCountColumn, CellValue::Num(5));
    const CellValue colours[] = {CellValue::Str("09"), CellValue::Num(9), CellValue::Str("ab"),
                                 CellValue::Num(16), CellValue::Err("#VALUE!")};
    for (int i = 1; i <= 5; ++i) {
        s.SetCell(kNameRow, i + 1, CellValue::Str("井戸" + std::to_string(i)));
        for (int k = 0; k < kIonCount; ++k)
            s.SetCell(kFirstIonRow + k, i + 1, CellValue::Num(2));
        s.SetCell(kMarkRow, i + 1, CellValue::Str("●"));
        s.SetCell(kColorRow, i + 1, colours[i - 1]);
    }
    s.SetCell(kMarkRow, 2, CellValue::Err("#N/A"));
    ExpectCells(ScanSheet(s, ScanOptions{true, {}}),
                {{"B20", SuspectKind::ErrorValue, true, 1},
                 {"C21", SuspectKind::BadColour, false, 2},  // the number 9 is drawn black
                 {"D21", SuspectKind::BadColour, true, 3},
                 {"E21", SuspectKind::BadColour, false, 4},
                 {"F21", SuspectKind::ErrorValue, true, 5}},
                "colours");
    EXPECT_TRUE(ScanSheet(s).cells.empty());  // the column programs do not read these rows

    EXPECT_EQ(CellReference(14, 4), "D14");
    EXPECT_EQ(CellReference(11, 33), "AG11");
    EXPECT_EQ(CellReference(1, 26), "Z1");
    EXPECT_EQ(CellReference(1, 27), "AA1");
}

// Numbers of every size reach the data check as text a reader can take: never bytes left over
// from a failed conversion, never a decimal comma.
TEST(DataCheckRows, NumberEdgeCases) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {1234.5678, 3, "1234.568"},
        {-0.004, 2, "0.00"},
        {-0.006, 2, "-0.01"},
        {0.125, 2, "0.12"},  // exactly half: to even, as printf
        {999999999999999.0, 3, "999999999999999.000"},
        {1e15, 3, "1E+15"},
        {-2.5e15, 2, "-2.5E+15"},
        {1e62, 3, "1E+62"},
        {1e308, 3, "1E+308"},
        {std::numeric_limits<double>::max(), 2, "1.79769313486232E+308"},
        {1e-300, 3, "0.000"},
        {inf, 2, ""},
        {std::nan(""), 2, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedDecimals(c.value, c.decimals), c.text) << c.value;
}

// The CBE of sums a double holds is a number even where 100 x (cations - anions) or the sum of
// the two is beyond the doubles: the same percent as the sums scaled down by hand.
TEST(DataCheckRows, HugeConcentrationsStillBalanceToAPercent) {
    const double big = 1e308;
    const struct {
        IonValues meq;
        double cbe;
    } cases[] = {
        {{big / 22.9898, 0, 0, 0, 0, 0, 0, 0}, 100},      // Na only
        {{0, 0, 0, 0, big / 35.4527, 0, 0, 0}, -100},     // Cl only
        {{big, big, 0, 0, big, 0, 0, 0}, 100.0 / 3},      // (2 - 1) / (2 + 1)
        {{big, big, big, big, big, big, big, big}, 0},    // 4 - 4
        {{big, 0, 0, 0, 0, 0, 0, 0.5 * big}, 100.0 / 3},  // (1 - 0.5) / 1.5
    };
    for (const auto& c : cases) {
        const ChargeBalance b = ComputeChargeBalance(c.meq);
        ASSERT_TRUE(b.cbe) << c.cbe;
        EXPECT_NEAR(*b.cbe, c.cbe, 1e-9) << c.cbe;
    }
    // Through the rows, the CSV and the text table from mg/L: a percent, no empty field.
    const std::vector<CheckRow> rows =
        Rows(OneSample({1e308, 0, 0, 0, 0, 0, 0, 0}, "W1"), NitrateType::None);
    ASSERT_TRUE(rows[0].balance.cbe);
    EXPECT_EQ(FixedDecimals(*rows[0].balance.cbe, 2), "100.00");
    EXPECT_NE(CheckRowsCsv(rows, Language::English).find(",100.00,above 10 %,"), std::string::npos);
}

TEST(SuspectCells, ConcentrationsNoWaterHoldsAreSuspect) {
    hc::WorkbookSheet s;
    const CellValue na[] = {CellValue::Num(1e6), CellValue::Num(1000000.5), CellValue::Num(1e62),
                            CellValue::Str("1e308")};
    s.SetCell(kCountRow, kCountColumn, CellValue::Num(4));
    for (int i = 1; i <= 4; ++i) {
        s.SetCell(kNameRow, i + 1, CellValue::Str("W" + std::to_string(i)));
        for (int k = 0; k < kIonCount; ++k)
            s.SetCell(kFirstIonRow + k, i + 1, CellValue::Num(2));
        s.SetCell(kFirstIonRow, i + 1, na[i - 1]);
    }
    const SuspectReport r = ScanSheet(s);
    ExpectCells(r,
                {{"C12", SuspectKind::ImplausibleValue, false, 2},
                 {"D12", SuspectKind::ImplausibleValue, false, 3},
                 {"E12", SuspectKind::ImplausibleValue, false, 4}},
                "implausible");
    ASSERT_EQ(r.cells.size(), 3u);
    EXPECT_EQ(r.cells[1].messageJa,
              "Na の値 1E+62 は 1,000,000 mg/L を超えています。単位と桁を確かめてください。");
    EXPECT_EQ(r.cells[1].messageEn,
              "The Na value 1E+62 is above 1,000,000 mg/L; check its unit and digits.");
    EXPECT_NE(SuspectCellsCsv(r, Language::English).find(",implausible_value,no,1E+62,"),
              std::string::npos);
}

// The terminal table lines its columns up by display width whatever the names and numbers: a
// Japanese name takes two columns a character, a long one is shortened, never cut inside a
// character; a huge sum widens its column.
TEST(DataCheckRows, TextTableColumnsLineUpByDisplayWidth) {
    SampleTable t = OneSample({kNa2, 0, 0, 0, kCl2, 0, 0, 0}, "W1");
    const std::string longName = std::string(20, 'x') + std::string(10, 'y') + "井戸の長い名前";
    const std::string names[] = {"W1", "上流の井戸", longName, "ＡＢ", "W5"};
    const IonValues mg = t.At(1).mg;
    for (int i = 1; i <= 5; ++i)
        hc::test::SetSample(t, i, names[i - 1], mg);
    t.At(4).drawn = false;
    t.At(5).mg[kNa] = 1e62;  // 4.34975510878738E+60 meq/L: 20 columns
    for (Language language : {Language::English, Language::Japanese}) {
        const std::string text = CheckRowsText(Rows(t, NitrateType::None), language);
        std::vector<std::string> lines;
        for (std::size_t at = 0, nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
            lines.push_back(text.substr(at, nl - at));
        ASSERT_EQ(lines.size(), 6u) << text;
        // The cation sum ends at the same column on every drawn row: 4 + 2 + 32 + 1 + 20.
        for (const auto& [i, sum] : {std::pair<std::size_t, const char*>{1, "2.000"},
                                     {2, "2.000"}, {3, "2.000"}, {5, "E+60"}}) {
            const std::size_t end = lines[i].find(sum) + std::string(sum).size();
            EXPECT_EQ(hc::DisplayWidth(lines[i].substr(0, end)), 59) << lines[i];
            EXPECT_TRUE(hc::IsValidUtf8(lines[i])) << lines[i];
        }
        EXPECT_NE(lines[3].find(std::string(20, 'x') + std::string(9, 'y') + "..."),
                  std::string::npos)
            << lines[3];
        EXPECT_EQ(lines[3].find("井戸"), std::string::npos);
        EXPECT_EQ(hc::DisplayWidth(lines[4].substr(0, lines[4].find("ＡＢ") + 6)), 10);
    }
}

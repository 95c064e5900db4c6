// The classification table: rows in table order, an empty column keeping its row, cells and
// CSV with fixed decimals and no NaN or inf.
#include "wqplot/core/classification.h"

#include <gtest/gtest.h>

#include "tests/wqplot/wqplot_samples.h"

namespace wqp {
namespace {

TEST(Classification, RowsCellsAndCsv) {
    wq::SampleTable t;
    // Na 4, Ca 3, Mg 5, Cl 4, HCO3 8 meq/L (the indices of facies_test by hand: SAR 2,
    // %Na 33.3, Kelly 0.5, MH 62.5; RSC 8 - 8 = 0; PI (4 + sqrt 8) / 12).
    t.samples.push_back(wqtest::FromMeq("井戸 A, 深部", {4, 0, 3, 5, 4, 8, 0, 0}, "北"));
    wq::Sample empty;
    empty.name = "3";
    t.samples.push_back(empty);
    t.samples.push_back(wqtest::FromMeq("塩水", {5, 0, 0, 0, 5, 0, 0, 0}));
    const auto rows = ClassificationRows(wqtest::Loaded(t).Model(), wq::NitrateType::None);
    ASSERT_EQ(rows.size(), 3u);
    auto cells = ClassificationCells(rows[0], wq::Language::Japanese, CellUse::Window);
    EXPECT_EQ(cells[kColCbe], "0.00");
    EXPECT_EQ(cells[kColCation], "優勢イオンなし");  // Ca+Mg 8 of 12, no one ion above half
    EXPECT_EQ(cells[kColAnion], "HCO3型");
    EXPECT_EQ(cells[kColField], "Ca-Mg-HCO3型");
    EXPECT_EQ(cells[kColChadha], "5 Ca-Mg-HCO3型（涵養水）");
    EXPECT_EQ(cells[kColSar], "2.00");
    EXPECT_EQ(cells[kColSodium], "33.3");
    EXPECT_EQ(cells[kColRsc], "0.00");
    EXPECT_EQ(cells[kColPi], "56.9");
    EXPECT_EQ(cells[kColMh], "62.5");
    EXPECT_EQ(cells[kColTdsOrigin], "計算値");
    cells = ClassificationCells(rows[1], wq::Language::Japanese, CellUse::Window);
    EXPECT_EQ(cells[kColNumber], "2");
    EXPECT_EQ(cells[kColCation], "作図対象外");
    cells = ClassificationCells(rows[2], wq::Language::English, CellUse::Window);
    EXPECT_EQ(cells[kColSar], "－");
    EXPECT_EQ(cells[kColChadha], "7 Na-Cl (seawater)");

    // Nitrate counted with chloride turns a bicarbonate water into a chloride one.
    wq::SampleTable n;
    n.samples.push_back(wqtest::FromMeq("n", {1, 0, 2, 0, 0.5, 1.6, 0, 1.4}));
    const wqtest::Loaded withNitrate(n);
    EXPECT_EQ(ClassificationRows(withNitrate.Model(), wq::NitrateType::None)[0].anion,
              wq::PiperAnion::Bicarbonate);  // 1.6 of 2.1
    EXPECT_EQ(ClassificationRows(withNitrate.Model(), wq::NitrateType::WithChloride)[0].field,
              wq::PiperField::CaMgClSO4);  // HCO3 1.6 of 3.5

    const std::string csv = ClassificationCsv(rows, wq::Language::English);
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "number,name,group,cbe_percent,piper_cation_type,piper_anion_type,piper_field,"
              "chadha_field,sar,sodium_percent,kelly_ratio,rsc_meq_l,permeability_index,"
              "magnesium_hazard,hardness_mg_l_caco3,tds_mg_l,tds_origin,hfed_facies,ussl_class");
    EXPECT_NE(csv.find("\n1,\"井戸 A, 深部\",北,0.00,no dominant type,HCO3 type,Ca-Mg-HCO3,"),
              std::string::npos);
    EXPECT_NE(csv.find("\n2,3,,,not drawn,,,,,,,,,,,,,,\n"), std::string::npos);
    // The salt water's SAR, Kelly and MH are undefined: empty fields.
    EXPECT_NE(csv.find(",7 Na-Cl (seawater),,100.0,,0.00,100.0,,0.0,"), std::string::npos);
    for (const char* bad : {",nan", ",-nan", ",inf", ",-inf"})
        EXPECT_EQ(csv.find(bad), std::string::npos);

    // The terminal table: one line a row, the number column right-aligned under its heading.
    const std::string text = ClassificationText(rows, wq::Language::Japanese);
    EXPECT_EQ(text.rfind("番号  試料名", 0), 0u);
    EXPECT_NE(text.find("\n   2  3 "), std::string::npos);
}

}  // namespace
}  // namespace wqp

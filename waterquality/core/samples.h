// The water-quality data every diagram program works on: the sample table read from the
// workbook, the plot settings of the main window and the fixed cell layout of the workbook.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/core/language.h"

namespace wq {

// The Parts' programs draw at most 32 samples (four columns of eight); wqplot reads long
// tables of up to kMaxLongTableSamples rows.
inline constexpr int kMaxSamples = 32;
inline constexpr int kMaxLongTableSamples = 10000;
inline constexpr int kIonCount = 8;
inline constexpr int kSamplesPerColumn = 8;
inline constexpr int kMaxColumns = 4;

// Ion order used throughout: Na, K, Ca, Mg, Cl, HCO3, SO4, NO3 (index 0..7).
enum Ion : int { kNa = 0, kK, kCa, kMg, kCl, kHCO3, kSO4, kNO3 };
inline constexpr std::array<const char*, kIonCount> kIonNames{"Na", "K",    "Ca",  "Mg",
                                                              "Cl", "HCO3", "SO4", "NO3"};

// Cells of "Sheet1" (1-based rows and columns; sample i lives in column i + 1).
inline constexpr int kCountRow = 10;
inline constexpr int kCountColumn = 2;
inline constexpr int kNameRow = 11;
inline constexpr int kFirstIonRow = 12;  // Na; rows 12..19 follow the ion order
inline constexpr int kMarkRow = 20;      // ternaryplot: plotting mark
inline constexpr int kColorRow = 21;     // ternaryplot: colour number 0..15
inline int SampleColumn(int sample) {
    return sample + 1;
}
// "D14" for row 14, column 4; "AG11" for row 11, column 33.
std::string CellReference(int row, int column);

// The eight ions of one analysis, in the order above (mg/L or meq/L as the name says).
using IonValues = std::array<double, kIonCount>;

// One water analysis as read. A sample the file marks empty (a workbook column whose name is a
// bare column number) keeps its place in the table but is not drawn and holds no values.
struct Sample {
    std::string name;
    IonValues mg{};      // the eight ions, mg/L
    bool drawn = false;  // a sample with an analysis: drawn, converted, checked
    // Plotting mark (its first character) and colour number 0..15: rows 20 and 21 of the
    // workbook, `mark` and `colour` of a table.
    std::string mark;
    int colour = 0;
    // Further columns a long table may give; absent in the workbook layout.
    std::optional<double> co3;  // carbonate, mg/L
    std::optional<double> f;    // fluoride, mg/L
    std::optional<double> ec;   // electrical conductivity, µS/cm at 25 °C
    std::optional<double> ph;
    std::optional<double> tds;  // total dissolved solids, mg/L
    std::string group;          // `group`, `site` or 地点: marks, colours and legend entries
    std::string date;
};

// The samples of one file in file order: sample number n (1-based, the workbook's column n + 1
// or the table's n-th row) is samples[n - 1].
struct SampleTable {
    std::vector<Sample> samples;
    int Count() const { return static_cast<int>(samples.size()); }
    // Sample number n, 1..Count().
    const Sample& At(int number) const { return samples[static_cast<std::size_t>(number - 1)]; }
    Sample& At(int number) { return samples[static_cast<std::size_t>(number - 1)]; }
};

// How nitrate is counted; unset until the first load chooses None. The values are those the
// JSON of hydrochart and its --nitrate option carry.
enum class NitrateType : int { Unset = -1, None = 0, WithChloride = 1, WithSulfate = 2 };
// The types in the order of the "硝酸タイプ(&T)" menu, with their captions.
inline constexpr std::array<NitrateType, 3> kNitrateChoices{
    NitrateType::None, NitrateType::WithChloride, NitrateType::WithSulfate};
inline constexpr std::array<const char*, 3> kNitrateCaptions{
    hc::N("硝酸はふくまない"), hc::N("硝酸は塩素と一緒"), hc::N("硝酸は硫酸と一緒")};
// The menu item of a type (-1 while unset) and its caption ("" while unset).
int NitrateChoice(NitrateType type);
const char* NitrateCaption(NitrateType type);

// Drawing order of the column programs' rows; unset until the first load chooses BottomUp.
enum class Direction : int { Unset = 0, BottomUp = 1, TopDown = -1 };
// Sample numbers before the names (column programs) or beside the marks (ternaryplot).
enum class Numbering : int { Unset = -1, Off = 0, On = 1 };
// ternaryplot: the printed number/name table.
enum class SampleList : int { Unset = -1, Off = 0, On = 1 };

// Print line widths of the hexadiagram and Stiff programs, in menu order.
enum LineWidthIndex : int {
    kWidthPolygon = 0,
    kWidthNitrate,
    kWidthCentre,
    kWidthScale,
    kWidthLegend
};
inline constexpr std::array<int, 5> kColumnStartWidths{3, 1, 1, 2, 2};
// A print line width is 1 to 5 units ("１単位" .. "５単位").
inline constexpr int kMinLineWidth = 1;
inline constexpr int kMaxLineWidth = 5;

// wqplot: the diagram of the "図の種類" menu and its options.
enum class DiagramKind : int {
    Piper = 0,
    Schoeller,
    Chadha,
    Classification,
    Durov,  // expanded Durov: two triangles, their square, TDS and pH panels
    Hfed,   // hydrochemical facies evolution diagram (Gimenez-Forcada 2010)
    Ussl,   // irrigation: SAR against EC (USDA Handbook 60)
    Gibbs,  // TDS against Na/(Na+Ca) and Cl/(Cl+HCO3) (Gibbs 1970)
};
struct DiagramOptions {
    DiagramKind kind = DiagramKind::Piper;
    bool fields = false;          // Piper: the diamond's four fields and their names
    bool labels = false;          // sample names beside the points
    bool tdsCircles = false;      // Piper: circles scaled by TDS in the diamond
    bool potassiumApart = false;  // Schoeller: K as its own axis beside Na
    bool mixingLine = false;      // HFE-D: the mixing line of fresh water and sea water
    bool gibbsMeq = false;        // Gibbs: ratios of meq/L instead of mg/L
};

// Settings of the main window of the water-quality programs.
struct PlotSettings {
    wq::NitrateType NitrateType = wq::NitrateType::Unset;
    std::array<double, kMaxColumns + 1> ColumnScale{};  // columns 1..4, scale value S
    wq::Direction Direction = wq::Direction::Unset;
    wq::Numbering Numbering = wq::Numbering::Unset;
    wq::SampleList SampleList = wq::SampleList::Unset;
    // ternaryplot: adds each sample's diamond field to the printed table; off (the printed
    // sheet as always) unless the user asks for it.
    bool SampleListField = false;
    std::array<int, 5> LineWidths = kColumnStartWidths;
    DiagramOptions Diagram;  // wqplot only
};

// Why a table of `rows` samples is refused by a program drawing at most `maxSamples`: Japanese
// and English, without a closing full stop. sixsideplot, polyplot and ternaryplot point to wqplot.
struct TooManySamples {
    std::string ja, en;
};
TooManySamples TooManySamplesText(int rows, int maxSamples);

// Number of characters (code points) of a UTF-8 text.
int CharacterCount(const std::string& utf8);

}  // namespace wq

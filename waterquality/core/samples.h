// The water-quality data every diagram program works on: the sample table read from the
// workbook, the plot settings of the main window and the fixed cell layout of the workbook.
#pragma once

#include <array>
#include <string>

namespace wq {

inline constexpr int kMaxSamples = 32;
inline constexpr int kIonCount = 8;
inline constexpr int kAnalyteRoom = 16;  // room reserved per sample; the first 8 are used
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

using IonValues = std::array<double, kAnalyteRoom>;

// Up to 32 samples, addressed 1..32 (index 0 is unused so that sample i is entry i).
struct SampleTable {
    int SampleCount = 0;
    std::array<std::string, kMaxSamples + 1> SampleName{};
    std::array<int, kMaxSamples + 1> SampleValid{};
    std::array<IonValues, kMaxSamples + 1> RawMg{};
    std::array<IonValues, kMaxSamples + 1> Meq{};
    // Read by ternaryplot only (rows 20 and 21).
    std::array<std::string, kMaxSamples + 1> SampleMark{};
    std::array<int, kMaxSamples + 1> SampleColor{};
};

// How nitrate is counted.
inline constexpr int kNitrateUnset = -1;
inline constexpr int kNitrateNone = 0;          // "硝酸はふくまない"
inline constexpr int kNitrateWithChloride = 1;  // "硝酸は塩素と一緒"
inline constexpr int kNitrateWithSulfate = 2;   // "硝酸は硫酸と一緒"
inline constexpr std::array<const char*, 3> kNitrateCaptions{"硝酸はふくまない", "硝酸は塩素と一緒",
                                                             "硝酸は硫酸と一緒"};

// Print line widths of the hexadiagram and Stiff programs, in menu order.
enum LineWidthIndex : int {
    kWidthPolygon = 0,
    kWidthNitrate,
    kWidthCentre,
    kWidthScale,
    kWidthLegend
};

// Settings of the main window of the hexadiagram and Stiff programs.
struct PlotSettings {
    int NitrateType = kNitrateUnset;                    // -1 until the first load
    std::array<double, kMaxColumns + 1> ColumnScale{};  // columns 1..4, scale value S
    int Direction = 0;   // 0 until the first load, 1 bottom-up, -1 top-down
    int Numbering = -1;  // -1 until the first load, 1 numbered names, 0 names only
    // ternaryplot: -1 until the first load, then 1 (printed number/name table) or 0.
    int SampleList = -1;
    // ternaryplot: 1 adds each sample's diamond field to the printed table; 0 (the printed
    // sheet as always) unless the user asks for it.
    int SampleListField = 0;
    std::array<int, 5> LineWidths{3, 1, 1, 2, 2};
};

// Number of characters (code points) of a UTF-8 text.
int CharacterCount(const std::string& utf8);

}  // namespace wq

// The surveyed river cross-section of flowcalc: reading a section file into a fresh object,
// the automatic chart scales chosen from it, and the help text shipped beside the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/core/result.h"

namespace flow {

// A section file holds at most this many points; the grid editor holds as many.
inline constexpr int kMaxPoints = 256;

struct CrossSection {
    std::int32_t PointCount = 0;
    std::vector<double> PointX;  // metres from the left end; index 0 is point 1
    std::vector<double> PointY;  // elevation in metres
    // Manning's n of each segment (segment k joins point k to k + 1), from a file's third
    // column; empty when the file gives none and the single n applies.
    std::vector<double> SegmentN;
    double BedLevel = 0;         // lowest elevation
    double MinX = 0;
    double MaxX = 0;
    std::string DataPath;

    double X(int k) const { return PointX[static_cast<std::size_t>(k - 1)]; }  // 1-based
    double Y(int k) const { return PointY[static_cast<std::size_t>(k - 1)]; }
};

// Chart scales: the frame shows 0..HScale/4 m across and VScale/10 m of elevation around YCentre.
struct ChartScales {
    std::int32_t HScale = 0;
    std::int32_t VScale = 0;
    double YCentre = 0;
};

// A section file read whole, with the automatic scales chosen for it.
struct LoadedSection {
    CrossSection Section;
    ChartScales Scales;
};

// Reads the text of a section file: the point count, then that many distance/elevation pairs.
// A refusal names the line: BadCount for a count outside 1..kMaxPoints or a file that ends
// before the last pair, BadValue for an item that is not a number.
hc::Result<LoadedSection> ParseSection(const std::string& text);
// Reads the CSV form of a section: a row per point, "distance,elevation" or
// "distance,elevation,n" (n of the segment from this point to the next; the last row's n is
// not used), an optional header row first. Every row has as many columns as the first; an n
// must be above 0. Refusals as ParseSection's.
hc::Result<LoadedSection> ParseSectionCsv(const std::string& text);
// Reads the file at path (DataPath becomes path): the CSV form when its name ends in .csv,
// else the text form; CannotRead when it cannot be read. Every refusal names the file.
hc::Result<LoadedSection> LoadSection(const std::string& path);

// Horizontal scale from the largest distance (the smallest table entry whose bound is above it).
std::int32_t HScaleFor(double maxX);
// Vertical scale and grid step from the elevation range.
struct VScaleChoice {
    std::int32_t vscale;
    double step;
};
VScaleChoice VScaleFor(double elevationRange);
// The automatic scales of a loaded section.
ChartScales AutoScales(const CrossSection& section);

// The main window caption after a load.
std::string MainCaption(const std::string& dataPath);

// Whether a section file's name asks for the CSV form (it ends in .csv, in either case).
bool IsCsvSectionPath(const std::string& path);
// Whether a section file is in the CSV form: its name ends in .csv and its first line has a
// comma. A file of the count-first form keeps that form whatever its name (a first line is a
// count alone there), so that files named .csv before the CSV form came stay readable.
bool IsCsvSectionFile(const std::string& path, const std::string& text);

// The text of a section file as the grid editor writes it: the count, then "x y" per line; for
// a path in the CSV form, a header and "x,y" per line, which that form reads back.
std::string SectionFileText(const std::vector<double>& x, const std::vector<double>& y);
std::string SectionFileTextFor(const std::string& path, const std::vector<double>& x,
                               const std::vector<double>& y);

// The how-to-use text: every line of the file preceded by CR LF. Empty when the file is missing.
std::string ReadHelpText(const std::string& path);

}  // namespace flow

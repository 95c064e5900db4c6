// Manning discharge of a cross-section at one water depth: the wetted sub-channels where the
// water surface cuts the bed, and area, wetted perimeter, velocity and discharge of each.
#pragma once

#include <cstdint>
#include <vector>

#include "flowcalc/core/cross_section.h"

namespace flow {

// How the analysis windows (rating, normal depth, specific energy) add up the section: by
// subdivision, or each wetted sub-channel whole as the main sheet does.
enum class ConveyanceMethod { Subdivided, Parts };
// The units of the surveyed section: metres, or feet with Manning's factor 1.486.
enum class Units { SI, US };

// Left and right bank stations: the main channel between them is one element.
struct BankStations {
    bool Set = false;
    double Left = 0;
    double Right = 0;
};

struct FlowParameters {
    double RangeLeft = 0;  // only bed segments inside the range take part (m)
    double RangeRight = 0;
    double Roughness = 0;               // Manning's n
    std::int32_t SlopeDenominator = 0;  // bed slope I = 1/N
    double Depth = 0;                   // water depth above the bed level (m)
    // The analysis windows' choices; the main sheet always computes per sub-channel in metres.
    ConveyanceMethod Method = ConveyanceMethod::Subdivided;
    BankStations Banks;
    Units Unit = Units::SI;
};

// One wetted sub-channel between a left-bank segment and a right-bank segment
// (segment k joins point k to point k + 1; 1-based).
struct WetSection {
    int LeftSegment = 0;
    int RightSegment = 0;
    double xl = 0, xr = 0;  // water-line crossings
    double B = 0;           // top width
    double A = 0, P = 0, R = 0, V = 0, Q = 0;
};

struct DischargeResult {
    double WaterLevel = 0;
    std::vector<WetSection> Sections;
    double TotalDischarge = 0;  // m3/s
    double MaxVelocity = 0;     // m/s
    double TotalWidth = 0;      // m, narrow sections included
};

// Sections narrower than this carry no flow; areas below kMinArea count as dry.
inline constexpr double kMinWidth = 0.01;
inline constexpr double kMinArea = 0.00001;

// Every wetted sub-channel is computed, however many the section has.
DischargeResult ComputeDischarge(const CrossSection& section, const FlowParameters& p);

}  // namespace flow

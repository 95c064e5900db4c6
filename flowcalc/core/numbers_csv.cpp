#include "flowcalc/core/numbers_csv.h"

#include <vector>

#include "common/core/csv.h"

namespace flow {

std::string DischargeCsv(const FlowParameters& p, const DischargeResult& r) {
    using hc::CsvNumber;
    hc::CsvTable csv;
    csv.Row({"sub-channel", "left x (m)", "right x (m)", "width (m)", "area (m2)",
             "wetted perimeter (m)", "hydraulic radius (m)", "velocity (m/s)", "discharge (m3/s)"});
    double area = 0, perimeter = 0;
    for (std::size_t i = 0; i < r.Sections.size(); ++i) {
        const WetSection& s = r.Sections[i];
        csv.Row({std::to_string(i + 1), CsvNumber(s.xl), CsvNumber(s.xr), CsvNumber(s.B),
                 CsvNumber(s.A), CsvNumber(s.P), CsvNumber(s.R), CsvNumber(s.V), CsvNumber(s.Q)});
        area += s.A;
        perimeter += s.P;
    }
    csv.Row({"total", "", "", CsvNumber(r.TotalWidth), CsvNumber(area), CsvNumber(perimeter), "",
             "", CsvNumber(r.TotalDischarge)});
    csv.Blank();
    csv.Row({"item", "value"});
    csv.Row({"water depth (m)", CsvNumber(p.Depth)});
    csv.Row({"water level (m)", CsvNumber(r.WaterLevel)});
    csv.Row({"roughness n", CsvNumber(p.Roughness)});
    csv.Row({"bed slope 1/I", std::to_string(p.SlopeDenominator)});
    csv.Row({"range left (m)", CsvNumber(p.RangeLeft)});
    csv.Row({"range right (m)", CsvNumber(p.RangeRight)});
    csv.Row({"largest velocity (m/s)", CsvNumber(r.MaxVelocity)});
    csv.Row({"discharge (m3/s)", CsvNumber(r.TotalDischarge)});
    return csv.Text();
}

namespace {

std::string WithUnit(const char* name, const char* unit) {
    return std::string(name) + " (" + unit + ")";
}

// The analysis settings under a table's parameters.
void AnalysisRows(hc::CsvTable& csv, const FlowParameters& p, bool sectionRoughness) {
    using hc::CsvNumber;
    const UnitNames u = AsciiUnits(p.Unit);
    csv.Row({"roughness n", sectionRoughness ? "the section's n across" : CsvNumber(p.Roughness)});
    csv.Row({"bed slope 1/I", std::to_string(p.SlopeDenominator)});
    csv.Row({WithUnit("range left", u.Length), CsvNumber(p.RangeLeft)});
    csv.Row({WithUnit("range right", u.Length), CsvNumber(p.RangeRight)});
    csv.Row({"method", MethodName(p.Method)});
    if (p.Method == ConveyanceMethod::Subdivided && p.Banks.Set) {
        csv.Row({WithUnit("left bank station", u.Length), CsvNumber(p.Banks.Left)});
        csv.Row({WithUnit("right bank station", u.Length), CsvNumber(p.Banks.Right)});
    }
    csv.Row({"units", UnitsName(p.Unit)});
}

}  // namespace

std::string RatingCsv(const FlowParameters& p, const RatingCurve& c) {
    using hc::CsvNumber;
    const UnitNames u = AsciiUnits(p.Unit);
    hc::CsvTable csv;
    csv.Row({WithUnit("water depth", u.Length), WithUnit("water level", u.Length),
             WithUnit("area", u.Area), WithUnit("wetted perimeter", u.Length),
             WithUnit("top width", u.Length), WithUnit("mean velocity", u.Velocity),
             "Froude number", WithUnit("discharge", u.Discharge), "velocity coefficient alpha"});
    for (const RatingRow& r : c.Rows)
        csv.Row({CsvNumber(r.Depth), CsvNumber(r.Level), CsvNumber(r.Area), CsvNumber(r.Perimeter),
                 CsvNumber(r.TopWidth), CsvNumber(r.Velocity), CsvNumber(r.Froude),
                 CsvNumber(r.Discharge), CsvNumber(r.Alpha)});
    csv.Blank();
    csv.Row({"item", "value"});
    csv.Row({WithUnit("stage step", u.Length), CsvNumber(c.Step)});
    csv.Row({WithUnit("bed level", u.Length), CsvNumber(c.BedLevel)});
    csv.Row({WithUnit("lower bank top", u.Length), CsvNumber(c.BankTop)});
    AnalysisRows(csv, p, c.SectionRoughness);
    return csv.Text();
}

std::string EnergyCsv(const FlowParameters& p, const EnergyCurve& c) {
    using hc::CsvNumber;
    const UnitNames u = AsciiUnits(p.Unit);
    hc::CsvTable csv;
    csv.Row({WithUnit("water depth", u.Length), WithUnit("water level", u.Length),
             WithUnit("area", u.Area), WithUnit("top width", u.Length),
             "velocity coefficient alpha", WithUnit("mean velocity", u.Velocity),
             WithUnit("specific energy", u.Length), "Froude number", "critical"});
    for (const EnergyRow& r : c.Rows)
        csv.Row({CsvNumber(r.Depth), CsvNumber(r.Level), CsvNumber(r.Area), CsvNumber(r.TopWidth),
                 CsvNumber(r.Alpha), CsvNumber(r.Velocity), CsvNumber(r.Energy),
                 CsvNumber(r.Froude), r.Critical ? "yes" : ""});
    csv.Blank();
    csv.Row({"item", "value"});
    csv.Row({WithUnit("discharge", u.Discharge), CsvNumber(c.Discharge)});
    csv.Row({WithUnit("depth step", u.Length), CsvNumber(c.Step)});
    csv.Row({WithUnit("bed level", u.Length), CsvNumber(c.BedLevel)});
    csv.Row({WithUnit("lower bank top", u.Length), CsvNumber(c.BankTop)});
    for (std::size_t i = 0; i < c.Critical.size(); ++i) {
        const std::string k = std::to_string(i + 1);
        csv.Row(
            {WithUnit(("critical depth " + k).c_str(), u.Length), CsvNumber(c.Critical[i].Depth)});
        csv.Row({WithUnit(("least specific energy " + k).c_str(), u.Length),
                 CsvNumber(c.Critical[i].Energy)});
    }
    AnalysisRows(csv, p, c.SectionRoughness);
    return csv.Text();
}

std::string FroudeCsv(const CrossSection& s, const FlowParameters& p, const DischargeResult& r) {
    using hc::CsvNumber;
    hc::CsvTable t;
    t.Row({"left_m", "right_m", "top_width_m", "area_m2", "velocity_m_s", "discharge_m3_s",
           "froude", "regime", "n_horton_einstein", "n_lotter"});
    const std::vector<SubChannelFroude> fr = ComputeFroude(r);
    const std::vector<CompositeRoughness> n = ComputeCompositeRoughness(s, p);
    for (std::size_t i = 0; i < r.Sections.size(); ++i) {
        const WetSection& w = r.Sections[i];
        t.Row({CsvNumber(w.xl), CsvNumber(w.xr), CsvNumber(w.B), CsvNumber(w.A), CsvNumber(w.V),
               CsvNumber(w.Q), CsvNumber(fr[i].Froude), RegimeName(fr[i].Regime),
               CsvNumber(n[i].HortonEinstein), CsvNumber(n[i].Lotter)});
    }
    return t.Text();
}

}  // namespace flow

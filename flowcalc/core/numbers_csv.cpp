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

std::string RatingCsv(const FlowParameters& p, const RatingCurve& c) {
    using hc::CsvNumber;
    hc::CsvTable csv;
    csv.Row({"water depth (m)", "water level (m)", "area (m2)", "wetted perimeter (m)",
             "top width (m)", "mean velocity (m/s)", "Froude number", "discharge (m3/s)"});
    for (const RatingRow& r : c.Rows)
        csv.Row({CsvNumber(r.Depth), CsvNumber(r.Level), CsvNumber(r.Area), CsvNumber(r.Perimeter),
                 CsvNumber(r.TopWidth), CsvNumber(r.Velocity), CsvNumber(r.Froude),
                 CsvNumber(r.Discharge)});
    csv.Blank();
    csv.Row({"item", "value"});
    csv.Row({"stage step (m)", CsvNumber(c.Step)});
    csv.Row({"bed level (m)", CsvNumber(c.BedLevel)});
    csv.Row({"lower bank top (m)", CsvNumber(c.BankTop)});
    csv.Row({"roughness n", CsvNumber(p.Roughness)});
    csv.Row({"bed slope 1/I", std::to_string(p.SlopeDenominator)});
    csv.Row({"range left (m)", CsvNumber(p.RangeLeft)});
    csv.Row({"range right (m)", CsvNumber(p.RangeRight)});
    return csv.Text();
}

std::string FroudeCsv(const DischargeResult& r) {
    using hc::CsvNumber;
    hc::CsvTable t;
    t.Row({"left_m", "right_m", "top_width_m", "area_m2", "velocity_m_s", "discharge_m3_s",
           "froude", "regime"});
    const std::vector<SubChannelFroude> fr = ComputeFroude(r);
    for (std::size_t i = 0; i < r.Sections.size(); ++i) {
        const WetSection& w = r.Sections[i];
        t.Row({CsvNumber(w.xl), CsvNumber(w.xr), CsvNumber(w.B), CsvNumber(w.A), CsvNumber(w.V),
               CsvNumber(w.Q), CsvNumber(fr[i].Froude), RegimeName(fr[i].Regime)});
    }
    return t.Text();
}

}  // namespace flow

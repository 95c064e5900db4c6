// What the shared main window asks of a water-quality program's diagram: the conversion after
// a load, the screen picture and the print run. The column programs (hexadiagram, Stiff
// diagram) implement it with ColumnStrategy over their own column procedures.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/core/surface.h"
#include "waterquality/core/column_chart.h"
#include "waterquality/core/meq.h"
#include "waterquality/core/numbers_csv.h"
#include "waterquality/core/sample_model.h"
#include "waterquality/core/samples.h"

namespace wq {

// A table of texts as a window shows it: the headings and, per row, one text per column.
struct TextTable {
    std::vector<std::string> headings;
    std::vector<bool> numeric;  // per column: aligned right
    std::vector<std::vector<std::string>> rows;
};

class DiagramStrategy {
  public:
    virtual ~DiagramStrategy() = default;
    // After a load: the automatic scale of the samples' meq/L, put into the settings where the
    // diagram has scales.
    virtual ScaleChoice Convert(const SampleModel& model, PlotSettings& settings) const = 0;
    // The whole screen picture on the canvas (the routine sets the canvas's user scale).
    virtual void DrawScreen(hc::Surface& canvas, const SampleModel& model,
                            const PlotSettings& settings) const = 0;
    // The whole print run, ending every document it begins.
    virtual void Print(hc::Surface& printer, const SampleModel& model, const PlotSettings& settings,
                       const PrintOffset& offset) const = 0;
    // The numbers behind the chart, as saved by File>数値を保存.
    virtual std::string Csv(const SampleModel& model, const PlotSettings& settings) const = 0;
    // A table the window shows instead of the picture (wqplot's classification table); none
    // for the diagrams.
    virtual std::optional<TextTable> Table(const SampleModel& /*model*/,
                                           const PlotSettings& /*settings*/) const {
        return std::nullopt;
    }
};

class ColumnStrategy : public DiagramStrategy {
  public:
    explicit ColumnStrategy(const ColumnDiagram& diagram) : diagram_(diagram) {}
    ScaleChoice Convert(const SampleModel& model, PlotSettings& settings) const override {
        const ScaleChoice choice = AutoScaleOf(model.compositions);
        ApplyAutoScale(settings, choice);
        return choice;
    }
    void DrawScreen(hc::Surface& canvas, const SampleModel& model,
                    const PlotSettings& settings) const override {
        wq::DrawScreen(canvas, model, settings, diagram_);
    }
    void Print(hc::Surface& printer, const SampleModel& model, const PlotSettings& settings,
               const PrintOffset& offset) const override {
        PrintRun(printer, model, settings, offset, diagram_);
    }
    std::string Csv(const SampleModel& model, const PlotSettings& settings) const override {
        return ColumnChartCsv(model, settings);
    }

  private:
    const ColumnDiagram& diagram_;
};

}  // namespace wq

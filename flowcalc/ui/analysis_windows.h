// The analysis menu's windows: the stage-discharge table and chart of the section (with its
// CSV, its figure and its A4 sheet), and the normal depth at which the section carries a
// discharge, which then becomes the depth the main window draws.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableWidget>
#include <optional>

#include "common/core/platform.h"
#include "common/ui/chart_export.h"
#include "common/ui/picture_box.h"
#include "flowcalc/core/flow_app.h"

namespace flow {

class RatingWindow : public QMainWindow {
    Q_OBJECT
  public:
    RatingWindow(const FlowApp& app, hc::PlatformServices& platform, QWidget* parent);

    // The table in force (after a good step), for the CSV, the picture and the sheet.
    const std::optional<RatingCurve>& Curve() const { return curve_; }

  private Q_SLOTS:
    // Computes the table for the step typed; a refused step keeps the table shown.
    void Compute();
    void Print();
    void CopyTable();
    void Redraw();

  private:
    void Status(const std::string& text);
    // The title names the section of the table shown, which a later load does not change.
    void ShowTitle();

    const FlowApp& app_;
    hc::PlatformServices& platform_;
    std::optional<RatingCurve> curve_;
    // What the table was computed with: the sheet and the CSV name these, whatever the main
    // window has set since.
    FlowParameters parameters_;
    std::string dataPath_;
    QLineEdit* step_;
    QTableWidget* table_;
    hc::PictureBox* picture_;
    hc::ChartExportActions* exports_ = nullptr;
    QAction* printItem_ = nullptr;
    QAction* copyItem_ = nullptr;
};

class NormalDepthWindow : public QDialog {
    Q_OBJECT
  public:
    NormalDepthWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent);

  Q_SIGNALS:
    // The normal depth is the depth in force and was computed: show and draw it.
    void Computed();

  private Q_SLOTS:
    void Compute();

  private:
    FlowApp& app_;
    hc::PlatformServices& platform_;
    QLineEdit* discharge_;
    QLabel* depth_;
    QLabel* level_;
};

}  // namespace flow

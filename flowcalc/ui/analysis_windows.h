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
    // The unit and the method of the table shown, beside the step.
    void ShowMethod(const FlowParameters& p);

    const FlowApp& app_;
    hc::PlatformServices& platform_;
    std::optional<RatingCurve> curve_;
    // What the table was computed with: the sheet and the CSV name these, whatever the main
    // window has set since.
    FlowParameters parameters_;
    std::string dataPath_;
    QLineEdit* step_;
    QLabel* how_;
    QTableWidget* table_;
    hc::PictureBox* picture_;
    hc::ChartExportActions* exports_ = nullptr;
    QAction* printItem_ = nullptr;
    QAction* copyItem_ = nullptr;
};

// The specific energy of the section carrying a discharge against the depth: the table, the
// chart with every critical depth, its CSV and its A4 sheet.
class EnergyWindow : public QMainWindow {
    Q_OBJECT
  public:
    EnergyWindow(const FlowApp& app, hc::PlatformServices& platform, QWidget* parent);

    const std::optional<EnergyCurve>& Curve() const { return curve_; }

  private Q_SLOTS:
    // Computes the curve for the discharge and step typed; a refusal keeps the curve shown.
    void Compute();
    void Print();
    void CopyTable();
    void Redraw();

  private:
    void Status(const std::string& text);

    const FlowApp& app_;
    hc::PlatformServices& platform_;
    std::optional<EnergyCurve> curve_;
    FlowParameters parameters_;
    std::string dataPath_;
    QLineEdit* discharge_;
    QLineEdit* step_;
    QLabel* critical_;
    QTableWidget* table_;
    hc::PictureBox* picture_;
    hc::ChartExportActions* exports_ = nullptr;
    QAction* printItem_ = nullptr;
    QAction* copyItem_ = nullptr;
};

// The bank stations between which the main channel is one element; both boxes empty divides
// the section at every point again.
class BanksWindow : public QDialog {
    Q_OBJECT
  public:
    BanksWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent);

  private Q_SLOTS:
    void Apply();

  private:
    FlowApp& app_;
    hc::PlatformServices& platform_;
    QLineEdit* left_;
    QLineEdit* right_;
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

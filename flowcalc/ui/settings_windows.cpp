#include "flowcalc/ui/settings_windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <optional>

#include "common/core/numbers.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/messages.h"

namespace flow {

namespace {

QLineEdit* AddRow(QDialog* d, QGridLayout* g, int row, const char* label, const char* name) {
    auto* caption = new QLabel(hc::T(label), d);
    g->addWidget(caption, row, 0);
    auto* box = new QLineEdit(d);
    caption->setBuddy(box);
    box->setObjectName(name);
    box->setFixedWidth(120);
    g->addWidget(box, row, 1);
    return box;
}

QPushButton* AddButton(QDialog* d, QHBoxLayout* row, const char* text, const char* name) {
    auto* b = new QPushButton(hc::T(text), d);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

void SetUp(QDialog* d, const char* name, const char* title) {
    d->setObjectName(name);
    d->setWindowTitle(hc::T(title));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowModality(Qt::ApplicationModal);
}

QString Number(double v) {
    return hc::Q(hc::DoubleToText(v));
}

}  // namespace

ScaleWindow::ScaleWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    SetUp(this, "Form2", hc::N("スケールと解析範囲の設定"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(hc::T("断面のスケールと解析範囲（水を流す範囲）を設定します。"), this));
    auto* g = new QGridLayout;
    hscale_ = AddRow(this, g, 0, hc::N("Ｘ方向（水平方向）スケール： １／"), "Text1");
    vscale_ = AddRow(this, g, 1, hc::N("Ｙ方向（鉛直方向）スケール： １／"), "Text2");
    rangeLeft_ = AddRow(this, g, 2, hc::N("解析範囲の左端のＸ座標 >>>>>>>>"), "Text3");
    rangeRight_ = AddRow(this, g, 3, hc::N("解析範囲の右端のＸ座標 >>>>>>>>"), "Text4");
    v->addLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* confirm = AddButton(this, buttons, hc::N("この値で設定"), "Command1");
    QPushButton* cancel = AddButton(this, buttons, hc::N("キャンセル"), "Command2");
    v->addLayout(buttons);
    confirm->setDefault(true);  // Enter confirms
    connect(confirm, &QPushButton::clicked, this, &ScaleWindow::Confirm);
    connect(cancel, &QPushButton::clicked, this, &ScaleWindow::Cancel);

    hscale_->setText(QString::number(app_.Scales().HScale));
    vscale_->setText(QString::number(app_.Scales().VScale));
    rangeLeft_->setText(Number(app_.Parameters().RangeLeft));
    rangeRight_->setText(Number(app_.Parameters().RangeRight));
    adjustSize();
    setMinimumSize(sizeHint());
    hc::CentreOnScreen(this);
}

void ScaleWindow::Refuse(const hc::Error& error, QLineEdit* focus) {
    platform_.MessageBox(hc::ShownReason(error), hc::TS(text::kTitle));
    focus->setFocus();
    focus->selectAll();
}

void ScaleWindow::Confirm() {
    // A refused entry leaves the values in force untouched, so that a later cancel never
    // computes or draws with a scale of 0 or an empty range.
    hc::Result<ScaleChoice> scales = ReadScales(hc::S(hscale_->text()), hc::S(vscale_->text()));
    if (!scales)
        return Refuse(scales.error(), hscale_);
    hc::Result<AnalysisRange> range =
        ReadRange(app_.Section(), hc::S(rangeLeft_->text()), hc::S(rangeRight_->text()));
    if (!range)
        return Refuse(range.error(), rangeLeft_);
    hc::Result<FollowUp> next = app_.SetScales(*scales, *range);
    if (!next)
        return Refuse(next.error(), hscale_);
    Q_EMIT Entered({hscale_->text(), vscale_->text(), rangeLeft_->text(), rangeRight_->text()});
    if (*next == FollowUp::Compute) {
        hide();
        Q_EMIT ComputeRequested();
    } else {
        Q_EMIT ParametersRequested();
    }
    close();
}

void ScaleWindow::Cancel() {
    if (app_.CancelScales() == FollowUp::Compute) {
        hide();
        Q_EMIT ComputeRequested();
    }
    close();
}

ParameterWindow::ParameterWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    SetUp(this, "Form3", hc::N("パラメータの設定"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(hc::T("マニング式の計算に必要なパラメータを設定します。"), this));
    auto* g = new QGridLayout;
    roughness_ = AddRow(this, g, 0, hc::N("粗度係数  ｎ ＝"), "Text1");
    slope_ = AddRow(this, g, 1, hc::N("河床勾配 I ＝ １／"), "Text2");
    depth_ = AddRow(this, g, 2, hc::N("最大水深  ｄ ＝"), "Text3");
    v->addLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* confirm = AddButton(this, buttons, hc::N("この値で計算"), "Command1");
    QPushButton* cancel = AddButton(this, buttons, hc::N("キャンセル"), "Command2");
    v->addLayout(buttons);
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, &ParameterWindow::Confirm);
    connect(cancel, &QPushButton::clicked, this, &ParameterWindow::Cancel);

    // Values still 0 get the defaults; a new file thus proposes 1 m while roughness and slope
    // keep the user's last values.
    const FlowParameters& p = app_.ProposeParameters();
    roughness_->setText(Number(p.Roughness));
    slope_->setText(QString::number(p.SlopeDenominator));
    depth_->setText(Number(p.Depth));
    adjustSize();
    setMinimumSize(sizeHint());
    hc::CentreOnScreen(this);
}

void ParameterWindow::Refuse(const hc::Error& error, QLineEdit* focus) {
    platform_.MessageBox(hc::ShownReason(error), hc::TS(text::kTitle));
    focus->setFocus();
    focus->selectAll();
}

void ParameterWindow::Confirm() {
    hc::Result<double> n = ReadNumber(Setting::Roughness, hc::S(roughness_->text()));
    if (!n)
        return Refuse(n.error(), roughness_);
    hc::Result<std::int32_t> slope = ReadWholeNumber(Setting::Slope, hc::S(slope_->text()));
    if (!slope)
        return Refuse(slope.error(), slope_);
    hc::Result<double> d = ReadNumber(Setting::Depth, hc::S(depth_->text()));
    if (!d)
        return Refuse(d.error(), depth_);
    app_.StoreParameters(*n, *slope, *d);
    Q_EMIT Entered({roughness_->text(), slope_->text(), depth_->text()});
    if (hc::Status ok = CheckRoughness(*n); !ok)
        return Refuse(ok.error(), roughness_);
    if (hc::Status ok = CheckSlope(*slope); !ok)
        return Refuse(ok.error(), slope_);
    if (hc::Status ok = CheckDepth(*d); !ok)
        return Refuse(ok.error(), depth_);
    ComputeAndClose();
}

void ParameterWindow::ComputeAndClose() {
    hide();
    Q_EMIT ComputeRequested();
    close();
}

void ParameterWindow::Cancel() {
    if (hc::Status usable = app_.CancelParameters(); !usable) {
        platform_.MessageBox(hc::ShownReason(usable.error()), hc::TS(text::kTitle));
        close();
        return;
    }
    ComputeAndClose();
}

}  // namespace flow

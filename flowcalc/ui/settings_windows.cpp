#include "flowcalc/ui/settings_windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <optional>

#include "common/core/numbers.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/ui/form1.h"

namespace flow {

namespace {

constexpr double kMinRoughness = 0.001;
constexpr double kMaxRoughness = 1;
constexpr double kMinDepth = 0.01;

QLineEdit* AddRow(QDialog* d, QGridLayout* g, int row, const char* label, const char* name) {
    g->addWidget(new QLabel(hc::Q(label), d), row, 0);
    auto* box = new QLineEdit(d);
    box->setObjectName(name);
    box->setFixedWidth(120);
    g->addWidget(box, row, 1);
    return box;
}

QPushButton* AddButton(QDialog* d, QHBoxLayout* row, const char* text, const char* name) {
    auto* b = new QPushButton(hc::Q(text), d);
    b->setObjectName(name);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

void SetUp(QDialog* d, const char* name, const char* title) {
    d->setObjectName(name);
    d->setWindowTitle(hc::Q(title));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowModality(Qt::ApplicationModal);
}

QString Number(double v) {
    return hc::Q(hc::DoubleToText(v));
}

}  // namespace

Form2::Form2(Form1& main) : QDialog(&main), main_(main) {
    SetUp(this, "Form2", "スケールと解析範囲の設定");
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(hc::Q("断面のスケールと解析範囲（水を流す範囲）を設定します。"), this));
    auto* g = new QGridLayout;
    Text1 = AddRow(this, g, 0, "Ｘ方向（水平方向）スケール： １／", "Text1");
    Text2 = AddRow(this, g, 1, "Ｙ方向（鉛直方向）スケール： １／", "Text2");
    Text3 = AddRow(this, g, 2, "解析範囲の左端のＸ座標 >>>>>>>>", "Text3");
    Text4 = AddRow(this, g, 3, "解析範囲の右端のＸ座標 >>>>>>>>", "Text4");
    v->addLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Command1 = AddButton(this, buttons, "この値で設定", "Command1");
    Command2 = AddButton(this, buttons, "キャンセル", "Command2");
    v->addLayout(buttons);
    Command1->setDefault(true);  // Enter confirms
    connect(Command1, &QPushButton::clicked, this, &Form2::Confirm);
    connect(Command2, &QPushButton::clicked, this, &Form2::Cancel);

    const FlowModel& m = main_.Model();
    Text1->setText(QString::number(m.Scales.HScale));
    Text2->setText(QString::number(m.Scales.VScale));
    Text3->setText(Number(m.Parameters.RangeLeft));
    Text4->setText(Number(m.Parameters.RangeRight));
    adjustSize();
    hc::CentreOnScreen(this);
}

void Form2::Refuse(const char* message, QLineEdit* focus) {
    main_.Platform().MessageBox(message, text::kTitle);
    focus->setFocus();
    focus->selectAll();
}

void Form2::Confirm() {
    // A refused entry leaves the values in force untouched, so that a later cancel never
    // computes or draws with a scale of 0 or an empty range.
    auto h = hc::TryTextToInt32(hc::S(Text1->text()));
    auto v = hc::TryTextToInt32(hc::S(Text2->text()));
    if (!h || !v || *h <= 1 || *v <= 1)
        return Refuse(text::kScaleInvalid, Text1);
    auto l = hc::TryTextToDouble(hc::S(Text3->text()));
    auto r = hc::TryTextToDouble(hc::S(Text4->text()));
    FlowModel& m = main_.Model();
    const CrossSection& s = m.Section;
    if (!l || !r || s.PointCount < 1 || *r > s.X(s.PointCount) || !(*l < *r))
        return Refuse(text::kRangeInvalid, Text3);
    m.Scales.HScale = *h;
    m.Scales.VScale = *v;
    m.Parameters.RangeLeft = *l;
    m.Parameters.RangeRight = *r;
    main_.PanelBox(1)->setText(Text1->text());
    main_.PanelBox(2)->setText(Text2->text());
    main_.PanelBox(3)->setText(Text3->text());
    main_.PanelBox(4)->setText(Text4->text());
    if (m.Parameters.Depth >= kMinDepth) {
        hide();
        main_.ComputeAndDraw();
    } else {
        main_.OpenParameterWindow();
    }
    close();
}

void Form2::Cancel() {
    if (main_.Model().Parameters.Depth >= kMinDepth) {
        hide();
        main_.ComputeAndDraw();
    }
    close();
}

Form3::Form3(Form1& main) : QDialog(&main), main_(main) {
    SetUp(this, "Form3", "パラメータの設定");
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(hc::Q("マニング式の計算に必要なパラメータを設定します。"), this));
    auto* g = new QGridLayout;
    Text1 = AddRow(this, g, 0, "粗度係数  ｎ ＝", "Text1");
    Text2 = AddRow(this, g, 1, "河床勾配 I ＝ １／", "Text2");
    Text3 = AddRow(this, g, 2, "最大水深  ｄ ＝", "Text3");
    v->addLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Command1 = AddButton(this, buttons, "この値で計算", "Command1");
    Command2 = AddButton(this, buttons, "キャンセル", "Command2");
    v->addLayout(buttons);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form3::Confirm);
    connect(Command2, &QPushButton::clicked, this, &Form3::Cancel);

    // Values still 0 get the defaults; a new file thus proposes 1 m while roughness and slope
    // keep the user's last values.
    FlowParameters& p = main_.Model().Parameters;
    ApplyParameterDefaults(p);
    Text1->setText(Number(p.Roughness));
    Text2->setText(QString::number(p.SlopeDenominator));
    Text3->setText(Number(p.Depth));
    adjustSize();
    hc::CentreOnScreen(this);
}

void Form3::Refuse(const char* message, QLineEdit* focus) {
    main_.Platform().MessageBox(message, text::kTitle);
    focus->setFocus();
    focus->selectAll();
}

void Form3::Confirm() {
    auto n = hc::TryTextToDouble(hc::S(Text1->text()));
    if (!n)
        return Refuse(text::kRoughnessInvalid, Text1);
    auto slope = hc::TryTextToInt32(hc::S(Text2->text()));
    if (!slope)
        return Refuse(text::kSlopeInvalid, Text2);
    auto d = hc::TryTextToDouble(hc::S(Text3->text()));
    if (!d)
        return Refuse(text::kDepthInvalid, Text3);
    FlowParameters& p = main_.Model().Parameters;
    p.Roughness = *n;
    p.SlopeDenominator = *slope;
    p.Depth = *d;
    main_.PanelBox(5)->setText(Text1->text());
    main_.PanelBox(6)->setText(Text2->text());
    main_.PanelBox(7)->setText(Text3->text());
    if (p.Roughness < kMinRoughness || p.Roughness > kMaxRoughness)
        return Refuse(text::kRoughnessInvalid, Text1);
    if (p.SlopeDenominator < 1)
        return Refuse(text::kSlopeInvalid, Text2);
    if (p.Depth < kMinDepth)
        return Refuse(text::kDepthInvalid, Text3);
    ComputeAndClose();
}

void Form3::ComputeAndClose() {
    hide();
    main_.ComputeAndDraw();
    main_.EnablePrint();
    close();
}

void Form3::Cancel() {
    if (ParametersUsable(main_.Model().Parameters)) {
        ComputeAndClose();
        return;
    }
    main_.Platform().MessageBox(text::kParametersUnusable, text::kTitle);
    close();
}

}  // namespace flow

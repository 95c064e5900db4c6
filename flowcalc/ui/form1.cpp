#include "flowcalc/ui/form1.h"

#include "flowcalc/core/numbers_csv.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "common/core/numbers.h"
#include "common/ui/about_window.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/ui/grid_editor.h"
#include "flowcalc/ui/help_window.h"
#include "flowcalc/ui/settings_windows.h"

namespace flow {

namespace {

// Picture1 keeps the proportions of the designed picture (9735 x 4815 twips) inside
// whatever room the window gives it, so the chart is never stretched.
constexpr double kPictureAspect = 9735.0 / 4815.0;
constexpr int kSplashCloseTick = 33;

class AspectBox : public QWidget {
  public:
    AspectBox(QWidget* child, QWidget* parent) : QWidget(parent), child_(child) {
        child_->setParent(this);
        setMinimumSize(480, 240);
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        int w = width();
        int h = static_cast<int>(w / kPictureAspect);
        if (h > height()) {
            h = height();
            w = static_cast<int>(h * kPictureAspect);
        }
        child_->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
    }

  private:
    QWidget* child_;
};

const char* const kWidthMenuTitles[3] = {"印字の太さ－わく(&W)", "印字の太さ－断面線(&D)",
                                         "印字の太さ－水面(&S)"};
const char* const kWidthMenuNames[3] = {"mnuWidthWakuVal", "mnuWidthDanmenVal",
                                        "mnuWidthSuimenVal"};
const char* const kWidthItems[5] = {"１単位", "２単位", "３単位", "４単位", "５単位"};

}  // namespace

Form1::Form1(hc::PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName("Form1");
    setWindowTitle(hc::Q(text::kTitle));

    Picture1 = new hc::PictureBox;
    Picture1->setObjectName("Picture1");
    connect(Picture1, &hc::PictureBox::Resized, this, &Form1::Redraw);
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(new AspectBox(Picture1, central), 1);
    layout->addWidget(BuildPanel(), 0);
    setCentralWidget(central);
    statusBar()->setObjectName("StatusBar");
    BuildMenus();
    resize(1180, 470);

    // Start-up: centred, menus off until the splash closes, the start directory remembered,
    // the help text read, no usable scales or depth yet, default print widths.
    hc::CentreOnScreen(this);
    mnuFilePrintItem->setEnabled(false);
    mnuFile->menuAction()->setEnabled(false);
    mnuHelp->menuAction()->setEnabled(false);
    mnuSetting->menuAction()->setEnabled(false);
    model_.StartDir = platform_.CurrentDirectory();
    if (auto help = platform_.LocateDataFile(model_.StartDir, "manning.txt"))
        model_.HelpText = ReadHelpText(*help);
    model_.Scales.HScale = 0;
    model_.Scales.VScale = 0;
    model_.Parameters.Depth = 0;
    SetPrintWidth(0, 1);
    SetPrintWidth(1, 2);
    SetPrintWidth(2, 1);
}

QWidget* Form1::BuildPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("Panel");
    auto* g = new QGridLayout(panel);
    g->setContentsMargins(4, 0, 0, 0);
    g->setVerticalSpacing(6);
    for (int i = 0; i < 10; ++i) {
        auto* box = new QLineEdit(panel);
        box->setObjectName(QString("Text%1").arg(i + 1));
        box->setReadOnly(true);
        box->setFixedWidth(i >= 7 ? 150 : 90);
        text_[static_cast<std::size_t>(i)] = box;
    }
    auto label = [panel](const char* s) { return new QLabel(hc::Q(s), panel); };
    int row = 0;
    g->addWidget(label("水平方向スケール １／"), row, 0);
    g->addWidget(text_[0], row++, 1, 1, 3);
    g->addWidget(label("鉛直方向スケール １／"), row, 0);
    g->addWidget(text_[1], row++, 1, 1, 3);
    g->addWidget(label("解析範囲 X ＝"), row, 0);
    g->addWidget(text_[2], row, 1);
    g->addWidget(label("～"), row, 2);
    g->addWidget(text_[3], row++, 3);
    g->addWidget(label("粗度係数 ｎ ＝"), row, 0);
    g->addWidget(text_[4], row++, 1, 1, 3);
    g->addWidget(label("河床勾配  I ＝ １／"), row, 0);
    g->addWidget(text_[5], row++, 1, 1, 3);
    g->addWidget(label("最大水深 ｄ ＝"), row, 0);
    g->addWidget(text_[6], row++, 1, 1, 3);
    g->setRowMinimumHeight(row++, 8);
    g->addWidget(label("流量 Q"), row, 0);
    g->addWidget(text_[7], row, 1, 1, 3);
    g->addWidget(label("ｍ3／sec"), row++, 4);
    g->addWidget(label("流速 Ｖ"), row, 0);
    g->addWidget(text_[8], row, 1, 1, 3);
    g->addWidget(label("ｍ／sec"), row++, 4);
    g->addWidget(label("川幅 Ｈ"), row, 0);
    g->addWidget(text_[9], row++, 1, 1, 3);
    g->setRowMinimumHeight(row++, 8);

    auto* widths = new QGroupBox(hc::Q("印刷する作図線の太さ"), panel);
    auto* wg = new QGridLayout(widths);
    const char* names[3] = {"枠の線", "断面線", "水面線"};
    const char* objectNames[3] = {"LabelWidthFrame", "LabelWidthSection", "LabelWidthWater"};
    for (int i = 0; i < 3; ++i) {
        wg->addWidget(new QLabel(hc::Q(names[i]), widths), i, 0);
        auto* value = new QLabel(widths);
        value->setObjectName(objectNames[i]);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(24);
        widthLabel_[static_cast<std::size_t>(i)] = value;
        wg->addWidget(value, i, 1);
        wg->addWidget(new QLabel(hc::Q("単位"), widths), i, 2);
    }
    wg->setColumnStretch(3, 1);
    g->addWidget(widths, row++, 0, 1, 5);
    g->setRowStretch(row, 1);
    return panel;
}

void Form1::BuildMenus() {
    mnuFile = menuBar()->addMenu(hc::Q("ファイル(&F)"));
    mnuFile->setObjectName("mnuFile");
    auto add = [this](QMenu* menu, const char* name, const char* text, auto slot) {
        QAction* a = menu->addAction(hc::Q(text));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QAction* open = add(mnuFile, "mnuFileOpenItem", "開く(&O)", &Form1::OpenFile);
    add(mnuFile, "mnuFileEditItem", "編集(&E)", &Form1::OpenEditor);
    mnuFilePrintItem = add(mnuFile, "mnuFilePrintItem", "印刷(&P)", &Form1::PrintChart);
    mnuFile->addSeparator();
    QAction* exit = add(mnuFile, "mnuFileExitItem", "終了(&X)", &Form1::Exit);
    // Shortcuts where the menus name none; the mnemonics stay.
    open->setShortcut(QKeySequence::Open);
    mnuFilePrintItem->setShortcut(QKeySequence::Print);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) { PrintSection(s, *model_.Last, model_.Widths); };
    exports.screenImage = [this] { return Picture1->Image(); };
    exports.csv = [this] { return DischargeCsv(model_.Last->Parameters, model_.Last->Result); };
    exports.dataPath = [this] { return model_.Section.DataPath; };
    exports.status = [this](const std::string& text) { statusBar()->showMessage(hc::Q(text)); };
    exports.canDraw = [this] { return model_.Last.has_value(); };
    exports_ = new hc::ChartExportActions(mnuFile, exit, platform_, std::move(exports));

    mnuSetting = menuBar()->addMenu(hc::Q("設定(&S)"));
    mnuSetting->setObjectName("mnuSetting");
    add(mnuSetting, "mnuSettingScaleItem", "スケール(&S)", &Form1::OpenScaleWindow);
    add(mnuSetting, "mnuSettingParamItem", "パラメータ(&P)", &Form1::OpenParameterWindow);
    mnuSetting->addSeparator();
    for (int g = 0; g < 3; ++g) {
        QMenu* sub = mnuSetting->addMenu(hc::Q(kWidthMenuTitles[g]));
        sub->setObjectName(QString(kWidthMenuNames[g]).replace("Val", ""));
        for (int i = 0; i < 5; ++i) {
            QAction* a = sub->addAction(hc::Q(kWidthItems[i]));
            a->setObjectName(QString("%1_%2").arg(kWidthMenuNames[g]).arg(i));
            a->setCheckable(true);
            connect(a, &QAction::triggered, this, [this, g, i] { SetPrintWidth(g, i); });
            widthItems_[static_cast<std::size_t>(g)][static_cast<std::size_t>(i)] = a;
        }
    }

    mnuHelp = menuBar()->addMenu(hc::Q("その他(&H)"));
    mnuHelp->setObjectName("mnuHelp");
    add(mnuHelp, "mnuHelpUsageItem", "使用方法(&U)", &Form1::OpenHelp)
        ->setShortcut(QKeySequence::HelpContents);
    add(mnuHelp, "mnuHelpVersionItem", "バージョン(&V)", &Form1::OpenAbout);
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (splashShown_)
        return;
    splashShown_ = true;
    splash_ = new hc::SplashWindow(
        this, platform_, "Form4", hc::Q("テーマ"),
        {{text::kTitle, hc::kMincho, 20, hc::Color{0, 0, 128}},
         {"Manning's formula  -  flowcalc", hc::kGothic, 11},
         {"バージョン " + std::to_string(HC_VERSION_MAJOR) + ". " +
              std::to_string(HC_VERSION_MINOR) + ". " + std::to_string(HC_VERSION_PATCH),
          hc::kGothic, 10},
         {"しばらくお待ちください", hc::kGothic, 10}},
        kSplashCloseTick, [this] {
            mnuFile->menuAction()->setEnabled(true);
            mnuHelp->menuAction()->setEnabled(true);
        });
    splash_->show();
}

void Form1::closeEvent(QCloseEvent* event) {
    // The program ends with its main window: the editor and dialogs go with it.
    platform_.SetCurrentDirectory(model_.StartDir);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->parentWidget() == this && w->isVisible())
            w->close();
    QMainWindow::closeEvent(event);
}

void Form1::OpenFile() {
    hc::FileDialogRequest req;
    req.filter = text::kOpenFilter;
    req.filterIndex = 1;
    auto path = platform_.OpenFileDialog(req);
    if (!path)
        return;
    LoadAndGuide(*path);
}

void Form1::LoadAndGuide(const std::string& path) {
    platform_.SetMousePointer(hc::kPointerHourglass);
    LoadOutcome outcome = LoadSection(path);
    ApplyLoad(model_, outcome);
    platform_.SetMousePointer(hc::kPointerDefault);
    if (!outcome.ok) {
        statusBar()->showMessage(hc::Q(path + ": " + outcome.reason));
        platform_.MessageBox(text::kLoadFailed, text::kTitle);
        platform_.Beep();
        return;
    }
    statusBar()->clearMessage();
    setWindowTitle(hc::Q(MainCaption(model_.Section.DataPath)));
    if (model_.Scales.HScale > 0 && model_.Scales.VScale > 0) {
        mnuSetting->menuAction()->setEnabled(true);
        OpenScaleWindow();
    }
}

void Form1::ComputeAndDraw() {
    platform_.SetMousePointer(hc::kPointerHourglass);
    const Computation& c = Compute(model_);
    text_[7]->setText(hc::Q(hc::DoubleToText(c.Result.TotalDischarge)));
    text_[8]->setText(hc::Q(hc::DoubleToText(c.Result.MaxVelocity)));
    text_[9]->setText(hc::Q(hc::DoubleToText(c.Result.TotalWidth)));
    Redraw();
    if (c.Scales.HScale <= 0 || c.Scales.VScale <= 0)
        statusBar()->showMessage(
            hc::Q("スケールが設定されていません：設定(S)→スケール(S)で設定してください"));
    platform_.SetMousePointer(hc::kPointerDefault);
}

void Form1::Redraw() {
    if (model_.Last)
        DrawSection(Picture1->Canvas(), *model_.Last);
}

void Form1::EnablePrint() {
    mnuFilePrintItem->setEnabled(true);
    exports_->SetEnabled(true);
}

void Form1::PrintChart() {
    if (!model_.Last)
        return;
    platform_.SetMousePointer(hc::kPointerHourglass);
    hc::PrintResult result = platform_.Print(
        [&](hc::Surface& printer) { PrintSection(printer, *model_.Last, model_.Widths); });
    platform_.SetMousePointer(hc::kPointerDefault);
    statusBar()->showMessage(hc::Q(hc::PrintStatusText(result)));
}

void Form1::SetPrintWidth(int group, int index) {
    auto& items = widthItems_[static_cast<std::size_t>(group)];
    for (QAction* a : items)
        a->setChecked(false);
    items[static_cast<std::size_t>(index)]->setChecked(true);
    int value = index + 1;
    (group == 0   ? model_.Widths.Frame
     : group == 1 ? model_.Widths.Section
                  : model_.Widths.Water) = value;
    widthLabel_[static_cast<std::size_t>(group)]->setText(QString::number(value));
}

void Form1::OpenScaleWindow() {
    auto* w = new Form2(*this);
    w->show();
}

void Form1::OpenParameterWindow() {
    auto* w = new Form3(*this);
    w->show();
}

void Form1::OpenEditor() {
    auto* editor = new Form5(
        platform_, [this](const std::string& path) { LoadAndGuide(path); }, this);
    auto* choice = new Form6(platform_, editor, this);
    choice->show();
}

void Form1::OpenHelp() {
    auto* w = new Form7(*this);
    w->show();
    w->activateWindow();
}

namespace {

// What flowcalc's version window shows; its icon is a channel cross-section with water.
hc::AboutTexts FlowcalcAbout() {
    const std::string program = "flowcalc";
    auto n = [](int v) { return std::to_string(v); };
    hc::AboutTexts t;
    t.caption = program + "のバージョン情報";
    t.title = "アプリケーションタイトル  " + program;
    const hc::VersionNumbers v = hc::SuiteVersion();
    t.version = "バージョン " + n(v.major) + ". " + n(v.minor) + ". " + n(v.patch);
    t.description = "アプリケーションの説明\rマニング式を用いて河川などの流量を計算します";
    t.contact = {{"lblDisclaimer",
                  std::string("このアプリケーションについての照会先\r") + hc::kSuiteContact}};
    t.drawIcon = [](QPainter& p) {
        p.setBrush(QColor(0, 128, 255));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(7, 14), QPoint(25, 14), QPoint(20, 25), QPoint(12, 25)}));
        p.setPen(QPen(QColor(128, 64, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(
            QPolygon({QPoint(3, 6), QPoint(7, 14), QPoint(12, 25), QPoint(20, 25), QPoint(28, 6)}));
    };
    t.messageTitle = program;
    t.beepOnOk = true;
    return t;
}

}  // namespace

void Form1::OpenAbout() {
    hc::ShowAboutWindow(this, platform_, FlowcalcAbout());
}

void Form1::Exit() {
    platform_.SetCurrentDirectory(model_.StartDir);
    close();
}

}  // namespace flow

#include "flowcalc/ui/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

#include "build_info.h"
#include "common/core/numbers.h"
#include "common/ui/about_window.h"
#include "common/ui/guide_link.h"
#include "common/ui/program_start.h"
#include "common/ui/remembered.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/conveyance.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/core/numbers_csv.h"
#include "flowcalc/ui/analysis_windows.h"
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

// The print width menus in the order of PrintLine, each offering widths 1..5.
constexpr PrintLine kPrintLines[3] = {PrintLine::Frame, PrintLine::Section, PrintLine::Water};
const char* const kWidthMenuTitles[3] = {
    hc::N("印字の太さ－わく(&W)"), hc::N("印字の太さ－断面線(&D)"), hc::N("印字の太さ－水面(&S)")};
const char* const kWidthMenuNames[3] = {"mnuWidthWakuVal", "mnuWidthDanmenVal",
                                        "mnuWidthSuimenVal"};
const char* const kWidthItems[] = {hc::N("１単位"), hc::N("２単位"), hc::N("３単位"),
                                   hc::N("４単位"), hc::N("５単位")};
static_assert(std::size(kWidthItems) == kMaxPrintWidth - kMinPrintWidth + 1);

std::size_t Index(PrintLine line) {
    return static_cast<std::size_t>(line);
}

// The start directory and the how-to-use text beside the program (empty when missing), in
// English where the windows speak English; the Japanese text where the English one is missing.
FlowApp StartApp(hc::PlatformServices& platform) {
    std::string startDir = platform.CurrentDirectory();
    std::string help;
    std::optional<std::string> path;
    if (hc::CurrentLanguage() == hc::Language::English)
        path = platform.LocateDataFile(startDir, text::kHelpFileNameEn);
    if (!path)
        path = platform.LocateDataFile(startDir, text::kHelpFileName);
    if (path)
        help = ReadHelpText(*path);
    return FlowApp(std::move(startDir), std::move(help));
}

}  // namespace

MainWindow::MainWindow(hc::PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), app_(StartApp(platform)) {
    setObjectName("Form1");
    setWindowTitle(hc::T(text::kTitle));

    picture_ = new hc::PictureBox;
    picture_->setObjectName("Picture1");
    connect(picture_, &hc::PictureBox::Resized, this, &MainWindow::Redraw);
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(new AspectBox(picture_, central), 1);
    layout->addWidget(BuildPanel(), 0);
    // Where the window is made smaller than its minimum all the same (no window manager to
    // honour it), the content keeps its size and scrolls rather than overlap.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("CentralScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(central);
    setCentralWidget(scroll);
    statusBar()->setObjectName("StatusBar");
    BuildMenus();
    platform_.SetInputFiles(this, [this] { return app_.InputFiles(); });
    // Below this the panel's boxes would overlap and the picture would crowd the panel; the
    // chart still grows with the window above it.
    const QSize content = central->minimumSizeHint();
    setMinimumSize(content.width(), content.height() + menuBar()->sizeHint().height() +
                                        statusBar()->sizeHint().height());
    resize(std::max(1180, minimumWidth()), std::max(470, minimumHeight()));

    // Start-up: centred, menus off until the splash closes, the application in its start-up
    // state (no usable scales or depth yet), the default print widths marked.
    hc::CentreOnScreen(this);
    printItem_->setEnabled(false);
    fileMenu_->menuAction()->setEnabled(false);
    helpMenu_->menuAction()->setEnabled(false);
    settingMenu_->menuAction()->setEnabled(false);
    analysisMenu_->menuAction()->setEnabled(false);
    for (PrintLine line : kPrintLines)
        SetPrintWidth(line, app_.PrintWidth(line));
    if (app_.HelpText().empty())
        statusBar()->showMessage(hc::T(text::kHelpFileMissing));
}

MainWindow::~MainWindow() {
    platform_.SetInputFiles(this, {});
}

QWidget* MainWindow::BuildPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("Panel");
    auto* g = new QGridLayout(panel);
    g->setContentsMargins(4, 0, 0, 0);
    g->setVerticalSpacing(6);
    int number = 0;
    auto box = [panel, &number](int width) {
        auto* b = new QLineEdit(panel);
        b->setObjectName(QString("Text%1").arg(++number));
        b->setReadOnly(true);
        b->setFixedWidth(width);
        return b;
    };
    constexpr int kSettingWidth = 90;
    constexpr int kResultWidth = 150;  // room for a discharge's many digits
    panel_.hscale = box(kSettingWidth);
    panel_.vscale = box(kSettingWidth);
    panel_.rangeLeft = box(kSettingWidth);
    panel_.rangeRight = box(kSettingWidth);
    panel_.roughness = box(kSettingWidth);
    panel_.slope = box(kSettingWidth);
    panel_.depth = box(kSettingWidth);
    panel_.discharge = box(kResultWidth);
    panel_.velocity = box(kResultWidth);
    panel_.width = box(kResultWidth);
    // A label names the box it stands before, for screen readers.
    auto label = [panel](const char* s, QWidget* names = nullptr) {
        auto* l = new QLabel(hc::T(s), panel);
        l->setBuddy(names);
        return l;
    };
    int row = 0;
    g->addWidget(label(hc::N("水平方向スケール １／"), panel_.hscale), row, 0);
    g->addWidget(panel_.hscale, row++, 1, 1, 3);
    g->addWidget(label(hc::N("鉛直方向スケール １／"), panel_.vscale), row, 0);
    g->addWidget(panel_.vscale, row++, 1, 1, 3);
    g->addWidget(label(hc::N("解析範囲 X ＝"), panel_.rangeLeft), row, 0);
    g->addWidget(panel_.rangeLeft, row, 1);
    g->addWidget(label(hc::N("～"), panel_.rangeRight), row, 2);
    g->addWidget(panel_.rangeRight, row++, 3);
    g->addWidget(label(hc::N("粗度係数 ｎ ＝"), panel_.roughness), row, 0);
    g->addWidget(panel_.roughness, row++, 1, 1, 3);
    g->addWidget(label(hc::N("河床勾配  I ＝ １／"), panel_.slope), row, 0);
    g->addWidget(panel_.slope, row++, 1, 1, 3);
    g->addWidget(label(hc::N("最大水深 ｄ ＝"), panel_.depth), row, 0);
    g->addWidget(panel_.depth, row++, 1, 1, 3);
    g->setRowMinimumHeight(row++, 8);
    g->addWidget(label(hc::N("流量 Q"), panel_.discharge), row, 0);
    g->addWidget(panel_.discharge, row, 1, 1, 3);
    g->addWidget(label(hc::N("ｍ3／sec")), row++, 4);
    g->addWidget(label(hc::N("流速 Ｖ"), panel_.velocity), row, 0);
    g->addWidget(panel_.velocity, row, 1, 1, 3);
    g->addWidget(label(hc::N("ｍ／sec")), row++, 4);
    g->addWidget(label(hc::N("川幅 Ｈ"), panel_.width), row, 0);
    g->addWidget(panel_.width, row++, 1, 1, 3);
    // Each sub-channel's Froude number and regime, on the screen only.
    froude_ = new QTableWidget(0, 3, panel);
    froude_->setObjectName("FroudeTable");
    froude_->setHorizontalHeaderLabels({hc::T("水路"), hc::T("フルード数 Fr"), hc::T("流れ")});
    froude_->verticalHeader()->setVisible(false);
    froude_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    hc::MakeResultTable(froude_);
    froude_->setSelectionMode(QAbstractItemView::NoSelection);
    froude_->setFocusPolicy(Qt::NoFocus);
    froude_->setMinimumHeight(froude_->horizontalHeader()->sizeHint().height() +
                              3 * froude_->verticalHeader()->defaultSectionSize() + 4);
    g->addWidget(froude_, row++, 0, 1, 5);
    g->setRowMinimumHeight(row++, 8);

    auto* widths = new QGroupBox(hc::T("印刷する作図線の太さ"), panel);
    auto* wg = new QGridLayout(widths);
    const char* names[3] = {hc::N("枠の線"), hc::N("断面線"), hc::N("水面線")};
    const char* objectNames[3] = {"LabelWidthFrame", "LabelWidthSection", "LabelWidthWater"};
    for (int i = 0; i < 3; ++i) {
        wg->addWidget(new QLabel(hc::T(names[i]), widths), i, 0);
        auto* value = new QLabel(widths);
        value->setObjectName(objectNames[i]);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(24);
        widthLabel_[static_cast<std::size_t>(i)] = value;
        wg->addWidget(value, i, 1);
        wg->addWidget(new QLabel(hc::T("単位"), widths), i, 2);
    }
    wg->setColumnStretch(3, 1);
    g->addWidget(widths, row++, 0, 1, 5);
    g->setRowStretch(row, 1);
    return panel;
}

void MainWindow::BuildMenus() {
    fileMenu_ = menuBar()->addMenu(hc::T("ファイル(&F)"));
    fileMenu_->setObjectName("mnuFile");
    auto add = [this](QMenu* menu, const char* name, const char* text, auto slot) {
        QAction* a = menu->addAction(hc::T(text));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QAction* open = add(fileMenu_, "mnuFileOpenItem", hc::N("開く(&O)"), &MainWindow::ChooseFile);
    hc::AcceptFileDrops(this, open, [this](const std::string& p) { OpenFile(p); });
    QAction* edit = add(fileMenu_, "mnuFileEditItem", hc::N("編集(&E)"), &MainWindow::EditSection);
    new hc::RecentFilesMenu(fileMenu_, edit, open, platform_,
                            [this](const std::string& p) { OpenFile(p); });
    printItem_ = add(fileMenu_, "mnuFilePrintItem", hc::N("印刷(&P)"), &MainWindow::PrintChart);
    fileMenu_->addSeparator();
    QAction* exit = add(fileMenu_, "mnuFileExitItem", hc::N("終了(&X)"), &MainWindow::Exit);
    // Shortcuts where the menus name none; the mnemonics stay.
    open->setShortcut(QKeySequence::Open);
    printItem_->setShortcut(QKeySequence::Print);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) { PrintSection(s, *app_.Last(), app_.Widths()); };
    exports.screenImage = [this] { return picture_->Image(); };
    exports.csv = [this] { return DischargeCsv(app_.Last()->Parameters, app_.Last()->Result); };
    exports.dataPath = [this] { return app_.ShownPath(); };
    exports.status = [this](const std::string& text) { statusBar()->showMessage(hc::Q(text)); };
    exports.canDraw = [this] { return app_.Last().has_value(); };
    exports_ = new hc::ChartExportActions(fileMenu_, exit, platform_, std::move(exports));

    settingMenu_ = menuBar()->addMenu(hc::T("設定(&S)"));
    settingMenu_->setObjectName("mnuSetting");
    add(settingMenu_, "mnuSettingScaleItem", hc::N("スケール(&S)"), &MainWindow::OpenScaleWindow);
    add(settingMenu_, "mnuSettingParamItem", hc::N("パラメータ(&P)"),
        &MainWindow::OpenParameterWindow);
    settingMenu_->addSeparator();
    for (PrintLine line : kPrintLines) {
        const std::size_t g = Index(line);
        QMenu* sub = settingMenu_->addMenu(hc::T(kWidthMenuTitles[g]));
        sub->setObjectName(QString(kWidthMenuNames[g]).replace("Val", ""));
        for (int width = kMinPrintWidth; width <= kMaxPrintWidth; ++width) {
            const int i = width - kMinPrintWidth;  // the item index
            QAction* a = sub->addAction(hc::T(kWidthItems[i]));
            a->setObjectName(QString("%1_%2").arg(kWidthMenuNames[g]).arg(i));
            a->setCheckable(true);
            connect(a, &QAction::triggered, this,
                    [this, line, width] { SetPrintWidth(line, width); });
            widthItems_[g][static_cast<std::size_t>(i)] = a;
        }
    }

    helpMenu_ = menuBar()->addMenu(hc::T("その他(&H)"));
    helpMenu_->setObjectName("mnuHelp");
    add(helpMenu_, "mnuHelpUsageItem", hc::N("使用方法(&U)"), &MainWindow::ShowHelp)
        ->setShortcut(QKeySequence::HelpContents);
    add(helpMenu_, "mnuHelpVersionItem", hc::N("バージョン(&V)"), &MainWindow::ShowAbout);
    hc::AddGuideItem(helpMenu_, platform_);
    hc::AddLanguageMenu(helpMenu_, platform_);

    // Beyond one depth: available, like printing, once a computation has set the parameters.
    // Before the help menu, which stays the last as on every desktop.
    analysisMenu_ = new QMenu(hc::T(text::kAnalysisMenu), menuBar());
    menuBar()->insertMenu(helpMenu_->menuAction(), analysisMenu_);
    analysisMenu_->setObjectName("mnuAnalysis");
    add(analysisMenu_, "mnuAnalysisRatingItem", text::kRatingItem, &MainWindow::OpenRatingWindow);
    add(analysisMenu_, "mnuAnalysisDepthItem", text::kNormalDepthItem,
        &MainWindow::OpenNormalDepthWindow);
    add(analysisMenu_, "mnuAnalysisEnergyItem", text::kEnergyItem, &MainWindow::OpenEnergyWindow);
    // How the analysis windows add up the section; the main sheet keeps its own way.
    analysisMenu_->addSeparator();
    auto* methods = new QActionGroup(analysisMenu_);
    for (auto [name, caption, method] :
         {std::tuple{"mnuAnalysisSubdividedItem", text::kSubdividedItem,
                     ConveyanceMethod::Subdivided},
          std::tuple{"mnuAnalysisPartsItem", text::kPartsItem, ConveyanceMethod::Parts}}) {
        QAction* a = analysisMenu_->addAction(hc::T(caption));
        a->setObjectName(name);
        a->setCheckable(true);
        a->setChecked(app_.Parameters().Method == method);
        methods->addAction(a);
        connect(a, &QAction::triggered, this, [this, m = method] { app_.SetMethod(m); });
    }
    add(analysisMenu_, "mnuAnalysisBanksItem", text::kBanksItem, &MainWindow::OpenBanksWindow);
    analysisMenu_->addSeparator();
    QAction* us = analysisMenu_->addAction(hc::T(text::kUsUnitsItem));
    us->setObjectName("mnuAnalysisUsUnitsItem");
    us->setCheckable(true);
    connect(us, &QAction::toggled, this,
            [this](bool on) { app_.SetUnits(on ? Units::US : Units::SI); });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (splashShown_)
        return;
    splashShown_ = true;
    splash_ =
        new hc::SplashWindow(this, platform_, "Form4", hc::T("テーマ"),
                             {{text::kTitle, hc::kMincho, 20, hc::Color{0, 0, 128}},
                              {hc::N("マニング式  －  flowcalc"), hc::kGothic, 11},
                              {hc::TS("バージョン %1. %2. %3", {std::to_string(hc::kVersionMajor),
                                                                std::to_string(hc::kVersionMinor),
                                                                std::to_string(hc::kVersionPatch)}),
                               hc::kGothic, 10},
                              {hc::N("しばらくお待ちください"), hc::kGothic, 10}},
                             kSplashCloseTick, [this] {
                                 fileMenu_->menuAction()->setEnabled(true);
                                 helpMenu_->menuAction()->setEnabled(true);
                             });
    splash_->show();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The program ends with its main window: the editor and dialogs go with it, unless the
    // editor is kept open for its unsaved points.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->parentWidget() == this && w->isVisible() && !w->close()) {
            event->ignore();
            return;
        }
    platform_.SetCurrentDirectory(app_.StartDir());
    QMainWindow::closeEvent(event);
}

void MainWindow::ChooseFile() {
    hc::FileDialogRequest req;
    req.filter = hc::TS(text::kOpenFilter);
    req.filterIndex = 1;
    auto path = platform_.OpenFileDialog(req);
    if (!path)
        return;
    OpenFile(*path);
}

void MainWindow::OpenFile(const std::string& path) {
    platform_.SetMousePointer(hc::kPointerHourglass);
    hc::Status loaded = app_.Load(path);
    platform_.SetMousePointer(hc::kPointerDefault);
    if (!loaded) {
        statusBar()->showMessage(hc::Q(LoadRefusedText(loaded.error())));
        platform_.MessageBox(text::ShownLines(text::kLoadFailedLines), hc::TS(text::kTitle));
        platform_.Beep();
        return;
    }
    statusBar()->clearMessage();
    hc::remembered::AddRecentFile(hc::Q(path));
    setWindowTitle(hc::Q(MainCaption(app_.ShownPath())));
    if (app_.HasScales()) {
        settingMenu_->menuAction()->setEnabled(true);
        OpenScaleWindow();
    }
}

void MainWindow::ComputeAndDraw() {
    platform_.SetMousePointer(hc::kPointerHourglass);
    const Computation& c = app_.Compute();
    setWindowTitle(hc::Q(MainCaption(app_.ShownPath())));
    ShowResults(c);
    Redraw();
    if (c.Scales.HScale <= 0 || c.Scales.VScale <= 0)
        statusBar()->showMessage(hc::T(text::kNoScales));
    platform_.SetMousePointer(hc::kPointerDefault);
}

void MainWindow::ShowResults(const Computation& c) {
    const std::pair<QLineEdit*, double> results[] = {{panel_.discharge, c.Result.TotalDischarge},
                                                     {panel_.velocity, c.Result.MaxVelocity},
                                                     {panel_.width, c.Result.TotalWidth}};
    for (const auto& [box, value] : results) {
        box->setText(hc::Q(hc::DoubleToText(value)));
        box->setCursorPosition(0);  // the leading digits when the number is long
    }
    const std::vector<SubChannelFroude> froude = ComputeFroude(c.Result);
    // A section with its own n across: each sub-channel's composite n beside the single n.
    const bool varied = !c.Section.SegmentN.empty();
    const std::vector<CompositeRoughness> composite =
        varied ? ComputeCompositeRoughness(c.Section, c.Parameters)
               : std::vector<CompositeRoughness>{};
    froude_->setColumnCount(varied ? 5 : 3);
    froude_->setHorizontalHeaderLabels({hc::T("水路"), hc::T("フルード数 Fr"), hc::T("流れ"),
                                        hc::T("合成ｎ\nH-E"), hc::T("合成ｎ\nLotter")});
    froude_->setRowCount(static_cast<int>(froude.size()));
    for (int i = 0; i < froude_->rowCount(); ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const SubChannelFroude& f = froude[k];
        const bool dry = f.Regime == FlowRegime::None;
        QStringList cells = {QString::number(i + 1),
                             dry ? hc::T(text::kNoFlow) : QString::number(f.Froude, 'f', 3),
                             hc::T(RegimeText(f.Regime))};
        if (varied)
            for (double n : {composite[k].HortonEinstein, composite[k].Lotter})
                cells << (n > 0 ? QString::number(n, 'f', 4) : hc::T(text::kNoFlow));
        for (int col = 0; col < cells.size(); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            item->setTextAlignment(Qt::AlignCenter);
            froude_->setItem(i, col, item);
        }
    }
}

void MainWindow::ComputeDrawAndAllowPrinting() {
    ComputeAndDraw();
    printItem_->setEnabled(true);
    exports_->SetEnabled(true);
    analysisMenu_->menuAction()->setEnabled(true);
}

void MainWindow::Redraw() {
    if (app_.Last())
        DrawSection(picture_->Canvas(), *app_.Last());
}

void MainWindow::ShowScaleEntries(const QStringList& texts) {
    QLineEdit* const boxes[] = {panel_.hscale, panel_.vscale, panel_.rangeLeft, panel_.rangeRight};
    for (int i = 0; i < static_cast<int>(std::size(boxes)) && i < texts.size(); ++i)
        boxes[i]->setText(texts[i]);
}

void MainWindow::ShowParameterEntries(const QStringList& texts) {
    QLineEdit* const boxes[] = {panel_.roughness, panel_.slope, panel_.depth};
    for (int i = 0; i < static_cast<int>(std::size(boxes)) && i < texts.size(); ++i)
        boxes[i]->setText(texts[i]);
}

void MainWindow::PrintChart() {
    if (!app_.Last())
        return;
    platform_.SetMousePointer(hc::kPointerHourglass);
    hc::PrintResult result = platform_.Print(
        [&](hc::Surface& printer) { PrintSection(printer, *app_.Last(), app_.Widths()); },
        hc::PrintJobName(hc::TS("マニング式による河川流量解析結果"), app_.Section().DataPath));
    platform_.SetMousePointer(hc::kPointerDefault);
    statusBar()->showMessage(hc::Q(hc::PrintStatusText(result)));
}

void MainWindow::SetPrintWidth(PrintLine line, int width) {
    if (!app_.SetPrintWidth(line, width))
        return;
    auto& items = widthItems_[Index(line)];
    for (QAction* a : items)
        a->setChecked(false);
    items[static_cast<std::size_t>(width - kMinPrintWidth)]->setChecked(true);
    widthLabel_[Index(line)]->setText(QString::number(width));
}

void MainWindow::OpenScaleWindow() {
    auto* w = new ScaleWindow(app_, platform_, this);
    connect(w, &ScaleWindow::Entered, this, &MainWindow::ShowScaleEntries);
    connect(w, &ScaleWindow::ComputeRequested, this, &MainWindow::ComputeAndDraw);
    connect(w, &ScaleWindow::ParametersRequested, this, &MainWindow::OpenParameterWindow);
    w->show();
}

void MainWindow::OpenParameterWindow() {
    auto* w = new ParameterWindow(app_, platform_, this);
    connect(w, &ParameterWindow::Entered, this, &MainWindow::ShowParameterEntries);
    connect(w, &ParameterWindow::ComputeRequested, this, &MainWindow::ComputeDrawAndAllowPrinting);
    w->show();
}

void MainWindow::OpenRatingWindow() {
    if (!app_.Last())
        return;
    auto* w = new RatingWindow(app_, platform_, this);
    w->show();
}

void MainWindow::OpenNormalDepthWindow() {
    if (!app_.Last())
        return;
    auto* w = new NormalDepthWindow(app_, platform_, this);
    connect(w, &NormalDepthWindow::Computed, this, &MainWindow::ShowNormalDepth);
    w->show();
}

void MainWindow::OpenEnergyWindow() {
    if (!app_.Last())
        return;
    auto* w = new EnergyWindow(app_, platform_, this);
    w->show();
}

void MainWindow::OpenBanksWindow() {
    auto* w = new BanksWindow(app_, platform_, this);
    w->show();
}

void MainWindow::ShowNormalDepth() {
    if (!app_.Last())
        return;
    panel_.depth->setText(hc::Q(hc::DoubleToText(app_.Parameters().Depth)));
    panel_.depth->setCursorPosition(0);
    ShowResults(*app_.Last());
    Redraw();
}

void MainWindow::EditSection() {
    auto* editor = new GridEditor(platform_, this);
    connect(editor, &GridEditor::Saved, this,
            [this](const QString& path) { OpenFile(hc::S(path)); });
    connect(editor, &GridEditor::Refused, this,
            [this](const QString& reason) { statusBar()->showMessage(reason); });
    auto* choice = new EditModeWindow(platform_, editor, this);
    choice->show();
}

void MainWindow::ShowHelp() {
    auto* w = new HelpWindow(app_.HelpText(), platform_, this);
    connect(w, &HelpWindow::AboutRequested, this, &MainWindow::ShowAbout);
    w->show();
    w->activateWindow();
}

namespace {

// What flowcalc's version window shows; its icon is a channel cross-section with water.
hc::AboutTexts FlowcalcAbout() {
    const std::string program = "flowcalc";
    auto n = [](int v) { return std::to_string(v); };
    hc::AboutTexts t;
    t.caption = hc::TS("%1のバージョン情報", {program});
    t.title = hc::TS("アプリケーションタイトル  %1", {program});
    const hc::VersionNumbers v = hc::SuiteVersion();
    t.version = hc::TS("バージョン %1. %2. %3", {n(v.major), n(v.minor), n(v.patch)});
    t.description = hc::TS("アプリケーションの説明") + "\r" +
                    hc::TS("マニング式を用いて河川などの流量を計算します");
    t.contact = {{"lblDisclaimer",
                  hc::TS("このアプリケーションについての照会先") + "\r" + hc::kSuiteContact}};
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

void MainWindow::ShowAbout() {
    hc::ShowAboutWindow(this, platform_, FlowcalcAbout());
}

void MainWindow::Exit() {
    platform_.SetCurrentDirectory(app_.StartDir());
    close();
}

}  // namespace flow

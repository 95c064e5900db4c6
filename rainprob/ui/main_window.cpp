#include "rainprob/ui/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>

#include "common/core/language.h"
#include "common/render/fonts.h"
#include "common/ui/about_window.h"
#include "common/ui/chart_export.h"
#include "common/ui/guide_link.h"
#include "common/ui/picture_box.h"
#include "common/ui/program_start.h"
#include "common/ui/remembered.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_helpers.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/help_texts.h"
#include "rainprob/core/messages.h"
#include "rainprob/ui/about_texts.h"
#include "rainprob/ui/fit_table_window.h"
#include "rainprob/ui/form_layout.h"
#include "rainprob/ui/mask_editor.h"
#include "rainprob/ui/print_position_window.h"
#include "rainprob/ui/return_period_window.h"

namespace rain {

namespace {

// Picture1's design place (twips); it keeps the design shape when the window grows.
constexpr int kPictureLeft = 3600;
constexpr int kPictureTop = 120;
// The panel's captions are a little wider in the substituted fonts; leave them room.
constexpr int kPictureLeftPx = hc::TwipsToPixels(kPictureLeft) + 20;
// Room kept between the picture and the client's right and bottom edges.
constexpr int kPictureMargin = 8;

// The window opens larger than its design size so that the chart is comfortable to read.
constexpr int kInitialClientWidth = 920;
constexpr int kInitialClientHeight = 700;

constexpr int kSplashCloseTick = 45;

constexpr PrintLine kPrintLines[] = {PrintLine::Solid, PrintLine::Dotted, PrintLine::Regression};
constexpr AnalysisMode kModes[] = {AnalysisMode::None, AnalysisMode::Line,
                                   AnalysisMode::LineAndValues};

// Ctrl+C in a panel box copies the box's selected text; with nothing selected it is 図をコピー.
// A line edit claims the copy key even read-only and without a selection, and the file name box
// has the focus after every load, so the shortcut would never reach the chart.
class CopyWithoutSelectionPassesOn : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride) {
            auto* box = qobject_cast<QLineEdit*>(watched);
            if (box && static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy) &&
                !box->hasSelectedText()) {
                e->ignore();
                return true;
            }
        }
        return false;
    }
};

QString Number(std::int64_t v) {
    return QString::number(v);
}

// A menu group's check marks: the item whose value is `value` checked, the others not.
template <std::size_t N, class Value>
void CheckValue(const std::array<QAction*, N>& items, const std::array<Value, N>& values,
                Value value) {
    for (std::size_t i = 0; i < N; ++i)
        items[i]->setChecked(values[i] == value);
}
template <std::size_t N>
void CheckIndex(const std::array<QAction*, N>& items, int index) {
    for (std::size_t i = 0; i < N; ++i)
        items[i]->setChecked(static_cast<int>(i) == index);
}

}  // namespace

MainWindow::MainWindow(hc::PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName("Form1");
    setWindowTitle(hc::Q(app_.Caption()));
    // The panel and the chart keep their design size; where the screen is smaller (a large
    // scale factor) the window scrolls instead of running off the screen.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("clientScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    client_ = new QWidget(scroll);
    client_->setObjectName("client");
    client_->installEventFilter(new ResizeWatch(client_, [this] { PlacePicture(); }));
    scroll->setWidget(client_);
    setCentralWidget(scroll);
    BuildPanel(client_);
    BuildMenus();
    statusBar()->setObjectName("StatusBar");
    // A permanent label: the reason a load was refused stays until the next load.
    statusText_ = new QLabel(statusBar());
    statusText_->setObjectName("StatusText");
    // A long path must not widen the window: the line is cut at the window's edge instead.
    statusText_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(statusText_, 1);
    client_->setMinimumSize(MinimumClientSize());
    // The design size, or the screen's where that is smaller: the window then scrolls.
    QSize first(kInitialClientWidth, kInitialClientHeight + menuBar()->sizeHint().height() +
                                         statusBar()->sizeHint().height());
    if (const QScreen* s = screen())
        first = first.boundedTo(s->availableGeometry().size() - QSize(16, 48));
    resize(first);
    hc::CentreOnScreen(this);

    // Every menu waits for the splash; those that need data wait for the first load.
    printItem_->setEnabled(false);
    printerItem_->setEnabled(false);
    fileMenu_->menuAction()->setEnabled(false);
    SetSettingsEnabled(false);
    editorItem_->setEnabled(false);
    settingsMenu_->menuAction()->setEnabled(false);
    helpMenu_->menuAction()->setEnabled(false);
    analysisMenu_->menuAction()->setEnabled(false);
    frequencyMenu_->menuAction()->setEnabled(false);

    startDir_ = platform_.CurrentDirectory();
    // The record shown is read from its file: no output replaces it.
    platform_.SetInputFiles(this, [this] { return std::vector<std::string>{app_.DataPath()}; });
    (void)LoadNormalTable();  // computed once, before the menus open
}

MainWindow::~MainWindow() {
    platform_.SetInputFiles(this, {});
}

void MainWindow::BuildPanel(QWidget* c) {
    const QFont font = hc::MakeFont(hc::kGothic, 9);
    QFont header = font;
    header.setBold(true);
    auto label = [&](const char* name, const char* text, int left, int top, bool isHeader) {
        return PlaceLabel(c, name, text, left, top, isHeader ? &header : &font);
    };
    auto box = [&](const char* name, const char* text, int top, bool editable) {
        auto* t = new QLineEdit(text, c);
        t->setObjectName(name);
        t->setFont(font);
        t->setGeometry(hc::TwipsToPixels(2400), hc::TwipsToPixels(top), hc::TwipsToPixels(780), 24);
        t->setAlignment(Qt::AlignRight);
        t->setReadOnly(!editable);
        return t;
    };
    label(nullptr, hc::N("開いている年降水量データの情報"), 240, 240, true);
    QLabel* fileLabel = label(nullptr, hc::N("ファイル名"), 240, 480, false);
    fileBox_ = new QLineEdit(c);
    fileLabel->setBuddy(fileBox_);
    fileBox_->setObjectName("Text1");
    fileBox_->setFont(font);
    fileBox_->setReadOnly(true);
    fileBox_->setGeometry(hc::TwipsToPixels(1080) + 12, hc::TwipsToPixels(480),
                          hc::TwipsToPixels(2295), hc::TwipsToPixels(495));
    // Whenever a file name is shown, the settings become usable.
    connect(fileBox_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!t.isEmpty())
            SetSettingsEnabled(true);
    });
    const ChartSettings initial;  // what the panel shows until the first load
    struct Row {
        const char* caption;
        const char* box;
        std::string initial;
        int top;
        bool editable;
    };
    const Row rows[] = {
        {hc::N("年降水量の平均値"), "Text2", "", 1200, false},
        {hc::N("年降水量の最大値"), "Text3", "", 1680, false},
        {hc::N("年降水量の最小値"), "Text4", "", 2160, false},
        {hc::N("降水量軸の最大値"), "Text5", std::to_string(initial.ScaleMax), 3000, false},
        {hc::N("降水量軸の最小値"), "Text6", std::to_string(initial.ScaleMin), 3480, false},
        {hc::N("印刷位置右方向へ"), "Text7", "0", 3960, true},
        {hc::N("印刷位置上方向へ"), "Text8", "0", 4440, true}};
    QLineEdit* boxes[7];
    for (int i = 0; i < 7; ++i) {
        QLabel* caption = label(nullptr, rows[i].caption, 480, rows[i].top, false);
        boxes[i] = box(rows[i].box, rows[i].initial.c_str(), rows[i].top, rows[i].editable);
        caption->setBuddy(boxes[i]);
        label(nullptr, "mm", 3240, rows[i].top, false);
    }
    meanBox_ = boxes[0];
    maxBox_ = boxes[1];
    minBox_ = boxes[2];
    scaleMaxBox_ = boxes[3];
    scaleMinBox_ = boxes[4];
    rightBox_ = boxes[5];
    upBox_ = boxes[6];
    auto* copyFilter = new CopyWithoutSelectionPassesOn(c);
    fileBox_->installEventFilter(copyFilter);
    for (QLineEdit* b : boxes)
        b->installEventFilter(copyFilter);
    // The print position is whatever the two boxes hold, typed here or set by its window.
    for (QLineEdit* b : {rightBox_, upBox_})
        connect(b, &QLineEdit::textChanged, this,
                [this] { app_.SetPrintOffset(hc::S(rightBox_->text()), hc::S(upBox_->text())); });
    label(nullptr, hc::N("設定している作図の条件"), 240, 2640, true);
    const struct {
        const char* caption;
        const char* name;
        int top;
    } widths[] = {{hc::N("印字の太さ－実線"), "Label23", 4920},
                  {hc::N("印字の太さ－点線"), "Label24", 5400},
                  {hc::N("印字の太さ－回帰線"), "Label25", 5880}};
    for (std::size_t i = 0; i < 3; ++i) {
        label(nullptr, widths[i].caption, 480, widths[i].top, false);
        const std::string width = std::to_string(initial.LineWidths.Of(kPrintLines[i]));
        widthLabels_[i] = label(widths[i].name, width.c_str(), 2520, widths[i].top, false);
        widthLabels_[i]->setFixedWidth(hc::TwipsToPixels(600));
        widthLabels_[i]->setAlignment(Qt::AlignRight);
        label(nullptr, hc::N("単位"), 3240, widths[i].top, false);
    }
    modeHeading_ = label("Label18", hc::N("解析項目の設定"), 240, 6360, true);
    modeHeading_->setFixedWidth(hc::TwipsToPixels(3300));
    modeNote_ = new QLabel(hc::T("印刷紙面には回帰線や豊水・渇水の解析数値は印字されません"), c);
    modeNote_->setObjectName("Label17");
    modeNote_->setFont(font);
    modeNote_->setWordWrap(true);
    modeNote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    modeNote_->setGeometry(hc::TwipsToPixels(480), hc::TwipsToPixels(6720), hc::TwipsToPixels(2895),
                           hc::TwipsToPixels(615) + 8);

    // The picture sits in a sunken border.
    pictureFrame_ = new QFrame(c);
    pictureFrame_->setObjectName("Picture1Border");
    pictureFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pictureFrame_->setLineWidth(2);
    picture_ = new hc::PictureBox(c);
    picture_->setObjectName("Picture1");
    picture_->setGeometry(kPictureLeftPx, hc::TwipsToPixels(kPictureTop),
                          hc::TwipsToPixels(kPictureWidthTwips),
                          hc::TwipsToPixels(kPictureHeightTwips));
    // The picture keeps its drawing in a backing image; a new size needs a new drawing.
    connect(picture_, &hc::PictureBox::Resized, this, [this] {
        if (Drawable())
            DrawScreen(false);
    });
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](QMenu* parent, const char* name, const char* text) {
        QMenu* m = parent ? parent->addMenu(hc::T(text)) : bar->addMenu(hc::T(text));
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "Action");
        return m;
    };
    auto item = [&](QMenu* m, const QString& name, const QString& text, auto handler) {
        QAction* a = m->addAction(hc::T(text.toUtf8().constData()));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto separator = [&](QMenu* m, const char* name) { m->addSeparator()->setObjectName(name); };

    fileMenu_ = menu(nullptr, "mnuFile", hc::N("ﾌｧｲﾙ(&F)"));
    openItem_ = item(fileMenu_, "mnuFileOpenItem", hc::N("開く(&O)"), &MainWindow::ChooseFile);
    separator(fileMenu_, "line01");
    new hc::RecentFilesMenu(fileMenu_, fileMenu_->actions().constLast(), openItem_, platform_,
                            [this](const std::string& p) { OpenFile(p); });
    printerItem_ =
        item(fileMenu_, "mnuPrinterItem", hc::N("ﾌﾟﾘﾝﾀ(&S)"), &MainWindow::ChoosePrinter);
    printItem_ = item(fileMenu_, "mnuPrintOutItem", hc::N("印刷(&P)"), &MainWindow::PrintChart);
    separator(fileMenu_, "line02");
    exitItem_ = item(fileMenu_, "mnuEndItem", hc::N("終了(&X)"), &MainWindow::Exit);
    // Shortcuts where the menus name none; the mnemonics stay.
    openItem_->setShortcut(QKeySequence::Open);
    hc::AcceptFileDrops(this, openItem_, [this](const std::string& p) { OpenFile(p); });
    printItem_->setShortcut(QKeySequence::Print);
    exitItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) { app_.PrintChart(s); };
    exports.screenImage = [this] { return picture_->Image(); };
    exports.csv = [this] { return app_.Csv(); };
    exports.dataPath = [this] { return app_.DataPath(); };
    exports.status = [this](const std::string& text) { ShowStatus(hc::Q(text)); };
    exports.canDraw = [this] {
        hc::Status ok = CheckScalePair(app_.Settings().ScaleMin, app_.Settings().ScaleMax);
        if (!ok)
            platform_.MessageBox(hc::ShownReason(ok.error()), kAppTitle);
        return ok.has_value();
    };
    exports_ = new hc::ChartExportActions(fileMenu_, exitItem_, platform_, std::move(exports));

    settingsMenu_ = menu(nullptr, "mnuSellect", hc::N("設定(&S)"));
    QMenu* scaleMin = menu(settingsMenu_, "mnuSetScaleMin", hc::N("横軸最小値の設定(&N)"));
    for (std::size_t i = 0; i < kScaleMinChoices.size(); ++i) {
        const int index = static_cast<int>(i);
        auto* a = item(scaleMin, QString("mnuScaleMinVal(%1)").arg(index),
                       Number(kScaleMinChoices[i]), [this, index] { ChooseScaleMin(index); });
        a->setCheckable(true);
        scaleMinItems_[i] = a;
    }
    QMenu* scaleMax = menu(settingsMenu_, "mnuSetScaleMax", hc::N("横軸最大値の設定(&X)"));
    for (std::size_t i = 0; i < kScaleMaxChoices.size(); ++i) {
        const int index = static_cast<int>(i);
        auto* a = item(scaleMax, QString("mnuScaleMaxVal(%1)").arg(index),
                       Number(kScaleMaxChoices[i]), [this, index] { ChooseScaleMax(index); });
        a->setCheckable(true);
        scaleMaxItems_[i] = a;
    }
    separator(settingsMenu_, "line03");
    const struct {
        const char* name;
        const char* text;
        const char* itemName;
    } widthMenus[] = {{"mnuSetPrntWaku", hc::N("印刷線の太さ－実線(&W)"), "mnuPrntWakuVal"},
                      {"mnuSetPrntDott", hc::N("印刷線の太さ－破線(&D)"), "mnuPrntDottVal"},
                      {"mnuSetPrntKaik", hc::N("印刷線の太さ－回帰線(&K)"), "mnuPrntKaikVal"}};
    for (std::size_t k = 0; k < 3; ++k) {
        QMenu* m = menu(settingsMenu_, widthMenus[k].name, widthMenus[k].text);
        const PrintLine line = kPrintLines[k];
        for (int i = 0; i < kMaxLineWidth; ++i) {
            auto* a =
                item(m, QString("%1(%2)").arg(widthMenus[k].itemName).arg(i),
                     hc::T("%1 単位").arg(i + 1), [this, line, i] { ChooseLineWidth(line, i); });
            a->setCheckable(true);
            widthItems_[k][static_cast<std::size_t>(i)] = a;
        }
    }
    separator(settingsMenu_, "line11");
    item(settingsMenu_, "mnuSetPosItem", hc::N("印刷位置(&I)"), &MainWindow::OpenPrintPosition);
    editorItem_ =
        item(settingsMenu_, "mnuEditFile", hc::N("データ作成(&E)"), &MainWindow::OpenEditor);

    analysisMenu_ = menu(nullptr, "mnuAna", hc::N("解析項目(&A)"));
    const struct {
        const char* name;
        const char* text;
    } modes[] = {{"mnuAnaNot", hc::N("回帰結果を表示しない(&N)")},
                 {"mnuAnaLine", hc::N("回帰線だけを表示する(&L)")},
                 {"mnuAnaAll", hc::N("回帰線と解析値を表示(&A)")}};
    for (std::size_t k = 0; k < 3; ++k) {
        const AnalysisMode mode = kModes[k];
        modeItems_[k] = item(analysisMenu_, modes[k].name, modes[k].text,
                             [this, mode] { ChooseAnalysisMode(mode); });
        modeItems_[k]->setCheckable(true);
    }

    helpMenu_ = menu(nullptr, "mnuMess", hc::N("使い方(&H)"));
    QAction* dataHelp =
        item(helpMenu_, "mnuMessEditItem", hc::N("データ作成(&D)"), &MainWindow::ShowDataFileHelp);
    dataHelp->setShortcut(QKeySequence::HelpContents);
    item(helpMenu_, "mnuMessUseItem", hc::N("作図と印刷(&M)"), &MainWindow::ShowDrawingHelp);
    item(helpMenu_, "mnuMessAnaItem", hc::N("解析項目(&A)"), &MainWindow::ShowAnalysisHelp);
    item(helpMenu_, "mnuMessVerItem", hc::N("ﾊﾞｰｼﾞｮﾝ(&V)"), &MainWindow::ShowVersion);
    hc::AddGuideItem(helpMenu_, platform_);
    hc::AddLanguageMenu(helpMenu_, platform_);
    BuildFrequencyMenu();
}

// Added after the menus of the classic program, before its help menu, which stays the last as
// on every desktop: the plotting position and the distribution the chart, its line and the
// design values follow, and the return-period table.
void MainWindow::BuildFrequencyMenu() {
    frequencyMenu_ = new QMenu(hc::T(text::kFrequencyMenu), menuBar());
    menuBar()->insertMenu(helpMenu_->menuAction(), frequencyMenu_);
    frequencyMenu_->setObjectName("mnuFreq");
    frequencyMenu_->menuAction()->setObjectName("mnuFreqAction");
    // One submenu of radio items per choice.
    auto choices = [&](const char* name, const char* caption) {
        QMenu* m = frequencyMenu_->addMenu(hc::T(caption));
        m->setObjectName(name);
        return std::pair{m, new QActionGroup(m)};
    };
    auto radio = [&](std::pair<QMenu*, QActionGroup*> menu, const QString& name,
                     const char* caption, auto handler) {
        QAction* a = menu.first->addAction(hc::T(caption));
        a->setObjectName(name);
        a->setCheckable(true);
        menu.second->addAction(a);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    const auto positions = choices("mnuFreqPos", text::kPositionMenu);
    for (std::size_t i = 0; i < positionItems_.size(); ++i) {
        const PlottingPosition p = kPositionFormulas[i].id;
        positionItems_[i] = radio(positions, QString("mnuFreqPosVal(%1)").arg(i),
                                  text::PositionCaption(p), [this, p] { ChoosePosition(p); });
    }
    const auto distributions = choices("mnuFreqDist", text::kDistributionMenu);
    for (std::size_t i = 0; i < distributionItems_.size(); ++i) {
        const Distribution d = kDistributionNames[i].id;
        distributionItems_[i] =
            radio(distributions, QString("mnuFreqDistVal(%1)").arg(i), text::DistributionCaption(d),
                  [this, d] { ChooseDistribution(d); });
    }
    frequencyMenu_->addSeparator();
    QAction* table = frequencyMenu_->addAction(hc::T(text::kReturnPeriodItem));
    table->setObjectName("mnuFreqTableItem");
    connect(table, &QAction::triggered, this, &MainWindow::OpenReturnPeriods);
    QAction* fits = frequencyMenu_->addAction(hc::T(text::kFitTableItem));
    fits->setObjectName("mnuFreqFitItem");
    connect(fits, &QAction::triggered, this, &MainWindow::OpenFitTable);
    bandItem_ = frequencyMenu_->addAction(hc::T(text::kBandItem));
    bandItem_->setObjectName("mnuFreqBandItem");
    bandItem_->setCheckable(true);
    connect(bandItem_, &QAction::triggered, this, &MainWindow::ToggleBand);
    ShowFrequencyChoice();
}

// The items of the settings menu that need data follow `on`; the editor entry keeps its own
// state, and the menu opens whenever either part is usable.
void MainWindow::SetSettingsEnabled(bool on) {
    for (QAction* a : settingsMenu_->actions())
        if (a != editorItem_)
            a->setEnabled(on);
    settingsMenu_->menuAction()->setEnabled(on || editorItem_->isEnabled());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    PlacePicture();
    const std::vector<hc::SplashLabel> lines = {
        {hc::N("年降水量の非超過確率を計算・図化するプログラムです！"), hc::kGothic, 14,
         hc::QBColor(1)},
        {"Program : rainprob (Version 4.0)", hc::kGothic, 12, hc::kBlack},
        {"hydrochart suite", hc::kGothic, 10, hc::kBlack},
        {"Built with C++20 and Qt 6", hc::kGothic, 10, hc::kBlack}};
    splash_ = new hc::SplashWindow(this, platform_, "Form9", kAppTitle, lines, kSplashCloseTick,
                                   [this] { SplashClosed(); });
    splash_->show();
}

void MainWindow::SplashClosed() {
    fileMenu_->menuAction()->setEnabled(true);
    editorItem_->setEnabled(true);
    settingsMenu_->menuAction()->setEnabled(true);
    helpMenu_->menuAction()->setEnabled(true);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    PlacePicture();
}

ResizeWatch::ResizeWatch(QObject* watched, std::function<void()> resized)
    : QObject(watched), resized_(std::move(resized)) {}

bool ResizeWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && resized_)
        resized_();
    return QObject::eventFilter(watched, event);
}

// Below its design size the chart's labels, whose size is fixed in points, run into the grid.
QSize MainWindow::MinimumClientSize() const {
    QRect panel;
    for (QWidget* w : client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != picture_ && w != pictureFrame_)
            panel |= w->geometry();
    const int right = kPictureLeftPx + hc::TwipsToPixels(kPictureWidthTwips) + kPictureMargin;
    const int bottom =
        hc::TwipsToPixels(kPictureTop) + hc::TwipsToPixels(kPictureHeightTwips) + kPictureMargin;
    return {std::max(right, panel.right() + kPictureMargin),
            std::max(bottom, panel.bottom() + kPictureMargin)};
}

// Picture1 fills the room right of the panel, in its design proportions.
void MainWindow::PlacePicture() {
    if (!client_)
        return;
    const int left = kPictureLeftPx;
    const int top = hc::TwipsToPixels(kPictureTop);
    const int availW =
        std::max(client_->width() - left - kPictureMargin, hc::TwipsToPixels(kPictureWidthTwips));
    const int availH =
        std::max(client_->height() - top - kPictureMargin, hc::TwipsToPixels(kPictureHeightTwips));
    int w = availW;
    int h = w * kPictureHeightTwips / kPictureWidthTwips;
    if (h > availH) {
        h = availH;
        w = h * kPictureWidthTwips / kPictureHeightTwips;
    }
    if (picture_->geometry() != QRect(left, top, w, h))
        picture_->setGeometry(left, top, w, h);
    pictureFrame_->setGeometry(left - 2, top - 2, w + 4, h + 4);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The editor asks about unsaved text first; kept open, it keeps the program open.
    if (editor_ && !editor_->close()) {
        event->ignore();
        return;
    }
    // The file dialogs may have moved the current directory; leave it as it was found.
    platform_.SetCurrentDirectory(startDir_);
    event->accept();
}

void MainWindow::ShowStatus(const QString& text) {
    statusText_->setText(text);
}

QString MainWindow::StatusText() const {
    return statusText_->text();
}

bool MainWindow::Drawable() const {
    return app_.Loaded() && CheckScalePair(app_.Settings().ScaleMin, app_.Settings().ScaleMax);
}

void MainWindow::DrawScreen(bool clear) {
    hc::Surface& s = picture_->Canvas();
    if (clear)
        s.Cls();
    app_.DrawScreen(s);
}

void MainWindow::RefreshChart(ChartAction action) {
    if (action == ChartAction::Load) {
        LoadAndDraw(app_.DataPath(), false);
        return;
    }
    if (hc::Status ok = app_.Request(action); !ok) {
        // Nothing loaded needs no word; a refused axis pair does.
        if (ok.error().kind == hc::ErrorKind::BadValue)
            platform_.MessageBox(hc::ShownReason(ok.error()), kAppTitle);
        return;
    }
    switch (action) {
        case ChartAction::Redraw:
            DrawScreen(true);
            return;
        case ChartAction::Print: {
            platform_.SetMousePointer(hc::kPointerHourglass);
            hc::PrintResult result = platform_.Print(
                [this](hc::Surface& printer) { app_.PrintChart(printer); },
                hc::PrintJobName(hc::N("年降水量の非超過確率分布"), app_.DataPath()));
            DrawScreen(true);
            platform_.SetMousePointer(hc::kPointerDefault);
            ShowStatus(hc::Q(hc::PrintStatusText(result)));
            return;
        }
        case ChartAction::Exit:
            platform_.SetCurrentDirectory(startDir_);
            close();
            QCoreApplication::quit();
            return;
        case ChartAction::Load:
            return;  // taken above
    }
}

bool MainWindow::LoadAndDraw(const std::string& path, bool fromEditor) {
    platform_.SetMousePointer(hc::kPointerHourglass);
    hc::Status loaded = fromEditor ? app_.LoadFromEditor(path) : app_.Load(path);
    if (!loaded) {
        platform_.SetMousePointer(hc::kPointerDefault);
        ShowStatus(hc::Q(text::LoadRefused(loaded.error())));
        return false;
    }
    fileBox_->setText(hc::Q(app_.DataPath()));
    setWindowTitle(hc::Q(app_.Caption()));
    meanBox_->setText(Number(app_.ShownMean()));
    maxBox_->setText(Number(app_.Analysis().max));
    minBox_->setText(Number(app_.Analysis().min));
    ShowSettings();
    ShowFrequencyChoice();
    ShowStatus(hc::Q(app_.LoadedStatus()));
    if (hc::Status drawable = app_.Request(ChartAction::Redraw)) {
        DrawScreen(true);
    } else {
        // The old chart no longer matches the data, and the new one needs a valid range.
        picture_->Canvas().Cls();
        platform_.MessageBox(hc::ShownReason(drawable.error()), kAppTitle);
    }
    platform_.SetMousePointer(hc::kPointerDefault);
    return true;
}

void MainWindow::ShowSettings() {
    if (!app_.DefaultsSet())
        return;  // the panel keeps its first texts until the first load
    const ChartSettings& s = app_.Settings();
    scaleMaxBox_->setText(Number(s.ScaleMax));
    scaleMinBox_->setText(Number(s.ScaleMin));
    CheckValue(scaleMinItems_, kScaleMinChoices, s.ScaleMin);
    CheckValue(scaleMaxItems_, kScaleMaxChoices, s.ScaleMax);
    for (std::size_t k = 0; k < 3; ++k) {
        const int width = s.LineWidths.Of(kPrintLines[k]);
        widthLabels_[k]->setText(Number(width));
        CheckIndex(widthItems_[k], width - 1);
    }
    ShowAnalysisMode();
}

void MainWindow::ShowAnalysisMode() {
    const AnalysisMode mode = app_.Settings().analysisMode;
    const AnalysisModeText t = ModeText(mode);
    modeNote_->setText(hc::T(t.note));
    modeHeading_->setText(hc::T(t.heading));
    for (std::size_t k = 0; k < 3; ++k)
        modeItems_[k]->setChecked(kModes[k] == mode);
}

void MainWindow::EnableAfterLoad() {
    SetSettingsEnabled(true);
    printItem_->setEnabled(true);
    printerItem_->setEnabled(true);
    exports_->SetEnabled(true);
    analysisMenu_->menuAction()->setEnabled(true);
    frequencyMenu_->menuAction()->setEnabled(true);
}

void MainWindow::OpenFile(const std::string& path) {
    if (!LoadAndDraw(path, false))
        return;
    hc::remembered::AddRecentFile(hc::Q(path));
    EnableAfterLoad();
}

void MainWindow::ChooseFile() {
    hc::FileDialogRequest r;
    r.title = hc::TS(text::kOpenTitle);
    r.filter = kRainFileFilter;
    if (std::optional<std::string> path = platform_.OpenFileDialog(r))
        OpenFile(*path);
}

void MainWindow::ChoosePrinter() {
    platform_.ShowPrinterDialog();
}

void MainWindow::PrintChart() {
    RefreshChart(ChartAction::Print);
}

void MainWindow::Exit() {
    RefreshChart(ChartAction::Exit);
}

// The value, its box and the check mark change even when the pair is refused for drawing.
void MainWindow::ChooseScaleMin(int index) {
    app_.SetScaleMin(kScaleMinChoices[static_cast<std::size_t>(index)]);
    scaleMinBox_->setText(Number(app_.Settings().ScaleMin));
    RefreshChart(ChartAction::Redraw);
    CheckIndex(scaleMinItems_, index);
}

void MainWindow::ChooseScaleMax(int index) {
    app_.SetScaleMax(kScaleMaxChoices[static_cast<std::size_t>(index)]);
    scaleMaxBox_->setText(Number(app_.Settings().ScaleMax));
    RefreshChart(ChartAction::Redraw);
    CheckIndex(scaleMaxItems_, index);
}

void MainWindow::ChooseLineWidth(PrintLine line, int index) {
    const auto k = static_cast<std::size_t>(line);  // kPrintLines' order
    if (!app_.SetLineWidth(line, index + 1))
        return;  // the menus offer only widths the rules allow
    widthLabels_[k]->setText(Number(index + 1));
    RefreshChart(ChartAction::Redraw);
    CheckIndex(widthItems_[k], index);
}

void MainWindow::ChooseAnalysisMode(AnalysisMode mode) {
    app_.SetAnalysisMode(mode);
    ShowAnalysisMode();
    RefreshChart(ChartAction::Redraw);
}

void MainWindow::OpenPrintPosition() {
    auto* w = new PrintPositionWindow(this, platform_);
    connect(w, &PrintPositionWindow::Confirmed, this, &MainWindow::SetPrintPosition);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
}

void MainWindow::SetPrintPosition(const QString& right, const QString& up) {
    rightBox_->setText(right);
    upBox_->setText(up);
}

void MainWindow::OpenEditor() {
    if (editor_) {
        editor_->show();
        editor_->raise();
        return;
    }
    editor_ = new MaskEditor(this, platform_, QDate::currentDate().year());
    connect(editor_, &MaskEditor::Saved, this, &MainWindow::LoadFromEditor);
    connect(editor_, &MaskEditor::ClosedWithoutSaving, this,
            &MainWindow::EditorClosedWithoutSaving);
    connect(editor_, &MaskEditor::SaveFailed, this, &MainWindow::ShowStatus);
    editor_->show();
}

void MainWindow::LoadFromEditor(const QString& path) {
    // A file from the editor starts without regression results; a failed load keeps the mode.
    if (!LoadAndDraw(hc::S(path), true))
        return;
    fileMenu_->menuAction()->setEnabled(true);
    EnableAfterLoad();
}

void MainWindow::EditorClosedWithoutSaving() {
    fileMenu_->menuAction()->setEnabled(true);
}

void MainWindow::ShowHelp(const HelpText& help) {
    platform_.MessageBox(help.text, help.title);
}

void MainWindow::ShowDataFileHelp() {
    ShowHelp(DataFileHelp());
}

void MainWindow::ShowDrawingHelp() {
    ShowHelp(DrawingHelp());
}

void MainWindow::ShowAnalysisHelp() {
    ShowHelp(AnalysisHelp());
}

void MainWindow::ShowVersion() {
    hc::ShowAboutWindow(this, platform_, RainprobAbout());
}

void MainWindow::ShowFrequencyChoice() {
    for (std::size_t i = 0; i < positionItems_.size(); ++i)
        positionItems_[i]->setChecked(kPositionFormulas[i].id == app_.Position());
    for (std::size_t i = 0; i < distributionItems_.size(); ++i)
        distributionItems_[i]->setChecked(kDistributionNames[i].id == app_.DistributionChoice());
    if (returnPeriods_)
        returnPeriods_->Refresh();
    if (fitTable_)
        fitTable_->Refresh();
}

void MainWindow::ChoosePosition(PlottingPosition position) {
    ChooseFrequencyAnalysis(position, app_.DistributionChoice());
}

void MainWindow::ChooseDistribution(Distribution distribution) {
    ChooseFrequencyAnalysis(app_.Position(), distribution);
}

// A refused fit keeps the choice in force and says why; an accepted one says how well it fits.
void MainWindow::ChooseFrequencyAnalysis(PlottingPosition position, Distribution distribution) {
    hc::Status ok = app_.SetFrequencyAnalysis(position, distribution);
    ShowFrequencyChoice();
    if (!ok) {
        ShowStatus(hc::Q(text::FitRefused(app_.DataPath(), ok.error())));
        return;
    }
    ShowStatus(
        hc::Q(text::FitHeading(position, distribution) + "　" + text::FitQuality(app_.Fit())));
    RefreshChart(ChartAction::Redraw);
}

void MainWindow::OpenFitTable() {
    if (!fitTable_) {
        fitTable_ = new FitTableWindow(this, platform_, app_);
        fitTable_->setAttribute(Qt::WA_DeleteOnClose);
    }
    fitTable_->Refresh();
    fitTable_->show();
    fitTable_->raise();
}

// The band needs the line: with 回帰結果を表示しない it waits for the line to be shown.
void MainWindow::ToggleBand(bool on) {
    app_.SetBandShown(on);
    if (on && app_.JackknifeRefused())
        ShowStatus(hc::Q(text::JackknifeNote(app_.Table().Count(), app_.JackknifeRefused())));
    RefreshChart(ChartAction::Redraw);
}

void MainWindow::OpenReturnPeriods() {
    if (!returnPeriods_) {
        returnPeriods_ = new ReturnPeriodWindow(this, platform_, app_);
        returnPeriods_->setAttribute(Qt::WA_DeleteOnClose);
    }
    returnPeriods_->Refresh();
    returnPeriods_->show();
    returnPeriods_->raise();
}

}  // namespace rain

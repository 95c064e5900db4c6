#include "waterquality/ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "common/core/language.h"
#include "common/render/fonts.h"
#include "common/ui/chart_export.h"
#include "common/ui/guide_link.h"
#include "common/ui/picture_box.h"
#include "common/ui/program_start.h"
#include "common/ui/remembered.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_helpers.h"
#include "waterquality/core/column_chart.h"
#include "waterquality/core/messages.h"
#include "waterquality/core/template_copy.h"
#include "waterquality/ui/data_check_window.h"
#include "waterquality/ui/loading_notice.h"
#include "waterquality/ui/page_setup_window.h"
#include "waterquality/ui/text_table_model.h"

namespace wq {

namespace {

using hc::Q;
using hc::S;

constexpr int kSplashCloseTick = 45;
// View side (pixels) at which the canvas text is drawn at its nominal size.
constexpr double kTextReferenceSide = 560.0;
// The smallest view: the trilinear picture's own 513 pixels. Below it the 6-point labels of
// the charts would run into their drawings, since the text no longer shrinks with the view.
constexpr int kMinViewSide = 513;

// The diagrams that can name their points (サンプル名を描く).
bool LabelsOffered(DiagramKind kind) {
    return kind != DiagramKind::Schoeller && kind != DiagramKind::Classification;
}

// The grey area around the square view; lays the view out whenever it changes size.
class ViewHost : public QWidget {
  public:
    explicit ViewHost(QWidget* parent) : QWidget(parent) {}
    std::function<void()> onResize;

  protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        if (onResize)
            onResize();
    }
};

QAction* AddItem(QMenu* menu, const std::string& name, const std::string& text) {
    QAction* a = menu->addAction(hc::T(text.c_str()));
    a->setObjectName(Q(name));
    return a;
}

QMenu* AddMenu(QMenuBar* bar, QMenu* into, const std::string& name, const std::string& text) {
    const QString shown = hc::T(text.c_str());
    QMenu* m = into ? into->addMenu(shown) : bar->addMenu(shown);
    m->setObjectName(Q(name));
    m->menuAction()->setObjectName(Q(name));
    return m;
}

// A checkable item of an indexed group.
QAction* AddGroupItem(QMenu* menu, const std::string& name, const std::string& text, int index) {
    QAction* a = AddItem(menu, name, text);
    a->setCheckable(true);
    a->setProperty("Index", index);
    return a;
}

template <std::size_t N>
void MoveCheck(const std::array<QAction*, N>& group, int chosen) {
    wq::MoveCheck(std::vector<QAction*>(group.begin(), group.end()), chosen);
}

}  // namespace

void MoveCheck(const std::vector<QAction*>& group, int chosen) {
    for (QAction* a : group)
        a->setChecked(false);
    if (chosen >= 0 && chosen < static_cast<int>(group.size()))
        group[static_cast<std::size_t>(chosen)]->setChecked(true);
}

MainWindow::MainWindow(hc::PlatformServices& platform, const DiagramProgram& program)
    : platform_(platform), program_(program), app_(*program.variant) {
    setObjectName("Form1");
    setWindowTitle(hc::T(program_.title.c_str()));
    setFont(hc::MakeFont(Q(hc::kGothic), 10));

    // Start-up: the start directory, the view, the menus; the settings start unset.
    startDir_ = platform_.CurrentDirectory();
    platform_.SetInputFiles(this, [this] { return app_.InputFiles(); });
    BuildMenus();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(8, 4, 8, 4);
    column->setSpacing(4);
    BuildStatusArea(central);
    BuildView();
    column->addWidget(viewHost_, 1);
    setCentralWidget(central);
    statusBar()->setObjectName("StatusBar");
    // Below this size the status boxes would overlap and the menus fold away; the chart still
    // grows above it.
    const QSize least = minimumSizeHint();
    setMinimumSize(std::max(least.width(), menuBar()->sizeHint().width()), least.height());

    // A sensible first size: a square view that fits the screen.
    QRect avail = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    int side = std::min({760, avail.height() - 200, avail.width() - 40});
    side = std::max(side, 320);
    resize(side + 16, side + 112);
    hc::CentreOnScreen(this);
    show();

    // Menus wait for the splash; those that need data wait for the first load.
    mnuFilePrintItem_->setEnabled(false);
    mnuFile_->menuAction()->setEnabled(false);
    mnuHelp_->menuAction()->setEnabled(false);
    for (std::size_t w = 0; w < mnuWidthVal_.size(); ++w)
        MoveCheck(mnuWidthVal_[w], app_.Settings().LineWidths[w] - 1);
    SetDataMenusEnabled(false);

    splash_ =
        new hc::SplashWindow(this, platform_, "Form9", hc::T(program_.title.c_str()),
                             program_.splash, kSplashCloseTick, [this] { EnableFileMenus(); });
    splash_->show();
}

MainWindow::~MainWindow() {
    platform_.SetInputFiles(this, {});
    if (notice_)
        delete notice_;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile_ = AddMenu(bar, nullptr, "mnuFile", hc::N("ファイル(&F)"));
    QAction* open = AddItem(mnuFile_, "mnuFileOpenItem", hc::N("開く(&O)"));
    QAction* create = program_.templateItem
                          ? AddItem(mnuFile_, "mnuFileNewItem", hc::N("データ入力(&N)"))
                          : nullptr;
    mnuFile_->addSeparator();
    if (program_.pageSetupItem)
        mnuFilePageItem_ = AddItem(mnuFile_, "mnuFilePageItem", hc::N("ページ設定(&C)"));
    mnuFilePrintItem_ = AddItem(mnuFile_, "mnuFilePrintItem", hc::N("印刷(&P)"));
    mnuFile_->addSeparator();
    mnuFileEndItem_ = AddItem(mnuFile_, "mnuFileEndItem", hc::N("終了(&X)"));
    hc::AcceptFileDrops(this, open, [this](const std::string& p) { OpenFile(p); });
    // Shortcuts where the menus name none; the mnemonics stay.
    open->setShortcut(QKeySequence::Open);
    mnuFilePrintItem_->setShortcut(QKeySequence::Print);
    mnuFileEndItem_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) { app_.Print(s); };
    exports.screenImage = [this] { return chart_->Image(); };
    exports.csv = [this] { return app_.Csv(); };
    exports.dataPath = [this] { return app_.ShownPath(); };
    exports.status = [this](const std::string& text) { Status(text); };
    exports_ = new hc::ChartExportActions(mnuFile_, mnuFileEndItem_, platform_, std::move(exports));
    // After the exports, before the separator of the exit item.
    mnuFileCheckItem_ = new QAction(hc::T(kCheckItemText), mnuFile_);
    mnuFileCheckItem_->setObjectName("mnuFileCheckItem");
    const QList<QAction*> fileItems = mnuFile_->actions();
    const qsizetype endAt = fileItems.indexOf(mnuFileEndItem_);
    mnuFile_->insertAction(
        endAt > 0 && fileItems[endAt - 1]->isSeparator() ? fileItems[endAt - 1] : mnuFileEndItem_,
        mnuFileCheckItem_);
    mnuFileCheckItem_->setEnabled(false);
    connect(mnuFileCheckItem_, &QAction::triggered, this, &MainWindow::ShowDataCheck);
    connect(open, &QAction::triggered, this, &MainWindow::ChooseFile);
    // The recent files after the items that open a workbook, before the first separator.
    const auto firstSeparator = std::find_if(fileItems.begin(), fileItems.end(),
                                             [](const QAction* a) { return a->isSeparator(); });
    new hc::RecentFilesMenu(mnuFile_, firstSeparator != fileItems.end() ? *firstSeparator : nullptr,
                            open, platform_, [this](const std::string& p) { OpenFile(p); });
    if (create)
        connect(create, &QAction::triggered, this, &MainWindow::ShowTemplate);
    if (mnuFilePageItem_)
        connect(mnuFilePageItem_, &QAction::triggered, this, &MainWindow::OpenPageSetup);
    connect(mnuFilePrintItem_, &QAction::triggered, this, &MainWindow::PrintChart);
    connect(mnuFileEndItem_, &QAction::triggered, this, &MainWindow::Exit);

    mnuType_ = AddMenu(bar, nullptr, "mnuType", hc::N("硝酸タイプ(&T)"));
    for (int i = 0; i < 3; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        mnuTypeVal_[ui] = AddGroupItem(mnuType_, "mnuTypeVal", kNitrateCaptions[ui], i);
        connect(mnuTypeVal_[ui], &QAction::triggered, this, [this, i] { ChooseNitrate(i); });
    }

    if (app_.Variant().columnScales) {
        static const std::array<const char*, kMaxColumns> kColumnCaptions{
            hc::N("スケール１列目"), hc::N("スケール２列目"), hc::N("スケール３列目"),
            hc::N("スケール４列目")};
        mnuScale_ = AddMenu(bar, nullptr, "mnuScale", hc::N("スケール(&S)"));
        for (int c = 0; c < kMaxColumns; ++c) {
            const auto uc = static_cast<std::size_t>(c);
            const std::string n = std::to_string(c + 1);
            mnuScaleColumn_[uc] = AddMenu(bar, mnuScale_, "mnuScale" + n, kColumnCaptions[uc]);
            for (int i = 0; i < kScaleCount; ++i) {
                const auto ui = static_cast<std::size_t>(i);
                mnuScaleVal_[uc][ui] = AddGroupItem(mnuScaleColumn_[uc], "mnuScale" + n + "Val",
                                                    kScaleCaptions[ui], i);
                connect(mnuScaleVal_[uc][ui], &QAction::triggered, this,
                        [this, c, i] { ChooseScale(c + 1, i); });
            }
            mnuScaleColumn_[uc]->menuAction()->setEnabled(false);
        }
    }

    if (!program_.kinds.empty())
        BuildKindMenu();

    const std::vector<Style>& styles = app_.Variant().styles;
    if (!styles.empty())
        mnuStyle_ = AddMenu(bar, nullptr, "mnuStyle", hc::N("作図様式(&O)"));
    for (std::size_t g = 0; g < styles.size(); ++g) {
        const ChoiceGroup* texts = program_.StyleTexts(styles[g]);
        QMenu* sub = AddMenu(bar, mnuStyle_, texts->menuName, texts->caption);
        std::array<QAction*, kStyleChoiceCount> items{};
        for (int i = 0; i < kStyleChoiceCount; ++i) {
            const auto ui = static_cast<std::size_t>(i);
            items[ui] = AddGroupItem(sub, texts->itemName, texts->captions[ui], i);
            connect(items[ui], &QAction::triggered, this,
                    [this, g, i] { ChooseStyle(static_cast<int>(g), i); });
        }
        mnuStyleVal_.push_back(items);
    }
    if (std::find(styles.begin(), styles.end(), Style::SampleList) != styles.end()) {
        // Off until asked for, so that the printed sheet stays as it always was.
        mnuStyle_->addSeparator();
        QAction* field = AddItem(mnuStyle_, "mnuListFieldItem", kListFieldItemText);
        field->setCheckable(true);
        connect(field, &QAction::toggled, this, [this](bool on) { app_.SetSampleListField(on); });
    }

    if (!program_.widthMenus.empty())
        mnuWidth_ = AddMenu(bar, nullptr, "mnuWidth", hc::N("印刷線の太さ設定(&W)"));
    for (std::size_t w = 0; w < program_.widthMenus.size(); ++w) {
        const WidthMenu& wm = program_.widthMenus[w];
        QMenu* sub = AddMenu(bar, mnuWidth_, wm.menuName, wm.caption);
        std::array<QAction*, 5> items{};
        for (int i = 0; i < 5; ++i) {
            const auto ui = static_cast<std::size_t>(i);
            items[ui] = AddGroupItem(sub, wm.itemName, kWidthCaptions[ui], i);
            connect(items[ui], &QAction::triggered, this,
                    [this, w, i] { ChooseWidth(static_cast<int>(w), i); });
        }
        mnuWidthVal_.push_back(items);
    }

    mnuHelp_ = AddMenu(bar, nullptr, "mnuHelp", hc::N("ヘルプ(&H)"));
    static const std::array<std::pair<const char*, const char*>, 4> kHelpItems{
        {{"mnuHelpUseItem", hc::N("使い方")},
         {"mnuHelpDataItem", hc::N("データ入力")},
         {"mnuHelpTypeItem", hc::N("硝酸タイプ")},
         {"mnuHelpVerItem", hc::N("バージョン")}}};
    for (int t = 0; t < 4; ++t) {
        const auto& [name, text] = kHelpItems[static_cast<std::size_t>(t)];
        QAction* a = AddItem(mnuHelp_, name, text);
        if (t == 0)
            a->setShortcut(QKeySequence::HelpContents);
        connect(a, &QAction::triggered, this, [this, t] { ShowHelp(t); });
    }
    hc::AddGuideItem(mnuHelp_, platform_);
    hc::AddLanguageMenu(mnuHelp_, platform_);
}

void MainWindow::BuildKindMenu() {
    mnuKind_ = AddMenu(menuBar(), nullptr, "mnuKind", hc::N("図の種類(&D)"));
    for (std::size_t k = 0; k < program_.kinds.size(); ++k) {
        QAction* a =
            AddGroupItem(mnuKind_, "mnuKindVal", program_.kinds[k].caption, static_cast<int>(k));
        const DiagramKind kind = program_.kinds[k].kind;
        connect(a, &QAction::triggered, this, [this, kind] { ChooseKind(kind); });
        mnuKindVal_.push_back(a);
    }
    mnuKind_->addSeparator();
    // The options of the diagrams, each offered where its diagram is drawn.
    static const std::array<const char*, kKindOptionCount> kNames{
        "mnuKindFieldsItem",    "mnuKindLabelsItem", "mnuKindTdsItem",
        "mnuKindPotassiumItem", "mnuKindMixingItem", "mnuKindGibbsMeqItem"};
    static const std::array<const char*, kKindOptionCount> kCaptions{
        hc::N("水質区分を描く(&F)"),         hc::N("サンプル名を描く(&L)"),
        hc::N("TDS の大きさの円を描く(&R)"), hc::N("K を Na と分けて描く(&K)"),
        hc::N("海水との混合線を描く(&M)"),   hc::N("ギブス図の比を当量で計算する(&E)")};
    for (std::size_t o = 0; o < kKindOptionCount; ++o) {
        QAction* a = AddItem(mnuKind_, kNames[o], kCaptions[o]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this] { ChooseKindOptions(); });
        mnuKindOption_[o] = a;
    }
}

void MainWindow::ChooseKind(DiagramKind kind) {
    Redraw(app_.SetDiagramKind(kind));
    ShowSettings();
}

void MainWindow::ChooseKindOptions() {
    DiagramOptions o = app_.Settings().Diagram;
    o.fields = mnuKindOption_[0]->isChecked();
    o.labels = mnuKindOption_[1]->isChecked();
    o.tdsCircles = mnuKindOption_[2]->isChecked();
    o.potassiumApart = mnuKindOption_[3]->isChecked();
    o.mixingLine = mnuKindOption_[4]->isChecked();
    o.gibbsMeq = mnuKindOption_[5]->isChecked();
    Redraw(app_.SetDiagramOptions(o));
}

void MainWindow::BuildStatusArea(QWidget* host) {
    auto* layout = qobject_cast<QVBoxLayout*>(host->layout());
    auto line = [&](const char* name) {
        auto* f = new QFrame(host);
        f->setObjectName(name);
        f->setFrameShape(QFrame::HLine);
        f->setFrameShadow(QFrame::Sunken);
        return f;
    };
    auto label = [&](const char* name, const char* text) {
        auto* l = new QLabel(hc::T(text), host);
        l->setObjectName(name);
        return l;
    };
    auto box = [&](const char* name, const QString& text, int width) {
        auto* e = new QLineEdit(text, host);
        e->setObjectName(name);
        e->setReadOnly(true);  // the page setup fills the offsets; the type follows the menu
        e->setFixedWidth(width);
        e->setFocusPolicy(Qt::NoFocus);
        return e;
    };
    nitrateBox_ = box("Text1", "", 170);
    shiftRightBox_ = box("Text2", Q(app_.PrintShifts().right), 56);
    shiftUpBox_ = box("Text3", Q(app_.PrintShifts().up), 56);
    shiftRightBox_->setAlignment(Qt::AlignRight);
    shiftUpBox_->setAlignment(Qt::AlignRight);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    QLabel* type = label("Label1", hc::N("タイプ"));
    type->setBuddy(nitrateBox_);
    row->addWidget(type);
    row->addWidget(nitrateBox_);
    row->addSpacing(24);
    // The print shifts only where the page setup gives them.
    if (program_.pageSetupItem) {
        QLabel* right = label("Label2", hc::N("印刷位置右へ"));
        right->setBuddy(shiftRightBox_);
        row->addWidget(right);
        row->addWidget(shiftRightBox_);
        QLabel* up = label("Label3", hc::N(" mm 上へ"));
        up->setBuddy(shiftUpBox_);
        row->addWidget(up);
        row->addWidget(shiftUpBox_);
        row->addWidget(label("Label4", "mm"));
    }
    row->addStretch(1);
    if (!program_.pageSetupItem) {
        shiftRightBox_->hide();
        shiftUpBox_->hide();
    }
    layout->addWidget(line("Line1"));
    layout->addLayout(row);
    layout->addWidget(line("Line2"));
}

void MainWindow::BuildView() {
    auto* host = new ViewHost(this);
    host->setObjectName("ViewHost");
    host->setMinimumSize(kMinViewSide, kMinViewSide);
    viewHost_ = host;
    chartView_ = new QWidget(host);
    chartView_->setObjectName("Picture1");
    chartView_->setFocusPolicy(Qt::StrongFocus);
    chartView_->setAutoFillBackground(true);
    QPalette pal = chartView_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    chartView_->setPalette(pal);
    chart_ = new hc::PictureBox(chartView_);
    chart_->setObjectName("Picture2");
    chart_->Canvas().SetScale(kCanvasScaleWidth, kCanvasScaleHeight);
    chartScroll_ = new QScrollBar(Qt::Horizontal, chartView_);
    chartScroll_->setObjectName("HScroll1");
    chartScroll_->setRange(0, static_cast<int>(kViewScale));
    chartScroll_->setPageStep(static_cast<int>(kViewScale));
    chartScroll_->setSingleStep(static_cast<int>(kViewScale / 2));
    chartScroll_->hide();
    connect(chartScroll_, &QScrollBar::valueChanged, this, &MainWindow::Scroll);
    connect(chart_, &hc::PictureBox::Resized, this, [this] {
        if (app_.HasData())
            DrawScreen();
    });
    host->onResize = [this] { LayoutView(); };
}

void MainWindow::LayoutView() {
    if (tableView_)
        tableView_->setGeometry(0, 0, viewHost_->width(), viewHost_->height());
    // Picture1 stays square so that the chart keeps its proportions at any window size.
    int side = std::max(100, std::min(viewHost_->width(), viewHost_->height()));
    chartView_->setGeometry((viewHost_->width() - side) / 2, 0, side, side);
    // The chart, text included, grows with the view (6-point labels read well at any size).
    chart_->SetTextZoom(std::max(1.0, side / kTextReferenceSide));
    if (!program_.wideCanvas) {
        chart_->setGeometry(0, 0, side, side);
        return;
    }
    int sb = chartScroll_->sizeHint().height();
    chartScroll_->setGeometry(0, side - sb, side, sb);
    chart_->setGeometry(chart_->x(), 0, 2 * side, side - sb);
    Scroll(chartScroll_->value());
}

void MainWindow::Scroll(int value) {
    if (!program_.wideCanvas)
        return;
    // The canvas moves left by the value, in Picture1's user units (4000 = its width).
    int left = -static_cast<int>(std::lround(value * chartView_->width() / kViewScale));
    chart_->move(left, 0);
    chartView_->setFocus();
}

QString MainWindow::StatusText() const {
    return statusBar()->currentMessage();
}

void MainWindow::Status(const std::string& text) {
    if (text.empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(Q(text));
}

void MainWindow::Status(const hc::Error& error) {
    Status(StatusLine(error));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_)
        platform_.SetCurrentDirectory(startDir_);
    if (pageSetup_)
        pageSetup_->close();
    event->accept();
}

void MainWindow::EnableFileMenus() {
    mnuFile_->menuAction()->setEnabled(true);
    mnuHelp_->menuAction()->setEnabled(true);
}

void MainWindow::ShowLoadingNotice() {
    if (!notice_)
        notice_ = new LoadingNotice(this);
    notice_->ShowNow();
}

void MainWindow::CloseLoadingNotice() {
    if (notice_) {
        notice_->hide();
        notice_->deleteLater();
        notice_ = nullptr;
    }
}

// ---- Redraw entry ----

void MainWindow::Redraw(Request request) {
    if (!app_.Runs(request))
        return;  // nothing to redraw or print yet: not even the pointer changes
    switch (request) {
        case Request::Load:
            platform_.SetMousePointer(hc::kPointerHourglass);
            LoadAndDraw();
            platform_.SetMousePointer(hc::kPointerDefault);
            break;
        case Request::ShowTemplate: {
            // A copy in the folder last used goes to the spreadsheet program; the template
            // itself stays as it is.
            const std::string& last = app_.LastLoadedPath();
            const std::string folder =
                last.empty() ? startDir_ : std::filesystem::path(last).parent_path().string();
            const TemplateHandOff handOff = HandOverTemplate(startDir_, folder, platform_);
            // The workbook to fill becomes DataPath, as the template did.
            app_.SetDataPath(handOff.copy.empty() ? handOff.error.file : handOff.copy);
            Status(TemplateStatusText(handOff));
            if (handOff.outcome != TemplateHandOff::Outcome::Opened) {
                // The user must learn where the workbook is, to open it by hand.
                const std::vector<std::string> searched = hc::DataFileDirs(
                    startDir_, QCoreApplication::applicationDirPath().toStdString());
                platform_.MessageBox(TemplateHandOffMessage(handOff, searched),
                                     program_.programName);
            }
            break;
        }
        case Request::Redraw:
            platform_.SetMousePointer(hc::kPointerHourglass);
            DrawScreen();
            platform_.SetMousePointer(hc::kPointerDefault);
            break;
        case Request::Print: {
            platform_.SetMousePointer(hc::kPointerHourglass);
            hc::PrintResult result =
                platform_.Print([&](hc::Surface& printer) { app_.Print(printer); },
                                hc::PrintJobName(program_.chartName, app_.DataPath()));
            DrawScreen();
            platform_.SetMousePointer(hc::kPointerDefault);
            Status(hc::PrintStatusText(result));
            // The end-of-print beep only when something was printed.
            if (result.outcome == hc::PrintResult::Outcome::Printed && program_.beepAfterPrint)
                platform_.Beep();
            break;
        }
        case Request::Nothing:
            platform_.SetMousePointer(hc::kPointerDefault);
            break;
    }
}

void MainWindow::LoadAndDraw() {
    ShowLoadingNotice();
    // The loader's progress is heard: a beep once the count, the names and the values are read.
    hc::Status loaded = app_.Load([this](LoadStage) { platform_.Beep(); });
    CloseLoadingNotice();
    const bool badCount = !loaded && loaded.error().kind == hc::ErrorKind::BadCount;
    if (loaded) {
        Status(std::string());
        setWindowTitle(Q(app_.Caption()));
        activateWindow();
        chartView_->setFocus();
    } else if (badCount) {
        platform_.Beep();
        platform_.MessageBox(hc::TS(kBadCountLine1) + "\r" + hc::TS(kBadCountLine2),
                             program_.programName);
        platform_.Beep();
        Status(loaded.error());
    } else {
        // An unreadable file ends the load like a cancelled dialog: the window stays as it was.
        Status(loaded.error());
        return;
    }
    // A load, or a bad count over earlier data: the data in force is drawn afresh.
    if (!app_.HasData())
        return;
    ShowSettings();
    chartScroll_->setValue(0);
    Scroll(0);
    EnableColumnScales();
    DrawScreen();
}

void MainWindow::DrawScreen() {
    chartScroll_->setVisible(program_.wideCanvas && ScrollBarShown(app_.Table().Count()));
    if (!chartScroll_->isVisible() && chartScroll_->value() != 0)
        chartScroll_->setValue(0);
    app_.DrawScreen(chart_->Canvas());
    chart_->update();
    // A table is read in a table view; the picture of its first sheet stays for the exports.
    std::optional<TextTable> table = app_.ShownTable();
    if (table && !tableView_) {
        tableView_ = new QTableView(viewHost_);
        tableView_->setObjectName("TableView");
        hc::MakeResultTable(tableView_);
        tableView_->setSelectionBehavior(QAbstractItemView::SelectRows);
        tableView_->verticalHeader()->hide();
        // Rows as high as their text: a long table is read by scrolling through it.
        tableView_->verticalHeader()->setDefaultSectionSize(tableView_->fontMetrics().height() + 6);
        tableModel_ = new TextTableModel(tableView_);
        tableView_->setModel(tableModel_);
    }
    if (tableView_) {
        tableModel_->SetTable(table ? std::move(*table) : TextTable{});
        tableView_->setVisible(table.has_value());
        if (tableView_->isVisible())
            tableView_->resizeColumnsToContents();
    }
    chartView_->setVisible(!tableView_ || !tableView_->isVisible());
    LayoutView();
}

void MainWindow::ShowSettings() {
    const PlotSettings& s = app_.Settings();
    nitrateBox_->setText(hc::T(NitrateCaption(s.NitrateType)));
    MoveCheck(mnuTypeVal_, NitrateChoice(s.NitrateType));
    const std::vector<Style>& styles = app_.Variant().styles;
    for (std::size_t g = 0; g < styles.size(); ++g)
        MoveCheck(mnuStyleVal_[g], app_.StyleChoice(styles[g]));
    if (mnuScale_)
        for (std::size_t c = 0; c < mnuScaleVal_.size(); ++c)
            MoveCheck(mnuScaleVal_[c], ScaleIndex(s.ColumnScale[c + 1]));
    if (mnuKind_) {
        int chosen = -1;
        for (std::size_t k = 0; k < program_.kinds.size(); ++k)
            if (program_.kinds[k].kind == s.Diagram.kind)
                chosen = static_cast<int>(k);
        MoveCheck(mnuKindVal_, chosen);
        const DiagramKind kind = s.Diagram.kind;
        const std::array<bool, kKindOptionCount> checked{
            s.Diagram.fields,         s.Diagram.labels,     s.Diagram.tdsCircles,
            s.Diagram.potassiumApart, s.Diagram.mixingLine, s.Diagram.gibbsMeq};
        const std::array<bool, kKindOptionCount> offered{
            kind == DiagramKind::Piper,     LabelsOffered(kind),       kind == DiagramKind::Piper,
            kind == DiagramKind::Schoeller, kind == DiagramKind::Hfed, kind == DiagramKind::Gibbs};
        for (std::size_t o = 0; o < kKindOptionCount; ++o) {
            mnuKindOption_[o]->setChecked(checked[o]);
            mnuKindOption_[o]->setEnabled(offered[o]);
        }
    }
}

void MainWindow::EnableColumnScales() {
    if (!mnuScale_)
        return;
    for (int c = 0; c < kMaxColumns; ++c)
        mnuScaleColumn_[static_cast<std::size_t>(c)]->menuAction()->setEnabled(
            app_.Table().Count() > kSamplesPerColumn * c);
}

void MainWindow::EnableDataMenus() {
    SetDataMenusEnabled(true);
    mnuFilePrintItem_->setEnabled(true);
    exports_->SetEnabled(true);
}

void MainWindow::SetDataMenusEnabled(bool on) {
    for (QMenu* m : {mnuType_, mnuScale_, mnuStyle_, mnuWidth_, mnuKind_})
        if (m)
            m->menuAction()->setEnabled(on);
    if (mnuFilePageItem_)
        mnuFilePageItem_->setEnabled(on);
}

// ---- Menu handlers ----

void MainWindow::OpenFile(const std::string& path) {
    if (path.empty()) {
        Redraw(Request::Nothing);
        return;
    }
    app_.SetDataPath(path);
    Redraw(Request::Load);
    if (app_.HasData())
        EnableDataMenus();
    if (app_.HasData() && app_.ShownPath() == path)
        hc::remembered::AddRecentFile(Q(path));
    // A refused workbook can be checked too: that shows every reason at once.
    mnuFileCheckItem_->setEnabled(app_.CanCheckData());
}

void MainWindow::ShowDataCheck() {
    if (!app_.CanCheckData())
        return;
    if (dataCheck_)
        dataCheck_->close();  // one at a time, always of the workbook last opened
    platform_.SetMousePointer(hc::kPointerHourglass);
    dataCheck_ = new DataCheckWindow(this, app_.CheckData());
    platform_.SetMousePointer(hc::kPointerDefault);
    dataCheck_->show();
}

void MainWindow::ChooseFile() {
    hc::FileDialogRequest request;
    request.title = hc::TS(kOpenTitle);
    request.filter = hc::TS(kOpenFilter);
    std::optional<std::string> path = platform_.OpenFileDialog(request);
    OpenFile(path ? *path : std::string());
}

void MainWindow::ShowTemplate() {
    Redraw(Request::ShowTemplate);
}

void MainWindow::OpenPageSetup() {
    // One page setup at a time; a closed one is only waiting to be deleted.
    if (pageSetup_ && pageSetup_->isVisible()) {
        pageSetup_->raise();
        pageSetup_->activateWindow();
        return;
    }
    pageSetup_ = program_.pageSetupShowsShifts
                     ? new PageSetupWindow(this, platform_, app_.PrintShifts())
                     : new PageSetupWindow(this, platform_);
    connect(pageSetup_, &PageSetupWindow::ShiftsAccepted, this, &MainWindow::SetShifts);
    pageSetup_->show();
}

void MainWindow::SetShifts(const QString& right, const QString& up) {
    app_.SetPrintShifts({S(right), S(up)});
    shiftRightBox_->setText(right);
    shiftUpBox_->setText(up);
    Redraw(Request::Redraw);
}

void MainWindow::PrintChart() {
    Redraw(Request::Print);
}

void MainWindow::Exit() {
    platform_.SetCurrentDirectory(startDir_);
    exiting_ = true;
    close();
}

void MainWindow::ChooseNitrate(int index) {
    const NitrateType type = kNitrateChoices[static_cast<std::size_t>(index)];
    nitrateBox_->setText(hc::T(NitrateCaption(type)));
    Redraw(app_.SetNitrate(type));
    MoveCheck(mnuTypeVal_, index);
}

void MainWindow::ChooseScale(int column, int index) {
    const Request next = app_.SetColumnScale(column, index);
    MoveCheck(mnuScaleVal_[static_cast<std::size_t>(column - 1)], index);
    Redraw(next);
}

void MainWindow::ChooseStyle(int group, int index) {
    const auto ug = static_cast<std::size_t>(group);
    MoveCheck(mnuStyleVal_[ug], index);
    Redraw(app_.ChooseStyle(app_.Variant().styles[ug], index));
}

void MainWindow::ChooseWidth(int group, int index) {
    app_.SetLineWidth(group, index + 1);
    MoveCheck(mnuWidthVal_[static_cast<std::size_t>(group)], index);
    // Printing only: the screen is not redrawn.
}

void MainWindow::ShowHelp(int topic) {
    const HelpText* texts[] = {&program_.helpUse, &program_.helpData, &program_.helpType,
                               &program_.helpVersion};
    const HelpText& h = *texts[topic];
    platform_.MessageBox(h.Text(), h.Title());
}

}  // namespace wq

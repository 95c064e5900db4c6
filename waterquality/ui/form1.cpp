#include "waterquality/ui/form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <functional>

#include "common/render/fonts.h"
#include "common/ui/program_start.h"
#include "common/ui/window_helpers.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/meq.h"
#include "waterquality/ui/form2.h"
#include "waterquality/ui/form8.h"

namespace wq {

namespace {

using hc::Q;
using hc::S;

constexpr int kSplashCloseTick = 45;
// View side (pixels) at which the canvas text is drawn at its nominal size.
constexpr double kTextReferenceSide = 560.0;

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
    QAction* a = menu->addAction(Q(text));
    a->setObjectName(Q(name));
    return a;
}

QMenu* AddMenu(QMenuBar* bar, QMenu* into, const std::string& name, const std::string& text) {
    QMenu* m = into ? into->addMenu(Q(text)) : bar->addMenu(Q(text));
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

}  // namespace

void MoveCheck(const std::vector<QAction*>& group, int chosen) {
    for (QAction* a : group)
        a->setChecked(false);
    if (chosen >= 0 && chosen < static_cast<int>(group.size()))
        group[static_cast<std::size_t>(chosen)]->setChecked(true);
}

Form1::Form1(hc::PlatformServices& platform, const DiagramProgram& program,
             const DiagramStrategy& strategy)
    : platform_(platform), program_(program), strategy_(strategy) {
    setObjectName("Form1");
    setWindowTitle(Q(program_.title));
    setFont(hc::MakeFont(Q(hc::kGothic), 10));

    // Start-up: the start directory, the unset settings, the view, the menus.
    StartDir = platform_.CurrentDirectory();
    table.SampleCount = 0;
    settings.NitrateType = kNitrateUnset;
    settings.Direction = 0;
    settings.Numbering = -1;
    for (const ChoiceGroup& g : program_.styleGroups)
        settings.*(g.field) = g.unset;
    for (std::size_t w = 0; w < program_.startWidths.size() && w < settings.LineWidths.size(); ++w)
        settings.LineWidths[w] = program_.startWidths[w];

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

    // A sensible first size: a square view that fits the screen.
    QRect avail = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    int side = std::min({760, avail.height() - 200, avail.width() - 40});
    side = std::max(side, 320);
    resize(side + 16, side + 112);
    hc::CentreOnScreen(this);
    show();

    // Menus wait for the splash; those that need data wait for the first load.
    mnuFilePrintItem->setEnabled(false);
    mnuFilePageItem->setEnabled(false);
    mnuFile->menuAction()->setEnabled(false);
    mnuType->menuAction()->setEnabled(false);
    if (mnuScale)
        mnuScale->menuAction()->setEnabled(false);
    mnuStyle->menuAction()->setEnabled(false);
    mnuHelp->menuAction()->setEnabled(false);
    for (std::size_t w = 0; w < mnuWidthVal.size(); ++w) {
        std::vector<QAction*> items(mnuWidthVal[w].begin(), mnuWidthVal[w].end());
        MoveCheck(items, settings.LineWidths[w] - 1);
    }
    mnuWidth->menuAction()->setEnabled(false);

    Form9 = new hc::SplashWindow(this, platform_, "Form9", Q(program_.title), program_.splash,
                                 kSplashCloseTick, [this] {
                                     mnuFile->menuAction()->setEnabled(true);
                                     mnuHelp->menuAction()->setEnabled(true);
                                 });
    Form9->show();
    hc::AcceptFileDrops(this, mnuFileOpenItem, [this](const std::string& p) { OpenDataFile(p); });
}

Form1::~Form1() {
    if (notice_)
        delete notice_;
}

void Form1::BuildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = AddMenu(bar, nullptr, "mnuFile", "ファイル(&F)");
    mnuFileOpenItem = AddItem(mnuFile, "mnuFileOpenItem", "開く(&O)");
    mnuFileNewItem = AddItem(mnuFile, "mnuFileNewItem", "データ入力(&N)");
    mnuFile->addSeparator();
    mnuFilePageItem = AddItem(mnuFile, "mnuFilePageItem", "ページ設定(&C)");
    mnuFilePrintItem = AddItem(mnuFile, "mnuFilePrintItem", "印刷(&P)");
    mnuFile->addSeparator();
    mnuFileEndItem = AddItem(mnuFile, "mnuFileEndItem", "終了(&X)");
    // Shortcuts where the menus name none; the mnemonics stay.
    mnuFileOpenItem->setShortcut(QKeySequence::Open);
    mnuFilePrintItem->setShortcut(QKeySequence::Print);
    mnuFileEndItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) {
        strategy_.Print(s, table, settings, CurrentOffset());
    };
    exports.screenImage = [this] { return Picture2->Image(); };
    exports.csv = [this] { return strategy_.Csv(table, settings); };
    exports.dataPath = [this] { return DataPath; };
    exports.status = [this](const std::string& text) { Status(text); };
    exports_ = new hc::ChartExportActions(mnuFile, mnuFileEndItem, platform_, std::move(exports));
    connect(mnuFileOpenItem, &QAction::triggered, this, [this] { FileOpen(); });
    connect(mnuFileNewItem, &QAction::triggered, this, [this] { FileNew(); });
    connect(mnuFilePageItem, &QAction::triggered, this, [this] { FilePageSetup(); });
    connect(mnuFilePrintItem, &QAction::triggered, this, [this] { FilePrint(); });
    connect(mnuFileEndItem, &QAction::triggered, this, [this] { FileExit(); });

    mnuType = AddMenu(bar, nullptr, "mnuType", "硝酸タイプ(&T)");
    for (int i = 0; i < 3; ++i) {
        mnuTypeVal[static_cast<std::size_t>(i)] =
            AddGroupItem(mnuType, "mnuTypeVal", kNitrateCaptions[static_cast<std::size_t>(i)], i);
        connect(mnuTypeVal[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { ChooseNitrate(i); });
    }

    if (program_.columnScales) {
        static const std::array<const char*, kMaxColumns> kColumnCaptions{
            "スケール１列目", "スケール２列目", "スケール３列目", "スケール４列目"};
        mnuScale = AddMenu(bar, nullptr, "mnuScale", "スケール(&S)");
        for (int c = 0; c < kMaxColumns; ++c) {
            auto uc = static_cast<std::size_t>(c);
            std::string n = std::to_string(c + 1);
            mnuScaleColumn[uc] = AddMenu(bar, mnuScale, "mnuScale" + n, kColumnCaptions[uc]);
            for (int i = 0; i < kScaleCount; ++i) {
                auto ui = static_cast<std::size_t>(i);
                mnuScaleVal[uc][ui] =
                    AddGroupItem(mnuScaleColumn[uc], "mnuScale" + n + "Val", kScaleCaptions[ui], i);
                connect(mnuScaleVal[uc][ui], &QAction::triggered, this,
                        [this, c, i] { ChooseScale(c + 1, i); });
            }
            mnuScaleColumn[uc]->menuAction()->setEnabled(false);
        }
    }

    mnuStyle = AddMenu(bar, nullptr, "mnuStyle", "作図様式(&O)");
    for (std::size_t g = 0; g < program_.styleGroups.size(); ++g) {
        const ChoiceGroup& group = program_.styleGroups[g];
        QMenu* sub = AddMenu(bar, mnuStyle, group.menuName, group.caption);
        std::array<QAction*, 2> items{};
        for (int i = 0; i < 2; ++i) {
            items[static_cast<std::size_t>(i)] =
                AddGroupItem(sub, group.itemName, group.captions[static_cast<std::size_t>(i)], i);
            connect(items[static_cast<std::size_t>(i)], &QAction::triggered, this,
                    [this, g, i] { ChooseStyle(static_cast<int>(g), i); });
        }
        mnuStyleVal.push_back(items);
    }

    mnuWidth = AddMenu(bar, nullptr, "mnuWidth", "印刷線の太さ設定(&W)");
    for (std::size_t w = 0; w < program_.widthMenus.size(); ++w) {
        const WidthMenu& wm = program_.widthMenus[w];
        QMenu* sub = AddMenu(bar, mnuWidth, wm.menuName, wm.caption);
        std::array<QAction*, 5> items{};
        for (int i = 0; i < 5; ++i) {
            items[static_cast<std::size_t>(i)] =
                AddGroupItem(sub, wm.itemName, kWidthCaptions[static_cast<std::size_t>(i)], i);
            connect(items[static_cast<std::size_t>(i)], &QAction::triggered, this,
                    [this, w, i] { ChooseWidth(static_cast<int>(w), i); });
        }
        mnuWidthVal.push_back(items);
    }

    mnuHelp = AddMenu(bar, nullptr, "mnuHelp", "ヘルプ(&H)");
    static const std::array<std::pair<const char*, const char*>, 4> kHelpItems{
        {{"mnuHelpUseItem", "使い方"},
         {"mnuHelpDataItem", "データ入力"},
         {"mnuHelpTypeItem", "硝酸タイプ"},
         {"mnuHelpVerItem", "バージョン"}}};
    for (int t = 0; t < 4; ++t) {
        const auto& [name, text] = kHelpItems[static_cast<std::size_t>(t)];
        QAction* a = AddItem(mnuHelp, name, text);
        if (t == 0)
            a->setShortcut(QKeySequence::HelpContents);
        connect(a, &QAction::triggered, this, [this, t] { ShowHelp(t); });
    }
}

void Form1::BuildStatusArea(QWidget* host) {
    auto* layout = qobject_cast<QVBoxLayout*>(host->layout());
    auto line = [&](const char* name) {
        auto* f = new QFrame(host);
        f->setObjectName(name);
        f->setFrameShape(QFrame::HLine);
        f->setFrameShadow(QFrame::Sunken);
        return f;
    };
    auto label = [&](const char* name, const char* text) {
        auto* l = new QLabel(text, host);
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
    Text1 = box("Text1", "", 170);
    Text2 = box("Text2", "0", 56);
    Text3 = box("Text3", "0", 56);
    Text2->setAlignment(Qt::AlignRight);
    Text3->setAlignment(Qt::AlignRight);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(label("Label1", "タイプ"));
    row->addWidget(Text1);
    row->addSpacing(24);
    row->addWidget(label("Label2", "印刷位置右へ"));
    row->addWidget(Text2);
    row->addWidget(label("Label3", " mm 上へ"));
    row->addWidget(Text3);
    row->addWidget(label("Label4", "mm"));
    row->addStretch(1);
    layout->addWidget(line("Line1"));
    layout->addLayout(row);
    layout->addWidget(line("Line2"));
}

void Form1::BuildView() {
    auto* host = new ViewHost(this);
    host->setObjectName("ViewHost");
    host->setMinimumSize(240, 240);
    viewHost_ = host;
    Picture1 = new QWidget(host);
    Picture1->setObjectName("Picture1");
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAutoFillBackground(true);
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(pal);
    Picture2 = new hc::PictureBox(Picture1);
    Picture2->setObjectName("Picture2");
    Picture2->Canvas().SetScale(kCanvasScaleWidth, kCanvasScaleHeight);
    HScroll1 = new QScrollBar(Qt::Horizontal, Picture1);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setRange(0, static_cast<int>(kViewScale));
    HScroll1->setPageStep(static_cast<int>(kViewScale));
    HScroll1->setSingleStep(static_cast<int>(kViewScale / 2));
    HScroll1->hide();
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::OnScroll);
    connect(Picture2, &hc::PictureBox::Resized, this, [this] {
        if (table.SampleCount >= 1)
            DrawScreen();
    });
    host->onResize = [this] { LayoutView(); };
}

void Form1::LayoutView() {
    // Picture1 stays square so that the chart keeps its proportions at any window size.
    int side = std::max(100, std::min(viewHost_->width(), viewHost_->height()));
    Picture1->setGeometry((viewHost_->width() - side) / 2, 0, side, side);
    // The chart, text included, grows with the view (6-point labels read well at any size).
    Picture2->SetTextZoom(std::max(1.0, side / kTextReferenceSide));
    if (!program_.wideCanvas) {
        Picture2->setGeometry(0, 0, side, side);
        return;
    }
    int sb = HScroll1->sizeHint().height();
    HScroll1->setGeometry(0, side - sb, side, sb);
    Picture2->setGeometry(Picture2->x(), 0, 2 * side, side - sb);
    OnScroll(HScroll1->value());
}

void Form1::OnScroll(int value) {
    if (!program_.wideCanvas)
        return;
    // The canvas moves left by the value, in Picture1's user units (4000 = its width).
    int left = -static_cast<int>(std::lround(value * Picture1->width() / kViewScale));
    Picture2->move(left, 0);
    Picture1->setFocus();
}

QString Form1::StatusText() const {
    return statusBar()->currentMessage();
}

void Form1::Status(const std::string& reason) {
    if (reason.empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(Q(reason));
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!exiting_)
        platform_.SetCurrentDirectory(StartDir);
    if (PageSetup)
        PageSetup->close();
    event->accept();
}

// ---- LoadHost ----

void Form1::ShowLoadingNotice() {
    if (!notice_)
        notice_ = new Form8(this);
    notice_->ShowNow();
}

void Form1::CloseLoadingNotice() {
    if (notice_) {
        notice_->hide();
        notice_->deleteLater();
        notice_ = nullptr;
    }
}

void Form1::SetCaption(const std::string& caption) {
    setWindowTitle(Q(caption));
}

void Form1::FocusMain() {
    activateWindow();
    Picture1->setFocus();
}

// ---- Redraw entry ----

void Form1::Redraw() {
    switch (RedrawRequest) {
        case kRequestLoad: {
            platform_.SetMousePointer(hc::kPointerHourglass);
            const QString oldCaption = windowTitle();
            LoadOptions options;
            options.captionPrefix = program_.captionPrefix;
            options.messageTitle = program_.programName;
            options.extraRows = program_.extraRows;
            LoadReport report = LoadWorkbook(DataPath, table, platform_, *this, options);
            if (report.status == LoadStatus::Failed) {
                // An unreadable file ends the load like a cancelled dialog; the caption keeps
                // naming the data actually shown.
                setWindowTitle(oldCaption);
                Status(report.reason);
            } else {
                Status(report.reason);
                if (table.SampleCount > 0) {
                    ApplyFirstLoadDefaults();
                    HScroll1->setValue(0);
                    OnScroll(0);
                    EnableColumnScales();
                    ScaleChoice choice = strategy_.Convert(table, settings);
                    MarkScales(choice.index);
                    DrawScreen();
                }
            }
            platform_.SetMousePointer(hc::kPointerDefault);
            break;
        }
        case kRequestTemplate: {
            TemplateResult r = OpenTemplate(StartDir, platform_);
            DataPath = r.path;
            Status(r.reason);
            break;
        }
        case kRequestRedraw:
            if (table.SampleCount >= 1) {
                platform_.SetMousePointer(hc::kPointerHourglass);
                DrawScreen();
                platform_.SetMousePointer(hc::kPointerDefault);
            }
            break;
        case kRequestPrint:
            if (table.SampleCount >= 1) {
                platform_.SetMousePointer(hc::kPointerHourglass);
                hc::PrintResult result = platform_.Print([&](hc::Surface& printer) {
                    strategy_.Print(printer, table, settings, CurrentOffset());
                });
                DrawScreen();
                platform_.SetMousePointer(hc::kPointerDefault);
                Status(hc::PrintStatusText(result));
                // The end-of-print beep only when something was printed.
                if (result.outcome == hc::PrintResult::Outcome::Printed && program_.beepAfterPrint)
                    platform_.Beep();
            }
            break;
        default:
            platform_.SetMousePointer(hc::kPointerDefault);
            break;
    }
}

void Form1::DrawScreen() {
    HScroll1->setVisible(program_.wideCanvas && ScrollBarShown(table.SampleCount));
    if (!HScroll1->isVisible() && HScroll1->value() != 0)
        HScroll1->setValue(0);
    strategy_.DrawScreen(Picture2->Canvas(), table, settings);
    Picture2->update();
}

PrintOffset Form1::CurrentOffset() const {
    return {PrintOffsetFromText(S(Text2->text())), PrintOffsetFromText(S(Text3->text()))};
}

void Form1::ApplyFirstLoadDefaults() {
    if (settings.NitrateType == kNitrateUnset) {
        settings.NitrateType = kNitrateNone;
        MoveCheck({mnuTypeVal.begin(), mnuTypeVal.end()}, 0);
        Text1->setText(Q(kNitrateCaptions[0]));
    }
    for (std::size_t g = 0; g < program_.styleGroups.size(); ++g) {
        const ChoiceGroup& group = program_.styleGroups[g];
        if (settings.*(group.field) == group.unset) {
            settings.*(group.field) = group.values[0];
            MoveCheck({mnuStyleVal[g].begin(), mnuStyleVal[g].end()}, 0);
        }
    }
}

void Form1::EnableColumnScales() {
    if (!mnuScale)
        return;
    for (int c = 0; c < kMaxColumns; ++c)
        mnuScaleColumn[static_cast<std::size_t>(c)]->menuAction()->setEnabled(
            table.SampleCount > kSamplesPerColumn * c);
}

void Form1::MarkScales(int index) {
    if (!mnuScale)
        return;
    for (auto& column : mnuScaleVal)
        MoveCheck({column.begin(), column.end()}, index);
}

void Form1::EnableDataMenus() {
    mnuType->menuAction()->setEnabled(true);
    if (mnuScale)
        mnuScale->menuAction()->setEnabled(true);
    mnuStyle->menuAction()->setEnabled(true);
    mnuFilePrintItem->setEnabled(true);
    mnuFilePageItem->setEnabled(true);
    exports_->SetEnabled(true);
    mnuWidth->menuAction()->setEnabled(true);
}

// ---- Menu handlers ----

void Form1::FileOpen() {
    hc::FileDialogRequest request;
    // The classic filter first; the pattern also matches lower-case names and the other
    // workbook formats the reader understands.
    request.filter =
        std::string(kWorkbookFilter) +
        ";*.xls;*.XLS|Workbooks (*.xls;*.xlsx;*.ods)|*.xls;*.xlsx;*.ods;*.XLS;*.XLSX;*.ODS";
    std::optional<std::string> path = platform_.OpenFileDialog(request);
    if (!path || path->empty()) {
        RedrawRequest = kRequestNothing;
        Redraw();
        return;
    }
    OpenDataFile(*path);
}

void Form1::OpenDataFile(const std::string& path) {
    DataPath = path;
    RedrawRequest = kRequestLoad;
    Redraw();
    if (table.SampleCount > 0)
        EnableDataMenus();
}

void Form1::FileNew() {
    RedrawRequest = kRequestTemplate;
    Redraw();
}

void Form1::FilePageSetup() {
    if (PageSetup) {
        PageSetup->raise();
        PageSetup->activateWindow();
        return;
    }
    auto accept = [this](const std::string& right, const std::string& up) {
        Text2->setText(Q(right));
        Text3->setText(Q(up));
        RedrawRequest = kRequestRedraw;
        Redraw();
    };
    if (program_.pageSetupShowsShifts)
        PageSetup = new Form2(this, platform_, accept, S(Text2->text()), S(Text3->text()));
    else
        PageSetup = new Form2(this, platform_, accept);
    PageSetup->show();
    PageSetup->Text1->setFocus();
}

void Form1::FilePrint() {
    RedrawRequest = kRequestPrint;
    Redraw();
}

void Form1::FileExit() {
    platform_.SetCurrentDirectory(StartDir);
    exiting_ = true;
    close();
}

void Form1::ChooseNitrate(int index) {
    Text1->setText(Q(kNitrateCaptions[static_cast<std::size_t>(index)]));
    settings.NitrateType = index;
    RedrawRequest = kRequestRedraw;
    Redraw();
    MoveCheck({mnuTypeVal.begin(), mnuTypeVal.end()}, index);
}

void Form1::ChooseScale(int column, int index) {
    auto uc = static_cast<std::size_t>(column);
    settings.ColumnScale[uc] = kScaleValues[static_cast<std::size_t>(index)];
    MoveCheck({mnuScaleVal[uc - 1].begin(), mnuScaleVal[uc - 1].end()}, index);
    RedrawRequest = kRequestRedraw;
    Redraw();
}

void Form1::ChooseStyle(int group, int index) {
    auto ug = static_cast<std::size_t>(group);
    MoveCheck({mnuStyleVal[ug].begin(), mnuStyleVal[ug].end()}, index);
    const ChoiceGroup& g = program_.styleGroups[ug];
    settings.*(g.field) = g.values[static_cast<std::size_t>(index)];
    RedrawRequest = kRequestRedraw;
    Redraw();
}

void Form1::ChooseWidth(int group, int index) {
    auto ug = static_cast<std::size_t>(group);
    settings.LineWidths[ug] = index + 1;
    MoveCheck({mnuWidthVal[ug].begin(), mnuWidthVal[ug].end()}, index);
    // Printing only: the screen is not redrawn.
}

void Form1::ShowHelp(int topic) {
    const HelpText* texts[] = {&program_.helpUse, &program_.helpData, &program_.helpType,
                               &program_.helpVersion};
    const HelpText& h = *texts[topic];
    platform_.MessageBox(h.Text(), h.title);
}

}  // namespace wq

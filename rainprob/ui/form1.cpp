#include "rainprob/ui/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>

#include "common/core/numbers.h"
#include "common/render/fonts.h"
#include "common/ui/about_window.h"
#include "common/ui/picture_box.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_helpers.h"
#include "rainprob/core/help_texts.h"
#include "rainprob/ui/form2.h"
#include "rainprob/core/numbers_csv.h"
#include "rainprob/ui/mask_editor.h"

namespace rain {

namespace {

// Picture1's design size (twips); the picture keeps this shape when the window grows.
constexpr int kPictureLeft = 3600;
constexpr int kPictureTop = 120;
constexpr int kPictureWidth = 5655;
constexpr int kPictureHeight = 7095;
// The panel's captions are a little wider in the substituted fonts; leave them room.
constexpr int kPictureLeftPx = hc::TwipsToPixels(kPictureLeft) + 20;

// The window opens larger than its design size so that the chart is comfortable to read.
constexpr int kInitialClientWidth = 920;
constexpr int kInitialClientHeight = 700;

constexpr int kSplashCloseTick = 45;

// Axis range menu values.
std::int32_t ScaleMinOf(int index) {
    return 500 * index;
}
std::int32_t ScaleMaxOf(int index) {
    return 1000 + 500 * index;
}

std::string ToText(std::int32_t v) {
    return std::to_string(v);
}

}  // namespace

Form1::Form1(hc::PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName("Form1");
    setWindowTitle(kMainCaption);
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);
    BuildPanel(client_);
    BuildMenus();
    statusBar()->setObjectName("StatusBar");
    // A permanent label: the reason a load was refused stays until the next load.
    statusText_ = new QLabel(statusBar());
    statusText_->setObjectName("StatusText");
    statusBar()->addWidget(statusText_, 1);
    resize(kInitialClientWidth, kInitialClientHeight + menuBar()->sizeHint().height() +
                                    statusBar()->sizeHint().height());
    hc::CentreOnScreen(this);

    // Every menu waits for the splash; those that need data wait for the first load.
    mnuPrintOutItem->setEnabled(false);
    mnuPrinterItem->setEnabled(false);
    mnuFile->menuAction()->setEnabled(false);
    SetSellectEnabled(false);
    mnuEditFile->setEnabled(false);
    mnuSellect->menuAction()->setEnabled(false);
    mnuMess->menuAction()->setEnabled(false);
    mnuAna->menuAction()->setEnabled(false);

    startDir_ = platform_.CurrentDirectory();
    (void)LoadNormalTable();  // computed once, before the menus open
    model_.defaultsSet = false;
}

Form1::~Form1() = default;

void Form1::BuildPanel(QWidget* c) {
    const QFont font = hc::MakeFont(hc::kGothic, 9);
    QFont header = font;
    header.setBold(true);
    auto label = [&](const char* name, const char* text, int left, int top, bool isHeader) {
        auto* l = new QLabel(text, c);
        if (name)
            l->setObjectName(name);
        l->setFont(isHeader ? header : font);
        l->move(hc::TwipsToPixels(left), hc::TwipsToPixels(top) + 4);
        l->adjustSize();
        return l;
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
    label(nullptr, "開いている年降水量データの情報", 240, 240, true);
    label(nullptr, "ファイル名", 240, 480, false);
    Text1 = new QLineEdit(c);
    Text1->setObjectName("Text1");
    Text1->setFont(font);
    Text1->setReadOnly(true);
    Text1->setGeometry(hc::TwipsToPixels(1080) + 12, hc::TwipsToPixels(480), hc::TwipsToPixels(2295), hc::TwipsToPixels(495));
    // Whenever a file name is shown, the settings become usable.
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!t.isEmpty())
            SetSellectEnabled(true);
    });
    struct Row {
        const char* caption;
        const char* box;
        const char* initial;
        int top;
        bool editable;
    };
    const Row rows[] = {{"年降水量の平均値", "Text2", "", 1200, false},
                        {"年降水量の最大値", "Text3", "", 1680, false},
                        {"年降水量の最小値", "Text4", "", 2160, false},
                        {"降水量軸の最大値", "Text5", "3000", 3000, false},
                        {"降水量軸の最小値", "Text6", "0", 3480, false},
                        {"印刷位置右方向へ", "Text7", "0", 3960, true},
                        {"印刷位置上方向へ", "Text8", "0", 4440, true}};
    QLineEdit* boxes[7];
    for (int i = 0; i < 7; ++i) {
        label(nullptr, rows[i].caption, 480, rows[i].top, false);
        boxes[i] = box(rows[i].box, rows[i].initial, rows[i].top, rows[i].editable);
        label(nullptr, "mm", 3240, rows[i].top, false);
    }
    Text2 = boxes[0];
    Text3 = boxes[1];
    Text4 = boxes[2];
    Text5 = boxes[3];
    Text6 = boxes[4];
    Text7 = boxes[5];
    Text8 = boxes[6];
    label(nullptr, "設定している作図の条件", 240, 2640, true);
    const struct {
        const char* caption;
        const char* name;
        const char* initial;
        int top;
    } widths[] = {{"印字の太さ－実線", "Label23", "3", 4920},
                  {"印字の太さ－点線", "Label24", "2", 5400},
                  {"印字の太さ－回帰線", "Label25", "5", 5880}};
    QLabel* wl[3];
    for (int i = 0; i < 3; ++i) {
        label(nullptr, widths[i].caption, 480, widths[i].top, false);
        wl[i] = label(widths[i].name, widths[i].initial, 2520, widths[i].top, false);
        wl[i]->setFixedWidth(hc::TwipsToPixels(600));
        wl[i]->setAlignment(Qt::AlignRight);
        label(nullptr, "単位", 3240, widths[i].top, false);
    }
    Label23 = wl[0];
    Label24 = wl[1];
    Label25 = wl[2];
    Label18 = label("Label18", "解析項目の設定", 240, 6360, true);
    Label18->setFixedWidth(hc::TwipsToPixels(3300));
    Label17 = new QLabel("印刷紙面には回帰線や豊水・渇水の解析数値は印字されません", c);
    Label17->setObjectName("Label17");
    Label17->setFont(font);
    Label17->setWordWrap(true);
    Label17->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label17->setGeometry(hc::TwipsToPixels(480), hc::TwipsToPixels(6720), hc::TwipsToPixels(2895), hc::TwipsToPixels(615) + 8);

    // The picture sits in a sunken border.
    pictureFrame_ = new QFrame(c);
    pictureFrame_->setObjectName("Picture1Border");
    pictureFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pictureFrame_->setLineWidth(2);
    Picture1 = new hc::PictureBox(c);
    Picture1->setObjectName("Picture1");
    Picture1->setGeometry(kPictureLeftPx, hc::TwipsToPixels(kPictureTop), hc::TwipsToPixels(kPictureWidth), hc::TwipsToPixels(kPictureHeight));
    // The picture keeps its drawing in a backing image; a new size needs a new drawing.
    connect(Picture1, &hc::PictureBox::Resized, this, [this] {
        if (model_.loaded && ScalePairValid())
            DrawScreen(false);
    });
}

void Form1::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto menu = [&](QMenu* parent, const char* name, const char* text) {
        QMenu* m = parent ? parent->addMenu(text) : bar->addMenu(text);
        m->setObjectName(name);
        m->menuAction()->setObjectName(QString(name) + "Action");
        return m;
    };
    auto item = [&](QMenu* m, const QString& name, const QString& text, auto handler) {
        QAction* a = m->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto separator = [&](QMenu* m, const char* name) { m->addSeparator()->setObjectName(name); };

    mnuFile = menu(nullptr, "mnuFile", "ﾌｧｲﾙ(&F)");
    mnuFileOpenItem =
        item(mnuFile, "mnuFileOpenItem", "開く(&O)", [this] { mnuFileOpenItem_Click(); });
    separator(mnuFile, "line01");
    mnuPrinterItem =
        item(mnuFile, "mnuPrinterItem", "ﾌﾟﾘﾝﾀ(&S)", [this] { mnuPrinterItem_Click(); });
    mnuPrintOutItem =
        item(mnuFile, "mnuPrintOutItem", "印刷(&P)", [this] { mnuPrintOutItem_Click(); });
    separator(mnuFile, "line02");
    mnuEndItem = item(mnuFile, "mnuEndItem", "終了(&X)", [this] { mnuEndItem_Click(); });
    // Shortcuts where the menus name none; the mnemonics stay.
    mnuFileOpenItem->setShortcut(QKeySequence::Open);
    mnuPrintOutItem->setShortcut(QKeySequence::Print);
    mnuEndItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) {
        PrintChart(s, model_.table, model_.analysis, StandardNormalTable(), PrintSettings());
    };
    exports.screenImage = [this] { return Picture1->Image(); };
    exports.csv = [this] { return AnalysisCsv(model_.table, model_.analysis); };
    exports.dataPath = [this] { return dataPath_; };
    exports.status = [this](const std::string& text) { ShowStatus(text); };
    exports.canDraw = [this] {
        if (ScalePairValid())
            return true;
        platform_.MessageBox(kBadScaleMessage, kAppTitle);
        return false;
    };
    exports_ = new hc::ChartExportActions(mnuFile, mnuEndItem, platform_, std::move(exports));

    mnuSellect = menu(nullptr, "mnuSellect", "設定(&S)");
    mnuSetScaleMin = menu(mnuSellect, "mnuSetScaleMin", "横軸最小値の設定(&N)");
    for (int i = 0; i < 9; ++i) {
        auto* a = item(mnuSetScaleMin, QString("mnuScaleMinVal(%1)").arg(i),
                       QString::number(ScaleMinOf(i)), [this, i] { mnuScaleMinVal_Click(i); });
        a->setCheckable(true);
        mnuScaleMinVal[static_cast<std::size_t>(i)] = a;
    }
    mnuSetScaleMax = menu(mnuSellect, "mnuSetScaleMax", "横軸最大値の設定(&X)");
    for (int i = 0; i < 14; ++i) {
        auto* a = item(mnuSetScaleMax, QString("mnuScaleMaxVal(%1)").arg(i),
                       QString::number(ScaleMaxOf(i)), [this, i] { mnuScaleMaxVal_Click(i); });
        a->setCheckable(true);
        mnuScaleMaxVal[static_cast<std::size_t>(i)] = a;
    }
    separator(mnuSellect, "line03");
    auto widthMenu = [&](const char* name, const char* text, const char* itemName,
                         std::array<QAction*, 5>& items, void (Form1::*handler)(int)) {
        QMenu* m = menu(mnuSellect, name, text);
        for (int i = 0; i < 5; ++i) {
            auto* a = item(m, QString("%1(%2)").arg(itemName).arg(i), QString("%1 単位").arg(i + 1),
                           [this, handler, i] { (this->*handler)(i); });
            a->setCheckable(true);
            items[static_cast<std::size_t>(i)] = a;
        }
        return m;
    };
    mnuSetPrntWaku = widthMenu("mnuSetPrntWaku", "印刷線の太さ－実線(&W)", "mnuPrntWakuVal",
                               mnuPrntWakuVal, &Form1::mnuPrntWakuVal_Click);
    mnuSetPrntDott = widthMenu("mnuSetPrntDott", "印刷線の太さ－破線(&D)", "mnuPrntDottVal",
                               mnuPrntDottVal, &Form1::mnuPrntDottVal_Click);
    mnuSetPrntKaik = widthMenu("mnuSetPrntKaik", "印刷線の太さ－回帰線(&K)", "mnuPrntKaikVal",
                               mnuPrntKaikVal, &Form1::mnuPrntKaikVal_Click);
    separator(mnuSellect, "line11");
    mnuSetPosItem =
        item(mnuSellect, "mnuSetPosItem", "印刷位置(&I)", [this] { mnuSetPosItem_Click(); });
    mnuEditFile =
        item(mnuSellect, "mnuEditFile", "データ作成(&E)", [this] { mnuEditFile_Click(); });

    mnuAna = menu(nullptr, "mnuAna", "解析項目(&A)");
    mnuAnaNot = item(mnuAna, "mnuAnaNot", "回帰結果を表示しない(&N)", [this] { mnuAna_Click(0); });
    mnuAnaLine =
        item(mnuAna, "mnuAnaLine", "回帰線だけを表示する(&L)", [this] { mnuAna_Click(1); });
    mnuAnaAll = item(mnuAna, "mnuAnaAll", "回帰線と解析値を表示(&A)", [this] { mnuAna_Click(2); });
    for (QAction* a : {mnuAnaNot, mnuAnaLine, mnuAnaAll})
        a->setCheckable(true);

    mnuMess = menu(nullptr, "mnuMess", "使い方(&H)");
    mnuMessEditItem =
        item(mnuMess, "mnuMessEditItem", "データ作成(&D)", [this] { mnuMessEditItem_Click(); });
    mnuMessEditItem->setShortcut(QKeySequence::HelpContents);
    mnuMessUseItem =
        item(mnuMess, "mnuMessUseItem", "作図と印刷(&M)", [this] { mnuMessUseItem_Click(); });
    mnuMessAnaItem =
        item(mnuMess, "mnuMessAnaItem", "解析項目(&A)", [this] { mnuMessAnaItem_Click(); });
    mnuMessVerItem =
        item(mnuMess, "mnuMessVerItem", "ﾊﾞｰｼﾞｮﾝ(&V)", [this] { mnuMessVerItem_Click(); });
}

bool Form1::MenuEnabled(const QMenu* menu) {
    return menu->menuAction()->isEnabled();
}

// The settings menu also holds the editor entry, which is usable from the end of the splash:
// its items that need data follow `on`, and the menu opens whenever either part is usable.
void Form1::SetSellectEnabled(bool on) {
    sellectEnabled_ = on;
    for (QAction* a : mnuSellect->actions())
        if (a != mnuEditFile)
            a->setEnabled(on);
    mnuSellect->menuAction()->setEnabled(on || mnuEditFile->isEnabled());
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    PlacePicture();
    const std::vector<hc::SplashLabel> lines = {
        {"年降水量の非超過確率を計算・図化するプログラムです！", hc::kGothic, 14, hc::QBColor(1)},
        {"Program : rainprob (Version 4.0)", hc::kGothic, 12, hc::kBlack},
        {"hydrochart suite", hc::kGothic, 10, hc::kBlack},
        {"Built with C++20 and Qt 6", hc::kGothic, 10, hc::kBlack}};
    form9_ = new hc::SplashWindow(this, platform_, "Form9", "rainprob", lines, kSplashCloseTick,
                                  [this] { SplashClosed(); });
    form9_->show();
}

void Form1::SplashClosed() {
    mnuFile->menuAction()->setEnabled(true);
    mnuEditFile->setEnabled(true);
    mnuSellect->menuAction()->setEnabled(true);
    mnuMess->menuAction()->setEnabled(true);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    PlacePicture();
}

// Picture1 fills the room right of the panel, in its design proportions.
void Form1::PlacePicture() {
    if (!client_)
        return;
    const int left = kPictureLeftPx;
    const int top = hc::TwipsToPixels(kPictureTop);
    const int availW = std::max(client_->width() - left - 8, hc::TwipsToPixels(kPictureWidth) / 2);
    const int availH = std::max(client_->height() - top - 8, hc::TwipsToPixels(kPictureHeight) / 2);
    int w = availW;
    int h = w * kPictureHeight / kPictureWidth;
    if (h > availH) {
        h = availH;
        w = h * kPictureWidth / kPictureHeight;
    }
    if (Picture1->geometry() != QRect(left, top, w, h))
        Picture1->setGeometry(left, top, w, h);
    pictureFrame_->setGeometry(left - 2, top - 2, w + 4, h + 4);
}

void Form1::closeEvent(QCloseEvent* event) {
    // The file dialogs may have moved the current directory; leave it as it was found.
    platform_.SetCurrentDirectory(startDir_);
    if (form3_)
        form3_->close();
    event->accept();
}

void Form1::ShowStatus(const std::string& text) {
    statusText_->setText(hc::Q(text));
}

QString Form1::StatusText() const {
    return statusText_->text();
}

bool Form1::ScalePairValid() const {
    return model_.settings.ScaleMin < model_.settings.ScaleMax;
}

void Form1::DrawScreen(bool clear) {
    hc::Surface& s = Picture1->Canvas();
    if (clear)
        s.Cls();
    DrawScreenChart(s, model_.table, model_.analysis, StandardNormalTable(), model_.settings);
}

bool Form1::RefreshChart(int action) {
    chartAction_ = action;
    switch (action) {
        case kActionRedraw:
            if (!model_.loaded)
                return false;
            if (!ScalePairValid()) {
                platform_.MessageBox(kBadScaleMessage, kAppTitle);
                return false;
            }
            DrawScreen(true);
            return true;
        case kActionPrint: {
            if (!model_.loaded)
                return false;
            // A reversed or empty axis range cannot be printed either.
            if (!ScalePairValid()) {
                platform_.MessageBox(kBadScaleMessage, kAppTitle);
                return false;
            }
            platform_.SetMousePointer(hc::kPointerHourglass);
            const ChartSettings settings = PrintSettings();
            hc::PrintResult result = platform_.Print([&](hc::Surface& printer) {
                PrintChart(printer, model_.table, model_.analysis, StandardNormalTable(),
                           settings);
            });
            DrawScreen(true);
            platform_.SetMousePointer(hc::kPointerDefault);
            ShowStatus(hc::PrintStatusText(result));
            return result.outcome == hc::PrintResult::Outcome::Printed;
        }
        case kActionLoad: {
            platform_.SetMousePointer(hc::kPointerHourglass);
            // Read and analyse into fresh objects; the model changes only when both succeed.
            LoadedRecord fresh;
            ChartSettings range = model_.defaultsSet ? model_.settings : ChartSettings{};
            hc::Result<RainTable> table = LoadRainFile(dataPath_);
            hc::Result<RainAnalysis> analysis =
                table ? AnalyseRain(*table, StandardNormalTable()) : table.error();
            hc::Status drawable =
                analysis ? CheckDrawable(*analysis, range.ScaleMin, range.ScaleMax) : hc::Status();
            if (!table || !analysis || !drawable) {
                hc::Error e = !table ? table.error() : !analysis ? analysis.error() : drawable.error();
                platform_.SetMousePointer(hc::kPointerDefault);
                ShowStatus(dataPath_ + ": " + (e.line > 0 ? "line " + std::to_string(e.line) + ": " : std::string()) + e.en);
                return false;
            }
            fresh.table = std::move(*table);
            fresh.analysis = std::move(*analysis);
            model_.table = std::move(fresh.table);
            model_.analysis = std::move(fresh.analysis);
            model_.loaded = true;
            Text1->setText(hc::Q(dataPath_));
            setWindowTitle(hc::Q(std::string(kMainCaption) + "  < " + dataPath_ + " > "));
            Text2->setText(QString::number(hc::RoundToInt32(model_.analysis.mean)));
            Text3->setText(QString::number(model_.analysis.max));
            Text4->setText(QString::number(model_.analysis.min));
            if (!model_.defaultsSet)
                ApplyDefaults();
            ShowStatus(dataPath_ + ": " + std::to_string(model_.table.Count()) + " 年");
            if (ScalePairValid()) {
                DrawScreen(true);
            } else {
                // The old chart no longer matches the data, and the new one needs a valid range.
                Picture1->Canvas().Cls();
                platform_.MessageBox(kBadScaleMessage, kAppTitle);
            }
            chartAction_ = kActionRedraw;
            platform_.SetMousePointer(hc::kPointerDefault);
            return true;
        }
        case kActionExit:
            platform_.SetCurrentDirectory(startDir_);
            close();
            QCoreApplication::quit();
            return true;
        default:
            return false;
    }
}

void Form1::ApplyDefaults() {
    model_.settings.ScaleMax = 3000;
    Text5->setText("3000");
    model_.settings.ScaleMin = 0;
    Text6->setText("0");
    CheckScaleItems();
    model_.settings.LineWidths.solid = 3;
    model_.settings.LineWidths.dotted = 2;
    model_.settings.LineWidths.regression = 5;
    Label23->setText("3");
    Label24->setText("2");
    Label25->setText("5");
    for (int i = 0; i < 5; ++i) {
        mnuPrntWakuVal[static_cast<std::size_t>(i)]->setChecked(i == 2);
        mnuPrntDottVal[static_cast<std::size_t>(i)]->setChecked(i == 1);
        mnuPrntKaikVal[static_cast<std::size_t>(i)]->setChecked(i == 4);
    }
    SetAnalysisMode(0);
    model_.defaultsSet = true;
}

// The check marks of both scale menus show the range in force.
void Form1::CheckScaleItems() {
    for (int i = 0; i < 9; ++i)
        mnuScaleMinVal[static_cast<std::size_t>(i)]->setChecked(ScaleMinOf(i) ==
                                                                model_.settings.ScaleMin);
    for (int i = 0; i < 14; ++i)
        mnuScaleMaxVal[static_cast<std::size_t>(i)]->setChecked(ScaleMaxOf(i) ==
                                                                model_.settings.ScaleMax);
}

void Form1::SetAnalysisMode(int mode) {
    AnalysisModeText t = ModeText(static_cast<AnalysisMode>(mode));
    Label17->setText(t.note);
    Label18->setText(t.heading);
    mnuAnaNot->setChecked(mode == 0);
    mnuAnaLine->setChecked(mode == 1);
    mnuAnaAll->setChecked(mode == 2);
    model_.settings.analysisMode = static_cast<AnalysisMode>(mode);
}

ChartSettings Form1::PrintSettings() const {
    ChartSettings settings = model_.settings;
    settings.offsetRight = hc::LeadingNumber(hc::S(Text7->text()));
    settings.offsetUp = hc::LeadingNumber(hc::S(Text8->text()));
    return settings;
}

void Form1::EnableAfterLoad() {
    SetSellectEnabled(true);
    mnuPrintOutItem->setEnabled(true);
    mnuPrinterItem->setEnabled(true);
    exports_->SetEnabled(true);
    mnuAna->menuAction()->setEnabled(true);
}

void Form1::mnuFileOpenItem_Click() {
    hc::FileDialogRequest r;
    r.title = "開く";
    r.filter = kRainFileFilter;
    std::optional<std::string> path = platform_.OpenFileDialog(r);
    if (!path)
        return;
    const std::string previous = dataPath_;
    dataPath_ = *path;
    if (!RefreshChart(kActionLoad)) {
        dataPath_ = previous;
        return;
    }
    EnableAfterLoad();
}

void Form1::mnuPrinterItem_Click() {
    platform_.ShowPrinterDialog();
}

void Form1::mnuPrintOutItem_Click() {
    RefreshChart(kActionPrint);
}

void Form1::mnuEndItem_Click() {
    RefreshChart(kActionExit);
}

void Form1::mnuScaleMinVal_Click(int index) {
    model_.settings.ScaleMin = ScaleMinOf(index);
    Text6->setText(hc::Q(ToText(model_.settings.ScaleMin)));
    RefreshChart(kActionRedraw);
    for (int i = 0; i < 9; ++i)
        mnuScaleMinVal[static_cast<std::size_t>(i)]->setChecked(i == index);
}

void Form1::mnuScaleMaxVal_Click(int index) {
    model_.settings.ScaleMax = ScaleMaxOf(index);
    Text5->setText(hc::Q(ToText(model_.settings.ScaleMax)));
    RefreshChart(kActionRedraw);
    for (int i = 0; i < 14; ++i)
        mnuScaleMaxVal[static_cast<std::size_t>(i)]->setChecked(i == index);
}

void Form1::mnuPrntWakuVal_Click(int index) {
    model_.settings.LineWidths.solid = index + 1;
    Label23->setText(QString::number(index + 1));
    RefreshChart(kActionRedraw);
    for (int i = 0; i < 5; ++i)
        mnuPrntWakuVal[static_cast<std::size_t>(i)]->setChecked(i == index);
}

void Form1::mnuPrntDottVal_Click(int index) {
    model_.settings.LineWidths.dotted = index + 1;
    Label24->setText(QString::number(index + 1));
    RefreshChart(kActionRedraw);
    for (int i = 0; i < 5; ++i)
        mnuPrntDottVal[static_cast<std::size_t>(i)]->setChecked(i == index);
}

void Form1::mnuPrntKaikVal_Click(int index) {
    model_.settings.LineWidths.regression = index + 1;
    Label25->setText(QString::number(index + 1));
    RefreshChart(kActionRedraw);
    for (int i = 0; i < 5; ++i)
        mnuPrntKaikVal[static_cast<std::size_t>(i)]->setChecked(i == index);
}

void Form1::mnuSetPosItem_Click() {
    auto* f = new Form2(this, platform_, [this](const QString& right, const QString& up) {
        Text7->setText(right);
        Text8->setText(up);
    });
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->show();
}

void Form1::mnuEditFile_Click() {
    if (form3_) {
        form3_->show();
        form3_->raise();
        return;
    }
    Form3::Callbacks cb;
    cb.saved = [this](const std::string& path) { LoadFromEditor(path); };
    cb.closedWithoutSaving = [this] { EditorClosed(); };
    cb.status = [this](const std::string& text) { ShowStatus(text); };
    form3_ = new Form3(this, platform_, std::move(cb), QDate::currentDate().year());
    form3_->show();
}

void Form1::mnuAna_Click(int mode) {
    SetAnalysisMode(mode);
    RefreshChart(kActionRedraw);
}

void Form1::mnuMessEditItem_Click() {
    HelpText h = DataFileHelp();
    platform_.MessageBox(h.text, h.title);
}

void Form1::mnuMessUseItem_Click() {
    HelpText h = DrawingHelp();
    platform_.MessageBox(h.text, h.title);
}

void Form1::mnuMessAnaItem_Click() {
    HelpText h = AnalysisHelp();
    platform_.MessageBox(h.text, h.title);
}

void Form1::mnuMessVerItem_Click() {
    hc::ShowAboutWindow(this, platform_, hc::AboutVariant::Rainprob);
}

void Form1::LoadFromEditor(const std::string& path) {
    const std::string previous = dataPath_;
    const int previousMode = static_cast<int>(model_.settings.analysisMode);
    dataPath_ = path;
    // A file from the editor starts without regression results; a failed load keeps the mode.
    SetAnalysisMode(0);
    if (!RefreshChart(kActionLoad)) {
        SetAnalysisMode(previousMode);
        dataPath_ = previous;
        return;
    }
    mnuFile->menuAction()->setEnabled(true);
    EnableAfterLoad();
    CheckScaleItems();
}

void Form1::EditorClosed() {
    mnuFile->menuAction()->setEnabled(true);
}

}  // namespace rain

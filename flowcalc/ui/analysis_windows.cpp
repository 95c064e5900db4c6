#include "flowcalc/ui/analysis_windows.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "common/core/numbers.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/energy_chart.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/core/numbers_csv.h"
#include "flowcalc/core/rating_chart.h"

namespace flow {

namespace {

// The picture keeps the chart's 140 x 100 proportions inside whatever room it gets.
class RatingPictureBox : public QWidget {
  public:
    RatingPictureBox(hc::PictureBox* child, QWidget* parent) : QWidget(parent), child_(child) {
        child_->setParent(this);
        setMinimumSize(420, 300);
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        const double aspect = kRatingScreenWidth / kRatingScreenHeight;
        int w = width();
        int h = static_cast<int>(w / aspect);
        if (h > height()) {
            h = height();
            w = static_cast<int>(h * aspect);
        }
        child_->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
    }

  private:
    hc::PictureBox* child_;
};

// The rating table's columns: name and the unit kind (0 none, 1 length, 2 area, 3 velocity,
// 4 discharge).
struct Column {
    const char* name;
    int unit;
};
constexpr Column kRatingColumns[] = {
    {hc::N("水深"), 1},       {hc::N("水位"), 1},   {hc::N("断面積"), 2},
    {hc::N("潤辺"), 1},       {hc::N("水面幅"), 1}, {hc::N("平均流速"), 3},
    {hc::N("フルード数"), 0}, {hc::N("流量"), 4},   {hc::N("エネルギー補正係数 α"), 0}};
constexpr Column kEnergyColumns[] = {{hc::N("水深"), 1},
                                     {hc::N("水位"), 1},
                                     {hc::N("断面積"), 2},
                                     {hc::N("水面幅"), 1},
                                     {hc::N("エネルギー補正係数 α"), 0},
                                     {hc::N("平均流速"), 3},
                                     {hc::N("比エネルギー"), 1},
                                     {hc::N("フルード数"), 0}};

template <std::size_t N>
QStringList Headers(const Column (&columns)[N], Units units) {
    const UnitNames u = WindowUnits(units);
    const char* names[] = {"", u.Length, u.Area, u.Velocity, u.Discharge};
    QStringList out;
    for (const Column& c : columns)
        out << (c.unit ? hc::T(c.name) + " (" + hc::T(names[c.unit]) + ")" : hc::T(c.name));
    return out;
}

// Table cells to the millimetre and the litre: what a practitioner reads off a rating table.
QString Fixed(double v, int decimals = 3) {
    return QString::number(v, 'f', decimals);
}

// The table beside its chart, as the rating and energy windows show them.
QTableWidget* AddTableAndChart(QVBoxLayout* v, QWidget* central, const char* tableName,
                               const QStringList& headers, hc::PictureBox*& picture) {
    auto* body = new QHBoxLayout;
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), central);
    table->setObjectName(tableName);
    table->setHorizontalHeaderLabels(headers);
    hc::MakeResultTable(table);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    body->addWidget(table, 1);
    picture = new hc::PictureBox;
    picture->setObjectName("Picture1");
    body->addWidget(new RatingPictureBox(picture, central), 1);
    v->addLayout(body, 1);
    return table;
}

// The File menu of a table-and-chart window: 印刷, 表をコピー, then (with the exports put
// before it) 閉じる.
struct TableFileMenu {
    QMenu* menu;
    QAction* print;
    QAction* copy;
    QAction* close;
};
TableFileMenu AddTableFileMenu(QMainWindow* window) {
    QMenu* file = window->menuBar()->addMenu(hc::T("ファイル(&F)"));
    file->setObjectName("mnuFile");
    QAction* print = file->addAction(hc::T("印刷(&P)"));
    print->setObjectName("mnuFilePrintItem");
    QAction* copy = file->addAction(hc::T("表をコピー"));
    copy->setObjectName("mnuFileCopyTableItem");
    file->addSeparator();
    QAction* close = file->addAction(hc::T("閉じる(&X)"));
    close->setObjectName("mnuFileCloseItem");
    QObject::connect(close, &QAction::triggered, window, &QWidget::close);
    return {file, print, copy, close};
}

}  // namespace

RatingWindow::RatingWindow(const FlowApp& app, hc::PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), app_(app), platform_(platform) {
    setObjectName("FormRating");
    dataPath_ = app_.Section().DataPath;
    ShowTitle();
    setAttribute(Qt::WA_DeleteOnClose);

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    auto* stepRow = new QHBoxLayout;
    auto* stepLabel = new QLabel(hc::T("水位の刻み ="), central);
    stepRow->addWidget(stepLabel);
    step_ = new QLineEdit(central);
    stepLabel->setBuddy(step_);
    step_->setObjectName("TextStep");
    step_->setFixedWidth(90);
    step_->setText(hc::Q(hc::DoubleToText(kDefaultRatingStep)));
    stepRow->addWidget(step_);
    how_ = new QLabel(central);
    how_->setObjectName("LabelMethod");
    ShowMethod(app_.Parameters());
    stepRow->addWidget(how_);
    auto* compute = new QPushButton(hc::T("計算"), central);
    compute->setObjectName("Command1");
    stepRow->addWidget(compute);
    stepRow->addStretch(1);
    v->addLayout(stepRow);

    table_ = AddTableAndChart(v, central, "RatingTable",
                              Headers(kRatingColumns, app_.Parameters().Unit), picture_);
    connect(picture_, &hc::PictureBox::Resized, this, &RatingWindow::Redraw);
    setCentralWidget(central);
    statusBar()->setObjectName("StatusBar");

    const TableFileMenu file = AddTableFileMenu(this);
    printItem_ = file.print;
    copyItem_ = file.copy;
    connect(printItem_, &QAction::triggered, this, &RatingWindow::Print);
    connect(copyItem_, &QAction::triggered, this, &RatingWindow::CopyTable);
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) {
        PrintRatingCurve(s, *curve_, dataPath_, parameters_, app_.Widths());
    };
    exports.screenImage = [this] { return picture_->Image(); };
    exports.csv = [this] { return RatingCsv(parameters_, *curve_); };
    exports.dataPath = [this] { return dataPath_; };
    exports.status = [this](const std::string& t) { Status(t); };
    exports.canDraw = [this] { return curve_.has_value(); };
    exports_ = new hc::ChartExportActions(file.menu, file.close, platform_, std::move(exports));

    connect(compute, &QPushButton::clicked, this, &RatingWindow::Compute);
    connect(step_, &QLineEdit::returnPressed, this, &RatingWindow::Compute);

    Compute();
    // Every column stays readable: the table is as wide as its columns and its scroll bar.
    table_->setMinimumWidth(table_->horizontalHeader()->length() +
                            table_->verticalScrollBar()->sizeHint().width() +
                            2 * table_->frameWidth());
    setMinimumSize(minimumSizeHint());
    resize(std::max(1180, minimumWidth()), std::max(560, minimumHeight()));
    hc::CentreOnScreen(this);
}

void RatingWindow::ShowTitle() {
    setWindowTitle(hc::T(text::kRatingWindowTitle) + " < " + hc::Q(dataPath_) + " >");
}

void RatingWindow::ShowMethod(const FlowParameters& p) {
    how_->setText(hc::T(WindowUnits(p.Unit).Length) +
                  hc::T(p.Method == ConveyanceMethod::Parts
                            ? hc::N("  （河床から低い方の岸の天端まで、水路ごとに計算）")
                            : hc::N("  （河床から低い方の岸の天端まで、断面を分割して計算）")));
}

void RatingWindow::Status(const std::string& text) {
    statusBar()->showMessage(hc::Q(text));
}

void RatingWindow::Compute() {
    hc::Result<double> step = ReadRatingStep(hc::S(step_->text()));
    hc::Result<RatingCurve> curve =
        step ? app_.Rating(*step) : hc::Result<RatingCurve>(step.error());
    if (!curve) {
        platform_.MessageBox(hc::ShownReason(curve.error()), hc::TS(text::kTitle));
        Status(hc::Shown(curve.error()));
        step_->setFocus();
        step_->selectAll();
        const bool any = curve_.has_value();
        for (QAction* a : {printItem_, copyItem_})
            a->setEnabled(any);
        exports_->SetEnabled(any);
        return;
    }
    curve_ = std::move(*curve);
    parameters_ = app_.Parameters();
    dataPath_ = app_.Section().DataPath;
    ShowTitle();
    table_->setHorizontalHeaderLabels(Headers(kRatingColumns, parameters_.Unit));
    ShowMethod(parameters_);
    table_->setRowCount(static_cast<int>(curve_->Rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const RatingRow& row = curve_->Rows[static_cast<std::size_t>(r)];
        const double values[] = {row.Depth,     row.Level,     row.Area,
                                 row.Perimeter, row.TopWidth,  row.Velocity,
                                 row.Froude,    row.Discharge, row.Alpha};
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(Fixed(values[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    for (QAction* a : {printItem_, copyItem_})
        a->setEnabled(true);
    exports_->SetEnabled(true);
    Status(RatingDoneText(*curve_));
    Redraw();
}

void RatingWindow::Redraw() {
    if (curve_)
        DrawRatingScreen(picture_->Canvas(), *curve_);
}

void RatingWindow::Print() {
    if (!curve_)
        return;
    platform_.SetMousePointer(hc::kPointerHourglass);
    hc::PrintResult result = platform_.Print(
        [&](hc::Surface& printer) {
            PrintRatingCurve(printer, *curve_, dataPath_, parameters_, app_.Widths());
        },
        hc::PrintJobName(hc::TS("水位流量曲線"), dataPath_));
    platform_.SetMousePointer(hc::kPointerDefault);
    Status(hc::PrintStatusText(result));
}

void RatingWindow::CopyTable() {
    if (!curve_)
        return;
    QGuiApplication::clipboard()->setText(hc::Q(RatingCsv(parameters_, *curve_)));
    Status(hc::TS(text::kCsvCopied));
}

EnergyWindow::EnergyWindow(const FlowApp& app, hc::PlatformServices& platform, QWidget* parent)
    : QMainWindow(parent), app_(app), platform_(platform) {
    setObjectName("FormEnergy");
    dataPath_ = app_.Section().DataPath;
    setWindowTitle(hc::T(text::kEnergyWindowTitle) + " < " + hc::Q(dataPath_) + " >");
    setAttribute(Qt::WA_DeleteOnClose);
    const UnitNames u = WindowUnits(app_.Parameters().Unit);

    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    auto* entries = new QHBoxLayout;
    auto* dischargeLabel = new QLabel(hc::T("流量 Q ＝"), central);
    entries->addWidget(dischargeLabel);
    discharge_ = new QLineEdit(central);
    dischargeLabel->setBuddy(discharge_);
    discharge_->setObjectName("TextDischarge");
    discharge_->setFixedWidth(100);
    // The discharge of the main sheet (in m3/s) as a start.
    if (app_.Parameters().Unit == Units::SI && app_.Last() &&
        app_.Last()->Result.TotalDischarge > 0)
        discharge_->setText(
            Fixed(app_.Last()->Result.TotalDischarge).remove(QRegularExpression("\\.?0+$")));
    entries->addWidget(discharge_);
    entries->addWidget(new QLabel(hc::T(u.Discharge), central));
    entries->addSpacing(16);
    auto* stepLabel = new QLabel(hc::T("水深の刻み ="), central);
    entries->addWidget(stepLabel);
    step_ = new QLineEdit(central);
    stepLabel->setBuddy(step_);
    step_->setObjectName("TextStep");
    step_->setFixedWidth(80);
    step_->setText(hc::Q(hc::DoubleToText(kDefaultEnergyStep)));
    entries->addWidget(step_);
    entries->addWidget(new QLabel(hc::T(u.Length), central));
    auto* compute = new QPushButton(hc::T("計算"), central);
    compute->setObjectName("Command1");
    entries->addWidget(compute);
    entries->addStretch(1);
    v->addLayout(entries);
    critical_ = new QLabel(central);
    critical_->setObjectName("LabelCritical");
    v->addWidget(critical_);

    table_ = AddTableAndChart(v, central, "EnergyTable",
                              Headers(kEnergyColumns, app_.Parameters().Unit), picture_);
    connect(picture_, &hc::PictureBox::Resized, this, &EnergyWindow::Redraw);
    setCentralWidget(central);
    statusBar()->setObjectName("StatusBar");

    const TableFileMenu file = AddTableFileMenu(this);
    printItem_ = file.print;
    copyItem_ = file.copy;
    connect(printItem_, &QAction::triggered, this, &EnergyWindow::Print);
    connect(copyItem_, &QAction::triggered, this, &EnergyWindow::CopyTable);
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) {
        PrintEnergyCurve(s, *curve_, dataPath_, parameters_, app_.Widths());
    };
    exports.screenImage = [this] { return picture_->Image(); };
    exports.csv = [this] { return EnergyCsv(parameters_, *curve_); };
    exports.dataPath = [this] { return dataPath_; };
    exports.status = [this](const std::string& t) { Status(t); };
    exports.canDraw = [this] { return curve_.has_value(); };
    exports_ = new hc::ChartExportActions(file.menu, file.close, platform_, std::move(exports));
    for (QAction* a : {printItem_, copyItem_})
        a->setEnabled(false);
    exports_->SetEnabled(false);

    connect(compute, &QPushButton::clicked, this, &EnergyWindow::Compute);
    connect(discharge_, &QLineEdit::returnPressed, this, &EnergyWindow::Compute);
    connect(step_, &QLineEdit::returnPressed, this, &EnergyWindow::Compute);

    if (!discharge_->text().isEmpty())
        Compute();
    table_->setMinimumWidth(table_->horizontalHeader()->length() +
                            table_->verticalScrollBar()->sizeHint().width() +
                            2 * table_->frameWidth());
    setMinimumSize(minimumSizeHint());
    resize(std::max(1180, minimumWidth()), std::max(560, minimumHeight()));
    hc::CentreOnScreen(this);
}

void EnergyWindow::Status(const std::string& text) {
    statusBar()->showMessage(hc::Q(text));
}

void EnergyWindow::Compute() {
    hc::Result<double> q = ReadDischarge(hc::S(discharge_->text()));
    hc::Result<double> step = ReadRatingStep(hc::S(step_->text()));
    hc::Result<EnergyCurve> curve = !q      ? hc::Result<EnergyCurve>(q.error())
                                    : !step ? hc::Result<EnergyCurve>(step.error())
                                            : app_.Energy(*q, *step);
    if (!curve) {
        platform_.MessageBox(hc::ShownReason(curve.error()), hc::TS(text::kTitle));
        Status(hc::Shown(curve.error()));
        (q ? step_ : discharge_)->setFocus();
        (q ? step_ : discharge_)->selectAll();
        return;
    }
    curve_ = std::move(*curve);
    parameters_ = app_.Parameters();
    dataPath_ = app_.Section().DataPath;
    setWindowTitle(hc::T(text::kEnergyWindowTitle) + " < " + hc::Q(dataPath_) + " >");
    table_->setHorizontalHeaderLabels(Headers(kEnergyColumns, parameters_.Unit));
    table_->setRowCount(static_cast<int>(curve_->Rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const EnergyRow& row = curve_->Rows[static_cast<std::size_t>(r)];
        const double values[] = {row.Depth, row.Level,    row.Area,   row.TopWidth,
                                 row.Alpha, row.Velocity, row.Energy, row.Froude};
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(Fixed(values[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (row.Critical)  // the critical depths stand out among the steps
                item->setBackground(QColor(255, 224, 224));
            table_->setItem(r, c, item);
        }
    }
    const std::string found = EnergyCriticalText(*curve_);
    critical_->setText(hc::Q(found));
    for (QAction* a : {printItem_, copyItem_})
        a->setEnabled(true);
    exports_->SetEnabled(true);
    Status(found);
    Redraw();
}

void EnergyWindow::Redraw() {
    if (curve_)
        DrawEnergyScreen(picture_->Canvas(), *curve_);
}

void EnergyWindow::Print() {
    if (!curve_)
        return;
    platform_.SetMousePointer(hc::kPointerHourglass);
    hc::PrintResult result = platform_.Print(
        [&](hc::Surface& printer) {
            PrintEnergyCurve(printer, *curve_, dataPath_, parameters_, app_.Widths());
        },
        hc::PrintJobName(hc::TS(kEnergySheetTitle), dataPath_));
    platform_.SetMousePointer(hc::kPointerDefault);
    Status(hc::PrintStatusText(result));
}

void EnergyWindow::CopyTable() {
    if (!curve_)
        return;
    QGuiApplication::clipboard()->setText(hc::Q(EnergyCsv(parameters_, *curve_)));
    Status(hc::TS(text::kCsvCopied));
}

BanksWindow::BanksWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    setObjectName("FormBanks");
    setWindowTitle(hc::T(text::kBanksWindowTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(hc::T("左岸と右岸の位置の間を低水路として一つにまとめ、\n"
                                  "その外側（高水敷）は測点ごとに分けて計算します。\n"
                                  "両方とも空にすると、全体を測点ごとに分けます。"),
                            this));
    const UnitNames u = WindowUnits(app_.Parameters().Unit);
    const BankStations& b = app_.Parameters().Banks;
    auto* g = new QGridLayout;
    const char* labels[] = {hc::N("左岸 X ＝"), hc::N("右岸 X ＝")};
    QLineEdit** boxes[] = {&left_, &right_};
    const double values[] = {b.Left, b.Right};
    for (int i = 0; i < 2; ++i) {
        auto* caption = new QLabel(hc::T(labels[i]), this);
        g->addWidget(caption, i, 0);
        auto* box = new QLineEdit(this);
        caption->setBuddy(box);
        box->setObjectName(QString("Text%1").arg(i + 1));
        box->setFixedWidth(120);
        if (b.Set)
            box->setText(hc::Q(hc::DoubleToText(values[i])));
        g->addWidget(box, i, 1);
        g->addWidget(new QLabel(hc::T(u.Length), this), i, 2);
        *boxes[i] = box;
    }
    v->addLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* apply = new QPushButton(hc::T("この値で設定"), this);
    apply->setObjectName("Command1");
    apply->setDefault(true);
    auto* cancel = new QPushButton(hc::T("キャンセル"), this);
    cancel->setObjectName("Command2");
    cancel->setAutoDefault(false);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    v->addLayout(buttons);
    connect(apply, &QPushButton::clicked, this, &BanksWindow::Apply);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    adjustSize();
    setMinimumSize(sizeHint());
    hc::CentreOnScreen(this);
}

void BanksWindow::Apply() {
    hc::Result<BankStations> b =
        ReadBanks(hc::S(left_->text().trimmed()), hc::S(right_->text().trimmed()));
    if (!b || !app_.SetBanks(*b)) {
        platform_.MessageBox(hc::TS(text::kBanksInvalid), hc::TS(text::kTitle));
        left_->setFocus();
        left_->selectAll();
        return;
    }
    close();
}

NormalDepthWindow::NormalDepthWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    setObjectName("FormNormalDepth");
    setWindowTitle(hc::T(text::kNormalDepthWindowTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(hc::T("流量を入れると、いまの粗度係数・河床勾配・解析範囲で\nその流量が"
                                  "流れる水深を求めます。"),
                            this));
    // The depth comes from the analysis menu's method; the main sheet then shows that depth
    // computed per sub-channel, whose discharge may differ.
    if (app_.Parameters().Method == ConveyanceMethod::Subdivided)
        v->addWidget(new QLabel(hc::T("（断面を分割して計算します。主画面の流量 Q は水路ごとの"
                                      "計算なので、\n入れた流量と違うことがあります）"),
                                this));
    auto* g = new QGridLayout;
    auto* dischargeLabel = new QLabel(hc::T("流量 Q ＝"), this);
    g->addWidget(dischargeLabel, 0, 0);
    discharge_ = new QLineEdit(this);
    dischargeLabel->setBuddy(discharge_);
    discharge_->setObjectName("Text1");
    discharge_->setFixedWidth(120);
    g->addWidget(discharge_, 0, 1);
    const UnitNames u = WindowUnits(app_.Parameters().Unit);
    const bool us = app_.Parameters().Unit == Units::US;
    g->addWidget(new QLabel(hc::T(us ? u.Discharge : hc::N("ｍ3／sec")), this), 0, 2);
    g->addWidget(new QLabel(hc::T("水深 ｄ ＝"), this), 1, 0);
    depth_ = new QLabel(this);
    depth_->setObjectName("LabelDepth");
    g->addWidget(depth_, 1, 1);
    g->addWidget(new QLabel(hc::T(u.Length), this), 1, 2);
    g->addWidget(new QLabel(hc::T("水位 ＝"), this), 2, 0);
    level_ = new QLabel(this);
    level_->setObjectName("LabelLevel");
    g->addWidget(level_, 2, 1);
    g->addWidget(new QLabel(hc::T(u.Length), this), 2, 2);
    v->addLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* compute = new QPushButton(hc::T("この流量で計算"), this);
    compute->setObjectName("Command1");
    compute->setDefault(true);
    auto* close = new QPushButton(hc::T("閉じる"), this);
    close->setObjectName("Command2");
    close->setAutoDefault(false);
    buttons->addWidget(compute);
    buttons->addWidget(close);
    v->addLayout(buttons);
    connect(compute, &QPushButton::clicked, this, &NormalDepthWindow::Compute);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    adjustSize();
    setMinimumSize(sizeHint());
    hc::CentreOnScreen(this);
    discharge_->setFocus();
}

void NormalDepthWindow::Compute() {
    hc::Result<double> q = ReadDischarge(hc::S(discharge_->text()));
    hc::Result<NormalDepth> n = q ? app_.ApplyDischarge(*q) : hc::Result<NormalDepth>(q.error());
    if (!n) {
        platform_.MessageBox(hc::ShownReason(n.error()), hc::TS(text::kTitle));
        discharge_->setFocus();
        discharge_->selectAll();
        return;
    }
    depth_->setText(Fixed(n->Depth));
    level_->setText(Fixed(n->Level));
    Q_EMIT Computed();
}

}  // namespace flow

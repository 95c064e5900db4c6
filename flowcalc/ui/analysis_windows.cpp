#include "flowcalc/ui/analysis_windows.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "common/core/numbers.h"
#include "common/ui/window_helpers.h"
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

const char* const kRatingColumns[] = {"水深 (ｍ)",  "水位 (ｍ)",     "断面積 (ｍ2)",
                                      "潤辺 (ｍ)",  "水面幅 (ｍ)",   "平均流速 (ｍ/sec)",
                                      "フルード数", "流量 (ｍ3/sec)"};

// Table cells to the millimetre and the litre: what a practitioner reads off a rating table.
QString Fixed(double v, int decimals = 3) {
    return QString::number(v, 'f', decimals);
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
    stepRow->addWidget(new QLabel(hc::Q("水位の刻み ="), central));
    step_ = new QLineEdit(central);
    step_->setObjectName("TextStep");
    step_->setFixedWidth(90);
    step_->setText(hc::Q(hc::DoubleToText(kDefaultRatingStep)));
    stepRow->addWidget(step_);
    stepRow->addWidget(new QLabel(hc::Q("ｍ  （河床から低い方の岸の天端まで）"), central));
    auto* compute = new QPushButton(hc::Q("計算"), central);
    compute->setObjectName("Command1");
    stepRow->addWidget(compute);
    stepRow->addStretch(1);
    v->addLayout(stepRow);

    auto* body = new QHBoxLayout;
    table_ = new QTableWidget(0, static_cast<int>(std::size(kRatingColumns)), central);
    table_->setObjectName("RatingTable");
    QStringList headers;
    for (const char* h : kRatingColumns)
        headers << hc::Q(h);
    table_->setHorizontalHeaderLabels(headers);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    body->addWidget(table_, 1);
    picture_ = new hc::PictureBox;
    picture_->setObjectName("Picture1");
    connect(picture_, &hc::PictureBox::Resized, this, &RatingWindow::Redraw);
    body->addWidget(new RatingPictureBox(picture_, central), 1);
    v->addLayout(body, 1);
    setCentralWidget(central);
    statusBar()->setObjectName("StatusBar");

    QMenu* file = menuBar()->addMenu(hc::Q("ファイル(&F)"));
    file->setObjectName("mnuFile");
    printItem_ = file->addAction(hc::Q("印刷(&P)"));
    printItem_->setObjectName("mnuFilePrintItem");
    copyItem_ = file->addAction(hc::Q("表をコピー"));
    copyItem_->setObjectName("mnuFileCopyTableItem");
    file->addSeparator();
    QAction* close = file->addAction(hc::Q("閉じる(&X)"));
    close->setObjectName("mnuFileCloseItem");
    connect(printItem_, &QAction::triggered, this, &RatingWindow::Print);
    connect(copyItem_, &QAction::triggered, this, &RatingWindow::CopyTable);
    connect(close, &QAction::triggered, this, &QWidget::close);
    hc::ChartExport exports;
    exports.drawPaper = [this](hc::Surface& s) {
        PrintRatingCurve(s, *curve_, dataPath_, parameters_, app_.Widths());
    };
    exports.screenImage = [this] { return picture_->Image(); };
    exports.csv = [this] { return RatingCsv(parameters_, *curve_); };
    exports.dataPath = [this] { return dataPath_; };
    exports.status = [this](const std::string& t) { Status(t); };
    exports.canDraw = [this] { return curve_.has_value(); };
    exports_ = new hc::ChartExportActions(file, close, platform_, std::move(exports));

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
    setWindowTitle(hc::Q(std::string(text::kRatingWindowTitle) + " < " + dataPath_ + " >"));
}

void RatingWindow::Status(const std::string& text) {
    statusBar()->showMessage(hc::Q(text));
}

void RatingWindow::Compute() {
    hc::Result<double> step = ReadRatingStep(hc::S(step_->text()));
    hc::Result<RatingCurve> curve =
        step ? app_.Rating(*step) : hc::Result<RatingCurve>(step.error());
    if (!curve) {
        platform_.MessageBox(curve.error().ja, text::kTitle);
        Status(curve.error().Japanese());
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
    table_->setRowCount(static_cast<int>(curve_->Rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const RatingRow& row = curve_->Rows[static_cast<std::size_t>(r)];
        const double values[] = {row.Depth,    row.Level,    row.Area,   row.Perimeter,
                                 row.TopWidth, row.Velocity, row.Froude, row.Discharge};
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
    hc::PrintResult result = platform_.Print([&](hc::Surface& printer) {
        PrintRatingCurve(printer, *curve_, dataPath_, parameters_, app_.Widths());
    }, hc::PrintJobName("水位流量曲線", dataPath_));
    platform_.SetMousePointer(hc::kPointerDefault);
    Status(hc::PrintStatusText(result));
}

void RatingWindow::CopyTable() {
    if (!curve_)
        return;
    QGuiApplication::clipboard()->setText(hc::Q(RatingCsv(parameters_, *curve_)));
    Status(text::kCsvCopied);
}

NormalDepthWindow::NormalDepthWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    setObjectName("FormNormalDepth");
    setWindowTitle(hc::Q(text::kNormalDepthWindowTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(hc::Q("流量を入れると、いまの粗度係数・河床勾配・解析範囲で\nその流量が"
                                  "流れる水深を求めます。"),
                            this));
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(hc::Q("流量 Q ＝"), this), 0, 0);
    discharge_ = new QLineEdit(this);
    discharge_->setObjectName("Text1");
    discharge_->setFixedWidth(120);
    g->addWidget(discharge_, 0, 1);
    g->addWidget(new QLabel(hc::Q("ｍ3／sec"), this), 0, 2);
    g->addWidget(new QLabel(hc::Q("水深 ｄ ＝"), this), 1, 0);
    depth_ = new QLabel(this);
    depth_->setObjectName("LabelDepth");
    g->addWidget(depth_, 1, 1);
    g->addWidget(new QLabel(hc::Q("ｍ"), this), 1, 2);
    g->addWidget(new QLabel(hc::Q("水位 ＝"), this), 2, 0);
    level_ = new QLabel(this);
    level_->setObjectName("LabelLevel");
    g->addWidget(level_, 2, 1);
    g->addWidget(new QLabel(hc::Q("ｍ"), this), 2, 2);
    v->addLayout(g);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* compute = new QPushButton(hc::Q("この流量で計算"), this);
    compute->setObjectName("Command1");
    compute->setDefault(true);
    auto* close = new QPushButton(hc::Q("閉じる"), this);
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
        platform_.MessageBox(n.error().ja, text::kTitle);
        discharge_->setFocus();
        discharge_->selectAll();
        return;
    }
    depth_->setText(Fixed(n->Depth));
    level_->setText(Fixed(n->Level));
    Q_EMIT Computed();
}

}  // namespace flow

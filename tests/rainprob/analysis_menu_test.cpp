// What the window says and draws beyond the classic menus: every refused data file in Japanese
// with its file and line, the frequency-analysis menu driving the chart and the printed design
// values through the core's fits, the return-period table, and windows that keep their parts
// apart however small they are made.
#include <sys/stat.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <filesystem>

#include "common/core/input_limits.h"
#include "common/core/numbers.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/fit_chart.h"
#include "rainprob/core/numbers_csv.h"
#include "rainprob/ui/print_position_window.h"
#include "rainprob/ui/return_period_window.h"
#include "support/window_lookup.h"
#include "ui_fixture.h"

using namespace rain;
using rain::test::RainWindow;

namespace {

// The status line without the file's path and the units holds no Latin letters: it is
// Japanese throughout.
void ExpectJapanese(const QString& status, const std::string& path) {
    QString rest = status;
    rest.remove(QString::fromStdString(path));
    rest.remove(QRegularExpression("\\b(mm|KB)\\b|「[^」]*」"));
    EXPECT_FALSE(rest.contains(QRegularExpression("[A-Za-z]"))) << status.toStdString();
}

// The widgets directly inside `parent` that are shown, with their geometry.
std::vector<QWidget*> ShownChildren(QWidget* parent) {
    std::vector<QWidget*> out;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(parent) && !w->isWindow())
            out.push_back(w);
    return out;
}

// Where a widget puts ink: a one-line label its text as drawn, anything else its whole rect.
QRect InkRect(QWidget* w) {
    auto* label = qobject_cast<QLabel*>(w);
    if (!label || label->wordWrap() || label->text().isEmpty())
        return w->geometry();
    const QFontMetrics fm = label->fontMetrics();
    const QRect line =
        fm.boundingRect(label->contentsRect(), static_cast<int>(label->alignment()), label->text());
    const QRect ink = fm.tightBoundingRect(label->text());
    return QRect(line.left() + ink.left(), line.top() + fm.ascent() + ink.top(), ink.width(),
                 ink.height())
        .translated(w->pos());
}

// No two of the widgets overlap, and each lies inside `parent`.
void ExpectApart(QWidget* parent, const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        EXPECT_TRUE(parent->rect().contains(widgets[i]->geometry()))
            << widgets[i]->objectName().toStdString() << " leaves "
            << parent->objectName().toStdString();
        for (std::size_t j = i + 1; j < widgets.size(); ++j)
            EXPECT_FALSE(InkRect(widgets[i]).intersects(InkRect(widgets[j])))
                << widgets[i]->objectName().toStdString() << " "
                << widgets[i]->property("text").toString().toStdString() << " / "
                << widgets[j]->objectName().toStdString() << " "
                << widgets[j]->property("text").toString().toStdString();
    }
}

}  // namespace

TEST_F(RainWindow, EveryRefusedFileIsExplainedInJapaneseWithItsPlace) {
    PassSplash();
    const std::string good = WriteFile("good.txt", test::RecordText(test::kTextbookMm));
    Open(good);
    const std::string fifo = dir.filePath("pipe.txt").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = WriteFile("huge.txt", "");
    std::filesystem::resize_file(huge, hc::limits::kMaxTextFileBytes + 1);
    std::vector<std::int32_t> many(258, 1000);
    struct Case {
        std::string path;
        const char* reason;
        int line;  // 0: the refusal concerns the whole file
    };
    const Case cases[] = {
        {dir.filePath("missing.txt").toStdString(), "ファイルまたはフォルダがありません", 0},
        {dir.path().toStdString(), "フォルダです", 0},
        {fifo, "通常のファイルではありません", 0},
        {huge, "大きすぎます", 0},
        {WriteFile("letters.txt", "1990 900\n1991 9x0\n"), "「9x0」は数値ではありません", 2},
        {WriteFile("short.txt", "1990 900\n1991\n"), "1991 年の降水量がない", 3},
        {WriteFile("many.txt", test::RecordText(many)), "257 年分を超えています", 258},
        {WriteFile("empty.txt", ""), "記録がありません", 0},
        {WriteFile("one.txt", "1990 900\n"), "１年分だけでは解析できません", 0},
        {WriteFile("flat.txt", "1990 4000\n1991 4000\n"), "横軸の範囲 0～3000 mm の外", 0}};
    for (const Case& c : cases) {
        Open(c.path);
        const QString status = Status();
        const std::string place =
            c.path + (c.line > 0 ? ": " + std::to_string(c.line) + " 行目: " : ": ");
        EXPECT_TRUE(status.startsWith(QString::fromStdString(place))) << status.toStdString();
        EXPECT_TRUE(status.contains(QString::fromUtf8(c.reason))) << status.toStdString();
        ExpectJapanese(status, c.path);
        EXPECT_EQ(App().DataPath(), good);
    }
    EXPECT_TRUE(platform.messages.empty());
}

// Each choice of the frequency menu redraws the chart and prints the design values of the
// core's fit for that position and distribution; the return-period table agrees at 10 and 50
// years. Hazen and the normal regression, the defaults, give the classic chart back.
TEST_F(RainWindow, FrequencyMenuDrivesTheChartAndTheDesignValues) {
    PassSplash();
    Open(WriteFile("rain.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuAnaAll")->trigger();
    EXPECT_TRUE(MenuEnabled("mnuFreq"));
    EXPECT_TRUE(Item("mnuFreqPosVal(0)")->isChecked());
    EXPECT_TRUE(Item("mnuFreqDistVal(0)")->isChecked());
    const QImage classic = Picture()->Image();
    Item("mnuFreqTableItem")->trigger();
    auto* periods = form->findChild<ReturnPeriodWindow*>("frmReturnPeriods");
    ASSERT_NE(periods, nullptr);
    auto* table = hc::test::Child<QTableWidget>(periods, "tblReturnPeriods");
    ASSERT_EQ(table->rowCount(), static_cast<int>(std::size(kReturnPeriods)));

    struct Case {
        const char* item;
        PlottingPosition position;
        Distribution distribution;
    };
    const Case cases[] = {
        {"mnuFreqPosVal(1)", PlottingPosition::Weibull, Distribution::Normal},
        {"mnuFreqPosVal(2)", PlottingPosition::Cunnane, Distribution::Normal},
        {"mnuFreqPosVal(3)", PlottingPosition::Gringorten, Distribution::Normal},
        {"mnuFreqPosVal(4)", PlottingPosition::Blom, Distribution::Normal},
        {"mnuFreqDistVal(1)", PlottingPosition::Blom, Distribution::LogNormal},
        {"mnuFreqDistVal(2)", PlottingPosition::Blom, Distribution::GumbelMoments},
        {"mnuFreqDistVal(3)", PlottingPosition::Blom, Distribution::GumbelRegression},
        {"mnuFreqDistVal(7)", PlottingPosition::Blom, Distribution::LogPearson3},
        {"mnuFreqDistVal(8)", PlottingPosition::Blom, Distribution::Gev},
        {"mnuFreqDistVal(10)", PlottingPosition::Blom, Distribution::SqrtEt},
        {"mnuFreqDistVal(3)", PlottingPosition::Blom, Distribution::GumbelRegression},
        {"mnuFreqPosVal(0)", PlottingPosition::Hazen, Distribution::GumbelRegression},
        {"mnuFreqDistVal(0)", PlottingPosition::Hazen, Distribution::Normal}};
    const NormalTable& normal = StandardNormalTable();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Item(c.item)->trigger();
        EXPECT_EQ(App().Position(), c.position);
        EXPECT_EQ(App().DistributionChoice(), c.distribution);
        const auto checked = [&](const char* prefix, std::size_t count) {
            int n = 0;
            for (std::size_t i = 0; i < count; ++i)
                n += Item((std::string(prefix) + "(" + std::to_string(i) + ")").c_str())
                         ->isChecked();
            return n;
        };
        EXPECT_EQ(checked("mnuFreqPosVal", std::size(kPositionFormulas)), 1);
        EXPECT_EQ(checked("mnuFreqDistVal", std::size(kDistributionNames)), 1);
        EXPECT_TRUE(Item(c.item)->isChecked());
        EXPECT_TRUE(Status().contains(QString::fromUtf8("確率プロット相関係数")));

        // The core's fit of the same record with the same choice.
        hc::Result<RainAnalysis> a = AnalyseRain(App().Table(), normal, c.position);
        ASSERT_TRUE(a);
        hc::Result<DistributionFit> fit = FitDistribution(App().Table(), *a, c.distribution);
        ASSERT_TRUE(fit);
        const DesignValues v = FitDesignValues(*fit, normal);
        platform.printer.ClearOps();
        Item("mnuPrintOutItem")->trigger();
        const std::string dry = std::string(kDry10Label) + std::to_string(v.dry10) + "mm  " +
                                kDry50Label + std::to_string(v.dry50) + "mm";
        const std::string wet = std::string(kWet10Label) + std::to_string(v.wet10) + "mm  " +
                                kWet50Label + std::to_string(v.wet50) + "mm";
        EXPECT_EQ(platform.printer.TextsEqual(ResultHeader(c.distribution)).size(), 1u);
        EXPECT_EQ(platform.printer.TextsEqual(dry).size(), 1u) << dry;
        EXPECT_EQ(platform.printer.TextsEqual(wet).size(), 1u) << wet;
        // 数値を保存 writes the same values.
        EXPECT_NE(App().Csv().find("dry year 1/50 (mm)," + std::to_string(v.dry50) + "\n"),
                  std::string::npos);
        // Rows of 10 and 50 years.
        EXPECT_EQ(table->item(3, 0)->text(), "10");
        EXPECT_EQ(table->item(3, 1)->text().toLongLong(), v.dry10);
        EXPECT_EQ(table->item(3, 2)->text().toLongLong(), v.wet10);
        EXPECT_EQ(table->item(6, 1)->text().toLongLong(), v.dry50);
        EXPECT_EQ(table->item(6, 2)->text().toLongLong(), v.wet50);
        const bool classicChoice =
            c.position == PlottingPosition::Hazen && c.distribution == Distribution::Normal;
        EXPECT_EQ(Picture()->Image() == classic, classicChoice);
    }
    // The normal fit of Hazen positions is the classic regression: the printed sheet's values.
    EXPECT_EQ(platform.printer.TextsEqual(kResultHeader).size(), 1u);
    EXPECT_EQ(
        platform.printer.TextsEqual("    1/10渇水年降水量 = 1008mm      1/50渇水年降水量 = 899mm")
            .size(),
        1u);
}

TEST_F(RainWindow, ALogNormalFitIsRefusedForAYearWithoutRain) {
    PassSplash();
    const std::string path = WriteFile("dry.txt", "1990 0\n1991 900\n1992 1100\n");
    Open(path);
    Item("mnuFreqDistVal(1)")->trigger();
    EXPECT_EQ(App().DistributionChoice(), Distribution::Normal);
    EXPECT_TRUE(Item("mnuFreqDistVal(0)")->isChecked());
    EXPECT_FALSE(Item("mnuFreqDistVal(1)")->isChecked());
    EXPECT_TRUE(Status().startsWith(QString::fromStdString(path + ": ")));
    EXPECT_TRUE(Status().contains(QString::fromUtf8("1990 年は 0 mm")));
    ExpectJapanese(Status(), path);
    // Chosen for a record that allows it, a later file without rain is refused whole.
    Open(WriteFile("wet.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuFreqDistVal(1)")->trigger();
    EXPECT_EQ(App().DistributionChoice(), Distribution::LogNormal);
    Open(path);
    EXPECT_EQ(App().Table().Count(), 26);
    EXPECT_TRUE(Status().contains(QString::fromUtf8("対数正規分布")));
}

TEST_F(RainWindow, ReturnPeriodTableSavesAndCopies) {
    PassSplash();
    Open(WriteFile("rain.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuFreqDistVal(2)")->trigger();
    Item("mnuFreqTableItem")->trigger();
    auto* periods = form->findChild<ReturnPeriodWindow*>("frmReturnPeriods");
    ASSERT_NE(periods, nullptr);
    EXPECT_EQ(hc::test::Child<QLabel>(periods, "lblFit")->text(),
              QString::fromUtf8("分布：グンベル分布 (積率法)　プロット位置：ハーゼン"));

    const std::string csv = dir.filePath("periods.csv").toStdString();
    platform.saveAnswers.push_back(csv);
    hc::test::Click(periods, "cmdSaveCsv");
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_TRUE(platform.saveRequests[0].initialPath.ends_with("rain-return.csv"));
    EXPECT_EQ(ReadFile(csv), App().ReturnPeriodCsv());
    EXPECT_NE(ReadFile(csv).find("distribution,gumbel\n"), std::string::npos);
    auto* status = hc::test::Child<QLabel>(periods, "lblStatus");
    EXPECT_EQ(status->text().toStdString(), "保存しました: " + csv);

    platform.saveAnswers.push_back(dir.filePath("no/such/dir.csv").toStdString());
    hc::test::Click(periods, "cmdSaveCsv");
    EXPECT_TRUE(status->text().startsWith(QString::fromUtf8("保存できませんでした: ")));
    ExpectJapanese(status->text(), dir.filePath("no/such/dir.csv").toStdString());

    hc::test::Click(periods, "cmdCopy");
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines[0].startsWith(
        QString::fromUtf8("再現期間（年）\t渇水年降水量（mm）\t豊水年降水量（mm）\t")));
    // 500 years, then the jackknife: estimate and corrected value in mm, error to 0.1 mm.
    const ReturnPeriodValue last = App().ReturnPeriods().back();
    EXPECT_EQ(lines[12], QString("500\t%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8")
                             .arg(last.dryMm)
                             .arg(last.wetMm)
                             .arg(std::llround(last.dryJackknife->mean))
                             .arg(std::llround(last.dryJackknife->corrected))
                             .arg(hc::FixedDecimals(last.dryJackknife->standardError, 1).c_str())
                             .arg(std::llround(last.wetJackknife->mean))
                             .arg(std::llround(last.wetJackknife->corrected))
                             .arg(hc::FixedDecimals(last.wetJackknife->standardError, 1).c_str()));
}

// However small the user makes them, the windows keep their boxes, labels and picture apart.
TEST_F(RainWindow, WindowsKeepTheirPartsApart) {
    PassSplash();
    Open(WriteFile("rain.txt", test::RecordText(test::kTextbookMm)));
    form->resize(400, 300);
    hc::test::FlushEvents();
    auto* client = form->findChild<QWidget*>("client");
    ASSERT_NE(client, nullptr);
    EXPECT_GE(client->width(), client->minimumWidth());
    EXPECT_GE(client->height(), client->minimumHeight());
    const std::vector<QWidget*> parts = ShownChildren(client);
    std::vector<QWidget*> panel;
    for (QWidget* w : parts)
        if (w->objectName() != "Picture1Border" && w->objectName() != "Picture1")
            panel.push_back(w);
    panel.push_back(client->findChild<QWidget*>("Picture1Border"));
    ExpectApart(client, panel);
    // The picture keeps its design size at least; a window smaller than that scrolls, and the
    // status line lies below what is shown of the client.
    EXPECT_GE(Picture()->width(), kPictureWidthTwips / 15);
    EXPECT_GE(Picture()->height(), kPictureHeightTwips / 15);
    auto* scroll = form->findChild<QScrollArea*>("clientScroll");
    ASSERT_NE(scroll, nullptr);
    const QRect shown(scroll->viewport()->mapTo(form.get(), QPoint(0, 0)),
                      scroll->viewport()->size());
    EXPECT_FALSE(shown.intersects(form->statusBar()->geometry()));
    EXPECT_LT(shown.width(), client->width());
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    // A long status line does not widen the window.
    const int width = form->width();
    Open(WriteFile(std::string(200, 'x') + ".txt", "1990 x\n"));
    hc::test::FlushEvents();
    EXPECT_EQ(form->width(), width);

    Item("mnuSetPosItem")->trigger();
    Item("mnuEditFile")->trigger();
    Item("mnuFreqTableItem")->trigger();
    hc::test::FlushEvents();
    for (const char* name : {"Form2", "Form3", "frmReturnPeriods"}) {
        SCOPED_TRACE(name);
        auto* w = form->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr);
        w->resize(50, 50);
        hc::test::FlushEvents();
        QWidget* inner =
            qobject_cast<QMainWindow*>(w) ? qobject_cast<QMainWindow*>(w)->centralWidget() : w;
        ExpectApart(inner, ShownChildren(inner));
    }
    Editor()->findChild<QAction*>("EmnuFileNewItem")->trigger();
    auto* years = Editor()->findChild<QWidget*>("Form4");
    ASSERT_NE(years, nullptr);
    ExpectApart(years, ShownChildren(years));
}

// The fit table ranks every distribution by SLSC with the 0.04 acceptance; the band item draws
// the ±1 standard-error band dashed beside the line, on the screen and on paper, and only while
// the line is shown.
TEST_F(RainWindow, FitTableAndStandardErrorBand) {
    PassSplash();
    Open(WriteFile("rain.txt", test::RecordText(test::kTextbookMm)));
    EXPECT_EQ(Item("mnuFreqFitItem")->text(), QString::fromUtf8("適合度(&F)..."));
    EXPECT_EQ(Item("mnuFreqBandItem")->text(), QString::fromUtf8("推定誤差の幅を表示(&B)"));
    // Mnemonics stay unique in the menu and in its distribution submenu.
    for (const char* menu : {"mnuFreq", "mnuFreqDist"}) {
        QSet<QChar> keys;
        const QList<QAction*> actions = form->findChild<QMenu*>(menu)->actions();
        for (QAction* a : actions) {
            const qsizetype amp = a->text().indexOf('&');
            if (amp < 0)
                continue;
            const QChar key = a->text().at(amp + 1).toUpper();
            EXPECT_FALSE(keys.contains(key)) << menu << " " << a->text().toStdString();
            keys.insert(key);
        }
    }
    Item("mnuFreqFitItem")->trigger();
    auto* window = form->findChild<QWidget*>("frmFitTable");
    ASSERT_NE(window, nullptr);
    auto* table = hc::test::Child<QTableWidget>(window, "tblFitTable");
    ASSERT_EQ(table->rowCount(), static_cast<int>(std::size(kDistributionNames)));
    double last = 0;
    for (int r = 0; r < table->rowCount(); ++r) {
        EXPECT_EQ(table->item(r, 0)->text().toInt(), r + 1);
        const double slsc = table->item(r, 3)->text().toDouble();
        EXPECT_GE(slsc, last);
        last = slsc;
        EXPECT_EQ(table->item(r, 4)->text(), slsc <= 0.04 ? QString::fromUtf8("○") : "×");
    }

    Item("mnuAnaAll")->trigger();
    const QImage plain = Picture()->Image();
    // Lines on the printed sheet: the frame, the line, and the band's dashes.
    auto lines = [&] {
        platform.printer.ClearOps();
        Item("mnuPrintOutItem")->trigger();
        return static_cast<int>(platform.printer.OpsOf(hc::DrawOp::Kind::Line).size());
    };
    const int plainSheet = lines();
    Item("mnuAnaNot")->trigger();
    const int withoutLine = lines();
    Item("mnuAnaAll")->trigger();
    Item("mnuFreqBandItem")->trigger();
    EXPECT_TRUE(Item("mnuFreqBandItem")->isChecked());
    EXPECT_NE(Picture()->Image(), plain);
    // Both edges, dashed, over most of the range between deviates -3 and +3.
    EXPECT_GT(lines() - plainSheet, 100);
    Item("mnuAnaNot")->trigger();
    EXPECT_EQ(lines(), withoutLine);
    Item("mnuAnaAll")->trigger();
    Item("mnuFreqBandItem")->trigger();
    EXPECT_EQ(Picture()->Image(), plain);
}

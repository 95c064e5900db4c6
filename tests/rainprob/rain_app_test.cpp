// The application layer of rainprob without a window: loading into fresh objects, the first
// load's defaults, the requests in every state and the rules on the settings.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "common/core/csv.h"
#include "common/core/file_write.h"
#include "common/core/recording_surface.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/editor_text.h"
#include "rainprob/core/rain_app.h"
#include "test_data.h"

using namespace rain;

namespace {

class RainAppTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& content) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        EXPECT_TRUE(hc::WriteFileAtomically(path, content));
        return path;
    }
    std::string Textbook() { return Write("textbook.txt", test::RecordText(test::kTextbookMm)); }

    QTemporaryDir dir;
    RainApp app;
};

}  // namespace

TEST_F(RainAppTest, BeforeTheFirstLoadNothingCanBeDrawn) {
    EXPECT_FALSE(app.Loaded());
    EXPECT_FALSE(app.DefaultsSet());
    EXPECT_EQ(app.Caption(), kMainCaption);
    for (ChartAction a : {ChartAction::Redraw, ChartAction::Print}) {
        hc::Status s = app.Request(a);
        ASSERT_FALSE(s);
        EXPECT_EQ(s.error().kind, hc::ErrorKind::Unusable);
    }
    EXPECT_FALSE(app.Request(ChartAction::Load));  // no file chosen yet
    EXPECT_TRUE(app.Request(ChartAction::Exit));
    EXPECT_EQ(app.Action(), ChartAction::Exit);
}

TEST_F(RainAppTest, FirstLoadAppliesTheDefaultsButKeepsThePrintPosition) {
    app.SetPrintOffset("5", "-3mm");
    app.SetScaleMax(5000);  // not reachable from the menus before a load; the defaults win
    const std::string path = Textbook();
    ASSERT_TRUE(app.Load(path));
    EXPECT_TRUE(app.Loaded());
    EXPECT_TRUE(app.DefaultsSet());
    EXPECT_EQ(app.Action(), ChartAction::Redraw);
    EXPECT_EQ(app.DataPath(), path);
    EXPECT_EQ(app.Caption(), std::string(kMainCaption) + "  < " + path + " > ");
    EXPECT_EQ(app.LoadedStatus(), path + ": 26 年");
    EXPECT_EQ(app.ShownMean(), 1190);  // 1189.77
    const ChartSettings& s = app.Settings();
    EXPECT_EQ(s.ScaleMin, 0);
    EXPECT_EQ(s.ScaleMax, 3000);
    EXPECT_EQ(s.LineWidths.solid, 3);
    EXPECT_EQ(s.LineWidths.dotted, 2);
    EXPECT_EQ(s.LineWidths.regression, 5);
    EXPECT_EQ(s.analysisMode, AnalysisMode::None);
    EXPECT_EQ(s.offsetRight, 5);
    EXPECT_EQ(s.offsetUp, -3);
    EXPECT_TRUE(app.Request(ChartAction::Redraw));
}

TEST_F(RainAppTest, MeanIsShownRoundedHalfToEven) {
    ASSERT_TRUE(app.Load(Write("a.txt", "2000 1234\n2001 1235\n")));
    EXPECT_EQ(app.ShownMean(), 1234);  // 1234.5
    ASSERT_TRUE(app.Load(Write("b.txt", "2000 1235\n2001 1236\n")));
    EXPECT_EQ(app.ShownMean(), 1236);  // 1235.5
}

TEST_F(RainAppTest, LaterLoadsKeepTheChosenSettings) {
    ASSERT_TRUE(app.Load(Textbook()));
    app.SetScaleMax(5000);
    ASSERT_TRUE(app.SetLineWidth(PrintLine::Dotted, 5));
    app.SetAnalysisMode(AnalysisMode::Line);
    ASSERT_TRUE(app.Load(Write("b.txt", "1990 900\n1991 1000\n1992 1100\n")));
    EXPECT_EQ(app.Table().Count(), 3);
    EXPECT_EQ(app.Settings().ScaleMax, 5000);
    EXPECT_EQ(app.Settings().LineWidths.dotted, 5);
    EXPECT_EQ(app.Settings().analysisMode, AnalysisMode::Line);
}

TEST_F(RainAppTest, AFailedLoadChangesNothing) {
    const std::string good = Textbook();
    ASSERT_TRUE(app.Load(good));
    app.SetScaleMin(1500);
    struct Case {
        std::string path;
        hc::ErrorKind kind;
        int line;
    };
    const Case cases[] = {
        {Write("bad.txt", "1990 900\n1991 9x0\n"), hc::ErrorKind::BadValue, 2},
        {Write("one.txt", "1990 900\n"), hc::ErrorKind::BadCount, 0},
        // Flat at 1200 mm, outside the 1500..3000 in force: no line could be drawn.
        {Write("flat.txt", "1990 1200\n1991 1200\n"), hc::ErrorKind::Unusable, 0},
        {dir.filePath("none.txt").toStdString(), hc::ErrorKind::CannotRead, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        hc::Status s = app.Load(c.path);
        ASSERT_FALSE(s);
        EXPECT_EQ(s.error().kind, c.kind);
        EXPECT_EQ(s.error().file, c.path);
        EXPECT_EQ(s.error().line, c.line);
        EXPECT_EQ(app.Action(), ChartAction::Load);
        EXPECT_EQ(app.DataPath(), good);
        EXPECT_EQ(app.Table().Count(), 26);
        EXPECT_EQ(app.Analysis().max, 1684);
        EXPECT_EQ(app.Settings().ScaleMin, 1500);
    }
    // The same flat record is fine on the default range of a first load.
    RainApp fresh;
    EXPECT_TRUE(fresh.Load(dir.filePath("flat.txt").toStdString()));
}

TEST_F(RainAppTest, RefusedAxisPairIsKeptButNotDrawn) {
    ASSERT_TRUE(app.Load(Textbook()));
    app.SetScaleMin(3000);  // equal to the maximum
    EXPECT_EQ(app.Settings().ScaleMin, 3000);
    for (ChartAction a : {ChartAction::Redraw, ChartAction::Print}) {
        hc::Status s = app.Request(a);
        ASSERT_FALSE(s);
        EXPECT_EQ(s.error().kind, hc::ErrorKind::BadValue);
        EXPECT_EQ(s.error().ja, kBadScaleMessage);
    }
    app.SetScaleMax(5000);
    EXPECT_TRUE(app.Request(ChartAction::Print));
    EXPECT_EQ(app.Action(), ChartAction::Print);
    // Load reads the file in force again.
    EXPECT_TRUE(app.Request(ChartAction::Load));
    EXPECT_EQ(app.Action(), ChartAction::Redraw);
}

TEST_F(RainAppTest, EditorFilesStartWithoutRegressionResults) {
    ASSERT_TRUE(app.Load(Textbook()));
    app.SetAnalysisMode(AnalysisMode::LineAndValues);
    EXPECT_FALSE(app.LoadFromEditor(Write("empty.txt", "   1991   \r\n")));
    EXPECT_EQ(app.Settings().analysisMode, AnalysisMode::LineAndValues);
    EXPECT_TRUE(app.LoadFromEditor(Write("two.txt", "1991 1200\r\n1992 1000\r\n")));
    EXPECT_EQ(app.Settings().analysisMode, AnalysisMode::None);
    EXPECT_EQ(app.Table().Count(), 2);
}

TEST_F(RainAppTest, PrintPositionMovesTheSheet) {
    ASSERT_TRUE(app.Load(Textbook()));
    app.SetAnalysisMode(AnalysisMode::LineAndValues);
    app.SetPrintOffset("10mm", "abc");  // leading numbers: 10 right, 0 up
    hc::RecordingSurface paper = hc::RecordingSurface::Paper();
    app.PrintChart(paper);
    auto header = paper.TextsEqual(kResultHeader);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_DOUBLE_EQ(header[0].x1, 50);   // 40 mm + 10 mm
    EXPECT_DOUBLE_EQ(header[0].y1, 235);  // not moved up
    EXPECT_EQ(paper.Ops().back().kind, hc::DrawOp::Kind::EndDoc);
}

// The limits at their edges, as the window and hydrochart both apply them.
TEST(Settings, LimitsAtTheirEdges) {
    for (auto [w, ok] : {std::pair{0, false}, {1, true}, {5, true}, {6, false}})
        EXPECT_EQ(CheckLineWidth(w).has_value(), ok) << w;
    RainApp app;
    EXPECT_FALSE(app.SetLineWidth(PrintLine::Regression, 6));
    EXPECT_EQ(app.Settings().LineWidths.regression, 5);

    struct Pair {
        std::int32_t lo, hi;
        bool ok;
    };
    for (const Pair& p :
         {Pair{2999, 3000, true}, Pair{3000, 3000, false}, Pair{3500, 3000, false},
          Pair{0, 100000, true}, Pair{0, 100001, false}, Pair{-2147483647 - 1, 2147483647, false}})
        EXPECT_EQ(CheckScalePair(p.lo, p.hi).has_value(), p.ok) << p.lo << ".." << p.hi;

    for (auto [mm, ok] :
         {std::pair{1000.0, true}, {-1000.0, true}, {1000.5, false}, {-1001.0, false}})
        EXPECT_EQ(CheckPrintOffset(mm).has_value(), ok) << mm;
    for (auto [text, mm] : {std::pair{"10mm", 10.0}, {" -3.5cm", -3.5}, {"abc", 0.0}, {"", 0.0}})
        EXPECT_EQ(PrintOffsetOf(text), mm) << text;

    for (int n : {-1, 3})
        EXPECT_FALSE(AnalysisModeOf(n)) << n;
    EXPECT_EQ(AnalysisModeOf(2).value(), AnalysisMode::LineAndValues);
}

TEST(Settings, YearRangeOfANewFile) {
    EXPECT_EQ(NewFileText("1991", "1993").value(), "   1991   \r\n   1992   \r\n   1993   ");
    EXPECT_EQ(NewFileText("1", "1").value(), "   1   ");
    EXPECT_EQ(NewFileText("2999", "2998").value(), "   2998   ");  // oldest after newest
    for (auto [a, b] : {std::pair{"0", "1993"},
                        {"1991", "3000"},
                        {"abc", "1993"},
                        {"1991", "12.5"},
                        {"", "1993"}}) {
        hc::Result<std::string> t = NewFileText(a, b);
        ASSERT_FALSE(t) << a << " " << b;
        EXPECT_EQ(t.error().ja, kWrongYearMessage);
    }
}

// A choice made before the load (as hydrochart makes it) applies to the load; the record is
// analysed with those positions and fitted with that distribution, and the table and its CSV
// come from that fit.
TEST_F(RainAppTest, FrequencyChoiceBeforeTheLoadAppliesToIt) {
    ASSERT_TRUE(
        app.SetFrequencyAnalysis(PlottingPosition::Weibull, Distribution::GumbelRegression));
    ASSERT_TRUE(app.Load(Textbook()));
    EXPECT_EQ(app.Fit().kind, Distribution::GumbelRegression);
    const int n = app.Table().Count();
    for (std::size_t i = 0; i < app.Analysis().pp.size(); ++i)
        EXPECT_DOUBLE_EQ(app.Analysis().pp[i], app.Analysis().rank[i] / (n + 1.0));
    const std::vector<ReturnPeriodValue> rows = app.ReturnPeriods();
    ASSERT_EQ(rows.size(), std::size(kReturnPeriods));
    // 1 in 500 wet year: u + alpha y with y = -ln(-ln 0.998) = 6.2136.
    EXPECT_NEAR(rows.back().wet, app.Fit().location + 6.21360726 * app.Fit().scale, 1e-6);
    const std::string csv = app.ReturnPeriodCsv();
    EXPECT_NE(csv.find("gumbel-regression"), std::string::npos);
    EXPECT_NE(csv.find("weibull"), std::string::npos);
    EXPECT_NE(csv.find("\n500," + hc::CsvNumber(rows.back().dry) + ","), std::string::npos);
}

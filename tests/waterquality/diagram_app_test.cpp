// The water-quality application layer without a window: the unset settings at start, the
// first-load defaults that fill only what is unset, the automatic scale after every load and
// after a bad count over earlier data, failures that change nothing, the requests in every
// state, and the checks of hydrochart's option values at their edges.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "common/core/recording_surface.h"
#include "waterquality/core/diagram_app.h"

using namespace wq;
using hc::CellValue;

namespace {

// Converts as the column programs do and remembers what it was asked to print with.
class RecordingStrategy : public DiagramStrategy {
  public:
    explicit RecordingStrategy(bool autoScale) : autoScale_(autoScale) {}
    ScaleChoice Convert(const SampleModel& model, PlotSettings& settings) const override {
        ScaleChoice choice = AutoScaleOf(model.compositions);
        if (autoScale_)
            ApplyAutoScale(settings, choice);
        return choice;
    }
    void DrawScreen(hc::Surface&, const SampleModel&, const PlotSettings&) const override {}
    void Print(hc::Surface&, const SampleModel&, const PlotSettings&,
               const PrintOffset& offset) const override {
        printedWith = offset;
    }
    std::string Csv(const SampleModel&, const PlotSettings&) const override { return {}; }
    mutable PrintOffset printedWith{-1, -1};

  private:
    bool autoScale_;
};

// n samples named "S01".. with Na = 10 i mg/L (sample i: 10 i / 22.9898 meq/L, the largest
// value of the book) and the other ions 1..7 mg/L; marks "●" and colour "12" in rows 20, 21.
hc::WorkbookSheet Book(int count) {
    hc::WorkbookSheet sheet;
    sheet.SetCell(10, 2, CellValue::Num(count));
    for (int i = 1; i <= count; ++i) {
        sheet.SetCell(11, i + 1, CellValue::Str((i < 10 ? "S0" : "S") + std::to_string(i)));
        sheet.SetCell(12, i + 1, CellValue::Num(10.0 * i));
        for (int k = 1; k < 8; ++k)
            sheet.SetCell(12 + k, i + 1, CellValue::Num(k));
        sheet.SetCell(20, i + 1, CellValue::Str("●"));
        sheet.SetCell(21, i + 1, CellValue::Str("12"));
    }
    return sheet;
}

class App : public ::testing::Test {
  protected:
    App() {
        books["/d/12.xls"] = Book(12);  // largest 5.22 meq/L: S = 6, "1cm = 2.0" (item 2)
        books["/d/20.xls"] = Book(20);  // largest 8.70 meq/L: S = 9, item 3
        books["/d/bad.xls"] = Book(0);
        column = ColumnVariant("ヘキサダイヤグラム < ", columnStrategy);
        trilinear.captionPrefix = "ﾄﾘﾘﾆｱ < ";
        trilinear.styles = {Style::SampleList, Style::Numbering};
        trilinear.startWidths = {2, 1, 1, 2};
        trilinear.columnScales = false;
        trilinear.extraRows = ReadMarkAndColour;
        trilinear.strategy = &plainStrategy;
    }
    SheetReader Reader() {
        return [this](const std::string& path) -> hc::Result<hc::WorkbookSheet> {
            auto it = books.find(path);
            if (it == books.end())
                return hc::FileError(hc::ErrorKind::NotRecognised, path, "ブックではありません",
                                     "not a workbook");
            return it->second;
        };
    }
    hc::Status Load(DiagramApp& app, const std::string& path) {
        app.SetDataPath(path);
        return app.Load();
    }

    std::map<std::string, hc::WorkbookSheet> books;
    RecordingStrategy columnStrategy{true};
    RecordingStrategy plainStrategy{false};
    DiagramVariant column;
    DiagramVariant trilinear;
};

double ColumnScale(const DiagramApp& app, int c) {
    return app.Settings().ColumnScale[static_cast<std::size_t>(c)];
}

TEST_F(App, StartsUnsetWithTheProgramsWidthsAndRunsNothingThatNeedsData) {
    DiagramApp app(trilinear, Reader());
    const PlotSettings& s = app.Settings();
    EXPECT_EQ(s.NitrateType, NitrateType::Unset);
    EXPECT_EQ(s.Direction, Direction::Unset);
    EXPECT_EQ(s.Numbering, Numbering::Unset);
    EXPECT_EQ(s.SampleList, SampleList::Unset);
    EXPECT_EQ(app.StyleChoice(Style::SampleList), -1);
    EXPECT_EQ(s.LineWidths[0], 2);  // the variant's, over the column programs' 3
    EXPECT_EQ(s.LineWidths[3], 2);
    EXPECT_FALSE(app.HasData());
    for (Request r : {Request::Redraw, Request::Print})
        EXPECT_FALSE(app.Runs(r)) << static_cast<int>(r);
    for (Request r : {Request::Nothing, Request::Load, Request::ShowTemplate})
        EXPECT_TRUE(app.Runs(r)) << static_cast<int>(r);
    EXPECT_EQ(app.PrintShifts().right, "0");
    EXPECT_EQ(app.PrintShifts().up, "0");
}

TEST_F(App, FirstLoadFillsOnlyTheUnsetSettingsAndEveryLoadTakesTheAutomaticScale) {
    DiagramApp app(column, Reader());
    std::vector<LoadStage> stages;
    app.SetDataPath("/d/12.xls");
    ASSERT_TRUE(app.Load([&](LoadStage s) { stages.push_back(s); }));
    EXPECT_EQ(stages.size(), 3u);
    EXPECT_TRUE(app.HasData());
    EXPECT_TRUE(app.Runs(Request::Redraw));
    EXPECT_TRUE(app.Runs(Request::Print));
    EXPECT_EQ(app.Caption(), "ヘキサダイヤグラム < /d/12.xls >");
    EXPECT_EQ(app.Settings().NitrateType, NitrateType::None);
    EXPECT_EQ(app.Settings().Direction, Direction::BottomUp);
    EXPECT_EQ(app.Settings().Numbering, Numbering::On);
    EXPECT_EQ(app.Settings().SampleList, SampleList::Unset);  // no such menu here
    EXPECT_EQ(app.AutoScale().index, 2);
    for (int c = 1; c <= kMaxColumns; ++c)
        EXPECT_EQ(ColumnScale(app, c), 6) << c;
    ASSERT_EQ(app.Compositions().size(), 12u);
    EXPECT_NEAR(app.Compositions()[11].meq[kNa], 120 / 22.9898, 1e-12);

    // The user's choices stand through the next load; the scales follow the data.
    EXPECT_EQ(app.SetNitrate(NitrateType::WithSulfate), Request::Redraw);
    EXPECT_EQ(app.ChooseStyle(Style::Direction, 1), Request::Redraw);
    EXPECT_EQ(app.ChooseStyle(Style::Numbering, 1), Request::Redraw);
    EXPECT_EQ(app.SetColumnScale(1, 0), Request::Redraw);
    EXPECT_EQ(ColumnScale(app, 1), 1.5);
    ASSERT_TRUE(Load(app, "/d/20.xls"));
    EXPECT_EQ(app.Settings().NitrateType, NitrateType::WithSulfate);
    EXPECT_EQ(app.Settings().Direction, Direction::TopDown);
    EXPECT_EQ(app.Settings().Numbering, Numbering::Off);
    EXPECT_EQ(app.StyleChoice(Style::Direction), 1);
    EXPECT_EQ(ColumnScale(app, 1), 9);
    EXPECT_EQ(app.AutoScale().index, 3);
}

TEST_F(App, TheTrilinearVariantChoosesItsOwnDefaultsAndReadsMarks) {
    DiagramApp app(trilinear, Reader());
    ASSERT_TRUE(Load(app, "/d/12.xls"));
    EXPECT_EQ(app.Settings().SampleList, SampleList::On);
    EXPECT_EQ(app.Settings().Numbering, Numbering::On);
    EXPECT_EQ(app.Settings().Direction, Direction::Unset);  // no such menu here
    EXPECT_EQ(ColumnScale(app, 1), 0);                      // no column scales
    EXPECT_EQ(app.SetColumnScale(1, 5), Request::Nothing);
    EXPECT_EQ(ColumnScale(app, 1), 0);
    EXPECT_EQ(app.Table().At(3).mark, "●");
    EXPECT_EQ(app.Table().At(3).colour, 12);
    EXPECT_EQ(app.ChooseStyle(Style::SampleList, 1), Request::Redraw);
    EXPECT_EQ(app.Settings().SampleList, SampleList::Off);
}

TEST_F(App, ABadCountDrawsTheEarlierDataAfreshAndChangesNothingBeforeIt) {
    DiagramApp app(column, Reader());
    // Without earlier data a bad count leaves everything unset.
    hc::Status bad = Load(app, "/d/bad.xls");
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().kind, hc::ErrorKind::BadCount);
    EXPECT_FALSE(app.HasData());
    EXPECT_EQ(app.Settings().NitrateType, NitrateType::Unset);
    EXPECT_EQ(app.Settings().Direction, Direction::Unset);

    ASSERT_TRUE(Load(app, "/d/20.xls"));
    app.SetColumnScale(2, 9);
    bad = Load(app, "/d/bad.xls");
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().kind, hc::ErrorKind::BadCount);
    EXPECT_EQ(app.Table().Count(), 20);
    EXPECT_EQ(app.Table().At(20).name, "S20");
    EXPECT_EQ(app.Compositions().size(), 20u);
    EXPECT_EQ(ColumnScale(app, 2), 9);        // the automatic scale of the earlier data again
    EXPECT_EQ(app.DataPath(), "/d/bad.xls");  // the file chosen stays DataPath
}

// A load replaces the earlier samples whole: a column marked empty holds no values of the file
// before, and the saved numbers show it as any empty column.
TEST_F(App, ALoadLeavesNothingOfTheEarlierData) {
    DiagramApp app(trilinear, Reader());
    ASSERT_TRUE(Load(app, "/d/20.xls"));
    books["/d/10.xls"] = Book(10);
    books["/d/10.xls"].SetCell(11, 4, CellValue::Str("3"));  // sample 3's column marked empty
    ASSERT_TRUE(Load(app, "/d/10.xls"));
    ASSERT_EQ(app.Table().Count(), 10);
    ASSERT_EQ(app.Compositions().size(), 10u);
    const Sample& empty = app.Table().At(3);
    EXPECT_FALSE(empty.drawn);
    EXPECT_EQ(empty.name, "");
    EXPECT_EQ(empty.mg, IonValues{});
    EXPECT_EQ(empty.mark, "");
    EXPECT_FALSE(app.Compositions()[2].drawn);
    EXPECT_EQ(app.Compositions()[2].meq, IonValues{});
    // number, name, 8 mg/L, then no meq/L, no plotted values; column 1.
    const std::string csv = ColumnChartCsv(app.Model(), app.Settings());
    EXPECT_NE(csv.find("\n3,,0,0,0,0,0,0,0,0,,,,,,,,,,,,,,,,1,"), std::string::npos) << csv;
}

TEST_F(App, AnyOtherFailureChangesNothing) {
    DiagramApp app(column, Reader());
    ASSERT_TRUE(Load(app, "/d/12.xls"));
    app.SetColumnScale(1, 0);
    books["/d/text.xls"] = Book(12);
    books["/d/text.xls"].SetCell(16, 5, CellValue::Str("ND"));
    for (const char* path : {"/d/none.xls", "/d/text.xls"}) {
        hc::Status failed = Load(app, path);
        ASSERT_FALSE(failed) << path;
        EXPECT_NE(failed.error().kind, hc::ErrorKind::BadCount);
        EXPECT_EQ(app.Table().Count(), 12) << path;
        EXPECT_EQ(ColumnScale(app, 1), 1.5) << path;  // not converted again
    }
}

TEST_F(App, SettingsOutsideTheMenusAreIgnoredAndWidthsAndShiftsReachThePrint) {
    DiagramApp app(column, Reader());
    ASSERT_TRUE(Load(app, "/d/12.xls"));
    const PlotSettings before = app.Settings();
    EXPECT_EQ(app.SetColumnScale(0, 1), Request::Nothing);
    EXPECT_EQ(app.SetColumnScale(5, 1), Request::Nothing);
    EXPECT_EQ(app.SetColumnScale(4, 10), Request::Nothing);
    EXPECT_EQ(app.SetColumnScale(4, -1), Request::Nothing);
    EXPECT_EQ(app.ChooseStyle(Style::Direction, 2), Request::Nothing);
    app.SetLineWidth(0, 6);
    app.SetLineWidth(0, 0);
    app.SetLineWidth(5, 3);  // the column programs have five width menus, 0..4
    EXPECT_EQ(app.Settings().ColumnScale, before.ColumnScale);
    EXPECT_EQ(app.Settings().Direction, before.Direction);
    EXPECT_EQ(app.Settings().LineWidths, before.LineWidths);
    app.SetLineWidth(4, 5);
    EXPECT_EQ(app.Settings().LineWidths[4], 5);
    EXPECT_EQ(app.SetColumnScale(4, 9), Request::Redraw);
    EXPECT_EQ(ColumnScale(app, 4), 300);

    EXPECT_EQ(app.SetPrintShifts({"2.5", "-7"}), Request::Redraw);
    hc::RecordingSurface printer = hc::RecordingSurface::Paper();
    app.Print(printer);
    EXPECT_EQ(columnStrategy.printedWith.offX, 25);
    EXPECT_EQ(columnStrategy.printedWith.offY, -70);
}

TEST(OptionValues, CheckedAtTheEdgesOfWhatTheMenusOffer) {
    for (int n : {-1, 3})
        EXPECT_FALSE(NitrateFromNumber(n)) << n;
    EXPECT_EQ(*NitrateFromNumber(0), NitrateType::None);
    EXPECT_EQ(*NitrateFromNumber(2), NitrateType::WithSulfate);
    // Captions "1cm = 0.5" .. "1cm = 100": S is three times the number.
    struct Scale {
        double caption;
        int index;
    };
    for (Scale s : {Scale{0.5, 0}, Scale{1, 1}, Scale{10, 5}, Scale{100, 9},
                    Scale{0.1 + 0.2 + 0.2, 0}})  // a sum a hair off 0.5 still names it
        EXPECT_EQ(*ScaleIndexOfCaption(s.caption), s.index) << s.caption;
    for (double bad : {0.0, 7.0, 0.50001, 200.0})
        EXPECT_FALSE(ScaleIndexOfCaption(bad)) << bad;
    EXPECT_FALSE(CheckColumn(0));
    EXPECT_TRUE(CheckColumn(1));
    EXPECT_TRUE(CheckColumn(4));
    EXPECT_FALSE(CheckColumn(5));
    EXPECT_FALSE(CheckLineWidth(0));
    EXPECT_TRUE(CheckLineWidth(1));
    EXPECT_TRUE(CheckLineWidth(5));
    EXPECT_FALSE(CheckLineWidth(6));
    EXPECT_EQ(CheckLineWidth(6).error().kind, hc::ErrorKind::BadValue);
}

}  // namespace

TEST_F(App, TheDataCheckIsOfTheLastWorkbookOpenedThroughTheProgramsReader) {
    DiagramApp app(column, Reader());
    EXPECT_FALSE(app.CanCheckData());  // nothing opened yet
    ASSERT_TRUE(Load(app, "/d/12.xls"));
    ASSERT_TRUE(app.CanCheckData());
    DataCheck loaded = app.CheckData();
    EXPECT_TRUE(loaded.loaded);
    EXPECT_TRUE(loaded.suspects.cells.empty());
    ASSERT_EQ(loaded.rows.size(), 12u);
    // S01 by hand with equivalent weights: cations 10/22.99 + 1/39.10 + 2/20.04 + 3/12.15 =
    // 0.8072, anions 4/35.45 + 5/61.02 + 6/48.03 + 7/62.00 = 0.4326 meq/L: CBE 30.2 %.
    EXPECT_NEAR(loaded.rows[0].balance.cationSum, 0.8072, 5e-4);
    EXPECT_NEAR(loaded.rows[0].balance.anionSum, 0.4326, 5e-4);
    ASSERT_TRUE(loaded.rows[0].balance.cbe);
    EXPECT_NEAR(*loaded.rows[0].balance.cbe, 30.2, 0.05);
    EXPECT_EQ(loaded.rows[0].balance.flag, BalanceFlag::Above10);

    // Refused: the data in force stays, but the check is of the refused file, through the
    // program's own reader (which the file system knows nothing of).
    ASSERT_FALSE(Load(app, "/d/unknown.xls"));
    EXPECT_TRUE(app.HasData());
    const DataCheck refused = app.CheckData();
    EXPECT_FALSE(refused.loaded);
    EXPECT_TRUE(refused.rows.empty());
    ASSERT_EQ(refused.suspects.cells.size(), 1u);
    EXPECT_EQ(refused.suspects.cells[0].kind, SuspectKind::Unreadable);
    EXPECT_EQ(refused.suspects.cells[0].messageJa, "ブックを読めません: ブックではありません");
    EXPECT_EQ(refused.path, "/d/unknown.xls");
}

// A Parts' program refuses a table longer than it draws, saying how long it is and that wqplot
// draws it, and keeps the earlier data; a variant drawing 10,000 loads it.
TEST_F(App, ATableLongerThanTheProgramDrawsIsRefusedAndTheEarlierDataStays) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("diagram_app_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    auto table = [&](int rows) {
        std::string text = "name,Na,K,Ca,Mg,Cl,HCO3,SO4,NO3\n";
        for (int i = 1; i <= rows; ++i)
            text += "W" + std::to_string(i) + "," + std::to_string(10 * i) + ",1,2,3,4,5,6,7\n";
        const std::string path = (dir / (std::to_string(rows) + ".csv")).string();
        std::ofstream(path) << text;
        return path;
    };
    const std::string twelve = table(12), long120 = table(120);
    DiagramApp app(column);
    ASSERT_TRUE(Load(app, twelve));
    hc::Status refused = Load(app, long120);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().Japanese(),
              long120 + ": この表には 120 試料あります。このプログラムが描けるのは 32 試料までです"
                        "（wqplot は 10,000 試料まで描けます）");
    EXPECT_EQ(app.Table().Count(), 12);
    EXPECT_EQ(app.ShownPath(), twelve);
    EXPECT_EQ(app.CheckData().suspects.cells.at(0).kind, SuspectKind::BadCount);

    DiagramVariant wide = column;
    wide.maxSamples = kMaxLongTableSamples;
    DiagramApp wqplot(wide);
    ASSERT_TRUE(Load(wqplot, long120));
    EXPECT_EQ(wqplot.Table().Count(), 120);
    EXPECT_EQ(wqplot.Compositions().size(), 120u);
    EXPECT_FALSE(wqplot.CheckData().suspects.Refused());
    std::filesystem::remove_all(dir);
}

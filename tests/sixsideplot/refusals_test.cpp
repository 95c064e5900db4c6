// What the window tells the user when something cannot be done: every kind of refused file in
// the status line in Japanese naming the file, File>New when the template cannot be shown, and
// the data-check window on a refused and on a loaded workbook.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include "sixsideplot/ui/sixsideplot_program.h"
#include "support/frame_window.h"
#include "support/scripted_platform.h"
#include "support/window_lookup.h"
#include "waterquality/ui/data_check_window.h"

namespace {

using hc::test::SourcePath;

class Refusals : public hc::test::FrameWindowTest {
  protected:
    void SetUp() override {
        form = std::make_unique<wq::MainWindow>(platform, hexa::SixsidePlotProgram());
        FinishSplash();
    }
    QDialog* CheckWindow() { return hc::test::VisibleWindow<QDialog>("FormCheck"); }
    // The texts of one column of a table of the data-check window.
    std::vector<std::string> Column(const char* table, int column) {
        std::vector<std::string> out;
        auto* t = CheckWindow() ? CheckWindow()->findChild<QTableWidget*>(table) : nullptr;
        for (int r = 0; t && r < t->rowCount(); ++r)
            out.push_back(t->item(r, column) ? t->item(r, column)->text().toStdString() : "");
        return out;
    }
};

TEST_F(Refusals, EveryKindOfRefusedFileShowsAJapaneseStatusNamingIt) {
    struct Case {
        std::string path;
        const char* shown;  // the status line from the file's name on
    };
    const std::string wb = "tests/fixtures/workbook/";
    const Case cases[] = {
        {"/nonexistent/gone.xls", "gone.xls: ファイルがありません"},
        {SourcePath("examples"), "examples: フォルダです"},
        {"/dev/null", "null: 通常のファイルではありません"},
        {SourcePath("examples/README.md"),
         "README.md: Excel (.xls, .xlsx) のブックでも OpenDocument の表計算 (.ods) でもありません"},
        {SourcePath(wb + "encrypted.xls"),
         "encrypted.xls: パスワードで保護（暗号化）されたブックは読めません"},
        {SourcePath(wb + "no_sheet1.xls"),
         "no_sheet1.xls: ブックにシート「Sheet1」がありません（あるシート: 「Data」）"},
        {SourcePath(wb + "truncated.xlsx"),
         "truncated.xlsx: ファイルが壊れています（ZIP の目次を読めません）"},
        {SourcePath("tests/fixtures/waterquality/suspect.ods"),
         "suspect.ods: セル C16: 数値でない「<0.1」があります"},
        {SourcePath("tests/sixsideplot/fixtures/bad_count.xls"),
         "bad_count.xls: セル B10: データ数 33 は 1 から 32 の範囲にありません"},
    };
    const std::regex english("[A-Za-z]{2,} [A-Za-z]{2,}");
    for (const Case& c : cases) {
        Open(c.path);
        const std::string status = form->StatusText().toStdString();
        EXPECT_EQ(status, c.shown) << c.path;
        EXPECT_FALSE(std::regex_search(status, english)) << status;
        platform.messages.clear();  // the bad count's message box
    }
}

TEST_F(Refusals, FileNewSaysWhereTheTemplateIsWhenItCannotBeShown) {
    // Missing: where it was looked for, the start-up directory first.
    Item("mnuFileNewItem")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string missing = platform.messages[0].text;
    EXPECT_EQ(platform.messages[0].title, "sixsideplot");
    EXPECT_EQ(missing.rfind("入力表のひな形 hinagata.xls が見つかりません。\r", 0), 0u) << missing;
    EXPECT_NE(missing.find("\r  /start"), std::string::npos) << missing;
    EXPECT_TRUE(platform.desktopOpened.empty());
    EXPECT_EQ(form->StatusText().toStdString(), "hinagata.xls: 見つかりません");

    // Found: a copy goes beside the workbook opened last; the template itself is never handed
    // over. The desktop would give it to one of ours: the copy's path, to open by hand.
    QTemporaryDir tmp;
    const std::string opened = tmp.filePath("last.xls").toStdString();
    std::filesystem::copy_file(SourcePath("tests/fixtures/waterquality/suspect.xls"), opened);
    Open(opened);
    const std::string tmpl = SourcePath("data/hinagata.xls");
    platform.dataFiles["hinagata.xls"] = tmpl;
    platform.desktopHandler = hc::DesktopHandler{"sixsideplot.desktop", "sixsideplot %f"};
    platform.messages.clear();
    Item("mnuFileNewItem")->trigger();
    const std::string copy = tmp.filePath("新しい水質データ.xls").toStdString();
    ASSERT_EQ(platform.messages.size(), 1u);
    const std::string noProgram = platform.messages[0].text;
    EXPECT_NE(noProgram.find("表計算ソフトが見つかりませんでした"), std::string::npos);
    EXPECT_EQ(noProgram.substr(noProgram.size() - copy.size()), copy) << noProgram;
    EXPECT_TRUE(platform.desktopOpened.empty());

    // The opener fails: said, with the copy.
    platform.desktopHandler = hc::DesktopHandler{"gnumeric.desktop", "gnumeric %U"};
    platform.desktopOpenExitStatus = 4;
    Item("mnuFileNewItem")->trigger();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[1].text.find("xdg-open の終了状態 4"), std::string::npos);
    EXPECT_NE(platform.messages[1].text.find("新しい水質データ-2.xls"), std::string::npos);

    // Shown: no message, the status line names the copy.
    platform.desktopOpenExitStatus = 0;
    Item("mnuFileNewItem")->trigger();
    EXPECT_EQ(platform.messages.size(), 2u);
    const std::string third = tmp.filePath("新しい水質データ-3.xls").toStdString();
    EXPECT_EQ(platform.desktopOpened.back(), third);
    EXPECT_EQ(form->StatusText().toStdString(), "入力表を作り、表計算ソフトで開きました: " + third);
}

TEST_F(Refusals, DataCheckShowsEveryReasonOfARefusedWorkbookOnce) {
    EXPECT_FALSE(Item("mnuFileCheckItem")->isEnabled());  // nothing opened yet
    Open(SourcePath("tests/fixtures/waterquality/suspect.xls"));
    EXPECT_EQ(App().Table().Count(), 0);  // refused
    ASSERT_TRUE(Item("mnuFileCheckItem")->isEnabled());
    Item("mnuFileCheckItem")->trigger();
    ASSERT_TRUE(CheckWindow());
    EXPECT_EQ(Column("SuspectTable", 0),
              (std::vector<std::string>{"B15", "C16", "D11", "E11", "F18", "F19", "H11"}));
    EXPECT_EQ(Column("SuspectTable", 3),
              (std::vector<std::string>{"読み込む", "読み込めない", "読み込む", "読み込む",
                                        "読み込む", "読み込めない", "読み込む"}));
    EXPECT_EQ(CheckWindow()->findChild<QTableWidget*>("CheckTable"), nullptr);
    EXPECT_EQ(hc::test::Child<QLabel>(CheckWindow(), "CheckFile")->text(),
              "suspect.xls（読み込めませんでした）");

    // A workbook that loads: one row per sample, the balance flagged where it fails.
    Open(SourcePath("examples/sample12.xls"));
    Item("mnuFileCheckItem")->trigger();
    ASSERT_TRUE(CheckWindow());
    EXPECT_EQ(Column("SuspectTable", 0), (std::vector<std::string>{"J11"}));
    const std::vector<std::string> numbers = Column("CheckTable", 0);
    ASSERT_EQ(numbers.size(), 12u);
    EXPECT_EQ(numbers.front(), "1");
    auto* rows = CheckWindow()->findChild<QTableWidget*>("CheckTable");
    for (int r = 0; r < rows->rowCount(); ++r) {
        const std::string verdict = rows->item(r, 5)->text().toStdString();
        const QColor shown = rows->item(r, 5)->background().color();
        if (verdict == "10 % 超")
            EXPECT_EQ(shown, wq::DataCheckWindow::FlagColour(wq::BalanceFlag::Above10));
        else if (verdict == "5 % 超")
            EXPECT_EQ(shown, wq::DataCheckWindow::FlagColour(wq::BalanceFlag::Above5));
        else
            EXPECT_EQ(rows->item(r, 5)->background().style(), Qt::NoBrush) << verdict;
    }
    CheckWindow()->close();
}

// A CSV table is refused and checked by its rows and headings: 40 rows are no workbook's bad
// count cell, so no message box about an input field, and the check names no cell.
TEST_F(Refusals, ACsvTableIsCheckedByItsLinesAndHeadings) {
    const std::string path = ::testing::TempDir() + "/forty.csv";
    {
        std::ofstream out(path);
        out << "name,Na,K,Ca,Mg,Cl,HCO3,SO4,NO3\n";
        for (int i = 1; i <= 40; ++i)
            out << "W" << i << ",1,1,1,1,1,1,1,1\n";
    }
    Open(path);
    EXPECT_EQ(form->StatusText().toStdString(),
              "forty.csv: この表には 40 試料あります。このプログラムが描けるのは 32 試料までです"
              "（wqplot は 10,000 試料まで描けます）");
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_TRUE(Item("mnuFileCheckItem")->isEnabled());
    Item("mnuFileCheckItem")->trigger();
    ASSERT_TRUE(CheckWindow());
    auto* t = CheckWindow()->findChild<QTableWidget*>("SuspectTable");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), "行:見出し");
    EXPECT_EQ(Column("SuspectTable", 0), (std::vector<std::string>{""}));
    EXPECT_EQ(Column("SuspectTable", 2),
              (std::vector<std::string>{
                  "この表には 40 試料あります。このプログラムが描けるのは 32 試料までです"
                  "（wqplot は 10,000 試料まで描けます）。"}));
    CheckWindow()->close();
    std::remove(path.c_str());
}

}  // namespace

namespace {

// The controls of the status row, by name.
std::vector<QWidget*> StatusRow(QWidget* form) {
    std::vector<QWidget*> out;
    for (const char* name : {"Label1", "Text1", "Label2", "Text2", "Label3", "Text3", "Label4"})
        out.push_back(hc::test::Child<QWidget>(form, name));
    return out;
}

TEST_F(Refusals, AtItsMinimumSizeNothingOverlaps) {
    Open(SourcePath("examples/sample12.xls"));
    form->resize(400, 300);  // below the minimum: held at it
    hc::test::FlushEvents();
    EXPECT_GE(form->width(), form->minimumWidth());
    EXPECT_GE(form->height(), form->minimumHeight());
    std::vector<QWidget*> row = StatusRow(form.get());
    QWidget* view = View();
    auto rect = [&](QWidget* w) { return QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size()); };
    for (std::size_t i = 0; i < row.size(); ++i) {
        EXPECT_GT(row[i]->width(), 0) << i;
        // Every control shows its whole text.
        if (auto* label = qobject_cast<QLabel*>(row[i])) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
        for (std::size_t j = i + 1; j < row.size(); ++j)
            EXPECT_FALSE(rect(row[i]).intersects(rect(row[j])))
                << row[i]->objectName().toStdString() << " " << row[j]->objectName().toStdString();
        EXPECT_FALSE(rect(row[i]).intersects(rect(view))) << row[i]->objectName().toStdString();
    }
    // The chart is drawn at a size at which its text does not crowd it, and every menu shows.
    EXPECT_GE(view->width(), 513);
    QMenuBar* bar = form->menuBar();
    EXPECT_LE(bar->actionGeometry(Menu("mnuHelp")->menuAction()).right(), bar->width());
    // Above the minimum the chart still grows with the window.
    const int side = view->width();
    form->resize(form->width() + 200, form->height() + 200);
    hc::test::FlushEvents();
    EXPECT_GT(View()->width(), side);
}

}  // namespace

// The grid editor: the floating cell editor's keys, save-and-exit into the
// main window's guided sequence, simple exit, and opening existing files for editing.
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "common/core/text_file.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/ui/grid_editor.h"
#include "support/write_failures.h"
#include "tests/flowcalc/window_fixture.h"

namespace {

using flowtest::Box;
using flowtest::Child;
using flowtest::Click;
using flowtest::FlowWindow;
using flowtest::Window;

class FlowcalcEditor : public FlowWindow {
  protected:
    void SetUp() override {
        FlowWindow::SetUp();
        FinishSplash();
    }
    // File>Edit, then one of the three choices of Form6; returns the editor when shown.
    flow::GridEditor* Edit(const char* button) {
        Item("mnuFileEditItem")->trigger();
        auto* f6 = Window<flow::EditModeWindow>("Form6");
        EXPECT_NE(f6, nullptr);
        if (!f6)
            return nullptr;
        EXPECT_EQ(f6->windowTitle(), QString::fromUtf8("編集モードの選択"));
        Click(f6, button);
        return Window<flow::GridEditor>("Form5");
    }
    static QTableWidget* Grid(flow::GridEditor* e) { return Child<QTableWidget>(e, "Fg1"); }
    static QLineEdit* CellEditor(flow::GridEditor* e) { return Box(e, "TxtEdit"); }
    // The text of a cell: row 1.., column 1 (distance) or 2 (elevation).
    static QString Cell(flow::GridEditor* e, int row, int column) {
        return Grid(e)->item(row - 1, column - 1)->text();
    }
    static void SetCell(flow::GridEditor* e, int row, int column, const QString& text) {
        Grid(e)->item(row - 1, column - 1)->setText(text);
    }
    static void Save(flow::GridEditor* e) { Child<QAction>(e, "mnuFileSaveItem")->trigger(); }
    void Fill(flow::GridEditor* e, int rows) {
        for (int r = 1; r <= rows; ++r) {
            SetCell(e, r, 1, QString::number(2 * (r - 1)));
            SetCell(e, r, 2, QString::number(r % 2 ? 10 : 7));
        }
    }
    void Go(flow::GridEditor* e, int row, int column) {
        Grid(e)->setCurrentCell(row - 1, column - 1);
    }
};

TEST_F(FlowcalcEditor, NewFileStartsEmptyWithItsCaption) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(Window("Form6"), nullptr);
    EXPECT_EQ(e->windowTitle(), QString::fromUtf8("データの編集 < 新規 >"));
    EXPECT_TRUE(Child<QMenu>(e, "mnuFile")->menuAction()->isEnabled());
    EXPECT_EQ(Grid(e)->rowCount(), 256);
    EXPECT_EQ(Grid(e)->verticalHeaderItem(254)->text(), "255");
    EXPECT_EQ(Cell(e, 1, 1), "");
    EXPECT_FALSE(CellEditor(e)->isVisible());
}

TEST_F(FlowcalcEditor, GivingUpClosesBothWindows) {
    EXPECT_EQ(Edit("Command3"), nullptr);
    EXPECT_EQ(Window("Form6"), nullptr);
    EXPECT_EQ(Window("Form5"), nullptr);
}

TEST_F(FlowcalcEditor, TypingEnterEscapeAndArrows) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Go(e, 1, 1);
    // A printable key starts the cell editor with that character; Enter stores it.
    QTest::keyClick(Grid(e), Qt::Key_1);
    ASSERT_TRUE(CellEditor(e)->isVisible());
    EXPECT_EQ(CellEditor(e)->text(), "1");
    QTest::keyClicks(CellEditor(e), "2.5");
    QTest::keyClick(CellEditor(e), Qt::Key_Return);
    EXPECT_FALSE(CellEditor(e)->isVisible());
    EXPECT_EQ(Cell(e, 1, 1), "12.5");
    // Escape discards what was typed.
    QTest::keyClick(Grid(e), Qt::Key_9);
    QTest::keyClick(CellEditor(e), Qt::Key_Escape);
    EXPECT_FALSE(CellEditor(e)->isVisible());
    EXPECT_EQ(Cell(e, 1, 1), "12.5");
    // The blank key edits the current text, caret at its end; an arrow keeps it and moves.
    QTest::keyClick(Grid(e), Qt::Key_Space);
    ASSERT_TRUE(CellEditor(e)->isVisible());
    EXPECT_EQ(CellEditor(e)->text(), "12.5");
    EXPECT_EQ(CellEditor(e)->cursorPosition(), 4);
    QTest::keyClick(CellEditor(e), Qt::Key_0);
    QTest::keyClick(CellEditor(e), Qt::Key_Right);
    EXPECT_EQ(Cell(e, 1, 1), "12.50");
    EXPECT_EQ(Grid(e)->currentColumn(), 1);
    QTest::keyClick(Grid(e), Qt::Key_7);
    QTest::keyClick(CellEditor(e), Qt::Key_Down);
    EXPECT_EQ(Cell(e, 1, 2), "7");
    EXPECT_EQ(Grid(e)->currentRow(), 1);
    // At the last column Right stays put; Up and Left move back.
    QTest::keyClick(Grid(e), Qt::Key_8);
    QTest::keyClick(CellEditor(e), Qt::Key_Right);
    EXPECT_EQ(Grid(e)->currentColumn(), 1);
    EXPECT_EQ(Cell(e, 2, 2), "8");
    QTest::keyClick(Grid(e), Qt::Key_Space);
    QTest::keyClick(CellEditor(e), Qt::Key_Up);
    EXPECT_EQ(Grid(e)->currentRow(), 0);
    QTest::keyClick(Grid(e), Qt::Key_Space);
    QTest::keyClick(CellEditor(e), Qt::Key_Left);
    EXPECT_EQ(Grid(e)->currentColumn(), 0);
    // A double click edits the cell's text like the blank key.
    SetCell(e, 3, 2, "4.25");
    Go(e, 3, 2);
    QRect cell = Grid(e)->visualRect(Grid(e)->currentIndex());
    QTest::mouseClick(Grid(e)->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(Grid(e)->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(CellEditor(e)->isVisible());
    EXPECT_EQ(CellEditor(e)->text(), "4.25");
    QTest::keyClick(CellEditor(e), Qt::Key_Escape);
    Go(e, 1, 1);
    // Leaving the cell with the mouse while editing stores the text into the cell left.
    QTest::keyClick(Grid(e), Qt::Key_3);
    Go(e, 5, 2);
    EXPECT_FALSE(CellEditor(e)->isVisible());
    EXPECT_EQ(Cell(e, 1, 1), "3");
}

TEST_F(FlowcalcEditor, FewerThanThreeRowsAreRefusedAndTheEditorKeepsThem) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 2);
    Save(e);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "入力したデータ数が少なすぎます");
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(Window("Form5"), e);
    EXPECT_EQ(Cell(e, 2, 1), "2");
    EXPECT_EQ(Grid(e)->currentRow(), 2);  // where the points end
}

TEST_F(FlowcalcEditor, SaveWritesTheRowsUpToTheFirstNegativeDistanceAndLoadsThem) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 7);
    SetCell(e, 5, 1, "-1");
    std::string path = dir.filePath("new.txt").toStdString();
    platform.saveAnswers.push_back(path);
    Save(e);
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].filter,
              "テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*");
    EXPECT_EQ(platform.saveRequests[0].defaultSuffix, ".txt");
    EXPECT_EQ(platform.saveRequests[0].initialPath, "");
    EXPECT_EQ(hc::ReadTextFile(path).value_or(""), "4\n0 10\n2 7\n4 10\n6 7\n");
    EXPECT_EQ(Window("Form5"), nullptr);
    // The main window loaded it and opened the scale window.
    EXPECT_EQ(form->App().Section().PointCount, 4);
    EXPECT_EQ(form->App().Section().DataPath, path);
    EXPECT_NE(Window("Form2"), nullptr);
}

TEST_F(FlowcalcEditor, CancelledSaveKeepsTheEditorAndItsGrid) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 3);
    platform.saveAnswers.push_back(std::nullopt);
    Save(e);
    EXPECT_EQ(Window("Form5"), e);
    EXPECT_EQ(Cell(e, 3, 1), "4");
    EXPECT_TRUE(platform.messages.empty());
    // What is being typed when saving is saved too.
    std::string path = dir.filePath("typed.txt").toStdString();
    Go(e, 4, 1);
    QTest::keyClick(Grid(e), Qt::Key_6);
    SetCell(e, 4, 2, "9");
    platform.saveAnswers.push_back(path);
    Save(e);
    EXPECT_EQ(hc::ReadTextFile(path).value_or(""), "4\n0 10\n2 7\n4 10\n6 9\n");
}

TEST_F(FlowcalcEditor, ASaveOnAFullDiskKeepsTheOldFileAndTheEditor) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    for (int r = 1; r <= 256; ++r) {  // a long section: more than the limit or the disk takes
        SetCell(e, r, 1, QString::number(r * 1000.123456789));
        SetCell(e, r, 2, QString::number(100 + r * 0.123456789));
    }
    const std::string old = "3\n0 10\n2 7\n4 10\n";
    auto saveTo = [&](const std::string& path, const char* reason) {
        platform.saveAnswers.push_back(path);
        Save(e);
        EXPECT_EQ(hc::test::FileBytes(path), old);
        EXPECT_EQ(Window("Form5"), e);
        EXPECT_EQ(Cell(e, 256, 2), QString::number(100 + 256 * 0.123456789));
        EXPECT_EQ(e->statusBar()->currentMessage().toStdString(),
                  "保存できませんでした: " + path + ": " + reason);
    };
    {
        std::string path = dir.filePath("limit.txt").toStdString();
        std::ofstream(path) << old;
        hc::test::FileSizeLimit limit(2048);
        saveTo(path, "ファイルが大きすぎます");
    }
    hc::test::FullDisk disk;
    if (!disk.Unavailable().empty())
        GTEST_SKIP() << disk.Unavailable();
    disk.PutThenFill("section.txt", old);
    saveTo(disk.Path("section.txt"), "ディスクに空きがありません");
}

TEST_F(FlowcalcEditor, NonNumberKeepsTheEditorOpenAtThatCell) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 4);
    SetCell(e, 3, 2, "1O");
    Save(e);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(Window("Form5"), e);
    EXPECT_EQ(Grid(e)->currentRow(), 2);
    EXPECT_EQ(Grid(e)->currentColumn(), 1);
}

TEST_F(FlowcalcEditor, SimpleExitSavesNothing) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 5);
    platform.saveChoices = {hc::SaveChoice::Discard};
    Child<QAction>(e, "mnuFileQuitItem")->trigger();
    EXPECT_EQ(platform.saveQuestions.size(), 1u);
    EXPECT_EQ(Window("Form5"), nullptr);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(form->App().Section().PointCount, 0);
}

TEST_F(FlowcalcEditor, ClosingWithTypedPointsAsksFirst) {
    using hc::SaveChoice;
    enum class How { QuitItem, WindowClose };
    struct Case {
        How how;
        int rows;     // rows filled
        int halfRow;  // a row with its distance alone, 0 for none
        SaveChoice answer;
        bool staysOpen;
        bool written;
        std::string said;  // the editor's status line or a message box
    };
    const Case cases[] = {
        {How::QuitItem, 4, 0, SaveChoice::Discard, false, false, ""},
        {How::WindowClose, 4, 0, SaveChoice::Discard, false, false, ""},
        {How::QuitItem, 4, 0, SaveChoice::Cancel, true, false, ""},
        {How::WindowClose, 4, 0, SaveChoice::Cancel, true, false, ""},
        {How::QuitItem, 4, 0, SaveChoice::Save, false, true, ""},
        {How::WindowClose, 4, 0, SaveChoice::Save, false, true, ""},
        // Refused saves keep the editor open at the row.
        {How::WindowClose, 2, 0, SaveChoice::Save, true, false, "入力したデータ数が少なすぎます"},
        {How::QuitItem, 4, 5, SaveChoice::Save, true, false, "5 行目: 標高が入力されていません"},
    };
    int k = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(k);
        flow::GridEditor* e = Edit("Command2");
        ASSERT_NE(e, nullptr);
        Fill(e, c.rows);
        if (c.halfRow)
            SetCell(e, c.halfRow, 1, "99");
        const std::string path = dir.filePath(QString("grid%1.txt").arg(++k)).toStdString();
        platform.saveAnswers = {path};
        platform.saveChoices = {c.answer};
        platform.saveQuestions.clear();
        platform.messages.clear();
        if (c.how == How::QuitItem)
            Child<QAction>(e, "mnuFileQuitItem")->trigger();
        else
            e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(platform.saveQuestions.size(), 1u);
        EXPECT_EQ(platform.saveQuestions[0].text,
                  "入力した断面座標データは保存されていません。\r保存しますか？");
        EXPECT_EQ(Window("Form5") != nullptr, c.staysOpen);
        EXPECT_EQ(QFileInfo::exists(QString::fromStdString(path)), c.written);
        if (c.written) {
            EXPECT_EQ(hc::ReadTextFile(path).value_or(""), "4\n0 10\n2 7\n4 10\n6 7\n");
        }
        if (!c.said.empty()) {
            const std::string shown = platform.messages.empty()
                                          ? e->statusBar()->currentMessage().toStdString()
                                          : platform.messages[0].text;
            EXPECT_EQ(shown, c.said);
        }
        if (c.staysOpen) {
            EXPECT_EQ(Cell(e, 1, 2), "10");  // nothing typed is lost
            if (c.halfRow) {
                EXPECT_EQ(Grid(e)->currentRow(), c.halfRow - 1);
                EXPECT_EQ(Grid(e)->currentColumn(), 1);  // the elevation it lacks
            }
            platform.saveChoices = {SaveChoice::Discard};
            e->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (auto* f2 = Window("Form2"))
            f2->close();
    }
    // Opened and left as it was: nothing asked.
    platform.saveQuestions.clear();
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    e->close();
    EXPECT_TRUE(platform.saveQuestions.empty());
}

TEST_F(FlowcalcEditor, RowsAfterAnEmptyRowAreNeverDroppedSilently) {
    flow::GridEditor* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 4);
    SetCell(e, 7, 1, "12");
    SetCell(e, 7, 2, "8");
    Save(e);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(Window("Form5"), e);
    EXPECT_EQ(Grid(e)->currentRow(), 4);
    EXPECT_EQ(e->statusBar()->currentMessage().toStdString(),
              "5 行目: 空の行です。後の 7 行目にもデータがあります");
}

TEST_F(FlowcalcEditor, ExistingFileOfTheMaximumSizeEditsAndSavesWhole) {
    std::string text = "256\n";
    for (int k = 0; k < 256; ++k)
        text += std::to_string(k) + " " + (k % 2 ? "1.5" : "3") + "\n";
    std::string path = TempFile("full.txt", text);
    platform.openAnswers.push_back(path);
    flow::GridEditor* e = Edit("Command1");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->windowTitle().toStdString(), "データの編集 < " + path + " >");
    EXPECT_EQ(Cell(e, 256, 1), "255");
    EXPECT_EQ(Cell(e, 256, 2), "1.5");
    platform.saveAnswers.push_back(path);
    Save(e);
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].initialPath, path);
    EXPECT_EQ(hc::ReadTextFile(path).value_or(""), text);
    EXPECT_EQ(form->App().Section().PointCount, 256);
}

TEST_F(FlowcalcEditor, UnusableFileIsRefusedForEditing) {
    const std::string path = TempFile("bad.txt", "3\n0 1\n2 0\n");
    platform.openAnswers.push_back(path);
    EXPECT_EQ(Edit("Command1"), nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "このデータファイルは処理できません");
    EXPECT_NE(Window("Form6"), nullptr);  // the choice stays open
    // The main window's status line says why.
    EXPECT_EQ(
        form->statusBar()->currentMessage().toStdString(),
        "読み込めませんでした: " + path + ": 4 行目: 3 点のうち 2 点でファイルが終わっています");
}

// A CSV section: without n it edits and saves back in its own form; with an n column it is
// refused, since the grid would drop the n.
TEST_F(FlowcalcEditor, CsvSectionsSaveInTheirFormAndThoseWithRoughnessAreRefused) {
    const std::string plain = TempFile("plain.csv", "distance,elevation\n0,10\n5,0\n10,10\n");
    platform.openAnswers.push_back(plain);
    flow::GridEditor* e = Edit("Command1");
    ASSERT_NE(e, nullptr);
    SetCell(e, 2, 2, "1");
    platform.saveAnswers.push_back(plain);
    Save(e);
    EXPECT_EQ(hc::ReadTextFile(plain).value_or(""), "distance,elevation\n0,10\n5,1\n10,10\n");
    EXPECT_EQ(form->App().Section().BedLevel, 1);
    const std::string rough = TempFile("rough.csv", "0,10,0.05\n5,0,0.03\n10,10,0.05\n");
    platform.openAnswers.push_back(rough);
    platform.messages.clear();
    EXPECT_EQ(Edit("Command1"), nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, flow::text::kEditFileRefused);
    EXPECT_EQ(form->statusBar()->currentMessage().toStdString(), flow::text::kEditRoughnessRefused);
}

}  // namespace

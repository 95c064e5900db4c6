// The grid editor: its row rules, the floating cell editor's keys, save-and-exit into the
// main window's guided sequence, simple exit, and opening existing files for editing.
#include <QMenu>
#include <QTest>

#include <QStatusBar>
#include <fstream>

#include "common/core/text_file.h"
#include "support/write_failures.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/ui/grid_editor.h"
#include "flowcalc/ui/settings_windows.h"
#include "tests/flowcalc/window_fixture.h"

namespace {

using flowtest::FlowWindow;
using flowtest::Window;

TEST(FlowcalcGridRows, TakenWhileFilledAndNotNegative) {
    using Cells = std::vector<std::pair<std::string, std::string>>;
    flow::GridRows r = flow::ReadGridRows(
        Cells{{"0", "10"}, {"2", "8"}, {"4", "7"}, {"6", "8"}, {"-1", "9"}, {"8", "10"}});
    EXPECT_EQ(r.x, (std::vector<double>{0, 2, 4, 6}));
    EXPECT_EQ(r.y, (std::vector<double>{10, 8, 7, 8}));
    EXPECT_EQ(r.badRow, -1);
    r = flow::ReadGridRows(Cells{{"0", "10"}, {"2", ""}, {"4", "7"}});
    EXPECT_EQ(r.x.size(), 1u);
    r = flow::ReadGridRows(Cells{{"0", "10"}, {"2", "x8"}, {"4", "7"}});
    EXPECT_EQ(r.badRow, 2);
    EXPECT_EQ(r.badColumn, 2);
    EXPECT_EQ(r.x.size(), 1u);
}

class FlowcalcEditor : public FlowWindow {
  protected:
    void SetUp() override {
        FlowWindow::SetUp();
        FinishSplash();
    }
    // File>Edit, then one of the three choices of Form6; returns the editor when shown.
    flow::Form5* Edit(const char* button) {
        Item("mnuFileEditItem")->trigger();
        auto* f6 = Window<flow::Form6>("Form6");
        EXPECT_NE(f6, nullptr);
        if (!f6)
            return nullptr;
        EXPECT_EQ(f6->windowTitle(), QString::fromUtf8("編集モードの選択"));
        f6->findChild<QPushButton*>(button)->click();
        return Window<flow::Form5>("Form5");
    }
    void Fill(flow::Form5* e, int rows) {
        for (int r = 1; r <= rows; ++r) {
            e->SetCell(r, 1, QString::number(2 * (r - 1)));
            e->SetCell(r, 2, QString::number(r % 2 ? 10 : 7));
        }
    }
    void Go(flow::Form5* e, int row, int column) { e->Fg1->setCurrentCell(row - 1, column - 1); }
};

TEST_F(FlowcalcEditor, NewFileStartsEmptyWithItsCaption) {
    flow::Form5* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(Window("Form6"), nullptr);
    EXPECT_EQ(e->windowTitle(), QString::fromUtf8("データの編集 < 新規 >"));
    EXPECT_TRUE(e->mnuFile->menuAction()->isEnabled());
    EXPECT_EQ(e->Fg1->rowCount(), 256);
    EXPECT_EQ(e->Fg1->verticalHeaderItem(254)->text(), "255");
    EXPECT_EQ(e->Cell(1, 1), "");
    EXPECT_FALSE(e->TxtEdit->isVisible());
}

TEST_F(FlowcalcEditor, GivingUpClosesBothWindows) {
    EXPECT_EQ(Edit("Command3"), nullptr);
    EXPECT_EQ(Window("Form6"), nullptr);
    EXPECT_EQ(Window("Form5"), nullptr);
}

TEST_F(FlowcalcEditor, TypingEnterEscapeAndArrows) {
    flow::Form5* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Go(e, 1, 1);
    // A printable key starts the cell editor with that character; Enter stores it.
    QTest::keyClick(e->Fg1, Qt::Key_1);
    ASSERT_TRUE(e->TxtEdit->isVisible());
    EXPECT_EQ(e->TxtEdit->text(), "1");
    QTest::keyClicks(e->TxtEdit, "2.5");
    QTest::keyClick(e->TxtEdit, Qt::Key_Return);
    EXPECT_FALSE(e->TxtEdit->isVisible());
    EXPECT_EQ(e->Cell(1, 1), "12.5");
    // Escape discards what was typed.
    QTest::keyClick(e->Fg1, Qt::Key_9);
    QTest::keyClick(e->TxtEdit, Qt::Key_Escape);
    EXPECT_FALSE(e->TxtEdit->isVisible());
    EXPECT_EQ(e->Cell(1, 1), "12.5");
    // The blank key edits the current text, caret at its end; an arrow keeps it and moves.
    QTest::keyClick(e->Fg1, Qt::Key_Space);
    ASSERT_TRUE(e->TxtEdit->isVisible());
    EXPECT_EQ(e->TxtEdit->text(), "12.5");
    EXPECT_EQ(e->TxtEdit->cursorPosition(), 4);
    QTest::keyClick(e->TxtEdit, Qt::Key_0);
    QTest::keyClick(e->TxtEdit, Qt::Key_Right);
    EXPECT_EQ(e->Cell(1, 1), "12.50");
    EXPECT_EQ(e->Fg1->currentColumn(), 1);
    QTest::keyClick(e->Fg1, Qt::Key_7);
    QTest::keyClick(e->TxtEdit, Qt::Key_Down);
    EXPECT_EQ(e->Cell(1, 2), "7");
    EXPECT_EQ(e->Fg1->currentRow(), 1);
    // At the last column Right stays put; Up and Left move back.
    QTest::keyClick(e->Fg1, Qt::Key_8);
    QTest::keyClick(e->TxtEdit, Qt::Key_Right);
    EXPECT_EQ(e->Fg1->currentColumn(), 1);
    EXPECT_EQ(e->Cell(2, 2), "8");
    QTest::keyClick(e->Fg1, Qt::Key_Space);
    QTest::keyClick(e->TxtEdit, Qt::Key_Up);
    EXPECT_EQ(e->Fg1->currentRow(), 0);
    QTest::keyClick(e->Fg1, Qt::Key_Space);
    QTest::keyClick(e->TxtEdit, Qt::Key_Left);
    EXPECT_EQ(e->Fg1->currentColumn(), 0);
    // A double click edits the cell's text like the blank key.
    e->SetCell(3, 2, "4.25");
    Go(e, 3, 2);
    QRect cell = e->Fg1->visualRect(e->Fg1->currentIndex());
    QTest::mouseClick(e->Fg1->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(e->Fg1->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(e->TxtEdit->isVisible());
    EXPECT_EQ(e->TxtEdit->text(), "4.25");
    QTest::keyClick(e->TxtEdit, Qt::Key_Escape);
    Go(e, 1, 1);
    // Leaving the cell with the mouse while editing stores the text into the cell left.
    QTest::keyClick(e->Fg1, Qt::Key_3);
    Go(e, 5, 2);
    EXPECT_FALSE(e->TxtEdit->isVisible());
    EXPECT_EQ(e->Cell(1, 1), "3");
}

TEST_F(FlowcalcEditor, FewerThanThreeRowsAreRefusedAndTheEditorCloses) {
    flow::Form5* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 2);
    e->mnuFileSaveItem->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "入力したデータ数が少なすぎます");
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(Window("Form5"), nullptr);
}

TEST_F(FlowcalcEditor, SaveWritesTheRowsUpToTheFirstNegativeDistanceAndLoadsThem) {
    flow::Form5* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 7);
    e->SetCell(5, 1, "-1");
    std::string path = dir.filePath("new.txt").toStdString();
    platform.saveAnswers.push_back(path);
    e->mnuFileSaveItem->trigger();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].filter,
              "テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*");
    EXPECT_EQ(platform.saveRequests[0].defaultSuffix, ".txt");
    EXPECT_EQ(platform.saveRequests[0].initialPath, "");
    EXPECT_EQ(hc::ReadTextFile(path).value_or(""), "4\n0 10\n2 7\n4 10\n6 7\n");
    EXPECT_EQ(Window("Form5"), nullptr);
    // The main window loaded it and opened the scale window.
    EXPECT_EQ(form->Model().Section.PointCount, 4);
    EXPECT_EQ(form->Model().Section.DataPath, path);
    EXPECT_NE(Window("Form2"), nullptr);
}

TEST_F(FlowcalcEditor, CancelledSaveKeepsTheEditorAndItsGrid) {
    flow::Form5* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 3);
    platform.saveAnswers.push_back(std::nullopt);
    e->mnuFileSaveItem->trigger();
    EXPECT_EQ(Window("Form5"), e);
    EXPECT_EQ(e->Cell(3, 1), "4");
    EXPECT_TRUE(platform.messages.empty());
    // What is being typed when saving is saved too.
    std::string path = dir.filePath("typed.txt").toStdString();
    Go(e, 4, 1);
    QTest::keyClick(e->Fg1, Qt::Key_6);
    e->SetCell(4, 2, "9");
    platform.saveAnswers.push_back(path);
    e->mnuFileSaveItem->trigger();
    EXPECT_EQ(hc::ReadTextFile(path).value_or(""), "4\n0 10\n2 7\n4 10\n6 9\n");
}

TEST_F(FlowcalcEditor, ASaveOnAFullDiskKeepsTheOldFileAndTheEditor) {
    flow::Form5* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    for (int r = 1; r <= 256; ++r) {  // a long section: more than the limit or the disk takes
        e->SetCell(r, 1, QString::number(r * 1000.123456789));
        e->SetCell(r, 2, QString::number(100 + r * 0.123456789));
    }
    const std::string old = "3\n0 10\n2 7\n4 10\n";
    auto saveTo = [&](const std::string& path, const char* reason) {
        platform.saveAnswers.push_back(path);
        e->mnuFileSaveItem->trigger();
        EXPECT_EQ(hc::test::FileBytes(path), old);
        EXPECT_EQ(Window("Form5"), e);
        EXPECT_EQ(e->Cell(256, 2), QString::number(100 + 256 * 0.123456789));
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
    flow::Form5* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 4);
    e->SetCell(3, 2, "1O");
    e->mnuFileSaveItem->trigger();
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(Window("Form5"), e);
    EXPECT_EQ(e->Fg1->currentRow(), 2);
    EXPECT_EQ(e->Fg1->currentColumn(), 1);
}

TEST_F(FlowcalcEditor, SimpleExitSavesNothing) {
    flow::Form5* e = Edit("Command2");
    ASSERT_NE(e, nullptr);
    Fill(e, 5);
    e->mnuFileQuitItem->trigger();
    EXPECT_EQ(Window("Form5"), nullptr);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(form->Model().Section.PointCount, 0);
}

TEST_F(FlowcalcEditor, ExistingFileOfTheMaximumSizeEditsAndSavesWhole) {
    std::string text = "256\n";
    for (int k = 0; k < 256; ++k)
        text += std::to_string(k) + " " + (k % 2 ? "1.5" : "3") + "\n";
    std::string path = TempFile("full.txt", text);
    platform.openAnswers.push_back(path);
    flow::Form5* e = Edit("Command1");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->windowTitle().toStdString(), "データの編集 < " + path + " >");
    EXPECT_EQ(e->Cell(256, 1), "255");
    EXPECT_EQ(e->Cell(256, 2), "1.5");
    platform.saveAnswers.push_back(path);
    e->mnuFileSaveItem->trigger();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].initialPath, path);
    EXPECT_EQ(hc::ReadTextFile(path).value_or(""), text);
    EXPECT_EQ(form->Model().Section.PointCount, 256);
}

TEST_F(FlowcalcEditor, UnusableFileIsRefusedForEditing) {
    platform.openAnswers.push_back(TempFile("bad.txt", "3\n0 1\n2 0\n"));
    EXPECT_EQ(Edit("Command1"), nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "このデータファイルは処理できません");
    EXPECT_NE(Window("Form6"), nullptr);  // the choice stays open
}

}  // namespace

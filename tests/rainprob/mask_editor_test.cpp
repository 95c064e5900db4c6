#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <fstream>

#include "rainprob/ui/mask_editor.h"
#include "support/write_failures.h"
#include "ui_fixture.h"

using namespace rain;
using rain::test::RainWindow;

namespace {

class MaskEditor : public RainWindow {
  protected:
    Form3* OpenEditor() {
        PassSplash();
        form->mnuEditFile->trigger();
        return form->Editor();
    }
    void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace

TEST_F(MaskEditor, OpensFromTheSettingsMenuBeforeAnyLoad) {
    PassSplash();
    EXPECT_TRUE(Form1::MenuEnabled(form->mnuSellect));
    EXPECT_TRUE(form->mnuEditFile->isEnabled());
    form->mnuEditFile->trigger();
    Form3* e = form->Editor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->objectName(), "Form3");
    EXPECT_EQ(e->windowTitle(), "仮面エディター < 年降水量ファイルの作成 >");
    EXPECT_FALSE(e->EmnuFileSaveItem->isEnabled());
    EXPECT_TRUE(e->Label1->text().startsWith("年降水量データファイルを作成するエディターです。"));
    // Opening it again shows the same window.
    form->mnuEditFile->trigger();
    EXPECT_EQ(form->Editor(), e);
}

TEST_F(MaskEditor, NewFileOfThreeYears) {
    Form3* e = OpenEditor();
    e->EmnuFileNewItem->trigger();
    Form4* f4 = e->YearDialog();
    ASSERT_NE(f4, nullptr);
    EXPECT_TRUE(f4->isVisible());
    EXPECT_EQ(f4->windowTitle(), "仮面エディター < 作成年次の確認 >");
    const int year = QDate::currentDate().year();
    EXPECT_EQ(f4->Text1->text(), QString::number(year - 30));
    EXPECT_EQ(f4->Text2->text(), QString::number(year - 1));
    f4->Text1->setText("1991");
    f4->Text2->setText("1993");
    f4->Command1->click();
    EXPECT_FALSE(f4->isVisible());
    EXPECT_EQ(e->EditorText(), "   1991   \r\n   1992   \r\n   1993   ");
    EXPECT_EQ(e->windowTitle(), "仮面エディター < 新規の編集 >");
    EXPECT_TRUE(e->EmnuFileSaveItem->isEnabled());
    // The dialog keeps what was typed.
    e->EmnuFileNewItem->trigger();
    EXPECT_EQ(e->YearDialog(), f4);
    EXPECT_EQ(f4->Text1->text(), "1991");
    f4->Command2->click();
    EXPECT_FALSE(f4->isVisible());
    EXPECT_EQ(e->EditorText(), "   1991   \r\n   1992   \r\n   1993   ");
}

TEST_F(MaskEditor, WrongYearsAreRefusedWithAMessage) {
    Form3* e = OpenEditor();
    e->EmnuFileNewItem->trigger();
    Form4* f4 = e->YearDialog();
    for (auto [a, b] :
         {std::pair{"0", "1993"}, {"1991", "3000"}, {"abc", "1993"}, {"1991", "12.5"}}) {
        f4->Text1->setText(a);
        f4->Text2->setText(b);
        f4->Command1->click();
        EXPECT_TRUE(f4->isVisible());
    }
    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[0].text, "正しく数字を入力してね");
    EXPECT_EQ(platform.messages[0].title, "入力間違い");
    EXPECT_TRUE(e->EditorText().empty());
    EXPECT_FALSE(e->EmnuFileSaveItem->isEnabled());
}

TEST_F(MaskEditor, SaveAndExitLoadsTheFileAtOnce) {
    Form3* e = OpenEditor();
    e->SetEditorText("   1991   1200\r\n   1992   1000\r\n   1993   1100   ");
    e->EmnuFileSaveItem->setEnabled(true);
    std::string path = dir.filePath("new.txt").toStdString();
    platform.saveAnswers.push_back(path);
    e->EmnuFileSaveItem->trigger();
    EXPECT_EQ(ReadFile(path), "   1991   1200\r\n   1992   1000\r\n   1993   1100   \r\n");
    Flush();
    EXPECT_EQ(form->Editor(), nullptr);
    EXPECT_EQ(form->Model().table.Count(), 3);
    EXPECT_EQ(form->Text1->text().toStdString(), path);
    EXPECT_EQ(form->Text2->text(), "1100");
    EXPECT_EQ(form->Label18->text(), "解析項目：回帰結果を表示しない");
    EXPECT_TRUE(form->mnuAnaNot->isChecked());
    EXPECT_TRUE(form->mnuPrintOutItem->isEnabled());
    EXPECT_TRUE(Form1::MenuEnabled(form->mnuAna));
    EXPECT_TRUE(Item("mnuScaleMaxVal(4)")->isChecked());
    EXPECT_TRUE(Item("mnuScaleMinVal(0)")->isChecked());
}

TEST_F(MaskEditor, LaterSaveResetsTheModeAndKeepsTheRangeChecked) {
    PassSplash();
    Open(WriteFile("a.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuScaleMaxVal(8)")->trigger();  // 5000
    Item("mnuScaleMinVal(1)")->trigger();  // 500
    form->mnuAnaAll->trigger();
    form->mnuEditFile->trigger();
    Form3* e = form->Editor();
    e->SetEditorText("1991 1200\r\n1992 1000");
    std::string path = dir.filePath("b.txt").toStdString();
    platform.saveAnswers.push_back(path);
    e->EmnuFileSaveItem->setEnabled(true);
    e->EmnuFileSaveItem->trigger();
    Flush();
    EXPECT_EQ(form->Model().table.Count(), 2);
    EXPECT_EQ(form->Model().settings.analysisMode, AnalysisMode::None);
    EXPECT_TRUE(form->mnuAnaNot->isChecked());
    EXPECT_EQ(form->Text5->text(), "5000");
    EXPECT_TRUE(Item("mnuScaleMaxVal(8)")->isChecked());
    EXPECT_FALSE(Item("mnuScaleMaxVal(4)")->isChecked());
    EXPECT_TRUE(Item("mnuScaleMinVal(1)")->isChecked());
}

TEST_F(MaskEditor, AFailedLoadAfterSaveKeepsTheMode) {
    PassSplash();
    Open(WriteFile("a.txt", test::RecordText(test::kTextbookMm)));
    form->mnuAnaLine->trigger();
    form->mnuEditFile->trigger();
    Form3* e = form->Editor();
    e->SetEditorText("   1991   ");  // a prepared line left empty
    platform.saveAnswers.push_back(dir.filePath("c.txt").toStdString());
    e->EmnuFileSaveItem->setEnabled(true);
    e->EmnuFileSaveItem->trigger();
    Flush();
    EXPECT_EQ(form->Editor(), nullptr);
    EXPECT_EQ(form->Model().table.Count(), 26);
    EXPECT_EQ(form->Model().settings.analysisMode, AnalysisMode::Line);
    EXPECT_TRUE(form->mnuAnaLine->isChecked());
    EXPECT_TRUE(Status().contains("c.txt"));
}

TEST_F(MaskEditor, CancelledOrFailedSaveKeepsTheEditorOpen) {
    Form3* e = OpenEditor();
    e->SetEditorText("1991 1200\r\n1992 1000");
    e->EmnuFileSaveItem->setEnabled(true);
    platform.saveAnswers.push_back(std::nullopt);
    e->EmnuFileSaveItem->trigger();
    Flush();
    ASSERT_EQ(form->Editor(), e);
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->EditorText(), "1991 1200\r\n1992 1000");
    // A directory cannot be replaced by a file: the save fails and the old entry stays.
    std::string target = dir.filePath("sub").toStdString();
    QDir().mkpath(QString::fromStdString(target));
    platform.saveAnswers.push_back(target);
    e->EmnuFileSaveItem->trigger();
    Flush();
    ASSERT_EQ(form->Editor(), e);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(target)).isDir());
    EXPECT_TRUE(Status().contains("sub"));
    EXPECT_FALSE(form->Model().loaded);
}

TEST_F(MaskEditor, ASaveOnAFullDiskKeepsTheOldFileAndTheEditor) {
    Form3* e = OpenEditor();
    const std::string typed(8000, '1');  // more than a small disk or the limit takes
    e->SetEditorText(typed);
    e->EmnuFileSaveItem->setEnabled(true);
    auto expectKept = [&](const std::string& path, const std::string& old, const char* reason) {
        EXPECT_EQ(hc::test::FileBytes(path), old);
        ASSERT_EQ(form->Editor(), e);
        EXPECT_EQ(e->EditorText(), typed);
        EXPECT_EQ(Status().toStdString(), "保存できませんでした: " + path + ": " + reason);
    };
    {
        std::string path = dir.filePath("limit.txt").toStdString();
        hc::test::FileSizeLimit limit(4096);
        std::ofstream(path) << "1991 1200\r\n";
        platform.saveAnswers.push_back(path);
        e->EmnuFileSaveItem->trigger();
        Flush();
        expectKept(path, "1991 1200\r\n", "ファイルが大きすぎます");
    }
    hc::test::FullDisk disk;
    if (!disk.Unavailable().empty())
        GTEST_SKIP() << disk.Unavailable();
    disk.PutThenFill("rain.txt", "1991 1200\r\n");
    platform.saveAnswers.push_back(disk.Path("rain.txt"));
    e->EmnuFileSaveItem->trigger();
    Flush();
    expectKept(disk.Path("rain.txt"), "1991 1200\r\n", "ディスクに空きがありません");
}

TEST_F(MaskEditor, OpenAndSaveUnchanged) {
    const std::string content = "   1991   1200\r\n   1992   1000\r\n   1993   1100\r\n";
    std::string path = WriteFile("three.txt", content);
    Form3* e = OpenEditor();
    platform.openAnswers.push_back(path);
    e->EmnuFileOpenItem->trigger();
    EXPECT_EQ(e->EditorPath(), path);
    EXPECT_EQ(e->windowTitle().toStdString(), "仮面エディター < " + path + " >");
    EXPECT_TRUE(e->EmnuFileSaveItem->isEnabled());
    EXPECT_EQ(e->EditorText(), "   1991   1200\r\n   1992   1000\r\n   1993   1100");
    std::string out = dir.filePath("copy.txt").toStdString();
    platform.saveAnswers.push_back(out);
    e->EmnuFileSaveItem->trigger();
    EXPECT_EQ(ReadFile(out), content);
}

TEST_F(MaskEditor, OpenFailuresChangeNothing) {
    Form3* e = OpenEditor();
    std::string lines;
    for (int i = 0; i < 258; ++i)
        lines += "1991 1000\r\n";
    for (const std::string& path :
         {WriteFile("empty.txt", ""), WriteFile("long.txt", lines), std::string("/nonexistent")}) {
        platform.openAnswers.push_back(path);
        e->EmnuFileOpenItem->trigger();
    }
    platform.openAnswers.push_back(std::nullopt);
    e->EmnuFileOpenItem->trigger();
    EXPECT_FALSE(e->EmnuFileSaveItem->isEnabled());
    EXPECT_TRUE(e->EditorText().empty());
    EXPECT_EQ(e->windowTitle(), "仮面エディター < 年降水量ファイルの作成 >");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MaskEditor, ForcedExitClosesWithoutSaving) {
    Form3* e = OpenEditor();
    e->EmnuFileNewItem->trigger();
    e->SetEditorText("1991 1200");
    e->EmnuEndItem->trigger();
    Flush();
    EXPECT_EQ(form->Editor(), nullptr);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_TRUE(Form1::MenuEnabled(form->mnuFile));
    EXPECT_FALSE(form->Model().loaded);
}

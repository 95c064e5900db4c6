#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <unistd.h>
#include <QTextCursor>

#include <fstream>

#include "rainprob/ui/mask_editor.h"
#include "support/write_failures.h"
#include "ui_fixture.h"

using namespace rain;
using rain::test::RainWindow;

namespace {

class MaskEditorTest : public RainWindow {
  protected:
    MaskEditor* OpenEditor() {
        PassSplash();
        Item("mnuEditFile")->trigger();
        return Editor();
    }
    // The editor's menu items, the year dialog and the dialog's boxes and buttons.
    static QAction* EditorItem(MaskEditor* e, const char* name) {
        auto* a = e->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    static YearRangeDialog* YearDialog(MaskEditor* e) {
        return e->findChild<YearRangeDialog*>("Form4");
    }
    static QLineEdit* YearBox(YearRangeDialog* d, const char* name) {
        return d->findChild<QLineEdit*>(name);
    }
    static void Click(YearRangeDialog* d, const char* name) {
        d->findChild<QPushButton*>(name)->click();
    }
};

}  // namespace

TEST_F(MaskEditorTest, OpensFromTheSettingsMenuBeforeAnyLoad) {
    PassSplash();
    EXPECT_TRUE(MenuEnabled("mnuSellect"));
    EXPECT_TRUE(Item("mnuEditFile")->isEnabled());
    Item("mnuEditFile")->trigger();
    MaskEditor* e = Editor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->objectName(), "Form3");
    EXPECT_EQ(e->windowTitle(), "仮面エディター < 年降水量ファイルの作成 >");
    EXPECT_FALSE(EditorItem(e, "EmnuFileSaveItem")->isEnabled());
    EXPECT_TRUE(e->findChild<QLabel*>("Label1")->text().startsWith(
        "年降水量データファイルを作成するエディターです。"));
    // Blank lines are skipped on reading; the label no longer warns against them.
    EXPECT_TRUE(
        e->findChild<QLabel*>("Label1")->text().contains("空白行は読み込むときに読み飛ばされます"));
    EXPECT_FALSE(e->findChild<QLabel*>("Label1")->text().contains("空白行は作らない"));
    // Opening it again shows the same window.
    Item("mnuEditFile")->trigger();
    EXPECT_EQ(Editor(), e);
}

TEST_F(MaskEditorTest, NewFileOfThreeYears) {
    MaskEditor* e = OpenEditor();
    EditorItem(e, "EmnuFileNewItem")->trigger();
    YearRangeDialog* f4 = YearDialog(e);
    ASSERT_NE(f4, nullptr);
    EXPECT_TRUE(f4->isVisible());
    EXPECT_EQ(f4->windowTitle(), "仮面エディター < 作成年次の確認 >");
    const int year = QDate::currentDate().year();
    EXPECT_EQ(YearBox(f4, "Text1")->text(), QString::number(year - 30));
    EXPECT_EQ(YearBox(f4, "Text2")->text(), QString::number(year - 1));
    YearBox(f4, "Text1")->setText("1991");
    YearBox(f4, "Text2")->setText("1993");
    Click(f4, "Command1");
    EXPECT_FALSE(f4->isVisible());
    EXPECT_EQ(e->EditorText(), "   1991   \r\n   1992   \r\n   1993   ");
    EXPECT_EQ(e->windowTitle(), "仮面エディター < 新規の編集 >");
    EXPECT_TRUE(EditorItem(e, "EmnuFileSaveItem")->isEnabled());
    // The dialog keeps what was typed.
    EditorItem(e, "EmnuFileNewItem")->trigger();
    EXPECT_EQ(YearDialog(e), f4);
    EXPECT_EQ(YearBox(f4, "Text1")->text(), "1991");
    Click(f4, "Command2");
    EXPECT_FALSE(f4->isVisible());
    EXPECT_EQ(e->EditorText(), "   1991   \r\n   1992   \r\n   1993   ");
}

TEST_F(MaskEditorTest, WrongYearsAreRefusedWithAMessage) {
    MaskEditor* e = OpenEditor();
    EditorItem(e, "EmnuFileNewItem")->trigger();
    YearRangeDialog* f4 = YearDialog(e);
    for (auto [a, b] :
         {std::pair{"0", "1993"}, {"1991", "3000"}, {"abc", "1993"}, {"1991", "12.5"}}) {
        YearBox(f4, "Text1")->setText(a);
        YearBox(f4, "Text2")->setText(b);
        Click(f4, "Command1");
        EXPECT_TRUE(f4->isVisible());
    }
    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[0].text, "正しく数字を入力してね");
    EXPECT_EQ(platform.messages[0].title, "入力間違い");
    EXPECT_TRUE(e->EditorText().empty());
    EXPECT_FALSE(EditorItem(e, "EmnuFileSaveItem")->isEnabled());
}

TEST_F(MaskEditorTest, SaveAndExitLoadsTheFileAtOnce) {
    MaskEditor* e = OpenEditor();
    e->SetEditorText("   1991   1200\r\n   1992   1000\r\n   1993   1100   ");
    EditorItem(e, "EmnuFileSaveItem")->setEnabled(true);
    std::string path = dir.filePath("new.txt").toStdString();
    platform.saveAnswers.push_back(path);
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    EXPECT_EQ(ReadFile(path), "   1991   1200\r\n   1992   1000\r\n   1993   1100   \r\n");
    Flush();
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(App().Table().Count(), 3);
    EXPECT_EQ(Text("Text1").toStdString(), path);
    EXPECT_EQ(Text("Text2"), "1100");
    EXPECT_EQ(LabelText("Label18"), "解析項目：回帰結果を表示しない");
    EXPECT_TRUE(Item("mnuAnaNot")->isChecked());
    EXPECT_TRUE(Item("mnuPrintOutItem")->isEnabled());
    EXPECT_TRUE(MenuEnabled("mnuAna"));
    EXPECT_TRUE(Item("mnuScaleMaxVal(4)")->isChecked());
    EXPECT_TRUE(Item("mnuScaleMinVal(0)")->isChecked());
}

TEST_F(MaskEditorTest, LaterSaveResetsTheModeAndKeepsTheRangeChecked) {
    PassSplash();
    Open(WriteFile("a.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuScaleMaxVal(8)")->trigger();  // 5000
    Item("mnuScaleMinVal(1)")->trigger();  // 500
    Item("mnuAnaAll")->trigger();
    Item("mnuEditFile")->trigger();
    MaskEditor* e = Editor();
    e->SetEditorText("1991 1200\r\n1992 1000");
    std::string path = dir.filePath("b.txt").toStdString();
    platform.saveAnswers.push_back(path);
    EditorItem(e, "EmnuFileSaveItem")->setEnabled(true);
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    Flush();
    EXPECT_EQ(App().Table().Count(), 2);
    EXPECT_EQ(App().Settings().analysisMode, AnalysisMode::None);
    EXPECT_TRUE(Item("mnuAnaNot")->isChecked());
    EXPECT_EQ(Text("Text5"), "5000");
    EXPECT_TRUE(Item("mnuScaleMaxVal(8)")->isChecked());
    EXPECT_FALSE(Item("mnuScaleMaxVal(4)")->isChecked());
    EXPECT_TRUE(Item("mnuScaleMinVal(1)")->isChecked());
}

TEST_F(MaskEditorTest, AFailedLoadAfterSaveKeepsTheMode) {
    PassSplash();
    Open(WriteFile("a.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuAnaLine")->trigger();
    Item("mnuEditFile")->trigger();
    MaskEditor* e = Editor();
    e->SetEditorText("   1991   0");  // a year of 0 mm: the analysis cannot take it
    platform.saveAnswers.push_back(dir.filePath("c.txt").toStdString());
    EditorItem(e, "EmnuFileSaveItem")->setEnabled(true);
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    Flush();
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(App().Table().Count(), 26);
    EXPECT_EQ(App().Settings().analysisMode, AnalysisMode::Line);
    EXPECT_TRUE(Item("mnuAnaLine")->isChecked());
    EXPECT_TRUE(Status().contains("c.txt"));
}

TEST_F(MaskEditorTest, CancelledOrFailedSaveKeepsTheEditorOpen) {
    MaskEditor* e = OpenEditor();
    e->SetEditorText("1991 1200\r\n1992 1000");
    EditorItem(e, "EmnuFileSaveItem")->setEnabled(true);
    platform.saveAnswers.push_back(std::nullopt);
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    Flush();
    ASSERT_EQ(Editor(), e);
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->EditorText(), "1991 1200\r\n1992 1000");
    // A directory cannot be replaced by a file: the save fails and the old entry stays.
    std::string target = dir.filePath("sub").toStdString();
    QDir().mkpath(QString::fromStdString(target));
    platform.saveAnswers.push_back(target);
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    Flush();
    ASSERT_EQ(Editor(), e);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(target)).isDir());
    EXPECT_TRUE(Status().contains("sub"));
    EXPECT_FALSE(App().Loaded());
}

TEST_F(MaskEditorTest, ASaveOnAFullDiskKeepsTheOldFileAndTheEditor) {
    MaskEditor* e = OpenEditor();
    std::string typed;  // more than a small disk or the limit takes
    for (int i = 0; i < 250; ++i)
        typed += (i ? "\r\n" : "") + std::to_string(1700 + i) + " 1200" + std::string(25, ' ');
    e->SetEditorText(typed);
    EditorItem(e, "EmnuFileSaveItem")->setEnabled(true);
    auto expectKept = [&](const std::string& path, const std::string& old, const char* reason) {
        EXPECT_EQ(hc::test::FileBytes(path), old);
        ASSERT_EQ(Editor(), e);
        EXPECT_EQ(e->EditorText(), typed);
        EXPECT_EQ(Status().toStdString(), "保存できませんでした: " + path + ": " + reason);
    };
    {
        std::string path = dir.filePath("limit.txt").toStdString();
        hc::test::FileSizeLimit limit(4096);
        std::ofstream(path) << "1991 1200\r\n";
        platform.saveAnswers.push_back(path);
        EditorItem(e, "EmnuFileSaveItem")->trigger();
        Flush();
        expectKept(path, "1991 1200\r\n", "ファイルが大きすぎます");
    }
    hc::test::FullDisk disk;
    if (!disk.Unavailable().empty())
        GTEST_SKIP() << disk.Unavailable();
    disk.PutThenFill("rain.txt", "1991 1200\r\n");
    platform.saveAnswers.push_back(disk.Path("rain.txt"));
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    Flush();
    expectKept(disk.Path("rain.txt"), "1991 1200\r\n", "ディスクに空きがありません");
}

TEST_F(MaskEditorTest, OpenAndSaveUnchanged) {
    const std::string content = "   1991   1200\r\n   1992   1000\r\n   1993   1100\r\n";
    std::string path = WriteFile("three.txt", content);
    MaskEditor* e = OpenEditor();
    platform.openAnswers.push_back(path);
    EditorItem(e, "EmnuFileOpenItem")->trigger();
    EXPECT_EQ(e->EditorPath(), path);
    EXPECT_EQ(e->windowTitle().toStdString(), "仮面エディター < " + path + " >");
    EXPECT_TRUE(EditorItem(e, "EmnuFileSaveItem")->isEnabled());
    EXPECT_EQ(e->EditorText(), "   1991   1200\r\n   1992   1000\r\n   1993   1100");
    std::string out = dir.filePath("copy.txt").toStdString();
    platform.saveAnswers.push_back(out);
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    EXPECT_EQ(ReadFile(out), content);
}

TEST_F(MaskEditorTest, OpenFailuresChangeNothingAndSayWhy) {
    MaskEditor* e = OpenEditor();
    std::string lines;
    for (int i = 0; i < 258; ++i)
        lines += "1991 1000\r\n";
    const std::string folder = dir.filePath("folder").toStdString();
    QDir().mkpath(QString::fromStdString(folder));
    struct Case {
        std::string path;
        std::string reason;
    };
    std::vector<Case> cases = {
        {WriteFile("empty.txt", ""), "ファイルが空です"},
        {WriteFile("long.txt", lines), "257 行を超えています"},
        {"/nonexistent", ""},
        {folder, ""},
    };
    if (::geteuid() != 0) {  // root reads any file whatever its mode
        const std::string locked = WriteFile("locked.txt", "1991 1000\r\n");
        QFile::setPermissions(QString::fromStdString(locked), {});
        cases.push_back({locked, ""});
    }
    for (const Case& c : cases) {
        platform.messages.clear();
        platform.openAnswers.push_back(c.path);
        EditorItem(e, "EmnuFileOpenItem")->trigger();
        ASSERT_EQ(platform.messages.size(), 1u) << c.path;
        const std::string& said = platform.messages[0].text;
        EXPECT_EQ(said.rfind("開けませんでした: " + c.path + ": ", 0), 0u) << said;
        EXPECT_NE(said.find(c.reason), std::string::npos) << said;
        EXPECT_GT(said.size(), ("開けませんでした: " + c.path + ": ").size()) << said;
    }
    platform.messages.clear();
    platform.openAnswers.push_back(std::nullopt);
    EditorItem(e, "EmnuFileOpenItem")->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(EditorItem(e, "EmnuFileSaveItem")->isEnabled());
    EXPECT_TRUE(e->EditorText().empty());
    EXPECT_EQ(e->windowTitle(), "仮面エディター < 年降水量ファイルの作成 >");
}

TEST_F(MaskEditorTest, ClosingWithTypedLinesAsksFirst) {
    using hc::SaveChoice;
    enum class How { EndItem, WindowClose };
    struct Case {
        How how;
        std::vector<SaveChoice> answers;
        bool staysOpen;
        bool written;
    };
    const Case cases[] = {
        {How::EndItem, {SaveChoice::Discard}, false, false},
        {How::WindowClose, {SaveChoice::Discard}, false, false},
        {How::EndItem, {SaveChoice::Cancel}, true, false},
        {How::WindowClose, {SaveChoice::Cancel}, true, false},
        {How::EndItem, {SaveChoice::Save}, false, true},
        {How::WindowClose, {SaveChoice::Save}, false, true},
    };
    PassSplash();
    int k = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(k);
        Item("mnuEditFile")->trigger();
        MaskEditor* e = Editor();
        ASSERT_NE(e, nullptr);
        EditorItem(e, "EmnuFileNewItem")->trigger();
        e->SetEditorText("1991 1200\r\n1992 1000");
        const std::string path = dir.filePath(QString("typed%1.txt").arg(++k)).toStdString();
        platform.saveAnswers = {path};
        platform.saveChoices = {c.answers.begin(), c.answers.end()};
        platform.saveQuestions.clear();
        if (c.how == How::EndItem)
            EditorItem(e, "EmnuEndItem")->trigger();
        else
            e->close();
        Flush();
        ASSERT_EQ(platform.saveQuestions.size(), 1u);
        EXPECT_EQ(platform.saveQuestions[0].text,
                  "入力したデータは保存されていません。\r保存しますか？");
        EXPECT_EQ(Editor() != nullptr, c.staysOpen);
        EXPECT_EQ(QFileInfo::exists(QString::fromStdString(path)), c.written);
        if (c.staysOpen) {
            EXPECT_EQ(e->EditorText(), "1991 1200\r\n1992 1000");
            platform.saveChoices = {SaveChoice::Discard};
            e->close();
            Flush();
        } else if (c.written) {
            EXPECT_EQ(ReadFile(path), "1991 1200\r\n1992 1000\r\n");
            EXPECT_EQ(App().Table().Count(), 2);  // handed over as 保存終了 does
        }
        EXPECT_TRUE(MenuEnabled("mnuFile"));
    }
    // Nothing typed: nothing asked.
    Item("mnuEditFile")->trigger();
    platform.saveQuestions.clear();
    Editor()->close();
    Flush();
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(platform.saveQuestions.empty());
    // The program does not end over typed lines the user keeps.
    Item("mnuEditFile")->trigger();
    Editor()->SetEditorText("1991 1200");
    platform.saveChoices = {hc::SaveChoice::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_NE(Editor(), nullptr);
    platform.saveChoices = {hc::SaveChoice::Discard};
    EXPECT_TRUE(form->close());
}

TEST_F(MaskEditorTest, AYearWithoutItsAmountIsRefusedAtItsLine) {
    MaskEditor* e = OpenEditor();
    e->SetEditorText("1991 1200\r\n1992 1000\r\n1993\r\n1994 1300\r\n1995 900");
    platform.saveAnswers.push_back(dir.filePath("never.txt").toStdString());
    // From 保存終了 and from the question on closing alike.
    EditorItem(e, "EmnuFileSaveItem")->setEnabled(true);
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    platform.saveChoices = {hc::SaveChoice::Save};
    e->close();
    Flush();
    ASSERT_EQ(Editor(), e);
    EXPECT_TRUE(platform.saveRequests.empty());
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const auto& m : platform.messages)
        EXPECT_EQ(m.text, "保存できません: 3 行目: 降水量が入力されていません");
    QTextCursor at = e->findChild<QPlainTextEdit*>("Text1")->textCursor();
    EXPECT_EQ(at.blockNumber(), 2);
    EXPECT_EQ(at.selectedText(), "1993");
    // Text the loader refuses is refused too, at its line.
    platform.messages.clear();
    e->SetEditorText("1991 1200\r\n1992 1O00");
    EditorItem(e, "EmnuFileSaveItem")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("保存できません: 2 行目: ", 0), 0u)
        << platform.messages[0].text;
    EXPECT_EQ(e->findChild<QPlainTextEdit*>("Text1")->textCursor().blockNumber(), 1);
}

TEST_F(MaskEditorTest, ReplacingTypedTextAsksFirst) {
    MaskEditor* e = OpenEditor();
    e->SetEditorText("1991 1200");
    const std::string other = WriteFile("other.txt", "2001 800\r\n");
    // キャンセル: the open is not even offered.
    platform.openAnswers.push_back(other);
    EditorItem(e, "EmnuFileOpenItem")->trigger();
    EXPECT_EQ(platform.saveQuestions.size(), 1u);
    EXPECT_TRUE(platform.openRequests.empty());
    EXPECT_EQ(e->EditorText(), "1991 1200");
    // 破棄: replaced.
    platform.saveChoices = {hc::SaveChoice::Discard};
    EditorItem(e, "EmnuFileOpenItem")->trigger();
    EXPECT_EQ(e->EditorText(), "2001 800");
    EXPECT_FALSE(e->HasUnsavedChanges());
}

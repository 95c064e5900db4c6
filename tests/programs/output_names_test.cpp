// The five programs name what they show and never write over what they read: after a refused
// load (or, in flowcalc, a load whose settings were cancelled) the title and the names proposed
// for outputs still name the data on screen, and 数値を保存 neither proposes nor replaces the
// data file just opened, however its name is spelled.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "common/ui/remembered.h"
#include "common/ui/splash_window.h"
#include "flowcalc/ui/main_window.h"
#include "polyplot/ui/polyplot_program.h"
#include "rainprob/ui/main_window.h"
#include "sixsideplot/ui/sixsideplot_program.h"
#include "support/scripted_platform.h"
#include "support/window_lookup.h"
#include "support/write_failures.h"
#include "ternaryplot/ui/ternaryplot_program.h"
#include "waterquality/ui/main_window.h"

namespace {

using hc::test::Click;
using hc::test::FileBytes;
using hc::test::FlushEvents;
using hc::test::ScriptedPlatform;
using hc::test::SourcePath;
using hc::test::VisibleWindow;

using MakeWindow = std::function<std::unique_ptr<QMainWindow>(ScriptedPlatform&)>;

struct Program {
    const char* name;
    MakeWindow make;
    int splashTicks;
    bool guided;          // flowcalc: a load goes on through the scale and parameter windows
    const char* data;     // a data file it shows (under the source tree)
    const char* table;    // one it shows when named "data.csv"
    const char* refused;  // the text of a file it refuses
    // flowcalc: a good file loaded second whose settings are cancelled, instead of `refused`.
    const char* cancelled = nullptr;
};

void PrintTo(const Program& p, std::ostream* os) {
    *os << p.name;
}

template <const wq::DiagramProgram& (*program)()>
MakeWindow WaterQuality() {
    return [](ScriptedPlatform& p) { return std::make_unique<wq::MainWindow>(p, program()); };
}

const Program kPrograms[] = {
    {"sixsideplot", WaterQuality<hexa::SixsidePlotProgram>(), 45, false, "examples/sample32.xls",
     "examples/sample12.csv", "name,Na\nbroken"},
    {"polyplot", WaterQuality<stiff::PolyPlotProgram>(), 45, false, "examples/sample12.xlsx",
     "examples/sample12.csv", "not a table"},
    {"ternaryplot", WaterQuality<tri::TernaryPlotProgram>(), 45, false, "examples/sample12.ods",
     "examples/sample12.csv", ""},
    {"rainprob", [](ScriptedPlatform& p) { return std::make_unique<rain::MainWindow>(p); }, 45,
     false, "examples/rainprob/textbook26.txt", "examples/rainprob/textbook26.txt",
     "1981 1151\n1982 abc\n"},
    {"flowcalc", [](ScriptedPlatform& p) { return std::make_unique<flow::MainWindow>(p); }, 33,
     true, "examples/flowcalc/river_section.txt", "examples/flowcalc/river_section.txt",
     "2\n0 1\n"},
    {"flowcalc_cancelled",
     [](ScriptedPlatform& p) { return std::make_unique<flow::MainWindow>(p); }, 33, true,
     "examples/flowcalc/river_section.txt", "examples/flowcalc/river_section.txt", "",
     "examples/flowcalc/island_section.txt"},
};

class OutputNames : public ::testing::TestWithParam<Program> {
  protected:
    void SetUp() override {
        // What the programs remember goes to this test's own folder.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("config"));
        hc::remembered::Enable(GetParam().name);
        platform.dataFiles["manning.txt"] = SourcePath("data/manning.txt");
        window = GetParam().make(platform);
        window->show();
        auto* splash = window->findChild<hc::SplashWindow*>();
        ASSERT_NE(splash, nullptr);
        for (int i = 0; i < GetParam().splashTicks; ++i)
            splash->Tick();
        FlushEvents();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != window.get())
                w->close();
        window.reset();
        FlushEvents();
        hc::remembered::Disable();
    }

    // A file of the test's folder holding the text given.
    std::string Put(const QString& name, const std::string& text) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
        return path.toStdString();
    }
    // A copy of a file under the source tree.
    std::string Copy(const QString& name, const char* source) {
        return Put(name, FileBytes(SourcePath(source)));
    }
    std::string Beside(const std::string& path, const char* suffix) {
        QFileInfo fi(QString::fromStdString(path));
        return (fi.absolutePath() + "/" + fi.completeBaseName() + suffix).toStdString();
    }
    void OpenFile(const std::string& path) {
        platform.openAnswers.push_back(path);
        Item("mnuFileOpenItem")->trigger();
    }
    // Opens path and, where a load goes on through the settings windows, completes them.
    void OpenAndShow(const std::string& path) {
        OpenFile(path);
        if (!GetParam().guided)
            return;
        Click(VisibleWindow("Form2"), "Command1");
        Click(VisibleWindow("Form3"), "Command1");
        FlushEvents();
    }
    QAction* Item(const char* name) {
        auto* a = window->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    // The name the item's save dialog proposes (the dialog is cancelled).
    std::string Proposed(const char* item) {
        EXPECT_TRUE(Item(item)->isEnabled()) << item;
        const std::size_t before = platform.saveRequests.size();
        Item(item)->trigger();
        EXPECT_EQ(platform.saveRequests.size(), before + 1) << item;
        return platform.saveRequests.empty() ? "" : platform.saveRequests.back().initialPath;
    }
    QString Status() {
        if (auto* label = window->findChild<QLabel*>("StatusText"))
            return label->text();
        return window->statusBar()->currentMessage();
    }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<QMainWindow> window;
};

TEST_P(OutputNames, ARefusedLoadLeavesTheTitleAndTheProposedNames) {
    const std::string good =
        Copy("good" + QFileInfo(GetParam().data).suffix().prepend('.'), GetParam().data);
    OpenAndShow(good);
    const QString title = window->windowTitle();
    ASSERT_TRUE(title.contains(QString::fromStdString(good))) << title.toStdString();
    if (GetParam().cancelled) {
        OpenFile(SourcePath(GetParam().cancelled));
        Click(VisibleWindow("Form2"), "Command2");
    } else {
        OpenFile(Put("bad12.csv", GetParam().refused));
    }
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(Proposed("mnuFileSaveNumbersItem"), Beside(good, ".csv"));
    EXPECT_EQ(Proposed("mnuFileSaveFigureItem"), Beside(good, ".pdf"));
}

TEST_P(OutputNames, NumbersAreNeverSavedOverTheFileShown) {
    if (GetParam().cancelled)
        GTEST_SKIP() << "the flowcalc row covers it";
    const std::string data = Copy("data.csv", GetParam().table);
    const std::string before = FileBytes(data);
    OpenAndShow(data);
    ASSERT_TRUE(window->windowTitle().contains("data.csv"));
    // Not proposed: a name beside it instead.
    EXPECT_EQ(Proposed("mnuFileSaveNumbersItem"), Beside(data, "-numbers.csv"));
    // Chosen all the same, by its name or through a link: refused, naming it.
    const std::string link = dir.filePath("link.csv").toStdString();
    ASSERT_TRUE(QFile::link(QString::fromStdString(data), QString::fromStdString(link)));
    for (const std::string& chosen : {data, link}) {
        SCOPED_TRACE(chosen);
        platform.saveAnswers.push_back(chosen);
        Item("mnuFileSaveNumbersItem")->trigger();
        EXPECT_EQ(FileBytes(data), before);
        EXPECT_TRUE(Status().contains(QString::fromStdString(chosen))) << Status().toStdString();
        EXPECT_TRUE(Status().contains("開いているデータのファイル")) << Status().toStdString();
    }
    EXPECT_TRUE(QFileInfo(QString::fromStdString(link)).isSymLink());
    // Another name is written as ever.
    const std::string other = Beside(data, "-numbers.csv");
    platform.saveAnswers.push_back(other);
    Item("mnuFileSaveNumbersItem")->trigger();
    EXPECT_NE(FileBytes(other), "<missing>");
    EXPECT_EQ(FileBytes(data), before);
}

// The File menu lists the files opened, newest first; one that has gone is dropped with a
// message, not opened. No menu gives one key to two of its items.
TEST_P(OutputNames, RecentFilesAndMnemonics) {
    const QString suffix = QFileInfo(GetParam().data).suffix().prepend('.');
    const std::string first = Copy("first" + suffix, GetParam().data);
    const std::string second = Copy("second" + suffix, GetParam().data);
    OpenAndShow(first);
    OpenAndShow(second);
    EXPECT_EQ(hc::remembered::RecentFiles(),
              (QStringList{QString::fromStdString(second), QString::fromStdString(first)}));
    auto* recent = window->findChild<QMenu*>("mnuRecent");
    ASSERT_NE(recent, nullptr);
    ASSERT_TRUE(recent->menuAction()->isVisible());
    Q_EMIT recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[1]->text(), "&2 first" + suffix);

    // The older one again, from the list: it comes first.
    recent->actions()[1]->trigger();
    if (GetParam().guided) {
        Click(VisibleWindow("Form2"), "Command1");
        Click(VisibleWindow("Form3"), "Command1");
        FlushEvents();
    }
    EXPECT_TRUE(window->windowTitle().contains(QString::fromStdString(first)));
    EXPECT_EQ(hc::remembered::RecentFiles().first(), QString::fromStdString(first));

    ASSERT_TRUE(QFile::remove(QString::fromStdString(second)));
    Q_EMIT recent->aboutToShow();
    const std::size_t messages = platform.messages.size();
    recent->actions()[1]->trigger();
    ASSERT_EQ(platform.messages.size(), messages + 1);
    EXPECT_NE(platform.messages.back().text.find(second), std::string::npos);
    EXPECT_EQ(hc::remembered::RecentFiles(), QStringList{QString::fromStdString(first)});
    EXPECT_TRUE(window->windowTitle().contains(QString::fromStdString(first)));

    // flowcalc's 設定 menu has always given S to スケール and to 印字の太さ－水面 (Qt then
    // moves between the two); nothing added may clash.
    const QRegularExpression mnemonic("&([^&])");
    QStringList clashes;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        Q_EMIT menu->aboutToShow();
        QStringList keys;
        for (const QAction* a : menu->actions())
            if (a->isVisible() && !a->isSeparator())
                if (auto m = mnemonic.match(a->text()); m.hasMatch())
                    keys << m.captured(1).toUpper();
        for (const QString& key : QSet<QString>(keys.begin(), keys.end()))
            if (keys.count(key) > 1)
                clashes << menu->title() + ": " + key;
    }
    const QStringList expected =
        QString(GetParam().name).startsWith("flowcalc") ? QStringList{"設定(&S): S"} : QStringList{};
    EXPECT_EQ(clashes, expected);
}

INSTANTIATE_TEST_SUITE_P(Programs, OutputNames, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

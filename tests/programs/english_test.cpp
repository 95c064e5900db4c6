// With English chosen, every text a window shows is English: its title, its menus (with the
// submenus a user opens), labels, buttons and table headings, in the main window and in the
// windows it opens. A text that shows Japanese here was never marked for translation, or its
// translation is missing from i18n/hydrochart_en.ts.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include "common/core/language.h"
#include "common/ui/splash_window.h"
#include "flowcalc/ui/main_window.h"
#include "polyplot/ui/polyplot_program.h"
#include "rainprob/ui/main_window.h"
#include "sixsideplot/ui/sixsideplot_program.h"
#include "support/scripted_platform.h"
#include "support/window_lookup.h"
#include "ternaryplot/ui/ternaryplot_program.h"
#include "waterquality/ui/main_window.h"
#include "wqplot/ui/wqplot_program.h"

namespace {

using hc::test::Click;
using hc::test::FlushEvents;
using hc::test::ScriptedPlatform;
using hc::test::SourcePath;

using MakeWindow = std::function<std::unique_ptr<QMainWindow>(ScriptedPlatform&)>;

template <const wq::DiagramProgram& (*program)()>
MakeWindow WaterQuality() {
    return [](ScriptedPlatform& p) { return std::make_unique<wq::MainWindow>(p, program()); };
}

struct Program {
    const char* name;
    MakeWindow make;
    const char* data;
    // Items that open windows of their own, walked as well.
    std::vector<const char*> windowItems;
};

void PrintTo(const Program& p, std::ostream* os) {
    *os << p.name;
}

const Program kPrograms[] = {
    {"sixsideplot",
     WaterQuality<hexa::SixsidePlotProgram>(),
     "examples/sample12.xlsx",
     {"mnuFilePageItem", "mnuFileCheckItem"}},
    {"polyplot",
     WaterQuality<stiff::PolyPlotProgram>(),
     "examples/sample12.xlsx",
     {"mnuFilePageItem"}},
    {"ternaryplot",
     WaterQuality<tri::TernaryPlotProgram>(),
     "examples/sample12.xlsx",
     {"mnuFilePageItem"}},
    {"wqplot", WaterQuality<wqp::WqPlotProgram>(), "examples/network40.csv", {"mnuFileCheckItem"}},
    {"rainprob",
     [](ScriptedPlatform& p) { return std::make_unique<rain::MainWindow>(p); },
     "examples/rainprob/textbook26.txt",
     {"mnuSetPosItem", "mnuFreqTableItem", "mnuFreqFitItem", "mnuEditFile"}},
};

// Japanese script: kana (full and half width) and ideographs.
bool Japanese(const QString& text) {
    static const QRegularExpression script(
        "[\\x{3040}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff66}-\\x{ff9f}]");
    return script.match(text).hasMatch();
}

// Every text of `window` and its children a user can read, each with where it is.
std::vector<std::pair<QString, QString>> Texts(QWidget* window) {
    std::vector<std::pair<QString, QString>> out;
    auto add = [&](const QObject* o, const QString& text) {
        if (!text.isEmpty())
            out.emplace_back(window->objectName() + "/" + o->objectName(), text);
    };
    add(window, window->windowTitle());
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        Q_EMIT menu->aboutToShow();  // menus filled on opening
        add(menu, menu->title());
        for (const QAction* a : menu->actions())
            if (a->isVisible() && !a->isSeparator() && a->objectName() != "mnuLanguageJa")
                add(a, a->text());
    }
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (l->isVisibleTo(window))
            add(l, l->text());
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(window))
            add(b, b->text());
    for (const QGroupBox* g : window->findChildren<QGroupBox*>())
        add(g, g->title());
    for (const QTableView* t : window->findChildren<QTableView*>())
        if (t->model())
            for (int c = 0; c < t->model()->columnCount(); ++c)
                add(t, t->model()->headerData(c, Qt::Horizontal).toString());
    for (const QStatusBar* s : window->findChildren<QStatusBar*>())
        add(s, s->currentMessage());
    return out;
}

// Every field of `w` a user can type into or read from is named for a screen reader: by its
// label (the label's buddy) or an accessible name of its own.
void ExpectFieldsNamed(QWidget* w) {
    std::set<const QWidget*> buddies;
    for (const QLabel* l : w->findChildren<QLabel*>())
        if (l->buddy())
            buddies.insert(l->buddy());
    for (const QWidget* field : w->findChildren<QWidget*>()) {
        if (!field->isVisibleTo(w) ||
            !(qobject_cast<const QLineEdit*>(field) ||
              qobject_cast<const QAbstractSpinBox*>(field) ||
              qobject_cast<const QComboBox*>(field) || qobject_cast<const QPlainTextEdit*>(field)))
            continue;
        EXPECT_TRUE(!field->accessibleName().isEmpty() || buddies.count(field))
            << w->objectName().toStdString() << "/" << field->objectName().toStdString();
    }
}

// The controls of `w` a keyboard user works (fields, buttons, lists, the chart), shown, enabled
// and reached by Tab.
std::vector<QWidget*> TabStops(QWidget* w) {
    std::vector<QWidget*> out;
    for (QWidget* c : w->findChildren<QWidget*>())
        if (c->window() == w && c->isVisibleTo(w) && c->isEnabled() && !c->focusProxy() &&
            (c->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            out.push_back(c);
    return out;
}

// Tab, from the first control, visits every control of `w` and comes round again, in reading
// order: down the window, or on to a column further right. Where Tab has a use of its own (a
// text editor, a grid's cells) it is the window's only control, or the user could not leave.
void ExpectKeyboardWalk(QWidget* w) {
    const std::vector<QWidget*> stops = TabStops(w);
    if (stops.empty())
        return;
    const std::string name = w->objectName().toStdString();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    QWidget* first = w;
    do
        first = first->nextInFocusChain();
    while (std::find(stops.begin(), stops.end(), first) == stops.end());
    first->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> visited;
    for (QWidget* at = first; visited.size() <= stops.size();) {
        visited.push_back(at);
        const auto* view = qobject_cast<QAbstractItemView*>(at);
        const auto* editor = qobject_cast<QPlainTextEdit*>(at);
        if ((view && view->tabKeyNavigation()) || (editor && !editor->tabChangesFocus())) {
            EXPECT_EQ(stops.size(), 1u) << name << ": Tab stays in " << at->objectName().toStdString();
            return;
        }
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
        ASSERT_NE(at, nullptr) << name << ": Tab left the window";
        if (at == first)
            break;
    }
    for (QWidget* s : stops)
        EXPECT_NE(std::find(visited.begin(), visited.end(), s), visited.end())
            << name << ": Tab never reaches " << s->metaObject()->className() << " "
            << s->objectName().toStdString();
    auto place = [w](const QWidget* c) { return QRect(c->mapTo(w, QPoint(0, 0)), c->size()); };
    // A scroll area holding the others (the whole window's) scrolls by keys of its own and may
    // come first or last.
    auto holdsOthers = [&](const QWidget* c) {
        return std::any_of(stops.begin(), stops.end(),
                           [c](const QWidget* s) { return c->isAncestorOf(s); });
    };
    for (std::size_t k = 1; k < visited.size(); ++k) {
        if (holdsOthers(visited[k - 1]) || holdsOthers(visited[k]))
            continue;
        const QRect a = place(visited[k - 1]), b = place(visited[k]);
        EXPECT_TRUE(b.top() >= a.top() - a.height() / 2 || b.left() >= a.right())
            << name << ": Tab goes back up from " << visited[k - 1]->objectName().toStdString()
            << " to " << visited[k]->objectName().toStdString();
    }
}

template <class Base>
class InEnglish : public Base {
  protected:
    void SetUp() override { ASSERT_TRUE(hc::SetLanguage(hc::Language::English)); }
    void TearDown() override {
        for (const auto& m : platform.messages)  // any a walk happened to raise
            EXPECT_FALSE(Japanese(QString::fromStdString(m.title + m.text))) << m.text;
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        FlushEvents();
        hc::SetLanguage(hc::Language::Japanese);
    }
    ScriptedPlatform platform;
};

class English : public InEnglish<::testing::TestWithParam<Program>> {
  protected:
    // The main window with the program's data open, and the windows its items open.
    std::vector<QWidget*> OpenWindows() {
        window = GetParam().make(platform);
        window->show();
        if (auto* splash = window->findChild<hc::SplashWindow*>())
            for (int i = 0; i < 60; ++i)
                splash->Tick();
        FlushEvents();
        platform.openAnswers.push_back(SourcePath(GetParam().data));
        window->findChild<QAction*>("mnuFileOpenItem")->trigger();
        FlushEvents();
        std::vector<QWidget*> windows{window.get()};
        for (const char* item : GetParam().windowItems) {
            window->findChild<QAction*>(item)->trigger();
            FlushEvents();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && std::find(windows.begin(), windows.end(), w) == windows.end())
                    windows.push_back(w);
        }
        return windows;
    }
    std::unique_ptr<QMainWindow> window;
};

TEST_P(English, EveryTextAWindowShowsIsEnglish) {
    const std::vector<QWidget*> windows = OpenWindows();
    EXPECT_GE(windows.size(), GetParam().windowItems.size() + 1);
    for (QWidget* w : windows)
        for (const auto& [where, text] : Texts(w))
            EXPECT_FALSE(Japanese(text)) << where.toStdString() << ": " << text.toStdString();
}

// A screen reader names every field a user can type into or read from: by its label (the
// label's buddy) or an accessible name of its own; and the keyboard alone reaches each.
TEST_P(English, EveryFieldHasANameAndATabStop) {
    hc::SetLanguage(hc::Language::Japanese);
    const std::vector<QWidget*> windows = OpenWindows();
    for (QWidget* w : windows) {
        ExpectFieldsNamed(w);
        ExpectKeyboardWalk(w);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, English, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

// flowcalc: a section loaded through its scale and parameter windows, then every window its
// menus open, each looked at as it opens (several are modal) and closed again. The cells of the
// Froude table and the how-to-use text are read as well.
class EnglishFlowcalc : public InEnglish<::testing::Test> {};

TEST_F(EnglishFlowcalc, EveryTextAWindowShowsIsEnglish) {
    platform.dataFiles["manning.txt"] = SourcePath("data/manning.txt");
    platform.dataFiles["manning.en.txt"] = SourcePath("data/manning.en.txt");
    flow::MainWindow window(platform);
    window.show();
    for (int i = 0; i < 60 && window.Splash(); ++i)
        window.Splash()->Tick();
    FlushEvents();
    int looked = 0;
    auto expectEnglish = [&](QWidget* w) {
        ++looked;
        ExpectFieldsNamed(w);
        ExpectKeyboardWalk(w);
        for (const auto& [where, text] : Texts(w))
            EXPECT_FALSE(Japanese(text)) << where.toStdString() << ": " << text.toStdString();
        for (const QPlainTextEdit* e : w->findChildren<QPlainTextEdit*>())
            EXPECT_FALSE(Japanese(e->toPlainText())) << w->objectName().toStdString();
    };
    // The windows opened since the last look, looked at and (but the main one) closed.
    auto lookAtNew = [&] {
        FlushEvents();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &window && w->isVisible()) {
                expectEnglish(w);
                w->close();
            }
        FlushEvents();
    };
    platform.openAnswers.push_back(SourcePath("examples/flowcalc/river_section.txt"));
    window.findChild<QAction*>("mnuFileOpenItem")->trigger();
    for (const char* form : {"Form2", "Form3"}) {
        FlushEvents();
        QWidget* settings = hc::test::VisibleWindow(form);
        ASSERT_NE(settings, nullptr) << form;
        expectEnglish(settings);
        Click(settings, "Command1");
    }
    FlushEvents();
    expectEnglish(&window);
    const auto* froude = window.findChild<QTableWidget*>("FroudeTable");
    ASSERT_GT(froude->rowCount(), 0);
    for (int r = 0; r < froude->rowCount(); ++r)
        for (int c = 0; c < froude->columnCount(); ++c)
            EXPECT_FALSE(Japanese(froude->item(r, c)->text())) << r << "," << c;
    for (const char* item :
         {"mnuAnalysisRatingItem", "mnuAnalysisDepthItem", "mnuAnalysisEnergyItem",
          "mnuAnalysisBanksItem", "mnuHelpUsageItem", "mnuHelpVersionItem", "mnuFileEditItem"}) {
        window.findChild<QAction*>(item)->trigger();
        lookAtNew();
    }
    // The editor itself, for a new file.
    window.findChild<QAction*>("mnuFileEditItem")->trigger();
    FlushEvents();
    Click(hc::test::VisibleWindow("Form6"), "Command2");
    lookAtNew();
    EXPECT_GE(looked, 11);
}

}  // namespace

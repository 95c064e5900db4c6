// A test fixture for the shared water-quality main window: it finishes the splash, finds menu
// items, indexed groups, boxes and the view by object name, reads check marks, answers
// File>Open and fills in the page setup as a user does.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "common/ui/picture_box.h"
#include "common/ui/splash_window.h"
#include "support/scripted_platform.h"
#include "waterquality/ui/main_window.h"

namespace hc::test {

class FrameWindowTest : public ::testing::Test {
  protected:
    // The derived fixture creates `form` in its SetUp with its program.
    void TearDown() override { form.reset(); }

    const wq::DiagramApp& App() { return form->App(); }

    hc::SplashWindow* Splash() { return form->findChild<hc::SplashWindow*>("Form9"); }
    // The 45 timer ticks after which the splash closes.
    void FinishSplash() {
        hc::SplashWindow* splash = Splash();
        ASSERT_TRUE(splash);
        for (int i = 0; i < 45; ++i)
            splash->Tick();
    }
    // The items of an indexed group, in index order.
    std::vector<QAction*> Group(const char* name) {
        auto items = form->findChildren<QAction*>(name);
        std::vector<QAction*> out(items.begin(), items.end());
        std::sort(out.begin(), out.end(), [](QAction* a, QAction* b) {
            return a->property("Index").toInt() < b->property("Index").toInt();
        });
        return out;
    }
    // Index of the one checked item of a group, -1 when none is.
    int Checked(const char* name) {
        auto g = Group(name);
        int found = -1;
        for (std::size_t i = 0; i < g.size(); ++i)
            if (g[i]->isChecked()) {
                EXPECT_EQ(found, -1) << name << ": more than one mark";
                found = static_cast<int>(i);
            }
        return found;
    }
    QMenu* Menu(const char* name) { return form->findChild<QMenu*>(name); }
    bool MenuEnabled(const char* name) {
        QMenu* m = Menu(name);
        EXPECT_NE(m, nullptr) << name;
        return m && m->menuAction()->isEnabled();
    }
    QAction* Item(const char* name) { return form->findChild<QAction*>(name); }
    void Open(const std::string& path) {
        platform.openAnswers.push_back(path);
        Item("mnuFileOpenItem")->trigger();
    }

    // The status area's boxes: Text1 (nitrate type), Text2 and Text3 (print shifts).
    QLineEdit* Box(const char* name) { return form->centralWidget()->findChild<QLineEdit*>(name); }
    QWidget* View() { return form->findChild<QWidget*>("Picture1"); }
    hc::PictureBox* Picture() { return form->findChild<hc::PictureBox*>("Picture2"); }
    QScrollBar* ScrollBar() { return form->findChild<QScrollBar*>("HScroll1"); }

    // The page setup window while it is open.
    QDialog* PageSetup() {
        for (QDialog* d : form->findChildren<QDialog*>("Form2"))
            if (d->isVisible())
                return d;
        return nullptr;
    }
    QLineEdit* PageSetupBox(const char* name) {
        QDialog* d = PageSetup();
        return d ? d->findChild<QLineEdit*>(name) : nullptr;
    }
    void Click(const char* button) {
        QDialog* d = PageSetup();
        ASSERT_TRUE(d);
        d->findChild<QPushButton*>(button)->click();
    }
    // File>ページ設定, the two shifts typed, "設定終了"; the closed window is gone.
    void AcceptPageSetup(const QString& right, const QString& up) {
        Item("mnuFilePageItem")->trigger();
        ASSERT_TRUE(PageSetup());
        PageSetupBox("Text1")->setText(right);
        PageSetupBox("Text2")->setText(up);
        Click("Command1");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScriptedPlatform platform;
    std::unique_ptr<wq::MainWindow> form;
};

// The lines of a help text, without the empty paragraph lines.
inline std::vector<std::string> HelpLines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '\r') {
            if (i > start)
                out.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

}  // namespace hc::test

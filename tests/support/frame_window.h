// A test fixture for the shared water-quality main window: it finishes the splash, finds menu
// items and indexed groups by object name, reads check marks and answers File>Open.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/scripted_platform.h"
#include "waterquality/ui/form1.h"

namespace hc::test {

class FrameWindowTest : public ::testing::Test {
  protected:
    // The derived fixture creates `form` in its SetUp, with its program and strategy.
    void TearDown() override { form.reset(); }

    // The 45 timer ticks after which the splash closes.
    void FinishSplash() {
        ASSERT_TRUE(form->Form9);
        for (int i = 0; i < 45; ++i)
            form->Form9->Tick();
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
    bool MenuEnabled(const char* name) {
        auto* m = form->findChild<QMenu*>(name);
        EXPECT_NE(m, nullptr) << name;
        return m && m->menuAction()->isEnabled();
    }
    QAction* Item(const char* name) { return form->findChild<QAction*>(name); }
    void Open(const std::string& path) {
        platform.openAnswers.push_back(path);
        Item("mnuFileOpenItem")->trigger();
    }

    ScriptedPlatform platform;
    std::unique_ptr<wq::Form1> form;
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

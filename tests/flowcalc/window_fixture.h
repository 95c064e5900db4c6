// Shared set-up of the flowcalc window tests: the main window on scripted platform services,
// past its splash, and helpers that find windows and menu items by name.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <fstream>
#include <memory>

#include "flowcalc/ui/main_window.h"
#include "support/scripted_platform.h"
#include "support/window_lookup.h"

namespace flowtest {

using hc::test::Box;
using hc::test::Child;
using hc::test::Click;
using hc::test::FlushEvents;
// The visible window of that name (Form2, Form5 ...), or nullptr.
template <class T = QWidget>
T* Window(const char* name) {
    return hc::test::VisibleWindow<T>(name);
}

class FlowWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        platform.dataFiles["manning.txt"] = hc::test::SourcePath("data/manning.txt");
        platform.currentDirectory = "/start/dir";
        form = std::make_unique<flow::MainWindow>(platform);
        form->show();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != form.get())
                w->close();
        form.reset();
        FlushEvents();
    }
    void FinishSplash() {
        for (int i = 0; i < 33 && form->Splash(); ++i)
            form->Splash()->Tick();
        FlushEvents();
    }
    QAction* Item(const char* name) { return form->findChild<QAction*>(name); }
    bool MenuEnabled(const char* name) {
        return form->findChild<QMenu*>(name)->menuAction()->isEnabled();
    }
    std::string Example(const char* name) {
        return hc::test::SourcePath(std::string("examples/flowcalc/") + name);
    }
    // A file in a temporary directory holding text.
    std::string TempFile(const char* name, const std::string& text) {
        std::string path = dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // The main window's panel boxes Text1..Text10.
    QString Panel(int n) {
        return form->findChild<QWidget*>("Panel")
            ->findChild<QLineEdit*>(QString("Text%1").arg(n))
            ->text();
    }
    hc::PictureBox* Picture() { return form->findChild<hc::PictureBox*>("Picture1"); }

    QTemporaryDir dir;
    hc::test::ScriptedPlatform platform;
    std::unique_ptr<flow::MainWindow> form;
};

}  // namespace flowtest

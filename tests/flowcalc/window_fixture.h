// Shared set-up of the flowcalc window tests: the main window on scripted platform services,
// past its splash, and helpers that find windows and menu items by name.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <fstream>
#include <memory>

#include "flowcalc/ui/form1.h"
#include "support/scripted_platform.h"

namespace flowtest {

// Processes posted events, including the deletion of closed windows.
inline void Flush() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The visible window of that name, or nullptr.
template <class T = QWidget>
T* Window(const char* name) {
    Flush();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            if (T* t = qobject_cast<T*>(w))
                return t;
    return nullptr;
}

class FlowWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        platform.dataFiles["manning.txt"] = hc::test::SourcePath("data/manning.txt");
        platform.currentDirectory = "/start/dir";
        form = std::make_unique<flow::Form1>(platform);
        form->show();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != form.get())
                w->close();
        form.reset();
        Flush();
    }
    void FinishSplash() {
        for (int i = 0; i < 33 && form->Splash(); ++i)
            form->Splash()->Tick();
        Flush();
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
    QString Panel(int n) { return form->PanelBox(n)->text(); }

    QTemporaryDir dir;
    hc::test::ScriptedPlatform platform;
    std::unique_ptr<flow::Form1> form;
};

}  // namespace flowtest

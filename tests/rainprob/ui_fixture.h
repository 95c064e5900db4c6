// A main window driven through the scripted platform services, past its splash. Widgets are
// found by their object names, as a screen reader finds them.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <memory>

#include "common/ui/picture_box.h"
#include "common/ui/splash_window.h"
#include "rainprob/ui/main_window.h"
#include "rainprob/ui/mask_editor.h"
#include "support/scripted_platform.h"
#include "test_data.h"

namespace rain::test {

class RainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<MainWindow>(platform);
        form->show();
    }
    void TearDown() override {
        form.reset();
        Flush();
    }
    void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    hc::SplashWindow* Splash() const { return form->findChild<hc::SplashWindow*>("Form9"); }
    void PassSplash() {
        hc::SplashWindow* splash = Splash();
        ASSERT_NE(splash, nullptr);
        for (int i = 0; i < 45; ++i)
            splash->Tick();
        Flush();
    }

    std::string WriteFile(const std::string& name, const std::string& content) {
        std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        QFile f(QString::fromStdString(path));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.data(), static_cast<qint64>(content.size()));
        return path;
    }

    std::string ReadFile(const std::string& path) {
        QFile f(QString::fromStdString(path));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll().toStdString();
    }

    // Opens a file through File > Open.
    void Open(const std::string& path) {
        platform.openAnswers.push_back(path);
        Item("mnuFileOpenItem")->trigger();
    }

    QAction* Item(const char* name) const {
        auto* a = form->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QMenu* Menu(const char* name) const {
        auto* m = form->findChild<QMenu*>(name);
        EXPECT_NE(m, nullptr) << name;
        return m;
    }
    bool MenuEnabled(const char* name) const { return Menu(name)->menuAction()->isEnabled(); }
    // The panel's boxes and labels (dialogs have boxes of the same names).
    QLineEdit* Box(const char* name) const { return Panel<QLineEdit>(name); }
    QString Text(const char* name) const { return Box(name)->text(); }
    QString LabelText(const char* name) const { return Panel<QLabel>(name)->text(); }
    hc::PictureBox* Picture() const { return Panel<hc::PictureBox>("Picture1"); }
    MaskEditor* Editor() const { return form->findChild<MaskEditor*>("Form3"); }

    // Pixels of the picture that are not white.
    int InkedPixels() const {
        const QImage& img = Picture()->Image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != qRgb(255, 255, 255))
                    ++n;
        return n;
    }

    QString Status() const { return form->StatusText(); }
    const RainApp& App() const { return form->App(); }

    hc::test::ScriptedPlatform platform;
    std::unique_ptr<MainWindow> form;
    QTemporaryDir dir;

  private:
    template <class W>
    W* Panel(const char* name) const {
        auto* w =
            form->findChild<QWidget*>("client")->findChild<W*>(name, Qt::FindDirectChildrenOnly);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

}  // namespace rain::test

// A main window driven through the scripted platform services, past its splash.
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
#include "rainprob/ui/form1.h"
#include "support/scripted_platform.h"
#include "test_data.h"

namespace rain::test {

class RainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<Form1>(platform);
        form->show();
    }
    void TearDown() override {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void PassSplash() {
        ASSERT_NE(form->Form9(), nullptr);
        for (int i = 0; i < 45 && form->Form9(); ++i)
            form->Form9()->Tick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        form->mnuFileOpenItem->trigger();
    }

    QAction* Item(const char* name) {
        auto* a = form->findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    // Pixels of the picture that are not white.
    int InkedPixels() const {
        const QImage& img = form->Picture1->Image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != qRgb(255, 255, 255))
                    ++n;
        return n;
    }

    QString Status() const { return form->StatusText(); }

    hc::test::ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
    QTemporaryDir dir;
};

}  // namespace rain::test

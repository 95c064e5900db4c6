// The window's 図を保存 and 数値を保存, and any other table it saves, against hydrochart on the
// same input and settings: the same CSV bytes, the same sheets (page count and text of the PDF,
// the same SVG and PNG).
// Test targets that use it define HYDROCHART_EXE and depend on hydrochart.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>

#include "hydrochart/hydrochart_run.h"
#include "support/pdf_files.h"
#include "support/scripted_platform.h"
#include "support/write_failures.h"

namespace hc::test {

// A table the window saves: `save` makes it save to the path the platform's next save dialog
// answers, and hydrochart with `args` and --csv must write the same bytes.
inline void ExpectTableMatchesHydrochart(ScriptedPlatform& platform,
                                         const std::function<void()>& save,
                                         const QString& command, const QStringList& args) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("window.csv").toStdString();
    platform.saveAnswers.push_back(path);
    save();
    HydrochartRun csv = RunHydrochart(command, args + QStringList{"--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    EXPECT_EQ(FileBytes(path), csv.out.toStdString()) << args.join(' ').toStdString();
}

// Triggers a window's menu item, which must be enabled.
inline void TriggerItem(QWidget* window, const char* item) {
    QAction* a = window->findChild<QAction*>(item);
    ASSERT_NE(a, nullptr) << item;
    ASSERT_TRUE(a->isEnabled()) << item;
    a->trigger();
}

inline void ExpectExportsMatchHydrochart(QWidget* window, ScriptedPlatform& platform,
                                         const QString& command, const QStringList& args) {
    QTemporaryDir dir;
    auto trigger = [&](const char* item, const QString& path) {
        platform.saveAnswers.push_back(path.toStdString());
        TriggerItem(window, item);
    };
    ExpectTableMatchesHydrochart(
        platform, [&] { TriggerItem(window, "mnuFileSaveNumbersItem"); }, command, args);

    for (const char* ext : {"pdf", "svg", "png"}) {
        const QString mine = dir.filePath(QString("window.") + ext);
        const QString theirs = dir.filePath(QString("hydrochart.") + ext);
        trigger("mnuFileSaveFigureItem", mine);
        HydrochartRun r = RunHydrochart(command, args + QStringList{"-o", theirs});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        if (QString(ext) == "pdf") {
            EXPECT_EQ(PdfPageCount(mine.toStdString()), PdfPageCount(theirs.toStdString()));
            EXPECT_EQ(PdfText(mine.toStdString()), PdfText(theirs.toStdString()));
        } else {
            EXPECT_EQ(FileBytes(mine.toStdString()), FileBytes(theirs.toStdString())) << ext;
        }
    }
}

}  // namespace hc::test

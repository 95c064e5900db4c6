// The window's 図を保存 and 数値を保存 against hydrochart on the same input and settings: the
// same CSV bytes, the same sheets (page count and text of the PDF, the same SVG and PNG).
// Test targets that use it define HYDROCHART_EXE and depend on hydrochart.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QWidget>

#include "hydrochart/hydrochart_run.h"
#include "support/pdf_files.h"
#include "support/scripted_platform.h"
#include "support/write_failures.h"

namespace hc::test {

inline void ExpectExportsMatchHydrochart(QWidget* window, ScriptedPlatform& platform,
                                         const QString& command, const QStringList& args) {
    QTemporaryDir dir;
    auto trigger = [&](const char* item, const QString& path) {
        platform.saveAnswers.push_back(path.toStdString());
        QAction* a = window->findChild<QAction*>(item);
        ASSERT_NE(a, nullptr) << item;
        ASSERT_TRUE(a->isEnabled()) << item;
        a->trigger();
    };
    trigger("mnuFileSaveNumbersItem", dir.filePath("window.csv"));
    HydrochartRun csv = RunHydrochart(command, args + QStringList{"--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    EXPECT_EQ(FileBytes(dir.filePath("window.csv").toStdString()), csv.out.toStdString());

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

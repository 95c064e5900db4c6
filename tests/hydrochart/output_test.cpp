// The shared output step of the headless command: a file is written exactly when the printout
// has something in it, and a printout without sheets is reported, not passed for success.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "hydrochart/output.h"

using hcmd::ChartJob;
using hcmd::OutputOptions;

namespace {

ChartJob PaperJob(std::function<void(hc::Surface&)> draw) {
    ChartJob job;
    job.drawPaper = std::move(draw);
    job.drawScreen = [](hc::Surface&) {};
    return job;
}

}  // namespace

TEST(WriteOutputs, APrintoutWithoutSheetsFailsForEveryFormat) {
    QTemporaryDir dir;
    for (const char* name : {"none.pdf", "none.svg", "none.png"}) {
        OutputOptions o;
        o.out = dir.filePath(name).toStdString();
        EXPECT_EQ(hcmd::WriteOutputs(o, PaperJob([](hc::Surface&) {})), 1) << name;
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(o.out))) << name;
    }
}

TEST(WriteOutputs, ASheetIsWrittenAsPdf) {
    QTemporaryDir dir;
    OutputOptions o;
    o.out = dir.filePath("one.pdf").toStdString();
    EXPECT_EQ(hcmd::WriteOutputs(o, PaperJob([](hc::Surface& s) {
                                     s.Line(10, 10, 100, 10);
                                     s.EndDoc();
                                 })),
              0);
    EXPECT_GT(QFileInfo(QString::fromStdString(o.out)).size(), 0);
}

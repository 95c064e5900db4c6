#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "common/render/qt_surface.h"
#include "support/pdf_files.h"

using namespace hc;

namespace {

int PdfPageCount(const QString& path) {
    return test::PdfPageCount(path.toStdString());
}

}  // namespace

TEST(QtSurface, LinesLandWhereTheUserScaleSays) {
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    auto s = QtSurface::OnImage(&image, 96.0);
    s->SetScale(4000, 2000);
    s->Line(1000, 500, 3000, 500);  // pixel row 50 from x 100 to 300
    ASSERT_TRUE(s->Finish());
    EXPECT_LT(qRed(image.pixel(200, 50)), 128);
    EXPECT_EQ(image.pixel(200, 60), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(90, 50), qRgb(255, 255, 255));
}

TEST(QtSurface, ClsClearsAndResetsTheCursor) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    auto s = QtSurface::OnImage(&image, 96.0);
    s->CurrentX = 5;
    s->CurrentY = 6;
    s->Cls();
    ASSERT_TRUE(s->Finish());
    EXPECT_EQ(s->CurrentX, 0);
    EXPECT_EQ(s->CurrentY, 0);
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255));
}

TEST(QtSurface, PdfFileHoldsOnePagePerSheetAcrossDocuments) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sheets.pdf");
    {
        auto s = QtSurface::PdfFile(path);
        s->Line(10, 10, 100, 100);
        s->EndDoc();
        s->Line(10, 10, 100, 100);
        s->NewPage();
        s->Line(10, 10, 50, 50);
        s->EndDoc();
        EXPECT_EQ(s->SheetsBegun(), 3);
        EXPECT_TRUE(s->Finish());
    }
    EXPECT_EQ(PdfPageCount(path), 3);
}

TEST(QtSurface, PdfDocumentsWritesOneFilePerDocument) {
    QTemporaryDir dir;
    auto s = QtSurface::PdfDocuments(dir.filePath("out.pdf"));
    s->Line(10, 10, 100, 100);
    s->NewPage();
    s->Line(10, 10, 100, 100);
    s->EndDoc();
    s->Line(20, 20, 100, 100);
    s->EndDoc();
    EXPECT_TRUE(s->Finish());
    // The second document does not overwrite the first.
    EXPECT_EQ(PdfPageCount(dir.filePath("out.pdf")), 2);
    EXPECT_EQ(PdfPageCount(dir.filePath("out-2.pdf")), 1);
    EXPECT_EQ(s->FilesWritten(), (std::vector<std::string>{dir.filePath("out.pdf").toStdString(),
                                                          dir.filePath("out-2.pdf").toStdString()}));
}

TEST(QtSurface, PngSheetWritesOnlyTheChosenSheet) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p2.png");
    {
        auto s = QtSurface::PngSheet(path, 2, 50);
        s->Box(0, 0, 100, 100, kBlack, true);  // sheet 1: black square
        s->EndDoc();
        s->Line(0, 0, 10, 0);  // sheet 2: a short line only
        EXPECT_TRUE(s->Finish());
    }
    QImage img(path);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), static_cast<int>(std::lround(210 / 25.4 * 50)));
    EXPECT_EQ(img.pixel(50, 50), qRgb(255, 255, 255));
    auto missing = QtSurface::PngSheet(dir.filePath("p3.png"), 3, 50);
    missing->Line(0, 0, 1, 1);
    EXPECT_FALSE(missing->Finish());
}

TEST(QtSurface, DrawWidthIsTenthsOfAMillimetreOnPaper) {
    QTemporaryDir dir;
    const QString path = dir.filePath("w.png");
    {
        auto s = QtSurface::PngSheet(path, 1, 254);  // 10 pixels per mm
        s->SetDrawWidth(5);                          // 0.5 mm = 5 pixels
        s->Line(10, 20, 100, 20);
        ASSERT_TRUE(s->Finish());
    }
    QImage img(path);
    int dark = 0;
    for (int y = 190; y < 210; ++y)
        if (qRed(img.pixel(500, y)) < 128)
            ++dark;
    EXPECT_GE(dark, 4);
    EXPECT_LE(dark, 6);
}

TEST(QtSurface, NewPageRightAfterEndDocGivesNoEmptySheet) {
    QTemporaryDir dir;
    const QString path = dir.filePath("two.pdf");
    {
        auto s = QtSurface::PdfFile(path);
        s->Line(10, 10, 100, 100);
        s->EndDoc();
        s->NewPage();
        s->Line(10, 10, 100, 100);
        s->EndDoc();
        EXPECT_EQ(s->SheetsBegun(), 2);
        EXPECT_TRUE(s->Finish());
    }
    EXPECT_EQ(PdfPageCount(path), 2);
}

TEST(QtSurface, AFileThatCannotBeWrittenIsNamedWithTheReason) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("no/such/folder/out.pdf");
    auto s = QtSurface::PdfDocuments(missing);
    s->Line(10, 10, 100, 100);
    s->EndDoc();
    Status done = s->Finish();
    ASSERT_FALSE(done);
    EXPECT_EQ(done.error().Japanese(), missing.toStdString() + ": ファイルまたはフォルダがありません");
    EXPECT_TRUE(s->FilesWritten().empty());
}

namespace {

// Dark runs along one pixel row from x0 to x1: their count and the longest run and gap.
struct Runs {
    int count = 0;
    int longestDark = 0;
    int longestGap = 0;
};
Runs DarkRuns(const QImage& img, int y, int x0, int x1) {
    Runs r;
    int dark = 0, gap = 0;
    bool inDark = false;
    for (int x = x0; x < x1; ++x) {
        bool d = qRed(img.pixel(x, y)) < 128;
        if (d) {
            if (!inDark)
                ++r.count;
            ++dark;
            gap = 0;
        } else {
            ++gap;
            dark = 0;
        }
        inDark = d;
        r.longestDark = std::max(r.longestDark, dark);
        if (r.count > 0)
            r.longestGap = std::max(r.longestGap, gap);
    }
    return r;
}

}  // namespace

// A dotted line is drawn as dots separated by gaps whatever its width: on paper at 0.1 mm and
// 0.5 mm, and on screen at 1 and 5 pixels. A dot is never longer than a dash would be.
TEST(QtSurface, DottedLinesStayDottedAtAnyWidth) {
    QTemporaryDir dir;
    for (int width : {1, 5}) {
        const QString path = dir.filePath(QString("dots%1.png").arg(width));
        {
            auto s = QtSurface::PngSheet(path, 1, 254);  // 10 pixels per mm
            s->SetDrawWidth(width);
            s->SetDrawStyle(hc::PenStyle::Dot);
            s->Line(10, 20, 110, 20);  // 100 mm along pixel row 200
            ASSERT_TRUE(s->Finish());
        }
        QImage img(path);
        ASSERT_FALSE(img.isNull());
        Runs r = DarkRuns(img, 200, 100, 1100);
        EXPECT_GE(r.count, 40) << "paper, width " << width;
        EXPECT_LE(r.longestDark, 10) << "paper, width " << width;  // a dot, not a 1 mm dash
        EXPECT_GE(r.longestGap, 2) << "paper, width " << width;
    }
    for (int width : {1, 5}) {
        QImage image(400, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            auto s = QtSurface::OnImage(&image, 96.0);
            s->SetDrawWidth(width);
            s->SetDrawStyle(hc::PenStyle::Dot);
            s->Line(0, 20, 400, 20);
            ASSERT_TRUE(s->Finish());
        }
        Runs r = DarkRuns(image, 20, 0, 400);
        EXPECT_GE(r.count, 40) << "screen, width " << width;
        EXPECT_LE(r.longestDark, std::max(3, width + 1)) << "screen, width " << width;
        EXPECT_GE(r.longestGap, 1) << "screen, width " << width;
    }
}

// The same sheets as the recorded display list: a new sheet only when something is drawn on it.
TEST(QtSurface, NewPageTwiceOrBeforeEndDocGivesNoEmptySheet) {
    QTemporaryDir dir;
    const QString path = dir.filePath("three.pdf");
    {
        auto s = QtSurface::PdfFile(path);
        s->Line(0, 0, 1, 1);
        s->NewPage();
        s->NewPage();
        s->Line(0, 0, 1, 1);
        s->NewPage();
        s->EndDoc();
        s->Line(0, 0, 1, 1);
        s->EndDoc();
        EXPECT_EQ(s->SheetsBegun(), 3);
        EXPECT_TRUE(s->Finish());
    }
    EXPECT_EQ(PdfPageCount(path), 3);
}

// A landscape sheet is 297 mm wide at once, and a line near its right edge lands on the page.
TEST(QtSurface, PaperScaleFollowsTheOrientation) {
    QTemporaryDir dir;
    const QString path = dir.filePath("land.png");
    {
        auto s = QtSurface::PngSheet(path, 1, 50);
        s->SetOrientation(Orientation::Landscape);
        EXPECT_DOUBLE_EQ(s->ScaleWidth(), 297);
        EXPECT_DOUBLE_EQ(s->ScaleHeight(), 210);
        s->SetDrawWidth(10);
        s->Line(280, 100, 290, 100);
        ASSERT_TRUE(s->Finish());
    }
    QImage img(path);
    ASSERT_FALSE(img.isNull());
    EXPECT_GT(img.width(), img.height());
    EXPECT_LT(qRed(img.pixel(static_cast<int>(285 / 25.4 * 50), static_cast<int>(100 / 25.4 * 50))),
              128);
}

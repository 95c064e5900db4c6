// The text-placement rule on real fonts: the ink of a printed string lies inside
// CurrentX..CurrentX+TextWidth and CurrentY..CurrentY+TextHeight, on a screen-like user scale and
// on an A4 printer in millimetres (a PDF rasterised again).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "common/render/qt_surface.h"

using namespace hc;

namespace {

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

// Bounding box of the non-white pixels inside a region of the image.
InkBox FindInk(const QImage& img, QRect region) {
    InkBox b;
    region = region.intersected(img.rect());
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            QRgb p = img.pixel(x, y);
            if (qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
        }
    }
    return b;
}

struct Sample {
    const char* font;
    double size;
    const char* text;
};

const Sample kSamples[] = {
    {kGothic, 8, "試料名"},         {kMincho, 10, "凡    例"}, {kGothic, 9, "1 W17-2001-06"},
    {kMincho, 8, "Na+K"},           {kMincho, 6, "3"},         {kGothic, 11, "Cl(+NO )"},
    {kMincho, 9, "年降水量（mm）"}, {kGothic, 8, "gjpqy|"},    {kMincho, 12, "ｼｭﾃｨﾌﾀﾞｲﾔｸﾞﾗﾑ"},
};

}  // namespace

TEST(TextMetrics, InkInsideTheMeasuredBoxOnAScreenScale) {
    // A canvas of 960 x 480 pixels with the user scale 8000 x 4000 (8.33 units per pixel).
    QImage image(960, 480, QImage::Format_RGB32);
    image.fill(Qt::white);
    auto s = QtSurface::OnImage(&image, 96.0);
    s->SetScale(8000, 4000);
    struct Placed {
        double x, y, w, h;
    };
    std::vector<Placed> placed;
    double y = 100;
    for (const Sample& smp : kSamples) {
        s->SetFontName(smp.font);
        s->SetFontSize(smp.size);
        double w = s->TextWidth(smp.text), h = s->TextHeight(smp.text);
        // A 9-point text is about 12 pixels, 100 units, high: never scaled by the user scale.
        EXPECT_GT(h, smp.size * 96 / 72 * 8.33 * 0.8) << smp.text;
        EXPECT_LT(h, smp.size * 96 / 72 * 8.33 * 1.6) << smp.text;
        s->CurrentX = 500;
        s->CurrentY = y;
        s->Print(smp.text);
        placed.push_back({500, y, w, h});
        y += h + 200;
    }
    ASSERT_TRUE(s->Finish());
    const double ux = 960.0 / 8000, uy = 480.0 / 4000;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const Placed& p = placed[i];
        QRect region(0, static_cast<int>((p.y - 90) * uy), 960, static_cast<int>((p.h + 180) * uy));
        InkBox ink = FindInk(image, region);
        ASSERT_FALSE(ink.Empty()) << kSamples[i].text;
        // One device pixel of tolerance for anti-aliasing at the edges.
        EXPECT_GE(ink.left, p.x * ux - 1) << kSamples[i].text;
        EXPECT_LE(ink.right, (p.x + p.w) * ux + 1) << kSamples[i].text;
        EXPECT_GE(ink.top, p.y * uy - 1) << kSamples[i].text;
        EXPECT_LE(ink.bottom, (p.y + p.h) * uy + 1) << kSamples[i].text;
        // The box is not wildly larger than the ink either.
        EXPECT_GT(ink.right - ink.left + 1, p.w * ux * 0.5) << kSamples[i].text;
    }
}

TEST(TextMetrics, InkInsideTheMeasuredBoxOnAnA4PrintedSheetInMillimetres) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("metrics.pdf");
    struct Placed {
        double x, y, w, h;
    };
    std::vector<Placed> placed;
    // The sheet as every print run makes it (a PDF to a file or to a queue), laid out from the
    // paper's edge.
    const QPointF origin(0, 0);
    {
        auto s = QtSurface::PdfDocuments(pdf);
        double y = 20;
        for (const Sample& smp : kSamples) {
            s->SetFontName(smp.font);
            s->SetFontSize(smp.size);
            double w = s->TextWidth(smp.text), h = s->TextHeight(smp.text);
            // A 10-point line is about 3.5 to 5 mm high; a doubly scaled font would be metres.
            EXPECT_GT(h, smp.size * 25.4 / 72 * 0.8) << smp.text;
            EXPECT_LT(h, smp.size * 25.4 / 72 * 1.6) << smp.text;
            s->CurrentX = 30;
            s->CurrentY = y;
            s->Print(smp.text);
            placed.push_back({30, y, w, h});
            y += h + 12;
        }
        s->EndDoc();
        ASSERT_TRUE(s->Finish());
    }
    const int dpi = 300;
    QProcess proc;
    proc.start(pdftoppm,
               {"-r", QString::number(dpi), "-png", "-singlefile", pdf, dir.filePath("page")});
    ASSERT_TRUE(proc.waitForFinished(60000));
    QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    const double px = dpi / 25.4;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const Placed& p = placed[i];
        double x0 = (origin.x() + p.x) * px, y0 = (origin.y() + p.y) * px;
        QRect region(0, static_cast<int>(y0 - 4 * px), page.width(),
                     static_cast<int>((p.h + 8) * px));
        InkBox ink = FindInk(page, region);
        ASSERT_FALSE(ink.Empty()) << kSamples[i].text;
        EXPECT_GE(ink.left, x0 - 1.5) << kSamples[i].text;
        EXPECT_LE(ink.right, x0 + p.w * px + 1.5) << kSamples[i].text;
        EXPECT_GE(ink.top, y0 - 1.5) << kSamples[i].text;
        EXPECT_LE(ink.bottom, y0 + p.h * px + 1.5) << kSamples[i].text;
        EXPECT_GT(ink.right - ink.left + 1, p.w * px * 0.5) << kSamples[i].text;
    }
}

// The picture area: what a chart set on the canvas outlives the repaint that ends its painter,
// the drawing survives a repaint, and a canvas without a user scale stays in pixels on resize;
// the file dialogs' name filters.
#include <gtest/gtest.h>

#include <QImage>

#include "common/ui/picture_box.h"
#include "common/ui/qt_platform.h"

using namespace hc;

TEST(PictureBox, CanvasPropertiesAndScaleSurviveARepaint) {
    PictureBox box;
    box.resize(200, 100);
    box.show();
    Surface& s = box.Canvas();
    s.SetScale(4000, 2000);
    s.SetFontName(kMincho);
    s.SetFontSize(20);
    s.SetDrawWidth(3);
    s.SetDrawStyle(hc::PenStyle::Dot);
    s.SetFillStyle(0);
    s.SetFillColor(QBColor(9));
    s.SetForeColor(QBColor(12));
    s.CurrentX = 100;
    s.CurrentY = 50;
    s.Box(0, 0, 2000, 1000, QBColor(12), true);
    box.grab();  // paints: the surface's painter is ended
    Surface& t = box.Canvas();
    EXPECT_DOUBLE_EQ(t.ScaleWidth(), 4000);
    EXPECT_DOUBLE_EQ(t.ScaleHeight(), 2000);
    EXPECT_EQ(t.FontName(), kMincho);
    EXPECT_DOUBLE_EQ(t.FontSize(), 20);
    EXPECT_EQ(t.DrawWidth(), 3);
    EXPECT_EQ(t.DrawStyle(), hc::PenStyle::Dot);
    EXPECT_EQ(t.FillStyle(), 0);
    EXPECT_EQ(t.FillColor(), QBColor(9));
    EXPECT_EQ(t.ForeColor(), QBColor(12));
    EXPECT_DOUBLE_EQ(t.CurrentX, 100);
    EXPECT_DOUBLE_EQ(t.CurrentY, 50);
    // The drawing is still in the picture after the repaint (the top-left quarter is red).
    QImage shown = box.grab().toImage();
    EXPECT_EQ(shown.pixel(shown.width() / 4, shown.height() / 4), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(shown.width() * 3 / 4, shown.height() * 3 / 4), qRgb(255, 255, 255));
}

TEST(PictureBox, WithoutAUserScaleTheCanvasStaysInPixelsOnResize) {
    PictureBox box;
    box.resize(200, 100);
    box.show();
    double dpr = box.devicePixelRatioF();
    EXPECT_DOUBLE_EQ(box.Canvas().ScaleWidth(), 200 * dpr);
    box.grab();
    box.resize(300, 150);
    EXPECT_DOUBLE_EQ(box.Canvas().ScaleWidth(), 300 * dpr);
    EXPECT_DOUBLE_EQ(box.Canvas().ScaleHeight(), 150 * dpr);
}

// The classic "Desc|pattern" filter in the dialogs' form, matching names in any case.
TEST(QtNameFilters, ClassicFiltersMatchAnyCase) {
    EXPECT_EQ(QtNameFilters("Excel Files (*.Xls)|*.Xls"), "Excel Files (*.Xls *.xls *.XLS)");
    EXPECT_EQ(QtNameFilters("Excel Files (*.Xls)|*.Xls;*.xls;*.XLS|Workbooks|*.xlsx;*.ods"),
              "Excel Files (*.Xls *.xls *.XLS);;Workbooks (*.xlsx *.XLSX *.ods *.ODS)");
    EXPECT_EQ(QtNameFilters("テキストファイル (*.txt)|*.txt| すべてのファイル (*.*)|*.*"),
              "テキストファイル (*.txt *.TXT);;すべてのファイル (*.*)");
}

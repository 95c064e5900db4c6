#include <gtest/gtest.h>

#include <vector>

#include "common/core/recording_surface.h"

using namespace hc;

TEST(RecordingSurface, DeterministicMetricsOnPaper) {
    RecordingSurface s = RecordingSurface::Paper();
    s.SetFontSize(72.0);  // one inch: 25.4 mm per em
    EXPECT_NEAR(s.TextHeight("x"), 25.4, 1e-9);
    EXPECT_NEAR(s.TextWidth("ab"), 25.4, 1e-9);           // two half-width cells
    EXPECT_NEAR(s.TextWidth("試料名"), 3 * 25.4, 1e-9);   // three wide characters
    EXPECT_NEAR(s.TextWidth("ｼｭﾃｨﾌ"), 2.5 * 25.4, 1e-9);  // half-width katakana are narrow
    EXPECT_EQ(s.TextWidth(""), 0.0);
}

TEST(RecordingSurface, ScreenMetricsFollowTheUserScale) {
    // 800 x 400 pixels carrying 8000 x 4000 units: 10 units per pixel; 9 pt at 96 dpi is 12 px.
    RecordingSurface s = RecordingSurface::Screen(800, 400);
    s.SetScale(8000, 4000);
    s.SetFontSize(9);
    EXPECT_NEAR(s.TextHeight("A"), 120.0, 1e-9);
    EXPECT_NEAR(s.TextWidth("AB"), 120.0, 1e-9);
}

TEST(RecordingSurface, PrintPlacesTopLeftAndMovesToTheNextLine) {
    RecordingSurface s = RecordingSurface::Paper();
    s.SetFontName(kMincho);
    s.SetFontSize(10);
    s.CurrentX = 20;
    s.CurrentY = 30;
    s.Print("凡例");
    ASSERT_EQ(s.Ops().size(), 1u);
    const DrawOp& t = s.Ops()[0];
    EXPECT_EQ(t.kind, DrawOp::Kind::Text);
    EXPECT_DOUBLE_EQ(t.x1, 20);
    EXPECT_DOUBLE_EQ(t.y1, 30);
    EXPECT_EQ(t.font, kMincho);
    EXPECT_EQ(t.size, 10);
    EXPECT_DOUBLE_EQ(s.CurrentX, 0);
    EXPECT_NEAR(s.CurrentY, 30 + 10 * 25.4 / 72, 1e-9);
}

TEST(RecordingSurface, DocumentsAndPages) {
    RecordingSurface s = RecordingSurface::Paper();
    s.EndDoc();  // nothing drawn: no document
    EXPECT_EQ(s.Documents(), 0);
    s.Line(0, 0, 10, 10);
    s.NewPage();
    s.Line(0, 0, 10, 10);
    s.EndDoc();
    s.SetDrawWidth(3);
    s.Line(1, 2, 3, 4, QBColor(12));
    s.EndDoc();
    EXPECT_EQ(s.Documents(), 2);
    auto lines = s.OpsOf(DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].doc, 1);
    EXPECT_EQ(lines[0].page, 1);
    EXPECT_EQ(lines[1].page, 2);
    EXPECT_EQ(lines[2].doc, 2);
    EXPECT_EQ(lines[2].page, 1);
    EXPECT_EQ(lines[2].width, 3);
    EXPECT_EQ(lines[2].ToJson(),
              "{\"doc\":2,\"page\":1,\"op\":\"line\",\"x1\":1,\"y1\":2,\"x2\":3,\"y2\":4,"
              "\"width\":3,\"style\":0,\"color\":\"#ff0000\"}");
}

TEST(RecordingSurface, JsonOfTextCircleAndEscapes) {
    RecordingSurface s = RecordingSurface::Paper();
    s.SetFontSize(8);
    s.CurrentX = 1.5;
    s.CurrentY = 2;
    s.PrintInline("a\"b\\c");
    EXPECT_EQ(s.Ops()[0].ToJson(),
              "{\"doc\":1,\"page\":1,\"op\":\"text\",\"x\":1.5,\"y\":2,\"text\":\"a\\\"b\\\\c\","
              "\"font\":\"ＭＳ ゴシック\",\"size\":8,\"color\":\"#000000\"}");
    s.SetFillStyle(0);
    s.Circle(10, 20, 0.5);
    EXPECT_EQ(s.Ops()[1].ToJson(),
              "{\"doc\":1,\"page\":1,\"op\":\"circle\",\"x\":10,\"y\":20,\"r\":0.5,\"width\":1,"
              "\"color\":\"#000000\",\"fill\":\"#000000\"}");
}

TEST(QBColor, PaletteEntries) {
    EXPECT_EQ(QBColor(1).Hex(), "#000080");
    EXPECT_EQ(QBColor(9).Hex(), "#0000ff");
    EXPECT_EQ(QBColor(12).Hex(), "#ff0000");
    EXPECT_EQ(QBColor(15).Hex(), "#ffffff");
    EXPECT_EQ(QBColor(16).Hex(), "#000000");
    EXPECT_EQ(QBColor(-1).Hex(), "#000000");
}

TEST(RecordingSurface, NewPageRightAfterEndDocGivesNoEmptySheet) {
    RecordingSurface s = RecordingSurface::Paper();
    s.Line(0, 0, 1, 1);
    s.EndDoc();
    s.NewPage();  // the print run's "end the document, set up, new page"
    s.Line(0, 0, 1, 1);
    s.EndDoc();
    auto lines = s.OpsOf(DrawOp::Kind::Line);
    EXPECT_EQ(lines[1].doc, 2);
    EXPECT_EQ(lines[1].page, 1);
    EXPECT_TRUE(s.OpsOf(DrawOp::Kind::NewPage).empty());
}

// As on the printer, a new sheet begins only when something is drawn on it: NewPage right before
// EndDoc, or twice in a row, leaves no empty sheet in the record.
TEST(RecordingSurface, NewPageWaitsForTheNextDrawing) {
    RecordingSurface s = RecordingSurface::Paper();
    s.Line(0, 0, 1, 1);
    s.NewPage();
    s.NewPage();
    s.Line(0, 0, 1, 1);
    s.NewPage();
    s.EndDoc();
    s.Line(0, 0, 1, 1);
    s.EndDoc();
    auto lines = s.OpsOf(DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].doc, 1);
    EXPECT_EQ(lines[1].page, 2);
    EXPECT_EQ(lines[2].doc, 2);
    EXPECT_EQ(lines[2].page, 1);
    auto pages = s.OpsOf(DrawOp::Kind::NewPage);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].page, 1);  // the sheet it ends
    auto ends = s.OpsOf(DrawOp::Kind::EndDoc);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0].page, 2);
    // The op sequence of document 1: line, newpage, line, enddoc.
    std::vector<DrawOp::Kind> kinds;
    for (const DrawOp& op : s.Ops())
        if (op.doc == 1)
            kinds.push_back(op.kind);
    EXPECT_EQ(kinds, (std::vector<DrawOp::Kind>{DrawOp::Kind::Line, DrawOp::Kind::NewPage,
                                                DrawOp::Kind::Line, DrawOp::Kind::EndDoc}));
}

TEST(RecordingSurface, PaperScaleFollowsTheOrientation) {
    RecordingSurface s = RecordingSurface::Paper();
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 210);
    s.SetOrientation(Orientation::Landscape);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 297);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), 210);
    s.SetOrientation(Orientation::Portrait);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 210);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), 297);
}

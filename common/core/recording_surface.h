// A surface that records every drawing operation in user units, with deterministic text
// metrics. Tests assert on geometry through it; the headless command writes the record as a
// display list (one JSON object per line).
#pragma once

#include <string>
#include <vector>

#include "common/core/surface.h"

namespace hc {

struct DrawOp {
    enum class Kind { Line, Box, Circle, Text, NewPage, EndDoc, Cls };
    Kind kind = Kind::Line;
    int doc = 1;
    int page = 1;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line, box; text and circle use x1, y1
    double r = 0;                           // circle radius
    bool fill = false;                      // box filled / circle filled
    int width = 1;
    int style = 0;
    Color color;      // pen colour
    Color fillColor;  // circle fill colour
    std::string text;
    std::string font;
    double size = 0;
    int angle = 0;  // text turned this many degrees anticlockwise

    // One display-list line: {"doc":1,"page":1,"op":"line",...}
    std::string ToJson() const;
};

class RecordingSurface : public Surface {
  public:
    // A sheet of paper in millimetres (A4; the orientation set before the first drawing).
    static RecordingSurface Paper();
    // A screen picture of pixelWidth x pixelHeight device pixels at the given dots per inch,
    // with a user scale of the same size until SetScale is called.
    static RecordingSurface Screen(double pixelWidth, double pixelHeight, double dpi = 96.0);

    void SetScale(double scaleWidth, double scaleHeight) override;
    double ScaleWidth() const override { return scaleWidth_; }
    double ScaleHeight() const override { return scaleHeight_; }
    void Cls() override;

    // Deterministic metrics: a wide (full-width) character advances one em, any other half an
    // em; the height is one em for any text. An em is the font size in points in user units.
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;

    // On paper without a user scale, the scale follows the orientation (297 x 210 mm in
    // landscape).
    void SetOrientation(Orientation o) override;
    void NewPage() override;
    void EndDoc() override;
    bool IsPaper() const override { return paper_; }

    const std::vector<DrawOp>& Ops() const { return ops_; }
    void ClearOps() { ops_.clear(); }
    // Operations of one kind, in order.
    std::vector<DrawOp> OpsOf(DrawOp::Kind kind) const;
    // The text operations whose text equals t.
    std::vector<DrawOp> TextsEqual(const std::string& t) const;
    int Documents() const;  // documents begun (1 when only one was drawn)

    // User units per point of font size.
    double UnitsPerPoint() const;

  protected:
    void DoLine(double x1, double y1, double x2, double y2, Color c) override;
    void DoBox(double x1, double y1, double x2, double y2, Color c, bool filled) override;
    void DoCircle(double x, double y, double r) override;
    void DoText(double x, double y, const std::string& text) override;
    void DoTextUpward(double x, double y, const std::string& text) override;

  private:
    RecordingSurface() = default;
    DrawOp Begin(DrawOp::Kind kind);

    bool paper_ = false;
    double pixelWidth_ = 0, pixelHeight_ = 0, dpi_ = 96;
    double scaleWidth_ = 0, scaleHeight_ = 0;
    bool userScaleSet_ = false;
    int doc_ = 1;
    int page_ = 1;
    bool docOpen_ = false;  // something drawn since the last EndDoc
    // NewPage waits for the next drawing, as on the printer: NewPage then EndDoc, or two
    // NewPages in a row, leave no empty sheet.
    bool newPagePending_ = false;
    std::vector<DrawOp> ops_;
};

// Counts the display width of UTF-8 text in half-width cells (wide characters count 2).
int DisplayCells(const std::string& utf8);

// Escapes a string for JSON.
std::string JsonEscape(const std::string& s);
// A double in JSON (shortest round-trip form; non-finite values become null).
std::string JsonNumber(double v);

}  // namespace hc

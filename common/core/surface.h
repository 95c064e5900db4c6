// The one drawing interface of the suite: a picture area or a printer with a user scale,
// lines, boxes, circles and text placed at CurrentX/CurrentY. Chart code draws only through it,
// so the same routine serves the window, the printer, PDF, SVG, PNG and the recorded display list.
#pragma once

#include <cstdint>
#include <string>

namespace hc {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
    std::string Hex() const;  // "#rrggbb"
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};

// The classic 16-colour palette (index 0..15), used by charts that name colours by number.
Color QBColor(int index);

// Printer set-up values, named as the classic printer object names them.
enum class Orientation { Portrait = 1, Landscape = 2 };

// The pen's line style (the classic DrawStyle numbers, which display lists record).
enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Transparent = 5 };

// FillStyle: 0 solid, 1 transparent (others are hatches, drawn as solid here).
class Surface {
  public:
    virtual ~Surface() = default;

    // User scale over the area's inner size, origin at the top left, y downwards.
    // On paper the unit is the millimetre and the origin the top left of the printable area.
    virtual void SetScale(double scaleWidth, double scaleHeight) = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    // Clears to the background and resets CurrentX/CurrentY to 0.
    virtual void Cls() = 0;

    // A line between two points (both end points drawn) in the foreground colour or a given one.
    void Line(double x1, double y1, double x2, double y2) { DoLine(x1, y1, x2, y2, foreColor_); }
    void Line(double x1, double y1, double x2, double y2, Color c) { DoLine(x1, y1, x2, y2, c); }
    // The box form: the rectangle with corners (x1, y1), (x2, y2), outlined or filled in c.
    void Box(double x1, double y1, double x2, double y2, Color c, bool filled) {
        DoBox(x1, y1, x2, y2, c, filled);
    }
    void Box(double x1, double y1, double x2, double y2) {
        DoBox(x1, y1, x2, y2, foreColor_, false);
    }
    // A circle in user units, outlined in the foreground colour and filled with FillColor
    // unless FillStyle is 1 (transparent).
    void Circle(double x, double y, double r) { DoCircle(x, y, r); }

    // Writes text with its top-left corner at CurrentX/CurrentY, then moves to the next line
    // (CurrentX = 0, CurrentY += TextHeight), as the classic Print statement does.
    void Print(const std::string& text);
    // Writes text at CurrentX/CurrentY and leaves CurrentX after it (the trailing ';' form).
    void PrintInline(const std::string& text);
    // Writes text turned a quarter anticlockwise, reading upwards, as the upright axis titles of
    // charts in Latin script stand; its ink lies inside x..x+TextHeight and y-TextWidth..y.
    // CurrentX/CurrentY are left as they are.
    void PrintUpward(double x, double y, const std::string& text) { DoTextUpward(x, y, text); }

    // Extent of a text in the current font, in user units; the ink of Print(text) at
    // CurrentX/CurrentY lies inside CurrentX..+TextWidth and CurrentY..+TextHeight.
    virtual double TextWidth(const std::string& text) = 0;
    virtual double TextHeight(const std::string& text) = 0;

    double CurrentX = 0;
    double CurrentY = 0;

    void SetFontName(const std::string& name) {
        fontName_ = name;
        FontChanged();
    }
    const std::string& FontName() const { return fontName_; }
    void SetFontSize(double points) {
        fontSize_ = points;
        FontChanged();
    }
    double FontSize() const { return fontSize_; }
    void SetFontTransparent(bool on) { fontTransparent_ = on; }
    bool FontTransparent() const { return fontTransparent_; }

    // Pen width: on paper one unit is 0.1 mm, on screen one device pixel.
    void SetDrawWidth(int w) { drawWidth_ = w < 1 ? 1 : w; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawStyle(PenStyle s) { drawStyle_ = s; }
    PenStyle DrawStyle() const { return drawStyle_; }
    void SetFillStyle(int s) { fillStyle_ = s; }
    int FillStyle() const { return fillStyle_; }
    void SetFillColor(Color c) { fillColor_ = c; }
    Color FillColor() const { return fillColor_; }
    void SetForeColor(Color c) { foreColor_ = c; }
    Color ForeColor() const { return foreColor_; }

    // Printer set-up; ignored by screen surfaces. Takes effect for the next sheet begun.
    virtual void SetOrientation(Orientation o) { orientation_ = o; }
    Orientation GetOrientation() const { return orientation_; }
    // Advances to a new sheet of the current document; ignored while nothing is drawn on the
    // current sheet, so EndDoc followed by NewPage starts the next document on its first sheet.
    virtual void NewPage() {}
    // Finishes the document; drawing afterwards starts the next document.
    virtual void EndDoc() {}
    // True for paper surfaces (printer, PDF, sheet images).
    virtual bool IsPaper() const { return false; }

  protected:
    virtual void DoLine(double x1, double y1, double x2, double y2, Color c) = 0;
    virtual void DoBox(double x1, double y1, double x2, double y2, Color c, bool filled) = 0;
    virtual void DoCircle(double x, double y, double r) = 0;
    // Draws text with its top-left corner at (x, y) in the current font.
    virtual void DoText(double x, double y, const std::string& text) = 0;
    // Draws text turned a quarter anticlockwise, the start of its line at (x, y).
    virtual void DoTextUpward(double x, double y, const std::string& text) = 0;
    virtual void FontChanged() {}

    std::string fontName_ = "ＭＳ ゴシック";
    double fontSize_ = 9.0;
    bool fontTransparent_ = true;
    int drawWidth_ = 1;
    PenStyle drawStyle_ = PenStyle::Solid;
    int fillStyle_ = 1;
    Color fillColor_ = kBlack;
    Color foreColor_ = kBlack;
    Orientation orientation_ = Orientation::Portrait;
};

// The two Japanese faces the programs name.
inline constexpr const char* kGothic = "ＭＳ ゴシック";
inline constexpr const char* kMincho = "ＭＳ 明朝";

}  // namespace hc

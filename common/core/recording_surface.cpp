#include "common/core/recording_surface.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace hc {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kA4Width = 210.0;
constexpr double kA4Height = 297.0;

// Decodes one UTF-8 code point starting at i; advances i. Invalid bytes count as one point.
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size() + (extra == 0 ? 1 : 0)) {
        ++i;
        return c;
    }
    char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
    for (int k = 1; k <= extra; ++k)
        cp = (cp << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

bool IsWide(char32_t cp) {
    if (cp >= 0xFF61 && cp <= 0xFF9F)
        return false;  // half-width katakana
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

const char* KindName(DrawOp::Kind k) {
    switch (k) {
        case DrawOp::Kind::Line:
            return "line";
        case DrawOp::Kind::Box:
            return "box";
        case DrawOp::Kind::Circle:
            return "circle";
        case DrawOp::Kind::Text:
            return "text";
        case DrawOp::Kind::NewPage:
            return "newpage";
        case DrawOp::Kind::EndDoc:
            return "enddoc";
        case DrawOp::Kind::Cls:
            return "cls";
    }
    return "?";
}

}  // namespace

int DisplayCells(const std::string& utf8) {
    int cells = 0;
    for (std::size_t i = 0; i < utf8.size();)
        cells += IsWide(NextCodePoint(utf8, i)) ? 2 : 1;
    return cells;
}

std::string JsonEscape(const std::string& s) {
    std::string out;
    out.reserve(s.size() + 2);
    for (unsigned char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out;
}

std::string JsonNumber(double v) {
    if (!std::isfinite(v))
        return "null";
    if (v == 0)
        return "0";
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    if (ec != std::errc{})
        return "null";  // cannot happen: the shortest text of a double is under 25 characters
    return std::string(buf, end);
}

std::string DrawOp::ToJson() const {
    std::string j = "{\"doc\":" + std::to_string(doc) + ",\"page\":" + std::to_string(page) +
                    ",\"op\":\"" + KindName(kind) + "\"";
    auto num = [&](const char* name, double v) {
        j += ",\"" + std::string(name) + "\":" + JsonNumber(v);
    };
    switch (kind) {
        case Kind::Line:
        case Kind::Box:
            num("x1", x1);
            num("y1", y1);
            num("x2", x2);
            num("y2", y2);
            j += ",\"width\":" + std::to_string(width) + ",\"style\":" + std::to_string(style) +
                 ",\"color\":\"" + color.Hex() + "\"";
            if (kind == Kind::Box)
                j += std::string(",\"fill\":") + (fill ? "true" : "false");
            break;
        case Kind::Circle:
            num("x", x1);
            num("y", y1);
            num("r", r);
            j += ",\"width\":" + std::to_string(width) + ",\"color\":\"" + color.Hex() + "\"";
            j += ",\"fill\":" + (fill ? "\"" + fillColor.Hex() + "\"" : std::string("null"));
            break;
        case Kind::Text:
            num("x", x1);
            num("y", y1);
            j += ",\"text\":\"" + JsonEscape(text) + "\",\"font\":\"" + JsonEscape(font) + "\"";
            num("size", size);
            j += ",\"color\":\"" + color.Hex() + "\"";
            if (angle != 0)
                j += ",\"angle\":" + std::to_string(angle);
            break;
        default:
            break;
    }
    j += "}";
    return j;
}

RecordingSurface RecordingSurface::Paper() {
    RecordingSurface s;
    s.paper_ = true;
    s.scaleWidth_ = kA4Width;
    s.scaleHeight_ = kA4Height;
    return s;
}

RecordingSurface RecordingSurface::Screen(double pixelWidth, double pixelHeight, double dpi) {
    RecordingSurface s;
    s.paper_ = false;
    s.pixelWidth_ = pixelWidth;
    s.pixelHeight_ = pixelHeight;
    s.dpi_ = dpi;
    s.scaleWidth_ = pixelWidth;
    s.scaleHeight_ = pixelHeight;
    return s;
}

void RecordingSurface::SetScale(double scaleWidth, double scaleHeight) {
    scaleWidth_ = scaleWidth;
    scaleHeight_ = scaleHeight;
    userScaleSet_ = true;
}

void RecordingSurface::SetOrientation(Orientation o) {
    Surface::SetOrientation(o);
    if (paper_ && !userScaleSet_) {
        bool landscape = o == Orientation::Landscape;
        scaleWidth_ = landscape ? kA4Height : kA4Width;
        scaleHeight_ = landscape ? kA4Width : kA4Height;
    }
}

double RecordingSurface::UnitsPerPoint() const {
    if (paper_)
        return kMmPerPoint;
    // Points to pixels at the screen's dpi, then pixels to user units (vertical scale).
    double pxPerPoint = dpi_ / 72.0;
    double unitsPerPx = pixelHeight_ > 0 ? scaleHeight_ / pixelHeight_ : 1.0;
    return pxPerPoint * unitsPerPx;
}

double RecordingSurface::TextWidth(const std::string& text) {
    double em = fontSize_ * kMmPerPoint;
    if (!paper_) {
        double unitsPerPx = pixelWidth_ > 0 ? scaleWidth_ / pixelWidth_ : 1.0;
        em = fontSize_ * dpi_ / 72.0 * unitsPerPx;
    }
    return DisplayCells(text) * em / 2.0;
}

double RecordingSurface::TextHeight(const std::string&) {
    return fontSize_ * UnitsPerPoint();
}

DrawOp RecordingSurface::Begin(DrawOp::Kind kind) {
    if (newPagePending_ && kind != DrawOp::Kind::Cls) {
        newPagePending_ = false;
        DrawOp np;
        np.kind = DrawOp::Kind::NewPage;
        np.doc = doc_;
        np.page = page_;
        np.width = drawWidth_;
        np.style = static_cast<int>(drawStyle_);
        np.color = foreColor_;
        ops_.push_back(np);
        ++page_;
    }
    DrawOp op;
    op.kind = kind;
    op.doc = doc_;
    op.page = page_;
    op.width = drawWidth_;
    op.style = static_cast<int>(drawStyle_);
    op.color = foreColor_;
    docOpen_ = true;
    return op;
}

void RecordingSurface::Cls() {
    CurrentX = 0;
    CurrentY = 0;
    ops_.push_back(Begin(DrawOp::Kind::Cls));
}

void RecordingSurface::DoLine(double x1, double y1, double x2, double y2, Color c) {
    DrawOp op = Begin(DrawOp::Kind::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = c;
    ops_.push_back(op);
}

void RecordingSurface::DoBox(double x1, double y1, double x2, double y2, Color c, bool filled) {
    DrawOp op = Begin(DrawOp::Kind::Box);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = c;
    op.fill = filled;
    ops_.push_back(op);
}

void RecordingSurface::DoCircle(double x, double y, double r) {
    DrawOp op = Begin(DrawOp::Kind::Circle);
    op.x1 = x;
    op.y1 = y;
    op.r = r;
    op.fill = fillStyle_ != 1;
    op.fillColor = fillColor_;
    ops_.push_back(op);
}

void RecordingSurface::DoText(double x, double y, const std::string& text) {
    DrawOp op = Begin(DrawOp::Kind::Text);
    op.x1 = x;
    op.y1 = y;
    op.text = text;
    op.font = fontName_;
    op.size = fontSize_;
    ops_.push_back(op);
}

void RecordingSurface::DoTextUpward(double x, double y, const std::string& text) {
    DoText(x, y, text);
    ops_.back().angle = 90;
}

void RecordingSurface::NewPage() {
    if (!docOpen_ || !paper_)
        return;  // nothing on this sheet yet: no empty sheet
    newPagePending_ = true;
}

void RecordingSurface::EndDoc() {
    newPagePending_ = false;
    if (!docOpen_)
        return;  // nothing drawn: no empty document
    ops_.push_back(Begin(DrawOp::Kind::EndDoc));
    ++doc_;
    page_ = 1;
    docOpen_ = false;
}

std::vector<DrawOp> RecordingSurface::OpsOf(DrawOp::Kind kind) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops_)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

std::vector<DrawOp> RecordingSurface::TextsEqual(const std::string& t) const {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops_)
        if (op.kind == DrawOp::Kind::Text && op.text == t)
            out.push_back(op);
    return out;
}

int RecordingSurface::Documents() const {
    int n = 0;
    for (const DrawOp& op : ops_)
        if (op.kind == DrawOp::Kind::EndDoc)
            ++n;
    return docOpen_ ? n + 1 : n;
}

}  // namespace hc

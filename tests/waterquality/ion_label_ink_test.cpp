// Subscript digits of the chart's ion labels, drawn with the installed fonts: each digit's ink
// lies in its blank, clear of the letters before and after it and inside the label's box, on
// the screen and on paper. Under ja_JP.UTF-8 the font names are listed in Japanese; a font
// choice that misses "IPA明朝" for IPAMincho lands on a proportional face and the digits run
// into the letters ("Cl(+NQ )").
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cctype>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "common/render/qt_surface.h"
#include "waterquality/core/column_chart.h"
#include "waterquality/core/ion_label.h"

namespace {

struct LabelCase {
    const char* label;
    const char* face;
    double size, subscriptSize, drop;
    bool paper;
};

// The labels of the column charts (labels 6 / digits 5 points on the screen, 8 / 6 on paper,
// a quarter of the height lower) and of the trilinear chart (9 / 6 and 11 / 6, half lower).
std::vector<LabelCase> Cases() {
    std::vector<LabelCase> out;
    const char* column[] = {"Cl(+NO )", "HCO ", "SO ", "SO (+NO )"};
    const char* trilinear[] = {"Cl+NO ", "SO +NO ", "SO ", "HCO ", "Cl+SO +NO ", "Cl+SO "};
    for (bool paper : {false, true}) {
        for (const char* l : column)
            out.push_back({l, hc::kMincho, paper ? 8.0 : 6.0, paper ? 6.0 : 5.0, 0.25, paper});
        for (const char* l : trilinear)
            out.push_back({l, hc::kMincho, paper ? 11.0 : 9.0, 6.0, 0.5, paper});
    }
    return out;
}

void PrintTo(const LabelCase& c, std::ostream* os) {
    *os << "\"" << c.label << "\" " << c.size << "/" << c.subscriptSize << " pt"
        << (c.paper ? " on paper" : " on the screen");
}

// Draws on a screen picture (pixels, 96 dpi) or an A4 sheet at 200 dpi (millimetres) and
// returns the image and how many device pixels one user unit is.
struct Drawn {
    QImage image;
    double pixelsPerUnit = 1;
};

Drawn Draw(bool paper, const std::function<void(hc::Surface&)>& draw) {
    if (!paper) {
        Drawn d{QImage(400, 80, QImage::Format_RGB32), 1.0};
        d.image.fill(Qt::white);
        auto s = hc::QtSurface::OnImage(&d.image, 96.0);
        s->Cls();
        draw(*s);
        EXPECT_TRUE(s->Finish());
        return d;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.png");
    {
        auto s = hc::QtSurface::PngSheet(path, 1, 200.0);
        draw(*s);
        s->EndDoc();
        EXPECT_TRUE(s->Finish());
    }
    return {QImage(path), 200.0 / 25.4};
}

// Which columns of the image hold ink.
std::vector<bool> InkColumns(const QImage& img) {
    std::vector<bool> cols(static_cast<std::size_t>(img.width()), false);
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qGray(line[x]) < 160)
                cols[static_cast<std::size_t>(x)] = true;
    }
    return cols;
}

class IonLabelInk : public ::testing::TestWithParam<LabelCase> {};

TEST_P(IonLabelInk, DigitsStayInTheirBlanks) {
    const LabelCase c = GetParam();
    const double x = c.paper ? 10.0 : 20.0;
    const double y = c.paper ? 10.0 : 20.0;
    double width = 0;
    auto prepare = [&](hc::Surface& s) {
        s.SetFontName(c.face);
        s.SetFontSize(c.size);
        width = s.TextWidth(c.label);
    };
    const Drawn letters = Draw(c.paper, [&](hc::Surface& s) {
        prepare(s);
        s.CurrentX = x;
        s.CurrentY = y;
        s.Print(c.label);
    });
    const Drawn digits = Draw(c.paper, [&](hc::Surface& s) {
        prepare(s);
        wq::PrintSubscriptDigits(s, x, y, c.label, c.subscriptSize, c.drop);
    });
    const std::vector<bool> letterInk = InkColumns(letters.image);
    const std::vector<bool> digitInk = InkColumns(digits.image);
    const double k = letters.pixelsPerUnit;
    const int boxLeft = static_cast<int>(std::floor(x * k));
    const int boxRight = static_cast<int>(std::ceil((x + width) * k));
    int inked = 0, overprinted = 0, outside = 0;
    for (std::size_t col = 0; col < digitInk.size(); ++col) {
        if (!digitInk[col])
            continue;
        ++inked;
        if (letterInk[col])
            ++overprinted;
        if (static_cast<int>(col) < boxLeft || static_cast<int>(col) > boxRight)
            ++outside;
    }
    ASSERT_GT(inked, 0) << c.label;
    EXPECT_EQ(overprinted, 0) << "\"" << c.label << "\": digit ink in " << overprinted
                              << " columns of the letters' ink";
    EXPECT_EQ(outside, 0) << "\"" << c.label << "\": digit ink in " << outside
                          << " columns outside the label's box";
}

std::string CaseName(const ::testing::TestParamInfo<LabelCase>& info) {
    std::string name = std::string(info.param.paper ? "Paper" : "Screen") + "_" +
                       std::to_string(static_cast<int>(info.param.size)) + "pt_";
    for (const char* p = info.param.label; *p; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p)))
            name += *p;
        else if (*p == '+')
            name += "Plus";
        else if (*p == ' ')
            name += "_";
    }
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Charts, IonLabelInk, ::testing::ValuesIn(Cases()), CaseName);

// The digits the blanks hold: 3 after HCO and NO, 4 after SO, nothing in other blanks.
TEST(IonLabel, DigitsByTheLettersBeforeTheBlank) {
    using Digits = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(wq::SubscriptDigits("Cl(+NO )"), (Digits{{6, "3"}}));
    EXPECT_EQ(wq::SubscriptDigits("SO (+NO )"), (Digits{{2, "4"}, {7, "3"}}));
    EXPECT_EQ(wq::SubscriptDigits("Cl+SO +NO "), (Digits{{5, "4"}, {9, "3"}}));
    EXPECT_EQ(wq::SubscriptDigits("HCO "), (Digits{{3, "3"}}));
    EXPECT_EQ(wq::SubscriptDigits("Na+K"), Digits{});
    EXPECT_EQ(wq::SubscriptDigits("凡    例"), Digits{});
}

}  // namespace

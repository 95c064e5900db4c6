// The faces that stand in for "ＭＳ ゴシック" and "ＭＳ 明朝" are found by what is installed,
// whatever language the locale lists font names in: IPAGothic and IPAMincho (Debian's IPA fonts),
// whose Latin letters, digits and blanks are all one width, as the chart labels assume.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <ostream>

#include "common/core/surface.h"
#include "common/render/fonts.h"

namespace {

struct Face {
    const char* name;   // as the programs name it
    const char* ipa;    // the English name of the IPA face
    const char* local;  // its Japanese name
};

void PrintTo(const Face& f, std::ostream* os) {
    *os << f.ipa;
}

class FontChoice : public ::testing::TestWithParam<Face> {};

TEST_P(FontChoice, TheIpaFaceWhateverTheLocale) {
    const Face f = GetParam();
    const QStringList listed = QFontDatabase::families();
    if (!listed.contains(f.ipa) && !listed.contains(QString::fromUtf8(f.local)))
        GTEST_SKIP() << f.ipa << " is not installed (fonts-ipafont-gothic, fonts-ipafont-mincho)";
    const QString chosen = hc::ResolveFontFamily(QString::fromUtf8(f.name));
    EXPECT_TRUE(chosen == f.ipa || chosen == QString::fromUtf8(f.local)) << chosen.toStdString();
    // The font drawn is that face, not a fallback Qt picked for a name it does not list.
    const QFontInfo drawn(hc::MakeFont(QString::fromUtf8(f.name), 10));
    EXPECT_TRUE(drawn.family() == f.ipa || drawn.family() == QString::fromUtf8(f.local))
        << drawn.family().toStdString();
}

TEST_P(FontChoice, LatinLettersDigitsAndBlanksAreOneWidth) {
    const Face f = GetParam();
    QImage device(10, 10, QImage::Format_RGB32);
    const QFontMetricsF fm(hc::MakeFont(QString::fromUtf8(f.name), 12), &device);
    const double blank = fm.horizontalAdvance(' ');
    for (QChar c : QString("0134iWlO(+)")) {
        EXPECT_NEAR(fm.horizontalAdvance(c), blank, blank * 0.02)
            << "'" << QString(c).toStdString() << "' in "
            << QFontInfo(hc::MakeFont(QString::fromUtf8(f.name), 12)).family().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Faces, FontChoice,
                         ::testing::Values(Face{hc::kGothic, "IPAGothic", "IPAゴシック"},
                                           Face{hc::kMincho, "IPAMincho", "IPA明朝"}),
                         [](const auto& info) {
                             return std::string(info.index == 0 ? "Gothic" : "Mincho");
                         });

// Names given in Japanese or English find the same installed face.
TEST(FontChoice, EnglishAndJapaneseNamesFindOneFace) {
    const QString english = hc::FirstInstalledFamily({"IPAGothic"});
    const QString japanese = hc::FirstInstalledFamily({QString::fromUtf8("IPAゴシック")});
    if (!QFontDatabase::families().contains(english) &&
        !QFontDatabase::families().contains(japanese))
        GTEST_SKIP() << "IPAGothic is not installed";
    EXPECT_EQ(english, japanese);
    EXPECT_TRUE(QFontDatabase::families().contains(english)) << english.toStdString();
    // A name nothing is installed under falls through to the next candidate.
    EXPECT_EQ(hc::FirstInstalledFamily({"No Such Face 1234", "IPAGothic"}), english);
}

}  // namespace

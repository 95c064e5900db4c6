#include "common/render/fonts.h"

#include <fontconfig/fontconfig.h>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <vector>

namespace hc {

namespace {

// Qt lists each face under one name, in the language of the process locale ("IPAゴシック"
// under ja_JP, "IPAGothic" under C), so the candidates are looked up among every name
// fontconfig knows for an installed face.
std::vector<QStringList> InstalledFaceNames() {
    std::vector<QStringList> faces;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* set = pattern && objects ? FcFontList(nullptr, pattern, objects) : nullptr;
    if (set) {
        for (int i = 0; i < set->nfont; ++i) {
            QStringList names;
            FcChar8* name = nullptr;
            for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &name) == FcResultMatch;
                 ++k)
                names << QString::fromUtf8(reinterpret_cast<const char*>(name));
            if (!names.isEmpty())
                faces.push_back(names);
        }
        FcFontSetDestroy(set);
    }
    if (objects)
        FcObjectSetDestroy(objects);
    if (pattern)
        FcPatternDestroy(pattern);
    return faces;
}

}  // namespace

QString FirstInstalledFamily(const QStringList& candidates) {
    const QStringList listed = QFontDatabase::families();
    const std::vector<QStringList> faces = InstalledFaceNames();
    for (const QString& c : candidates) {
        if (listed.contains(c, Qt::CaseInsensitive))
            return c;
        for (const QStringList& names : faces) {
            if (!names.contains(c, Qt::CaseInsensitive))
                continue;
            // The name Qt lists for this face, so that QFont finds it without guessing.
            for (const QString& n : names)
                if (listed.contains(n, Qt::CaseInsensitive))
                    return n;
            return c;
        }
    }
    return candidates.isEmpty() ? QString() : candidates.first();
}

const QStringList& GothicCandidates() {
    // The chart labels put subscript digits into blanks: faces whose Latin letters and blanks
    // are all one width come first (IPAGothic, not the proportional IPAPGothic).
    static const QStringList list{"IPAGothic",        "Noto Sans Mono CJK JP", "IPAexGothic",
                                  "Noto Sans CJK JP", "Noto Sans JP",          "VL Gothic",
                                  "Takao Gothic",     "DejaVu Sans"};
    return list;
}

const QStringList& MinchoCandidates() {
    static const QStringList list{"IPAMincho",     "IPAexMincho",  "Noto Serif CJK JP",
                                  "Noto Serif JP", "Takao Mincho", "DejaVu Serif"};
    return list;
}

QString ResolveFontFamily(const QString& name) {
    static const QString gothic = FirstInstalledFamily(GothicCandidates());
    static const QString mincho = FirstInstalledFamily(MinchoCandidates());
    if (name == QString::fromUtf8("ＭＳ ゴシック") || name == "MS Gothic" ||
        name == QString::fromUtf8("ＭＳ Ｐゴシック"))
        return gothic;
    if (name == QString::fromUtf8("ＭＳ 明朝") || name == "MS Mincho" ||
        name == QString::fromUtf8("ＭＳ Ｐ明朝"))
        return mincho;
    return name;
}

void InstallFontSubstitutions() {
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ 明朝"}) {
        const QString name = QString::fromUtf8(face);
        const QStringList& candidates =
            name == QString::fromUtf8("ＭＳ ゴシック") ? GothicCandidates() : MinchoCandidates();
        QFont::insertSubstitutions(name, QStringList{ResolveFontFamily(name)} + candidates);
    }
    // Texts of widgets without a font of their own (menus, labels) in the Gothic face too: the
    // desktop's default sans face follows the locale's language (DejaVu Sans under C.UTF-8,
    // IPAGothic under ja_JP.UTF-8), and a window would otherwise differ with the locale.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QFont general = QGuiApplication::font();
        general.setFamilies({ResolveFontFamily(QString::fromUtf8("ＭＳ ゴシック"))});
        QGuiApplication::setFont(general);
    }
}

QFont MakeFont(const QString& name, double points) {
    QFont f(ResolveFontFamily(name));
    f.setPointSizeF(points > 0 ? points : 1.0);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace hc

#include "common/render/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace hc {

namespace {

QString FirstInstalled(const QStringList& candidates) {
    const QStringList families = QFontDatabase::families();
    for (const QString& c : candidates)
        if (families.contains(c, Qt::CaseInsensitive))
            return c;
    return candidates.isEmpty() ? QString() : candidates.first();
}

const QStringList& GothicCandidates() {
    static const QStringList list{"IPAGothic", "IPAexGothic",  "Noto Sans CJK JP", "Noto Sans JP",
                                  "VL Gothic", "Takao Gothic", "DejaVu Sans"};
    return list;
}

const QStringList& MinchoCandidates() {
    static const QStringList list{"IPAMincho",     "IPAexMincho",  "Noto Serif CJK JP",
                                  "Noto Serif JP", "Takao Mincho", "DejaVu Serif"};
    return list;
}

}  // namespace

QString ResolveFontFamily(const QString& name) {
    static const QString gothic = FirstInstalled(GothicCandidates());
    static const QString mincho = FirstInstalled(MinchoCandidates());
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
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ ゴシック"), GothicCandidates());
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ 明朝"), MinchoCandidates());
}

QFont MakeFont(const QString& name, double points) {
    QFont f(ResolveFontFamily(name));
    f.setPointSizeF(points > 0 ? points : 1.0);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace hc

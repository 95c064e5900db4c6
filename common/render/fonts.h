// Font substitution: the two Japanese faces the programs name are drawn with the installed
// Japanese faces (IPA fonts, falling back to Noto CJK).
#pragma once

#include <QFont>
#include <QString>

namespace hc {

// Registers the substitutions once; safe to call again. Needs a QGuiApplication.
void InstallFontSubstitutions();

// The installed family that stands in for a face name ("ＭＳ ゴシック" -> "IPAGothic");
// other names are returned as they are.
QString ResolveFontFamily(const QString& name);

// A font of the given face name and size in points.
QFont MakeFont(const QString& name, double points);

}  // namespace hc

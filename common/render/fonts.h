// Font substitution: the two Japanese faces the programs name are drawn with the installed
// Japanese faces (IPA fonts, falling back to Noto CJK), found by what is installed whatever
// the language the font names are listed in.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace hc {

// Registers the substitutions once, and makes the Gothic face the default of widgets; safe to
// call again. Needs a QGuiApplication.
void InstallFontSubstitutions();

// The first of `candidates` (English family names) that is installed, as Qt lists it (under
// ja_JP "IPAゴシック" for "IPAGothic"); the first candidate when none is.
QString FirstInstalledFamily(const QStringList& candidates);
// The candidates for "ＭＳ ゴシック" and "ＭＳ 明朝", best first.
const QStringList& GothicCandidates();
const QStringList& MinchoCandidates();

// The installed family that stands in for a face name ("ＭＳ ゴシック" -> "IPAGothic");
// other names are returned as they are.
QString ResolveFontFamily(const QString& name);

// A font of the given face name and size in points.
QFont MakeFont(const QString& name, double points);

}  // namespace hc

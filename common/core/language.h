// The language the windows speak: Japanese, the programs' own, or English. Every text is written
// in Japanese in the code, marked for Qt Linguist, and the English comes from the translation
// file i18n/hydrochart_en.ts. Marking: hc::T("…") where a QString is shown, hc::TS("…") where
// core code builds a std::string, hc::N("…") for a text kept (a constant, a table) and shown
// later through hc::T or hc::TS. Qualify T, TS and N with hc:: always: the translation tools
// take the qualifier as the context. hydrochart's messages are English of its own; only the
// charts it draws follow --lang.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

class QLocale;

namespace hc {

struct Error;

enum class Language { Japanese, English };

Language CurrentLanguage();
// Makes `language` the one shown from now on, installing the English translations of the suite
// and of Qt's own dialogs (or removing them). False when a translation cannot be loaded; the
// language then stays as it was.
bool SetLanguage(Language language);

// "ja" or "en", as --lang and the settings spell them.
std::optional<Language> ParseLanguage(std::string_view code);
const char* LanguageCode(Language language);
// The desktop's choice: Japanese for a Japanese locale and for the C/POSIX locale, which names
// no language; English for any other.
Language LanguageOfLocale(const QLocale& locale);

// Marks a text for translation where it is kept; it is translated where it is shown.
constexpr const char* N(const char* japanese) {
    return japanese;
}

// The text in the language shown.
QString T(const char* japanese);
std::string TS(const char* japanese);
inline std::string TS(const std::string& japanese) {
    return TS(japanese.c_str());
}
// A text with %1, %2, ... filled in, in the language shown.
std::string TS(const char* japanese, std::initializer_list<std::string> args);

// An Error in the language shown, with its file and place.
std::string Shown(const Error& error);
// Its reason alone, as a message box says it: in English begun with a capital.
std::string ShownReason(const Error& error);

}  // namespace hc

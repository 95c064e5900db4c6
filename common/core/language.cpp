#include "common/core/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

#include "common/core/result.h"

namespace hc {

namespace {

Language current = Language::Japanese;

struct Translators {
    std::unique_ptr<QTranslator> suite, qtbase;
};

Translators& Installed() {
    static Translators t;
    return t;
}

void Remove(std::unique_ptr<QTranslator>& t) {
    if (t)
        QCoreApplication::removeTranslator(t.get());
    t.reset();
}

// A translator of `file` from `folder`, installed; null when it cannot be loaded.
std::unique_ptr<QTranslator> Install(const QLocale& locale, const QString& file,
                                     const QString& folder) {
    auto t = std::make_unique<QTranslator>();
    if (!t->load(locale, file, "_", folder))
        return nullptr;
    QCoreApplication::installTranslator(t.get());
    return t;
}

}  // namespace

Language CurrentLanguage() {
    return current;
}

bool SetLanguage(Language language) {
    Translators& t = Installed();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::English) {
        // The suite's texts are translated into English; Qt's own are English already.
        auto suite = Install(QLocale(QLocale::English), "hydrochart", ":/i18n");
        if (!suite)
            return false;
        Remove(t.qtbase);
        Remove(t.suite);
        t.suite = std::move(suite);
    } else {
        // Japanese is the texts' own; only Qt's dialogs need theirs. Where Qt's Japanese is not
        // installed they stay English, as they would anyway.
        Remove(t.suite);
        if (!t.qtbase)
            t.qtbase = Install(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", qtFolder);
    }
    current = language;
    return true;
}

std::optional<Language> ParseLanguage(std::string_view code) {
    if (code == "ja")
        return Language::Japanese;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

const char* LanguageCode(Language language) {
    return language == Language::English ? "en" : "ja";
}

Language LanguageOfLocale(const QLocale& locale) {
    const QLocale::Language l = locale.language();
    return l == QLocale::Japanese || l == QLocale::C || l == QLocale::AnyLanguage
               ? Language::Japanese
               : Language::English;
}

QString T(const char* japanese) {
    return QCoreApplication::translate("hc", japanese);
}

std::string TS(const char* japanese) {
    return T(japanese).toStdString();
}

std::string TS(const char* japanese, std::initializer_list<std::string> args) {
    QString text = T(japanese);
    for (const std::string& a : args)
        text = text.arg(QString::fromStdString(a));
    return text.toStdString();
}

std::string Shown(const Error& error) {
    return current == Language::English ? error.English() : error.Japanese();
}

std::string ShownReason(const Error& error) {
    if (current != Language::English)
        return error.ja;
    std::string en = error.en;
    if (!en.empty() && en[0] >= 'a' && en[0] <= 'z')
        en[0] = static_cast<char>(en[0] - 'a' + 'A');
    return en;
}

}  // namespace hc

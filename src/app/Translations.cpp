#include "Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

namespace app {

namespace {

void install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator))
        delete translator;
}

} // namespace

QString interfaceLanguage(const QStringList& preferred)
{
    for (const QString& name : preferred) {
        const QLocale::Language language = QLocale(name).language();
        if (name == u"C" || name == u"POSIX" || language == QLocale::English)
            return {};
        if (language == QLocale::C)
            continue; // a name Qt does not know
        const QString code = QLocale::languageToCode(language);
        if (QFile::exists(u":/i18n/physcalc_"_qs + code + u".qm"_qs))
            return code;
    }
    return {};
}

void installTranslations()
{
    static bool chosen = false;
    if (std::exchange(chosen, true))
        return;
    const QString code = interfaceLanguage(QLocale::system().uiLanguages());
    if (code.isEmpty())
        return;
    // Qt's own texts: the line edits' context menus, the standard buttons. A
    // missing file leaves them English, nothing worse. It is installed first
    // because the translator installed last is asked first: the program's
    // own texts, most of those asked for, are then found without searching
    // Qt's file.
    install(u"qtbase_"_qs + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(u"physcalc_"_qs + code, u":/i18n"_qs);
}

} // namespace app

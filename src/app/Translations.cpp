#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <utility>

namespace app {

namespace {

bool install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installTranslations()
{
    static bool chosen = false;
    if (std::exchange(chosen, true))
        return;
    // In the order the person prefers them: LANGUAGE=en:it means English, even
    // where an Italian translation exists.
    const QStringList languages = QLocale::system().uiLanguages();
    for (const QString& name : languages) {
        const QLocale::Language language = QLocale(name).language();
        const bool posix = name == u"C" || name == u"POSIX";
        if (posix || language == QLocale::English)
            return;
        if (language == QLocale::C)
            continue; // a name Qt does not know
        const QString code = QLocale::languageToCode(language);
        if (install(u"physcalc_"_qs + code, u":/i18n"_qs)) {
            // Qt's own texts: the line edits' context menus, the standard
            // buttons. A missing file leaves them English, nothing worse.
            install(u"qtbase_"_qs + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

} // namespace app

#include "Translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

#include <utility>

namespace app {

namespace {

void install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator))
        delete translator;
}

// The folder of PhysCalc's compiled translation for the language, or an empty
// text: beside the program in the build tree, in the data folder once
// installed. Loaded from a file, a translator maps it and reads it in place.
QString translationFolder(const QString& code)
{
    const QString program = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {program, program + u"/../"_qs + QStringLiteral(PHYSCALC_TRANSLATIONS_DIR)}) {
        if (QFile::exists(folder + u"/physcalc_"_qs + code + u".qm"_qs))
            return folder;
    }
    return {};
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
        if (!translationFolder(code).isEmpty())
            return code;
    }
    return {};
}

namespace {

// The interface language chosen at start; empty for English.
QString& chosenLanguage()
{
    static QString code;
    return code;
}

// Qt's own texts (a field's context menu, a dialog's standard buttons) are
// never in the launcher, so Qt's translation is installed as the first other
// window is shown: an Italian start maps PhysCalc's translation alone.
class QtTranslationOnFirstWindow final : public QObject
{
public:
    explicit QtTranslationOnFirstWindow(const QWidget* first)
        : QObject(QCoreApplication::instance())
        , launcher(first)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType() || watched == launcher
            || !static_cast<QWidget*>(watched)->isWindow())
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
        // Installing it tells every widget, this window's buttons included,
        // to take up the new texts before it is painted.
        install(u"qtbase_"_qs + chosenLanguage(),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return false;
    }

private:
    const QWidget* launcher;
};

} // namespace

void installTranslations()
{
    static bool chosen = false;
    if (std::exchange(chosen, true))
        return;
    chosenLanguage() = interfaceLanguage(QLocale::system().uiLanguages());
    if (!chosenLanguage().isEmpty())
        install(u"physcalc_"_qs + chosenLanguage(), translationFolder(chosenLanguage()));
}

void installQtTranslationAfter(const QWidget* launcher)
{
    static bool asked = false;
    if (!chosenLanguage().isEmpty() && !std::exchange(asked, true))
        new QtTranslationOnFirstWindow(launcher);
}

} // namespace app

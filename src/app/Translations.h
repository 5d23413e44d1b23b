// Chooses the language of the interface from the person's preferred languages
// and installs the translators for it.
#pragma once

#include <QStringList>

class QWidget;

namespace app {

// The language code of the interface for languages in the order the person
// prefers them (LANGUAGE=en:it means English, even though Italian exists):
// the first that is English, which needs no translation and gives an empty
// code, or that PhysCalc has a translation for.
QString interfaceLanguage(const QStringList& preferred);

// Installs PhysCalc's translation for the interface language of the system's
// preferred ones. Call after the application object exists and before any
// window is built; later calls do nothing.
void installTranslations();

// Installs Qt's own translation (context menus, dialogs' standard buttons) for
// that language as soon as a window other than the launcher is first shown;
// later calls do nothing.
void installQtTranslationAfter(const QWidget* launcher);

} // namespace app

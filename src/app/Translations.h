// Chooses the language of the interface from the person's preferred languages
// and installs the translators for it.
#pragma once

namespace app {

// Installs PhysCalc's translation and Qt's own (context menus, dialogs) for
// the first of the system's interface languages that is English or has a
// translation; English, the source language, needs none. Call after the
// application object exists and before any window is built; later calls do
// nothing.
void installTranslations();

} // namespace app

#pragma once

#include "core/settings/UiLanguage.h"

class QApplication;
class QCoreApplication;

namespace tessell {

// What the program sets on its application object before any window opens:
// fonts, the language of the windows (chosen in the options or by
// TESSELL_LANG) with Qt's own dialogs following it, and the application's name.
// Window titles are the product's texts as they stand: no display name is
// set, so the platform appends nothing to them.
void setUpApplication(QApplication &app);

// Installs the program's and Qt's translations for language in place of those
// this function installed before. Japanese needs none of the program's own,
// its texts are written in Japanese. False when a translation that the
// language needs could not be loaded.
bool installTranslations(QCoreApplication &app, UiLanguage language);

} // namespace tessell

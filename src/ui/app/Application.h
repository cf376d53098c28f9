#pragma once

class QApplication;

namespace tessell {

// What the program sets on its application object before any window opens:
// fonts, the translations of Qt's own dialogs and the application's name.
// Window titles are the product's texts as they stand: no display name is
// set, so the platform appends nothing to them.
void setUpApplication(QApplication &app);

} // namespace tessell

#include "ui/app/Application.h"

#include "core/Version.h"
#include "ui/common/AppFonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tessell {

void setUpApplication(QApplication &app)
{
    AppFonts::install();
    app.setFont(AppFonts::ui(12));
    // Qt's own dialogs (file dialogs) speak the program's language.
    auto *qtTexts = new QTranslator(&app);
    if (qtTexts->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qtTexts);
    app.setApplicationName(QStringLiteral("Tessell"));
    app.setApplicationVersion(QLatin1String(kVersion));
}

} // namespace tessell

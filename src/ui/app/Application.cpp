#include "ui/app/Application.h"

#include "core/Version.h"
#include "core/settings/AppPaths.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/AppFonts.h"
#include "ui/common/Icons.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace tessell {

namespace {
// The translators this program installed, so that a second call replaces them.
QPointer<QTranslator> &installed(int which)
{
    static QPointer<QTranslator> translators[2];
    return translators[which];
}

bool install(QCoreApplication &app, int which, const QString &name, const QString &folder)
{
    if (QTranslator *old = installed(which)) {
        app.removeTranslator(old);
        delete old;
    }
    if (name.isEmpty())
        return true;
    auto *translator = new QTranslator(&app);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    installed(which) = translator;
    return true;
}
} // namespace

bool installTranslations(QCoreApplication &app, UiLanguage language)
{
    const QString code = UiLanguages::code(language);
    // The program's texts are written in Japanese: only other languages load a file.
    const bool own = install(app, 0, language == UiLanguage::Japanese ? QString() : QStringLiteral("tessell_") + code,
                             QStringLiteral(":/i18n"));
    // Qt's own dialogs (file dialogs, the colour and font choosers) speak the same language.
    const bool qt = install(app, 1, QStringLiteral("qtbase_") + code,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return own && qt;
}

void setUpApplication(QApplication &app)
{
    // The name first: the folder of data.dat may depend on it.
    app.setApplicationName(QStringLiteral("Tessell"));
    app.setApplicationVersion(QLatin1String(kVersion));
    // The desktop ties the windows to the installed entry by this name, and
    // every window shows the program's icon.
    QGuiApplication::setDesktopFileName(QLatin1String(kApplicationId));
    QGuiApplication::setWindowIcon(Icons::program());
    AppFonts::install();
    app.setFont(AppFonts::ui(12));
    // Before any window is made: texts are translated when a window builds itself.
    installTranslations(app, UiLanguages::forRun(SettingsStore(AppPaths::dataFile())));
}

} // namespace tessell

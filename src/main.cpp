#include "core/document/HistoryFolder.h"
#include "core/document/LeftHistory.h"
#include "core/settings/AppPaths.h"
#include "scanner/ScannerFactory.h"
#include "ui/app/Application.h"
#include "ui/app/FileCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/common/QtPrompter.h"
#include "ui/app/SplashWindow.h"
#include "ui/shell/WelcomeWindow.h"

#include <QApplication>
#include <QScreen>

using namespace tessell;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication(app);
    SplashWindow splash(3000);
    splash.start();

    QtPrompter prompter;
    if (QScreen *screen = QGuiApplication::primaryScreen(); screen && screen->geometry().height() < 768) {
        const auto answer = prompter.question(
            nullptr, QStringLiteral("Tessell"),
            QCoreApplication::translate("main", "ディスプレイのサイズは1024×768で正常に表示されます。"),
            Prompter::Icon::Warning, {Prompter::Answer::Abort, Prompter::Answer::Ignore});
        if (answer != Prompter::Answer::Ignore)
            return 0;
    }

    HistoryFolder historyFolder(AppPaths::historyDir());
    // Work a run that did not end normally left behind, found before anything
    // is recorded in this run's history.
    std::vector<LeftHistory> left = LeftHistory::find(historyFolder);
    MainWindow window(prompter, historyFolder.path());
    // Connected before any question below: the splash may end while one is open.
    QObject::connect(&splash, &SplashWindow::finished, &window, [&window] {
        if (window.isFirstStart())
            WelcomeWindow::open(window.runner(), &window);
    });
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (left.empty()) {
        window.openCommandLine(arguments);
        window.show();
        splash.raise();
    } else {
        // The question must not hide behind the splash window.
        window.show();
        splash.hide();
        window.files().offerRecovery(left);
        window.openCommandLine(arguments);
    }

    const int status = app.exec();
    // A scanner left open is closed now; a failed close still reaches the user.
    window.runner().run(nullptr, releaseScannerService);
    return status;
}

#pragma once

#include "core/settings/AppPaths.h"
#include "support/ScriptedPrompter.h"
#include "support/TestSupport.h"
#include "ui/app/CommandSet.h"
#include "ui/app/FileCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/app/ToolBarArea.h"
#include "ui/editing/DesignEditor.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace tessell::test {

// One main window in a scratch folder, answered by a scripted prompter.
struct WindowFixture {
    std::unique_ptr<Scratch> scratch;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<MainWindow> window;

    QString historyDir() const { return scratch->file(QStringLiteral("log")); }

    void start(const QStringList &arguments = {})
    {
        if (!scratch)
            scratch = std::make_unique<Scratch>();
        prompter = std::make_unique<ScriptedPrompter>();
        QDir().mkpath(historyDir());
        window = std::make_unique<MainWindow>(*prompter, historyDir());
        window->openCommandLine(arguments);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // Closes the window as the user would; true when it closed.
    bool close() { return window->close(); }
    void stop() { window.reset(); }
};

// Runs action on the next modal dialog once it is open.
inline void whenModal(const std::function<void(QWidget *)> &action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(w);
        }
    });
    timer->start();
}

// Runs open, which is to show a modal window of class W, and action on that
// window once it is up; the window is closed afterwards unless action closed
// it. False when no such window opened. Nothing is left waiting for a later
// window.
template <class W> bool withModal(const std::function<void()> &open, const std::function<void(W *)> &action)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *window = qobject_cast<W *>(QApplication::activeModalWidget());
        if (!window || seen)
            return;
        seen = true;
        action(window);
        if (window->isVisible())
            window->close();
    });
    poll.start();
    open();
    return seen;
}

// Runs call and closes a modal window that opens meanwhile; answers its class
// name, empty when none opened.
inline QString modalDuring(const std::function<void()> &call)
{
    QString seen;
    withModal<QWidget>(call,
                       [&](QWidget *modal) { seen = QString::fromLatin1(modal->metaObject()->className()); });
    return seen;
}

inline void clickButton(QWidget *dialog, const QString &objectName)
{
    auto *b = dialog->findChild<QPushButton *>(objectName);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace tessell::test

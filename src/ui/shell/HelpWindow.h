#pragma once

#include "ui/common/HelpPages.h"

#include <QPointer>
#include <QWidget>

class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace tessell {

// "Tessell ヘルプ": the help pages with a contents list, back and forward. One
// window for the program, owned by the main window. Opened from a modal
// window it lives under that window while it is open, because a modal window
// blocks every window but its own.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // home: the window the help belongs to (the main window), or nothing.
    explicit HelpWindow(QWidget *home = nullptr);

    // Shows the page of a topic number (0: the contents) above `from`, the
    // window where help was asked for. Throws tessell::Error
    // "ファイル %s は開けません" when the page is missing; nothing changes then.
    void showTopic(int topic, QWidget *from = nullptr);
    // The same for a page by file name, with an optional "#anchor".
    void showPage(const QString &page, QWidget *from = nullptr);

    QTextBrowser *browser() const { return m_browser; }
    QListWidget *contentsList() const { return m_contents; }
    QPushButton *backButton() const { return m_back; }
    QPushButton *forwardButton() const { return m_forward; }

signals:
    // A link inside a page led nowhere; the text is the user's message.
    void failed(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followLink(const QUrl &url);
    void pageShown(const QUrl &url);
    void attachTo(QWidget *from);
    void setOwner(QWidget *owner);

    QPointer<QWidget> m_home;
    QPointer<QWidget> m_modalOwner;
    QTextBrowser *m_browser;
    QListWidget *m_contents;
    QPushButton *m_back;
    QPushButton *m_forward;
};

} // namespace tessell

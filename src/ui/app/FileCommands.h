#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QMenu;
class QWidget;

namespace tessell {

class CommandRunner;
class Design;
class DesignEditor;
class History;
class LeftHistory;
class Prompter;
class SettingsStore;

// The file commands of the main window: New, Open, arrangement import, Save
// and Save As, the command line and dropped files, the unsaved-changes
// question, clearing the history, and the window title.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(Design &design, History &history, DesignEditor &editor, SettingsStore &store,
                 Prompter &prompter, CommandRunner &runner, QWidget *window, QObject *parent = nullptr);

    // True when the user cancelled (or a wanted save did not happen).
    bool checkModify();
    // The default design, or one of the size asked; false when the size dialog was cancelled.
    bool newDesign(bool askSize);
    bool fileOpen(const QString &path);
    bool save();
    bool saveAs();
    void delHistory(const QString &name = QString());
    // Start-up: the arguments, joined with blanks, name a design file.
    void openCommandLine(const QStringList &arguments);
    void openDroppedFile(const QString &path);
    // At start-up: offers each design an earlier run left unsaved, until one is
    // taken back; true when one was.
    bool offerRecovery(std::vector<LeftHistory> &left);

    // "最近使ったファイル": rebuilt each time it opens.
    QMenu *recentMenu() const { return m_recentMenu; }
    void openRecent(const QString &path);

    void newCommand();
    void openDesign();
    void importArrangement();
    void saveDesign() { save(); }
    void saveDesignAs() { saveAs(); }
    void clearHistory();

signals:
    void titleChanged(const QString &title);

private:
    void setTitle();
    // Where the file dialogs open; the folder of a file opened or saved is kept in data.dat.
    QString startFolder() const;
    void rememberFolder(const QString &path);
    // A design opened or saved: its folder, and the top of the recent files.
    void rememberFile(const QString &path);
    void fillRecentMenu();

    Design &m_design;
    History &m_history;
    DesignEditor &m_editor;
    SettingsStore &m_store;
    Prompter &m_prompter;
    CommandRunner &m_runner;
    QWidget *m_window;
    QMenu *m_recentMenu;
};

} // namespace tessell

#pragma once

#include "core/document/Design.h"
#include "core/document/History.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/CommandRunner.h"
#include "ui/editing/ReplaceDialog.h"
#include "ui/editing/RotateMoveWindow.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QProgressBar;
class QScrollArea;

namespace tessell {

class CommandSet;
class DesignEditor;
class FileCommands;
class HelpWindow;
class HistoryControl;
class Prompter;
class ToolBarArea;
class ToolBarPanel;
class WorkArea;

// The program's window: it frames the editor, the file commands and the tool
// bars, shows the status panel and the place indicator, and opens the other
// windows. It holds the one open design and its history for the whole run.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(Prompter &prompter, const QString &historyDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: the arguments, joined with blanks, name a design file.
    void openCommandLine(const QStringList &arguments);

    // No settings store (data.dat) existed when the window was made, whatever
    // a store that exists holds: the first start, even when this run has
    // written settings since (a design opened from the command line).
    bool isFirstStart() const { return m_firstStart; }

    void readIni(bool reset);
    void writeIni();
    void controlBar1Resize();
    // The screen check of start-up: above 768 pixels the window keeps at least
    // 1024 x 768; exactly 768 high, it fills the screen.
    void fitScreen(int screenHeight);

    DesignEditor &editor() const { return *m_editor; }
    FileCommands &files() const { return *m_files; }
    CommandSet &commands() const { return *m_commands; }
    Design &design() { return m_design; }
    History &history() { return m_history; }
    SettingsStore &settings() { return m_store; }
    CommandRunner &runner() { return m_runner; }
    ToolBarArea *toolBarArea() const { return m_area; }
    WorkArea *workArea() const { return m_work; }
    ToolBarPanel *toolBar(int index) const;
    HistoryControl *historyControl() const { return m_historyControl; }
    QString statusText() const;
    QProgressBar *progressBar() const { return m_progress; }
    QString placeText() const;
    ReplaceDialog *replaceDialog() const { return m_replaceDialog; }
    RotateMoveWindow *rotateMoveWindow() const { return m_rotateMoveWindow; }

    // Help at a topic's page (0: the contents); every window's F1 comes here.
    void showHelp(int topic = 0);
    HelpWindow *helpWindow() const { return m_help; }

public slots:
    void pictureCheck();
    void print();
    void rotateMove();
    void replaceNumbers();
    void changeCanvasSize();
    void paletteEditor();
    void imageScan();
    void collectionPlan();
    void options();
    void about();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildStatusBars();
    void connectCommands();
    void setStatus(const QString &text);

    Prompter &m_prompter;
    CommandRunner m_runner;
    SettingsStore m_store;
    bool m_firstStart;
    Design m_design;
    History m_history;
    bool m_built = false;

    QScrollArea *m_scroll = nullptr;
    QWidget *m_client = nullptr;
    WorkArea *m_work = nullptr;
    ToolBarArea *m_area = nullptr;
    CommandSet *m_commands = nullptr;
    std::unique_ptr<DesignEditor> m_editor;
    std::unique_ptr<FileCommands> m_files;
    HistoryControl *m_historyControl = nullptr;
    QLabel *m_place = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QPointer<ReplaceDialog> m_replaceDialog;
    QPointer<RotateMoveWindow> m_rotateMoveWindow;
    HelpWindow *m_help = nullptr;
};

} // namespace tessell

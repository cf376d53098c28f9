#pragma once

#include <QObject>

#include <array>

class QAction;
class QMenu;
class QToolButton;
class QWidget;

namespace tessell {

class DesignEditor;
class FileCommands;
class History;
class HistoryControl;

// Every command of the main window, named once.
enum class Command {
    New, Open, Import, Save, SaveAs, Print, Exit,
    Undo, Redo, ClearHistory, Cut, Copy, Paste, RotateMove, Replace, CanvasSize,
    ShowPicture, ShowNumbers, ToggleView, Refresh, PictureCheck, ZoomIn, ZoomOut, ZoomReset,
    PaletteEditor, ImageScan, CollectionPlan, Options,
    Help, About,
};
constexpr int CommandCount = int(Command::About) + 1;

// One QAction per command. The menus are built from them and every tool-bar
// button is made with setDefaultAction, so an enabled state is set in one
// place and the button follows.
class CommandSet : public QObject {
    Q_OBJECT
public:
    // The actions are added to window, so their shortcuts work from any window
    // of the program that a modal one does not block.
    explicit CommandSet(QWidget *window);

    QAction *action(Command command) const { return m_actions[int(command)]; }
    void setEnabled(Command command, bool enabled);

    // A tool-bar button for the command (its hint as tooltip).
    QToolButton *makeButton(Command command, QWidget *parent);
    // The button made for the command, or null.
    QToolButton *button(Command command) const { return m_buttons[int(command)]; }

    // The standard bar's buttons with the history list between undo and redo.
    void buildStandardBar(QWidget *body, QWidget *historyControl);
    // The editing and file commands to their receivers, and the enabled states
    // and check marks that follow the editor and the history.
    void connectEditing(DesignEditor &editor, FileCommands &files, History &history, HistoryControl *historyControl);

    // The menu bar: five buttons that drop the menus down; toolBarMenu goes
    // into the view menu.
    void buildMenuBar(QWidget *body, QMenu *toolBarMenu, QMenu *recentMenu);

private:
    QMenu *menu(std::initializer_list<Command> commands);

    QWidget *m_window;
    std::array<QAction *, CommandCount> m_actions{};
    std::array<QToolButton *, CommandCount> m_buttons{};
};

} // namespace tessell

#pragma once

#include "ui/common/EditOrder.h"

#include <QString>

#include <functional>

class QWidget;

namespace tessell {

class CommandRunner;
class Design;
class History;

// Finishes every edit of the design in one place, as a transaction commits:
// the cell change, then the picture, the piece counts and the history entry in
// the order the edit's behaviour asks for (EditOrder). Tools and windows only
// say what changes and under which name.
class EditFinisher {
public:
    // The editor's displays, as the finisher drives them.
    class Displays {
    public:
        virtual ~Displays() = default;
        // Cell check, full redraw and recount; false when a cell was refused.
        virtual bool refreshPicture() = 0;
        virtual void reCount() = 0;
        // While held, changed tiles are gathered, not drawn; at the release
        // they are drawn unless a full redraw came between, so an edit draws
        // the picture once.
        virtual void holdTiles() = 0;
        virtual void releaseTiles() = 0;
    };

    EditFinisher(Design &design, History &history, CommandRunner &runner, Displays &displays,
                 QWidget *window);

    // Runs change (the cells through Design::editCells, or a whole design
    // taking the open one's place), then finishes the edit under name.
    void edit(const QString &name, EditOrder order, const std::function<void()> &change);
    // Finishes an edit whose cells changed already (a stroke, tile by tile).
    void finishEdit(const QString &name, EditOrder order) { edit(name, order, {}); }
    // A history step (undo, redo, a chosen entry) restored through restore;
    // false when it failed and the cells stayed.
    bool restore(const std::function<void()> &restore);
    // Keeps what a crash would lose beside the history (file name, names, palette).
    void writeRecovery();

private:
    void makeLog(const QString &name);

    Design &m_design;
    History &m_history;
    CommandRunner &m_runner;
    Displays &m_displays;
    QWidget *m_window;
};

} // namespace tessell

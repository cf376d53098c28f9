#pragma once

#include "ui/common/EditOrder.h"

#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tessell {

class Design;
class Prompter;
class SettingsStore;

// What the windows that change or show the whole design (replace, rotate and
// move, the picture check, the image scan, the palette editor, the print
// dialog and the options) may ask of the editor.
class CommandHost {
public:
    virtual ~CommandHost() = default;

    virtual Design &design() = 0;
    virtual Prompter &prompter() = 0;
    // The program's one settings store (data.dat).
    virtual SettingsStore &settings() = 0;
    // Runs a command; a tessell::Error it throws goes to the general error box,
    // shown over window (the editor's window when null), so that a full-screen
    // or modal window does not hide it.
    virtual bool run(const std::function<void()> &command, QWidget *window = nullptr) = 0;
    // Runs change (the cells through Design::editCells), then finishes the
    // edit under name in order: the picture, the counts and the history entry.
    virtual void edit(const QString &name, EditOrder order, const std::function<void()> &change) = 0;
    // F1: the help page of a topic (HelpPages::Topic; 0 the contents).
    virtual void showHelp(int topic) = 0;
    virtual void setStatus(const QString &text) = 0;
    // The status panel's progress bar: done of total rows, repainted at most
    // every few milliseconds between the first and the last row.
    virtual void setProgress(int done, int total) = 0;
    virtual void processEvents() = 0;
    // The cells inside the selection frame while it is shown with a non-zero size.
    virtual std::optional<QRect> selectionFrameCells() const = 0;
    // Selects the selection tool again, which places a floating selection.
    virtual void placeFloatingSelection() = 0;
};

} // namespace tessell

#pragma once

#include "ui/common/CommandHost.h"
#include "ui/editing/EditFinisher.h"
#include "ui/editing/FloatingBlock.h"
#include "ui/editing/TextDialog.h"
#include "ui/editing/ToolHost.h"
#include "ui/editing/ToolKind.h"

#include <QElapsedTimer>
#include <QObject>

#include <array>

namespace tessell {

class BlockClipboard;
class CommandRunner;
class CountBar;
class Design;
class History;
class NumberDirectEdit;
class NumberView;
class PaletteBar;
class PictureDrawing;
class PictureView;
class SettingsStore;
class TextInsertion;
class Tool;
class ToolBox;

// The editing of the one open design: the picture and number views, the paint
// tools and the floating block, the current number, the clipboard commands and
// the history steps; text insertion, the clipboard and the end of every edit
// (EditFinisher) are objects of their own. It tells the window what to show
// through its signals; the windows that change the design take it as their host.
class DesignEditor : public QObject, public ToolHost, public CommandHost, private EditFinisher::Displays {
    Q_OBJECT
public:
    // The window parts the editor drives: the picture goes into pictureArea,
    // the number view into workArea; the bars are the window's.
    struct Parts {
        QWidget *window;
        QWidget *workArea;
        QWidget *pictureArea;
        ToolBox *toolBox;
        PaletteBar *paletteBar;
        CountBar *countBar;
    };

    DesignEditor(Design &design, History &history, SettingsStore &store, Prompter &prompter,
                 CommandRunner &runner, const Parts &parts, QObject *parent = nullptr);
    ~DesignEditor() override;

    // ToolHost and CommandHost
    Design &design() override { return m_design; }
    int currentNumber() const override { return m_currentNumber; }
    int penWidth() const override;
    void edit(const QString &name, EditOrder order, const std::function<void()> &change) override
    {
        m_finisher.edit(name, order, change);
    }
    void finishEdit(const QString &name, EditOrder order) override { m_finisher.finishEdit(name, order); }
    void placeBlock() override;
    void showPlace(const QPoint &cell, bool full) override;
    void processEvents() override;
    void updateOverlay() override;
    Prompter &prompter() override { return m_prompter; }
    SettingsStore &settings() override { return m_store; }
    bool run(const std::function<void()> &command, QWidget *window = nullptr) override;
    void showHelp(int topic) override { emit helpRequested(topic); }
    void setStatus(const QString &text) override;
    void setProgress(int done, int total) override;
    std::optional<QRect> selectionFrameCells() const override;
    void placeFloatingSelection() override;

    // Cell check, full redraw and recount; false when a cell was refused.
    bool refreshPicture() override;
    // The refresh command (menu, tool button, Ctrl+R).
    void refresh() { refreshPicture(); }
    // True when an invalid cell was found (and shown).
    bool listcheck();
    void selectNumber(int number);
    // After New, open (all) or a palette change (palette only).
    void changeSetting(bool paletteOnly);
    void changeTool(ToolKind kind);
    // The active tool chosen again (after the picture moved); text becomes the pen.
    void reselectTool();
    // Keeps what a crash would lose beside the history (file name, names, palette).
    void writeRecovery() { m_finisher.writeRecovery(); }
    // A floating block goes into the design before it is compared, saved or replaced.
    void settleFloatingBlock();
    void resizeCanvas(int columns, int rows);
    // At the window's close: leaves the clipboard notices, closes the text dialog.
    void shutDown();

    bool isPictureViewShown() const { return m_pictureShown; }
    void showPictureView();
    void showNumberView();
    void toggleView();

    void undo();
    void redo();
    void selectHistoryEntry(int index);

    void cut() { copyOrCut(true); }
    void copy() { copyOrCut(false); }
    void paste();
    bool isPasteEnabled() const;
    void updatePasteEnabled();

    PictureView *pictureView() const { return m_picture; }
    NumberView *numberView() const { return m_number; }
    ToolBox *toolBox() const { return m_toolBox; }
    PaletteBar *paletteBar() const { return m_paletteBar; }
    CountBar *countBar() const { return m_countBar; }
    History &history() { return m_history; }
    const FloatingBlock &floatingBlock() const { return m_floating; }
    TextDialog *textDialog() const;

signals:
    void statusChanged(const QString &text);
    void progressChanged(int done, int total);
    void placeChanged(const QString &text);
    void cutCopyEnabledChanged(bool enabled);
    void pasteEnabledChanged(bool enabled);
    void viewChanged(bool pictureShown);
    // The picture changed size: the window lays it out again.
    void pictureResized();
    // The selection frame moved or changed size.
    void selectionFrameChanged();
    // The history's entries or current entry changed, or are to be shown again.
    void historyChanged();
    void helpRequested(int topic);

private:
    // EditFinisher::Displays
    void reCount() override;
    void holdTiles() override;
    void releaseTiles() override;

    void setNumberViewVisible(bool numbers);
    void setCutCopyEnabled(bool enabled);
    void restoreHistory(const std::function<void()> &restore);
    void copyOrCut(bool cut);

    Design &m_design;
    History &m_history;
    SettingsStore &m_store;
    Prompter &m_prompter;
    CommandRunner &m_runner;
    QWidget *m_window;
    ToolBox *m_toolBox;
    PaletteBar *m_paletteBar;
    CountBar *m_countBar;
    PictureView *m_picture;
    NumberView *m_number;
    NumberDirectEdit *m_directEdit;
    std::array<Tool *, 7> m_tools{};
    PictureDrawing *m_drawing;
    FloatingBlock m_floating;
    EditFinisher m_finisher;
    TextInsertion *m_text;
    BlockClipboard *m_clipboard;
    QElapsedTimer m_progressClock;
    int m_currentNumber = 0;
    // The cell the place indicator names, and whether it shows its content.
    QPoint m_placeCell;
    bool m_placeFull = true;
    bool m_pictureShown = true;
};

} // namespace tessell

#pragma once

#include "core/document/Design.h"
#include "core/document/History.h"
#include "core/settings/SettingsStore.h"
#include "ui/app/CommandRunner.h"
#include "ui/editing/CommandHost.h"
#include "ui/editing/FloatingBlock.h"
#include "ui/editing/ReplaceDialog.h"
#include "ui/editing/RotateMoveWindow.h"
#include "ui/editing/TextDialog.h"
#include "ui/editing/ToolHost.h"
#include "ui/editing/ToolKind.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QScrollArea;
class QToolButton;

namespace tessell {

class CountBar;
class HistoryControl;
class NumberView;
class BucketTool;
class NumberDirectEdit;
class PaletteBar;
class PenTool;
class PictureView;
class Prompter;
class SelectionTool;
class ShapeTool;
class TextTool;
class TileRenderer;
class ToolBarArea;
class ToolBarPanel;
class ToolBox;

// The program's window: holds the one open design, its views, the six tool
// bars, the count bar, and runs the file and history commands. Design logic
// lives in the core; this class calls it and redraws.
class MainWindow : public QWidget, public ToolHost, public CommandHost {
    Q_OBJECT
public:
    // Indices of the six tool bars.
    enum Bar { MenuBar = 0, StandardBar = 1, PlaceBar = 2, StatusBar = 3, PaletteBarIndex = 4, ToolBoxBar = 5 };
    static constexpr int BarCount = 6;

    MainWindow(Prompter &prompter, const QString &historyDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: the arguments, joined with blanks, name a design file.
    void openCommandLine(const QStringList &arguments);

    // ToolHost
    Design &design() override { return m_design; }
    int currentNumber() const override { return m_currentNumber; }
    int penWidth() const override;
    QSize pictureSize() const override;
    void drawCells(const QRect &cells) override;
    bool refreshPicture() override;
    void makeLog(const QString &name) override;
    void reCount() override;
    void showPlace(const QPoint &cell, bool full) override;
    void processEvents() override;
    void updateOverlay() override;

    // CommandHost
    Prompter &prompter() override { return m_prompter; }
    bool run(const std::function<void()> &command) override;
    void setStatus(const QString &text) override;
    std::optional<QRect> selectionFrameCells() const override;
    void placeFloatingSelection() override;

    // Operations other windows use.
    void changeSetting(bool paletteOnly);
    // True when the user cancelled (or a wanted save did not happen).
    bool checkModify();
    // The default design, or one of the size asked; false when the size dialog was cancelled.
    bool newDesign(bool askSize);
    bool fileOpen(const QString &path);
    // True when an invalid cell was found (and shown).
    bool listcheck();
    void delHistory(const QString &name = QString());
    void readIni(bool reset);
    void writeIni();
    void controlBar1Resize();
    void changeTool(ToolKind kind);
    void selectNumber(int number);
    bool save();
    bool saveAs();

    // Parts for the tool windows and tests.
    CommandRunner &runner() { return m_runner; }
    SettingsStore &settings() { return m_store; }
    History &history() { return m_history; }
    PictureView *pictureView() const { return m_picture; }
    NumberView *numberView() const { return m_number; }
    PaletteBar *paletteBar() const { return m_paletteBar; }
    CountBar *countBar() const { return m_countBar; }
    ToolBox *toolBox() const { return m_toolBox; }
    ToolBarArea *toolBarArea() const { return m_area; }
    ToolBarPanel *toolBar(int index) const { return m_bars[index]; }
    HistoryControl *historyControl() const { return m_historyControl; }
    QToolButton *commandButton(const QString &hint) const;
    QAction *action(const QString &name) const;
    QMenu *toolBarMenu() const { return m_toolBarMenu; }
    QMenu *contextMenu() const { return m_contextMenu; }
    QString statusText() const;
    QProgressBar *progressBar() const { return m_progress; }
    QString placeText() const;
    bool isPictureViewShown() const { return m_pictureShown; }
    const FloatingBlock &floatingBlock() const { return m_floating; }
    TextDialog *textDialog() const { return m_textDialog; }
    ReplaceDialog *replaceDialog() const { return m_replaceDialog; }
    RotateMoveWindow *rotateMoveWindow() const { return m_rotateMoveWindow; }
    bool isPasteEnabled() const;

public slots:
    void newCommand();
    void openDesign();
    void importArrangement();
    void saveDesign();
    void saveDesignAs();
    void undo();
    void redo();
    void selectHistoryEntry(int index);
    void clearHistory();
    void refreshPictureCommand();
    void showPictureView();
    void showNumberView();
    void toggleView();
    void showHelp();
    void pictureCheck();
    void print();
    void cut();
    void copy();
    void paste();
    void rotateMove();
    void replaceNumbers();
    void changeCanvasSize();
    void paletteEditor();
    void imageScan();
    void options();
    void about();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBars();
    void buildMenus();
    void buildStandardBar(QWidget *body);
    QAction *makeAction(const QString &name, const QString &text, const QKeySequence &shortcut,
                        void (MainWindow::*slot)());
    QToolButton *makeCommandButton(QWidget *body, const QString &hint, const QIcon &icon,
                                   void (MainWindow::*slot)());
    void setTitle();
    void historyChanged();
    void historyStep(int delta);
    void setNumberViewVisible(bool numbers);
    void setCutCopyEnabled(bool enabled);
    void toggleToolBar(int index);
    void updateToolBarChecks();
    void placeFloatingBlock();
    void settleFloatingBlock();
    void closeTextDialog();
    void openTextDialog();
    void enterWord();
    void chooseTextFont();
    void updatePasteEnabled();
    void copyOrCut(bool cut);
    void openDroppedFile(const QString &path);

    Prompter &m_prompter;
    CommandRunner m_runner;
    SettingsStore m_store;
    Design m_design;
    History m_history;
    std::unique_ptr<TileRenderer> m_renderer;
    int m_currentNumber = 0;
    bool m_pictureShown = true;
    bool m_built = false;

    QScrollArea *m_scroll = nullptr;
    QWidget *m_client = nullptr;
    ToolBarArea *m_area = nullptr;
    std::array<ToolBarPanel *, BarCount> m_bars{};
    PictureView *m_picture = nullptr;
    NumberView *m_number = nullptr;
    PaletteBar *m_paletteBar = nullptr;
    CountBar *m_countBar = nullptr;
    ToolBox *m_toolBox = nullptr;
    PenTool *m_penTool = nullptr;
    SelectionTool *m_selectionTool = nullptr;
    BucketTool *m_bucketTool = nullptr;
    std::array<ShapeTool *, 3> m_shapeTools{};
    TextTool *m_textTool = nullptr;
    NumberDirectEdit *m_directEdit = nullptr;
    FloatingBlock m_floating;
    QPointer<TextDialog> m_textDialog;
    QPointer<ReplaceDialog> m_replaceDialog;
    QPointer<RotateMoveWindow> m_rotateMoveWindow;
    HistoryControl *m_historyControl = nullptr;
    QLabel *m_place = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QMenu *m_toolBarMenu = nullptr;
    QMenu *m_contextMenu = nullptr;
    std::array<QAction *, BarCount> m_toolBarActions{};
    QList<QToolButton *> m_commandButtons;
};

} // namespace tessell

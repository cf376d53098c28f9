#include "ui/editing/DesignEditor.h"

#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/History.h"
#include "ui/common/CommandRunner.h"
#include "ui/common/Icons.h"
#include "ui/common/Prompter.h"
#include "ui/editing/BlockClipboard.h"
#include "ui/editing/BucketTool.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/NumberDirectEdit.h"
#include "ui/editing/NumberView.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PenTool.h"
#include "ui/editing/PictureDrawing.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/SelectionTool.h"
#include "ui/editing/ShapeTool.h"
#include "ui/editing/TextInsertion.h"
#include "ui/editing/TextTool.h"
#include "ui/editing/ToolBox.h"

#include <QCoreApplication>
#include <QToolButton>

namespace tessell {

namespace {
// The progress bar is repainted at most this often while the picture is drawn.
constexpr int ProgressIntervalMs = 8;
} // namespace

DesignEditor::DesignEditor(Design &design, History &history, SettingsStore &store, Prompter &prompter,
                           CommandRunner &runner, const Parts &parts, QObject *parent)
    : QObject(parent), m_design(design), m_history(history), m_store(store), m_prompter(prompter),
      m_runner(runner), m_window(parts.window), m_toolBox(parts.toolBox), m_paletteBar(parts.paletteBar),
      m_countBar(parts.countBar), m_finisher(design, history, runner, *this, parts.window),
      m_text(new TextInsertion(*this, m_floating, store, prompter, parts.window, this)),
      m_clipboard(new BlockClipboard(this))
{
    m_picture = new PictureView(parts.pictureArea);
    m_picture->setObjectName(QStringLiteral("pictureView"));
    m_drawing = new PictureDrawing(m_design, *m_picture, this);
    m_number = new NumberView(m_design, parts.workArea);
    m_number->setObjectName(QStringLiteral("numberView"));
    m_number->hide();
    m_number->setCursor(Icons::penCursor());

    auto *selection = new SelectionTool(*this, m_floating, this);
    m_tools[int(ToolKind::Selection)] = selection;
    m_tools[int(ToolKind::Pen)] = new PenTool(*this, this);
    m_tools[int(ToolKind::Bucket)] = new BucketTool(*this, this);
    m_tools[int(ToolKind::Line)] = new ShapeTool(*this, ShapeKind::Line, this);
    m_tools[int(ToolKind::Rectangle)] = new ShapeTool(*this, ShapeKind::Rectangle, this);
    m_tools[int(ToolKind::Ellipse)] = new ShapeTool(*this, ShapeKind::Ellipse, this);
    m_tools[int(ToolKind::Text)] = new TextTool(*this, m_floating, this);
    for (int k = 0; k < ToolKindCount; ++k)
        m_toolBox->registerTool(ToolKind(k), m_tools[k]);
    m_picture->setTool(m_tools[int(ToolKind::Pen)]);
    m_directEdit = new NumberDirectEdit(*m_number, *this, this);

    connect(selection, &SelectionTool::lifted, this, [this] { setCutCopyEnabled(true); });
    connect(selection, &SelectionTool::frameChanged, this, &DesignEditor::selectionFrameChanged);
    connect(m_clipboard, &BlockClipboard::hasBlockChanged, this, &DesignEditor::pasteEnabledChanged);
    connect(m_drawing, &PictureDrawing::resized, this, &DesignEditor::pictureResized);
    // The place indicator shows the content of its cell as it is now.
    connect(&m_design, &Design::cellsChanged, this, [this](const QRect &cells) {
        if (m_placeFull && cells.contains(m_placeCell))
            showPlace(m_placeCell, true);
    });
    connect(&m_history, &History::changed, this, &DesignEditor::historyChanged);
    connect(m_paletteBar, &PaletteBar::numberChosen, this, &DesignEditor::selectNumber);
    connect(m_toolBox, &ToolBox::toolChosen, this, &DesignEditor::changeTool);
    connect(m_number, &NumberView::cellSelected, this, [this](const QPoint &cell) { showPlace(cell, true); });
}

DesignEditor::~DesignEditor() = default;

// ---------------------------------------------------------------- displays

int DesignEditor::penWidth() const { return m_toolBox->penWidth(); }

void DesignEditor::setStatus(const QString &text) { emit statusChanged(text); }

void DesignEditor::setProgress(int done, int total)
{
    if (done > 0 && done < total && m_progressClock.isValid() && m_progressClock.elapsed() < ProgressIntervalMs)
        return;
    m_progressClock.start();
    emit progressChanged(done, total);
}

void DesignEditor::showPlace(const QPoint &cell, bool full)
{
    if (!m_design.grid().contains(cell.x(), cell.y()))
        return;
    m_placeCell = cell;
    m_placeFull = full;
    QString text = tr("%1列-%2行").arg(cell.x() + 1).arg(cell.y() + 1);
    if (full)
        text += QLatin1Char(':') + m_design.cell(cell.x(), cell.y());
    emit placeChanged(text);
}

void DesignEditor::processEvents() { QCoreApplication::processEvents(); }

void DesignEditor::updateOverlay() { m_picture->update(); }

void DesignEditor::reCount() { m_countBar->setCounts(m_design.reCount()); }

void DesignEditor::selectNumber(int number)
{
    m_currentNumber = number & 15;
    m_countBar->setCurrent(m_currentNumber);
    m_paletteBar->setCurrent(m_currentNumber);
    m_text->enterWord();
}

void DesignEditor::setCutCopyEnabled(bool enabled) { emit cutCopyEnabledChanged(enabled); }

bool DesignEditor::run(const std::function<void()> &command, QWidget *window)
{
    return m_runner.run(window ? window : m_window, command);
}

// ---------------------------------------------------------------- picture

void DesignEditor::holdTiles() { m_drawing->hold(); }

void DesignEditor::releaseTiles() { m_drawing->release(); }

bool DesignEditor::listcheck()
{
    const std::optional<QPoint> bad = m_design.listcheck();
    setStatus(texts::ready());
    if (!bad)
        return false;
    m_number->setCurrentCell(*bad);
    setNumberViewVisible(true);
    m_prompter.message(m_window, CommandRunner::title(), texts::errorFound(), Prompter::Icon::None);
    return true;
}

bool DesignEditor::refreshPicture()
{
    if (listcheck())
        return false;
    if (!m_pictureShown)
        return true;
    const int rows = qMax(1, m_design.rows());
    setProgress(0, rows);
    setStatus(tr("画像更新中"));
    QCoreApplication::processEvents();
    m_drawing->render();
    setProgress(0, rows);
    setStatus(texts::ready());
    reCount();
    return true;
}

void DesignEditor::changeSetting(bool paletteOnly)
{
    m_paletteBar->setPalette(m_design.palette());
    if (paletteOnly) {
        selectNumber(0);
        refreshPicture();
        // The palette is recorded in no history entry: the side file keeps it.
        writeRecovery();
        return;
    }
    // A block floating over the old design is dropped: the re-layout below
    // would otherwise write it into the new or opened one.
    m_floating.clear();
    m_drawing->startDesign();
    selectNumber(0);
}

void DesignEditor::resizeCanvas(int columns, int rows)
{
    m_drawing->hold();
    m_design.resizeCanvas(columns, rows);
    m_drawing->startDesign();
    refreshPicture();
    m_drawing->release();
}

void DesignEditor::shutDown()
{
    m_clipboard->stopWatching();
    m_text->close();
}

// ---------------------------------------------------------------- views

void DesignEditor::setNumberViewVisible(bool numbers)
{
    m_pictureShown = !numbers;
    m_number->setVisible(numbers);
    m_picture->setVisible(!numbers);
    emit viewChanged(!numbers);
    if (numbers)
        m_number->setFocus();
}

void DesignEditor::showPictureView()
{
    setNumberViewVisible(false);
    m_toolBox->setEnabled(true);
    refreshPicture();
}

void DesignEditor::showNumberView()
{
    changeTool(ToolKind::Pen);
    setNumberViewVisible(true);
    m_toolBox->setEnabled(false);
}

void DesignEditor::toggleView()
{
    if (m_pictureShown)
        showNumberView();
    else
        showPictureView();
}

// ---------------------------------------------------------------- tools

void DesignEditor::changeTool(ToolKind kind)
{
    if (Tool *old = m_picture->tool())
        old->deactivate();
    m_toolBox->setCurrent(kind);
    setCutCopyEnabled(false);
    m_toolBox->widthButton()->setEnabled(m_toolBox->usesWidth(kind));
    placeBlock();
    m_text->close();
    Tool *tool = m_tools[int(kind)];
    m_picture->setTool(tool);
    tool->activate();
    reCount();
    if (kind == ToolKind::Text) {
        m_toolBox->widthButton()->setEnabled(false);
        m_text->open();
    }
}

void DesignEditor::reselectTool()
{
    // The text tool is not among those kept: its text is placed and the pen takes over.
    const ToolKind kind = m_toolBox->currentKind();
    changeTool(kind == ToolKind::Text ? ToolKind::Pen : kind);
}

void DesignEditor::settleFloatingBlock()
{
    if (m_floating.isShown())
        reselectTool();
}

void DesignEditor::placeBlock()
{
    // Nothing is lifted any more once the block is in the design.
    setCutCopyEnabled(false);
    if (!m_floating.isShown())
        return;
    const FloatingBlock::Frame frame = m_floating.frame();
    const BlockText block = m_floating.block();
    const QPoint origin = m_floating.origin();
    m_floating.clear();
    const QString name = frame == FloatingBlock::Frame::Text ? tr("文字入れ") : tr("範囲選択");
    edit(name, EditOrder::RecordThenCount, [&] {
        m_design.editCells([&](CellGrid &grid) { return block.place(grid, origin); });
        m_picture->update();
    });
}

std::optional<QRect> DesignEditor::selectionFrameCells() const
{
    const QRect cells = static_cast<const SelectionTool *>(m_tools[int(ToolKind::Selection)])->frameCells();
    if (cells.isEmpty() || m_toolBox->currentKind() != ToolKind::Selection)
        return std::nullopt;
    return cells;
}

void DesignEditor::placeFloatingSelection() { changeTool(ToolKind::Selection); }

// ---------------------------------------------------------------- text and clipboard

TextDialog *DesignEditor::textDialog() const { return m_text->dialog(); }

bool DesignEditor::isPasteEnabled() const { return m_clipboard->hasBlock(); }

void DesignEditor::updatePasteEnabled() { m_clipboard->update(); }

void DesignEditor::copyOrCut(bool cut)
{
    if (m_floating.frame() != FloatingBlock::Frame::Selection)
        return;
    m_clipboard->setBlock(m_floating.block());
    if (!cut)
        return;
    // The frame goes first, so the tool change places nothing: the block is gone.
    m_floating.clear();
    changeTool(ToolKind::Selection);
}

void DesignEditor::paste()
{
    // Checked before anything moves, so a malformed text changes nothing.
    std::optional<BlockText> block;
    if (!run([&] { block = m_clipboard->block(); }) || !block)
        return;
    changeTool(ToolKind::Selection);
    m_floating.show(FloatingBlock::Frame::Selection, *block, QPoint(0, 0));
    updateOverlay();
}

// ---------------------------------------------------------------- history

void DesignEditor::restoreHistory(const std::function<void()> &restore)
{
    m_finisher.restore(restore);
    // Also after a failure: the list shows the entry that is still current.
    emit historyChanged();
}

void DesignEditor::selectHistoryEntry(int index) { restoreHistory([&] { m_history.select(index, m_design); }); }

void DesignEditor::undo()
{
    if (m_history.canUndo())
        restoreHistory([&] { m_history.step(-1, m_design); });
}

void DesignEditor::redo()
{
    if (m_history.canRedo())
        restoreHistory([&] { m_history.step(+1, m_design); });
}

} // namespace tessell

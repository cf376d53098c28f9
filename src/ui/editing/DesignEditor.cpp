#include "ui/editing/DesignEditor.h"

#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/History.h"
#include "core/document/Recovery.h"
#include "core/editing/CellGeometry.h"
#include "core/editing/TextToCells.h"
#include "ui/common/CommandRunner.h"
#include "ui/common/Icons.h"
#include "ui/common/Prompter.h"
#include "ui/editing/BucketTool.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/NumberDirectEdit.h"
#include "ui/editing/NumberView.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PenTool.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/SelectionTool.h"
#include "ui/editing/ShapeTool.h"
#include "ui/editing/TextDialog.h"
#include "ui/editing/TextTool.h"
#include "ui/editing/ToolBox.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
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
      m_countBar(parts.countBar), m_renderer(design.palette())
{
    m_picture = new PictureView(parts.pictureArea);
    m_picture->setObjectName(QStringLiteral("pictureView"));
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
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &DesignEditor::updatePasteEnabled);
    connect(&m_design, &Design::paletteChanged, this, [this] { m_renderer.setPalette(m_design.palette()); });
    // The picture follows the design: every edit redraws the tiles it changed,
    // and the place indicator shows the content of its cell as it is now.
    connect(&m_design, &Design::cellsChanged, this, &DesignEditor::drawCells);
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
    if (m_textDialog)
        enterWord();
}

void DesignEditor::setCutCopyEnabled(bool enabled) { emit cutCopyEnabledChanged(enabled); }

bool DesignEditor::run(const std::function<void()> &command, QWidget *window)
{
    return m_runner.run(window ? window : m_window, command);
}

// ---------------------------------------------------------------- picture

void DesignEditor::drawCells(const QRect &cells)
{
    QImage &image = m_picture->image();
    // A picture of another size is about to be drawn anew.
    if (image.size() != CellGeometry::pictureSize(m_design.columns(), m_design.rows()))
        return;
    m_renderer.drawCells(image, m_design.grid(), cells);
    const QRect area = cells.intersected(m_design.allCells());
    if (!area.isEmpty())
        m_picture->updatePicture(QRect(CellGeometry::tileOrigin(area.left(), area.top()),
                                       CellGeometry::tileOrigin(area.right() + 1, area.bottom() + 1)));
}

bool DesignEditor::renderPicture(bool blank)
{
    QImage &image = m_picture->image();
    const QSize before = image.size();
    if (blank) {
        m_renderer.renderBlank(image, m_design.columns(), m_design.rows());
    } else {
        const int rows = qMax(1, m_design.rows());
        m_renderer.renderPicture(image, m_design.grid(), [this, rows](int done, int) { setProgress(done, rows); });
        setProgress(0, rows);
    }
    m_picture->imageChanged();
    return image.size() != before;
}

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
    setProgress(0, qMax(1, m_design.rows()));
    setStatus(tr("画像更新中"));
    QCoreApplication::processEvents();
    if (renderPicture(false))
        emit pictureResized();
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
    renderPicture(true);
    emit pictureResized();
    selectNumber(0);
}

void DesignEditor::resizeCanvas(int columns, int rows)
{
    m_design.resizeCanvas(columns, rows);
    renderPicture(true);
    refreshPicture();
    emit pictureResized();
}

void DesignEditor::shutDown()
{
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    closeTextDialog();
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
    closeTextDialog();
    Tool *tool = m_tools[int(kind)];
    m_picture->setTool(tool);
    tool->activate();
    reCount();
    if (kind == ToolKind::Text)
        openTextDialog();
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
    m_design.editCells([&](CellGrid &grid) { return block.place(grid, origin); });
    m_picture->update();
    makeLog(frame == FloatingBlock::Frame::Text ? tr("文字入れ") : tr("範囲選択"));
    reCount();
}

std::optional<QRect> DesignEditor::selectionFrameCells() const
{
    const QRect cells = static_cast<const SelectionTool *>(m_tools[int(ToolKind::Selection)])->frameCells();
    if (cells.isEmpty() || m_toolBox->currentKind() != ToolKind::Selection)
        return std::nullopt;
    return cells;
}

void DesignEditor::placeFloatingSelection() { changeTool(ToolKind::Selection); }

// ---------------------------------------------------------------- text

void DesignEditor::openTextDialog()
{
    m_toolBox->widthButton()->setEnabled(false);
    processEvents();
    if (m_textDialog)
        return;
    m_textDialog = new TextDialog(m_store, m_window);
    connect(m_textDialog, &TextDialog::textEdited, this, &DesignEditor::enterWord);
    connect(m_textDialog, &TextDialog::fontRequested, this, &DesignEditor::chooseTextFont);
    m_textDialog->show();
    // Typing goes straight into the text field.
    m_textDialog->activateWindow();
    m_textDialog->textField()->setFocus();
}

void DesignEditor::closeTextDialog()
{
    if (m_textDialog)
        m_textDialog->release();
    m_textDialog = nullptr;
}

void DesignEditor::chooseTextFont()
{
    if (!m_textDialog)
        return;
    const std::optional<QFont> font = m_prompter.chooseFont(m_textDialog, m_textDialog->chosenFont(), m_design.rows());
    if (!font || !m_textDialog)
        return;
    m_textDialog->setChosenFont(*font);
    enterWord();
}

void DesignEditor::enterWord()
{
    if (!m_textDialog)
        return;
    const QFont font = m_textDialog->chosenFont();
    // The size in points is taken as the height in cells.
    const int height = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    const BlockText block = TextToCells::enterWord(m_textDialog->text(), font, height, m_currentNumber);
    if (m_floating.frame() == FloatingBlock::Frame::Text)
        m_floating.setBlock(block);
    else
        m_floating.show(FloatingBlock::Frame::Text, block, QPoint(0, 0));
    updateOverlay();
}

// ---------------------------------------------------------------- clipboard

void DesignEditor::updatePasteEnabled()
{
    m_pasteEnabled = QGuiApplication::clipboard()->text().left(6) == BlockText::Token;
    emit pasteEnabledChanged(m_pasteEnabled);
}

void DesignEditor::copyOrCut(bool cut)
{
    if (m_floating.frame() != FloatingBlock::Frame::Selection)
        return;
    QGuiApplication::clipboard()->setText(m_floating.block().format());
    if (!cut)
        return;
    // The frame goes first, so the tool change places nothing: the block is gone.
    m_floating.clear();
    changeTool(ToolKind::Selection);
}

void DesignEditor::cut() { copyOrCut(true); }

void DesignEditor::copy() { copyOrCut(false); }

void DesignEditor::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.left(6) != BlockText::Token)
        return;
    // Checked before anything moves, so a malformed text changes nothing.
    BlockText block;
    if (!run([&] { block = BlockText::parse(text); }))
        return;
    changeTool(ToolKind::Selection);
    m_floating.show(FloatingBlock::Frame::Selection, block, QPoint(0, 0));
    updateOverlay();
}

// ---------------------------------------------------------------- history

void DesignEditor::makeLog(const QString &name)
{
    m_runner.run(m_window, [&] {
        m_history.makeLog(name, m_design);
        Recovery::writeSideFile(m_history, m_design);
    });
}

void DesignEditor::writeRecovery()
{
    m_runner.run(m_window, [&] { Recovery::writeSideFile(m_history, m_design); });
}

void DesignEditor::restoreHistory(const std::function<void()> &restore)
{
    if (m_runner.run(m_window, restore)) {
        refreshPicture();
        writeRecovery();
    }
    // Also after a failure: the list shows the entry that is still current.
    emit historyChanged();
}

void DesignEditor::selectHistoryEntry(int index)
{
    restoreHistory([&] { m_history.select(index, m_design); });
}

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

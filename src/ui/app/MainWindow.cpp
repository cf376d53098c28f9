#include "ui/app/MainWindow.h"

#include "core/Texts.h"
#include "core/settings/AppPaths.h"
#include "core/shell/FileAssociation.h"
#include "ui/app/CommandSet.h"
#include "ui/app/FileCommands.h"
#include "ui/app/HistoryControl.h"
#include "ui/app/ToolBarArea.h"
#include "ui/app/ToolBarPanel.h"
#include "ui/common/AppFonts.h"
#include "ui/common/Prompter.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/DesignEditor.h"
#include "ui/editing/NumberView.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/ReplaceDialog.h"
#include "ui/editing/RotateMoveWindow.h"
#include "ui/editing/SizeDialog.h"
#include "ui/editing/ToolBox.h"
#include "ui/editing/WorkArea.h"
#include "ui/palette/PaletteEditor.h"
#include "ui/plan/CollectionPlanWindow.h"
#include "ui/print/PrintDialog.h"
#include "ui/scan/ImageScanWindow.h"
#include "ui/shell/AboutBox.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/OptionsDialog.h"
#include "ui/shell/PictureCheckWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tessell {

namespace {
const QString kViewSection = QStringLiteral("view");
const QString kZoomKey = QStringLiteral("zoom");

constexpr int ClientWidth = 1024;
constexpr int ClientHeight = 690;

// A layout without margins filling a tool bar's body.
QHBoxLayout *barLayout(ToolBarPanel *bar, const QMargins &margins, int spacing = -1)
{
    auto *l = new QHBoxLayout(bar->body());
    l->setContentsMargins(margins);
    if (spacing >= 0)
        l->setSpacing(spacing);
    return l;
}
} // namespace

MainWindow::MainWindow(Prompter &prompter, const QString &historyDir, QWidget *parent)
    : QWidget(parent), m_prompter(prompter), m_runner(prompter), m_store(AppPaths::dataFile()),
      m_firstStart(!m_store.exists()), m_history(historyDir)
{
    AppFonts::install();
    setObjectName(QStringLiteral("mainWindow"));
    setAcceptDrops(true);
    setMaximumSize(1036, 780);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    outer->addWidget(m_scroll);
    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setMinimumSize(ClientWidth, ClientHeight);
    m_scroll->setWidget(m_client);
    m_client->installEventFilter(this);

    m_area = new ToolBarArea(m_client);
    m_area->resize(ClientWidth, m_area->height());
    m_area->installEventFilter(this);
    m_commands = new CommandSet(this);

    auto *paletteBar = new PaletteBar(toolBar(ToolBarArea::PaletteBarIndex)->body());
    barLayout(toolBar(ToolBarArea::PaletteBarIndex), {})->addWidget(paletteBar);
    auto *toolBox = new ToolBox(toolBar(ToolBarArea::ToolBoxBar)->body());
    barLayout(toolBar(ToolBarArea::ToolBoxBar), {0, 1, 0, 2})->addWidget(toolBox);
    auto *countBar = new CountBar(m_client);
    m_work = new WorkArea(m_client);
    m_work->pictureHolder()->installEventFilter(this);
    m_editor = std::make_unique<DesignEditor>(
        m_design, m_history, m_store, m_prompter, m_runner,
        DesignEditor::Parts{this, m_client, m_work->pictureHolder(), toolBox, paletteBar, countBar});
    m_work->setPicture(m_editor->pictureView());
    m_editor->numberView()->raise();
    m_files = std::make_unique<FileCommands>(m_design, m_history, *m_editor, m_store, m_prompter, m_runner, this);
    buildStatusBars();
    m_historyControl = new HistoryControl(toolBar(ToolBarArea::StandardBar)->body());
    m_commands->buildStandardBar(toolBar(ToolBarArea::StandardBar)->body(), m_historyControl);
    m_commands->buildMenuBar(toolBar(ToolBarArea::MenuBar)->body(), m_area->toolBarMenu(), m_files->recentMenu());
    connectCommands();

    readIni(false);
    m_editor->pictureView()->setZoom(m_store.readInteger(kViewSection, kZoomKey, 100));
    m_built = true;
    m_editor->updatePasteEnabled();
    m_files->newDesign(false);
    resize(ClientWidth, ClientHeight);
    fitScreen(screen() ? screen()->geometry().height() : 0);
    controlBar1Resize();
}

void MainWindow::fitScreen(int screenHeight)
{
    // Lower screens were asked about before the window was made; the window
    // scrolls there.
    setMinimumSize(screenHeight > 768 ? QSize(1024, 768) : QSize(0, 0));
    if (screenHeight == 768)
        setWindowState(windowState() | Qt::WindowMaximized);
}

MainWindow::~MainWindow() = default;

ToolBarPanel *MainWindow::toolBar(int index) const { return m_area->bar(index); }

void MainWindow::buildStatusBars()
{
    // Status panel: the status text and the progress bar.
    ToolBarPanel *statusBar = toolBar(ToolBarArea::StatusBar);
    QHBoxLayout *statusLayout = barLayout(statusBar, {0, 2, 0, 3}, 2);
    m_status = new QLabel(texts::ready(), statusBar->body());
    m_status->setObjectName(QStringLiteral("PanelState"));
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status->setFixedSize(121, 20);
    m_status->setFont(AppFonts::ui(13));
    m_progress = new QProgressBar(statusBar->body());
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setFixedSize(180, 20);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    statusLayout->addWidget(m_status);
    statusLayout->addWidget(m_progress);
    statusLayout->addStretch();

    // Place indicator.
    ToolBarPanel *placeBar = toolBar(ToolBarArea::PlaceBar);
    m_place = new QLabel(placeBar->body());
    m_place->setObjectName(QStringLiteral("PanelPlace"));
    m_place->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_place->setFixedSize(194, 46);
    m_place->setAlignment(Qt::AlignCenter);
    m_place->setFont(AppFonts::ui(27, true));
    m_place->setText(tr("1列-1行:0"));
    barLayout(placeBar, {0, 2, 1, 2})->addWidget(m_place);
}

void MainWindow::connectCommands()
{
    using C = Command;
    DesignEditor *e = m_editor.get();
    m_commands->connectEditing(*e, *m_files, m_history, m_historyControl);
    const auto on = [this](C c, auto *receiver, auto slot) {
        connect(m_commands->action(c), &QAction::triggered, receiver, slot);
    };
    on(C::Print, this, &MainWindow::print);
    on(C::Exit, this, &QWidget::close);
    on(C::RotateMove, this, &MainWindow::rotateMove);
    on(C::Replace, this, &MainWindow::replaceNumbers);
    on(C::CanvasSize, this, &MainWindow::changeCanvasSize);
    on(C::PictureCheck, this, &MainWindow::pictureCheck);
    on(C::ZoomIn, m_work, [this] { m_work->zoomBy(1); });
    on(C::ZoomOut, m_work, [this] { m_work->zoomBy(-1); });
    on(C::ZoomReset, m_work, [this] { m_work->zoomPicture(100); });
    connect(m_work, &WorkArea::zoomChanged, this,
            [this](int percent) { m_store.writeInteger(kViewSection, kZoomKey, percent); });
    on(C::PaletteEditor, this, &MainWindow::paletteEditor);
    on(C::ImageScan, this, &MainWindow::imageScan);
    on(C::CollectionPlan, this, &MainWindow::collectionPlan);
    on(C::Options, this, &MainWindow::options);
    on(C::Help, this, [this] { showHelp(0); });
    on(C::About, this, &MainWindow::about);

    connect(e, &DesignEditor::statusChanged, this, &MainWindow::setStatus);
    connect(e, &DesignEditor::progressChanged, this, [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
    });
    connect(e, &DesignEditor::placeChanged, m_place, &QLabel::setText);
    connect(e, &DesignEditor::viewChanged, m_work, &QWidget::setVisible);
    connect(e, &DesignEditor::pictureResized, this, &MainWindow::controlBar1Resize);
    // Every window's F1 reaches the help through the editor, its host.
    connect(e, &DesignEditor::helpRequested, this, &MainWindow::showHelp);
    connect(e, &DesignEditor::selectionFrameChanged, this, [this] {
        if (m_replaceDialog)
            m_replaceDialog->autoEnter();
    });
    connect(m_files.get(), &FileCommands::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_area, &ToolBarArea::heightChanged, this, &MainWindow::controlBar1Resize);
}

// ---------------------------------------------------------------- displays

QString MainWindow::statusText() const { return m_status->text(); }

QString MainWindow::placeText() const { return m_place->text(); }

void MainWindow::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->repaint();
}

void MainWindow::openCommandLine(const QStringList &arguments) { m_files->openCommandLine(arguments); }

// ---------------------------------------------------------------- layout and tool bars

void MainWindow::controlBar1Resize()
{
    if (!m_built)
        return;
    const int w = m_client->width();
    const int h = m_client->height();
    m_area->setGeometry(0, 0, w, m_area->height());
    const int barH = m_area->height();
    CountBar *countBar = m_editor->countBar();
    const int countH = countBar->height();
    countBar->setGeometry(0, h - countH, w, countH);
    m_editor->numberView()->setGeometry(16, barH + 15, 993, qMax(0, h - barH - countH - 30));
    m_work->setGeometry(0, barH, w, qMax(0, h - barH - countH));
    // The active tool is chosen again over the moved picture.
    m_editor->reselectTool();
}

void MainWindow::readIni(bool reset)
{
    m_area->readIni(m_store, reset);
    controlBar1Resize();
}

void MainWindow::writeIni() { m_area->writeIni(m_store); }

// ---------------------------------------------------------------- windows

void MainWindow::showHelp(int topic)
{
    if (!m_help) {
        m_help = new HelpWindow(this);
        connect(m_help, &HelpWindow::failed, this, [this](const QString &text) { m_runner.showError(this, text); });
    }
    m_runner.run(this, [&] { m_help->showTopic(topic); });
}

void MainWindow::pictureCheck()
{
    if (m_editor->listcheck())
        return;
    PictureCheckWindow window(*m_editor, this);
    window.exec();
}

void MainWindow::print()
{
    if (m_editor->listcheck())
        return;
    PrintDialog dialog(*m_editor, this);
    dialog.exec();
}

void MainWindow::rotateMove()
{
    if (m_rotateMoveWindow)
        return;
    m_rotateMoveWindow = new RotateMoveWindow(*m_editor, this);
    m_rotateMoveWindow->show();
}

void MainWindow::replaceNumbers()
{
    if (m_replaceDialog)
        return;
    m_replaceDialog = new ReplaceDialog(*m_editor, this);
    m_replaceDialog->show();
}

void MainWindow::changeCanvasSize()
{
    SizeDialog dialog(m_store, m_prompter, this);
    dialog.exec();
    if (!dialog.cancelled())
        m_editor->resizeCanvas(dialog.columns(), dialog.rows());
}

void MainWindow::paletteEditor()
{
    PaletteEditor window(*m_editor, this);
    window.exec();
    m_editor->changeSetting(true);
}

void MainWindow::imageScan()
{
    ImageScanWindow window(*m_editor, this);
    window.exec();
    // Colours chosen from the picture are applied as the palette editor's are.
    if (window.paletteChosen())
        m_editor->changeSetting(true);
}

void MainWindow::collectionPlan()
{
    // Counted as the class pages count, after the same check.
    if (m_editor->listcheck())
        return;
    CollectionPlanWindow window(*m_editor, this);
    window.exec();
}

void MainWindow::options()
{
    FileAssociation association;
    const auto resetToolBars = [this] {
        // Twice in a row, as the reset has always run; the second run finds
        // every bar in its place already.
        readIni(true);
        readIni(true);
    };
    OptionsDialog dialog(*m_editor, association, resetToolBars, this);
    dialog.exec();
}
void MainWindow::about()
{
    AboutBox box(this);
    box.exec();
}

// ---------------------------------------------------------------- window events

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_files->checkModify()) {
        event->ignore();
        return;
    }
    writeIni();
    m_history.delHistory();
    if (m_replaceDialog)
        m_replaceDialog->close();
    if (m_rotateMoveWindow)
        m_rotateMoveWindow->close();
    m_editor->shutDown();
    for (ToolBarPanel *bar : m_area->panels())
        if (bar->floatingWindow())
            bar->floatingWindow()->hide();
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    for (ToolBarPanel *bar : m_area->panels())
        bar->applyVisibility();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QString first;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            first = url.toLocalFile();
            break;
        }
    if (first.isEmpty())
        return;
    event->acceptProposedAction();
    // The question may open a modal box; it waits until the drag has finished.
    QMetaObject::invokeMethod(this, [this, first] { m_files->openDroppedFile(first); }, Qt::QueuedConnection);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == m_client || watched == m_area || watched == m_work->widget())) {
        m_files->openDesign();
        return true;
    }
    if (event->type() == QEvent::Resize && watched == m_client)
        controlBar1Resize();
    return QWidget::eventFilter(watched, event);
}

} // namespace tessell

#include "ui/app/MainWindow.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/ArrangementImport.h"
#include "core/document/DesignFile.h"
#include "core/document/TextFile.h"
#include "core/editing/CellGeometry.h"
#include "core/render/TileRenderer.h"
#include "core/settings/AppPaths.h"
#include "ui/app/AppFonts.h"
#include "ui/app/HistoryControl.h"
#include "ui/app/Icons.h"
#include "ui/app/Prompter.h"
#include "ui/app/ToolBarArea.h"
#include "ui/app/ToolBarPanel.h"
#include "core/editing/TextToCells.h"
#include "ui/editing/BucketTool.h"
#include "ui/editing/CountBar.h"
#include "ui/editing/NumberDirectEdit.h"
#include "ui/editing/ReplaceDialog.h"
#include "ui/editing/RotateMoveWindow.h"
#include "ui/editing/SelectionTool.h"
#include "ui/editing/ShapeTool.h"
#include "ui/editing/TextDialog.h"
#include "ui/editing/TextTool.h"
#include "ui/editing/NumberView.h"
#include "ui/editing/PaletteBar.h"
#include "ui/editing/PenTool.h"
#include "ui/editing/PictureView.h"
#include "ui/editing/SizeDialog.h"
#include "ui/editing/ToolBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QScrollArea>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tessell {

namespace {
struct BarInfo {
    const char *caption;
    QSize size;
    bool dockable;
};
const BarInfo kBars[MainWindow::BarCount] = {
    {QT_TRANSLATE_NOOP("tessell::MainWindow", "メニュー"), QSize(290, 25), false},
    {QT_TRANSLATE_NOOP("tessell::MainWindow", "標準"), QSize(406, 25), true},
    {QT_TRANSLATE_NOOP("tessell::MainWindow", "場所"), QSize(195, 50), true},
    {QT_TRANSLATE_NOOP("tessell::MainWindow", "ステータス"), QSize(307, 25), true},
    {QT_TRANSLATE_NOOP("tessell::MainWindow", "パレット"), QSize(789, 50), true},
    {QT_TRANSLATE_NOOP("tessell::MainWindow", "ツールボックス"), QSize(203, 25), true},
};
// Item n is the default left of bar n, item n + 8 its default top.
const int kDefaultPlaces[16] = {11, 11, 813, 646, 11, 430, 0, 0, 2, 31, 60, 31, 60, 31, 0, 0};

constexpr int ClientWidth = 1024;
constexpr int ClientHeight = 690;

QString section(int bar) { return QStringLiteral("ToolBar%1").arg(bar); }

QFrame *separator(QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    f->setFixedSize(5, 20);
    return f;
}

QList<Prompter::Filter> designFilters(const QString &all)
{
    return {{QCoreApplication::translate("tessell::MainWindow", "Tessell ファイル(*.tsl)"), {QStringLiteral("*.tsl")}},
            {all, {QStringLiteral("*.*")}}};
}
} // namespace

MainWindow::MainWindow(Prompter &prompter, const QString &historyDir, QWidget *parent)
    : QWidget(parent), m_prompter(prompter), m_runner(prompter), m_store(AppPaths::dataFile()),
      m_history(historyDir), m_renderer(std::make_unique<TileRenderer>(m_design.palette()))
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
    m_area->setContextMenuPolicy(Qt::CustomContextMenu);

    m_picture = new PictureView(m_client);
    m_picture->setObjectName(QStringLiteral("pictureView"));
    m_number = new NumberView(m_design, m_client);
    m_number->setObjectName(QStringLiteral("numberView"));
    m_number->hide();
    m_number->setCursor(Icons::penCursor());
    m_countBar = new CountBar(m_client);

    buildToolBars();
    buildMenus();

    m_penTool = new PenTool(*this, this);
    m_toolBox->registerTool(ToolKind::Pen, m_penTool);
    m_picture->setTool(m_penTool);
    m_selectionTool = new SelectionTool(*this, m_floating, this);
    m_toolBox->registerTool(ToolKind::Selection, m_selectionTool);
    m_bucketTool = new BucketTool(*this, this);
    m_toolBox->registerTool(ToolKind::Bucket, m_bucketTool);
    const ToolKind shapeKinds[3] = {ToolKind::Line, ToolKind::Rectangle, ToolKind::Ellipse};
    for (int i = 0; i < 3; ++i) {
        m_shapeTools[i] = new ShapeTool(*this, ShapeKind(i), this);
        m_toolBox->registerTool(shapeKinds[i], m_shapeTools[i]);
    }
    m_textTool = new TextTool(*this, m_floating, this);
    m_toolBox->registerTool(ToolKind::Text, m_textTool);
    m_directEdit = new NumberDirectEdit(*m_number, *this, this);

    connect(m_selectionTool, &SelectionTool::restartRequested, this, [this] { changeTool(ToolKind::Selection); });
    connect(m_selectionTool, &SelectionTool::lifted, this, [this] { setCutCopyEnabled(true); });
    connect(m_selectionTool, &SelectionTool::frameChanged, this, [this] {
        if (m_replaceDialog)
            m_replaceDialog->autoEnter();
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updatePasteEnabled);

    connect(m_area, &ToolBarArea::heightChanged, this, &MainWindow::controlBar1Resize);
    connect(m_area, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_contextMenu->popup(m_area->mapToGlobal(pos)); });
    connect(&m_history, &History::changed, this, &MainWindow::historyChanged);
    connect(&m_design, &Design::paletteChanged, this,
            [this] { m_renderer = std::make_unique<TileRenderer>(m_design.palette()); });
    connect(m_paletteBar, &PaletteBar::numberChosen, this, &MainWindow::selectNumber);
    connect(m_toolBox, &ToolBox::toolChosen, this, &MainWindow::changeTool);
    connect(m_number, &NumberView::cellSelected, this, [this](const QPoint &cell) { showPlace(cell, true); });
    connect(m_historyControl, &HistoryControl::entryChosen, this, &MainWindow::selectHistoryEntry);

    readIni(false);
    m_built = true;
    updatePasteEnabled();
    newDesign(false);
    resize(ClientWidth, ClientHeight);
    controlBar1Resize();
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------- building

void MainWindow::buildToolBars()
{
    for (int n = 0; n < BarCount; ++n) {
        m_bars[n] = new ToolBarPanel(n, tr(kBars[n].caption), kBars[n].size, kBars[n].dockable, m_area);
        connect(m_bars[n], &ToolBarPanel::visibilityChanged, this, &MainWindow::updateToolBarChecks);
    }

    // Status panel: the status text and the progress bar.
    auto *statusLayout = new QHBoxLayout(m_bars[StatusBar]->body());
    statusLayout->setContentsMargins(0, 2, 0, 3);
    statusLayout->setSpacing(2);
    m_status = new QLabel(texts::ready(), m_bars[StatusBar]->body());
    m_status->setObjectName(QStringLiteral("PanelState"));
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_status->setFixedSize(121, 20);
    QFont sf(QStringLiteral("ＭＳ Ｐゴシック"));
    sf.setPixelSize(13);
    m_status->setFont(sf);
    m_progress = new QProgressBar(m_bars[StatusBar]->body());
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setFixedSize(180, 20);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    statusLayout->addWidget(m_status);
    statusLayout->addWidget(m_progress);
    statusLayout->addStretch();

    // Place indicator.
    auto *placeLayout = new QHBoxLayout(m_bars[PlaceBar]->body());
    placeLayout->setContentsMargins(0, 2, 1, 2);
    m_place = new QLabel(m_bars[PlaceBar]->body());
    m_place->setObjectName(QStringLiteral("PanelPlace"));
    m_place->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_place->setFixedSize(194, 46);
    m_place->setAlignment(Qt::AlignCenter);
    QFont pf(QStringLiteral("ＭＳ Ｐゴシック"));
    pf.setPixelSize(27);
    pf.setBold(true);
    m_place->setFont(pf);
    m_place->setText(tr("1列-1行:0"));
    placeLayout->addWidget(m_place);

    auto *paletteLayout = new QHBoxLayout(m_bars[PaletteBarIndex]->body());
    paletteLayout->setContentsMargins(0, 0, 0, 0);
    m_paletteBar = new PaletteBar(m_bars[PaletteBarIndex]->body());
    paletteLayout->addWidget(m_paletteBar);

    auto *toolLayout = new QHBoxLayout(m_bars[ToolBoxBar]->body());
    toolLayout->setContentsMargins(0, 1, 0, 2);
    m_toolBox = new ToolBox(m_bars[ToolBoxBar]->body());
    toolLayout->addWidget(m_toolBox);

    buildStandardBar(m_bars[StandardBar]->body());
}

QToolButton *MainWindow::makeCommandButton(QWidget *body, const QString &hint, const QIcon &icon,
                                           void (MainWindow::*slot)())
{
    auto *b = new QToolButton(body);
    b->setToolTip(hint);
    b->setIcon(icon);
    b->setAutoRaise(true);
    b->setFixedSize(22, 22);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, slot);
    m_commandButtons.append(b);
    return b;
}

void MainWindow::buildStandardBar(QWidget *body)
{
    using C = Icons::Command;
    auto *l = new QHBoxLayout(body);
    l->setContentsMargins(0, 1, 0, 2);
    l->setSpacing(0);
    l->addWidget(makeCommandButton(body, tr("初期設定"), Icons::command(C::New), &MainWindow::newCommand));
    l->addWidget(makeCommandButton(body, tr("開く"), Icons::command(C::Open), &MainWindow::openDesign));
    l->addWidget(makeCommandButton(body, tr("保存"), Icons::command(C::Save), &MainWindow::saveDesign));
    l->addWidget(separator(body));
    l->addWidget(makeCommandButton(body, tr("印刷"), Icons::command(C::Print), &MainWindow::print));
    l->addWidget(separator(body));
    l->addWidget(makeCommandButton(body, tr("貼り付け"), Icons::command(C::Paste), &MainWindow::paste));
    l->addWidget(makeCommandButton(body, tr("コピー"), Icons::command(C::Copy), &MainWindow::copy));
    l->addWidget(makeCommandButton(body, tr("切り取り"), Icons::command(C::Cut), &MainWindow::cut));
    l->addWidget(separator(body));
    l->addWidget(makeCommandButton(body, tr("元に戻す"), Icons::command(C::Undo), &MainWindow::undo));
    m_historyControl = new HistoryControl(body);
    l->addWidget(m_historyControl);
    l->addWidget(makeCommandButton(body, tr("繰り返し"), Icons::command(C::Redo), &MainWindow::redo));
    l->addWidget(separator(body));
    l->addWidget(makeCommandButton(body, tr("編集画面"), Icons::command(C::SwitchView), &MainWindow::toggleView));
    l->addWidget(makeCommandButton(body, tr("ピクチャー更新"), Icons::command(C::Refresh),
                                   &MainWindow::refreshPictureCommand));
    l->addWidget(
        makeCommandButton(body, tr("画像確認"), Icons::command(C::PictureCheck), &MainWindow::pictureCheck));
    l->addStretch();
}

QAction *MainWindow::makeAction(const QString &name, const QString &text, const QKeySequence &shortcut,
                                void (MainWindow::*slot)())
{
    auto *a = new QAction(text, this);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        // The menu is no window menu: the shortcuts must work from any of the
        // program's windows that is not blocked by a modal one.
        a->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    addAction(a);
    return a;
}

void MainWindow::buildMenus()
{
    auto *fileMenu = new QMenu(this);
    fileMenu->addAction(makeAction(QStringLiteral("New1"), tr("新規作成(&N)"), {}, &MainWindow::newCommand));
    fileMenu->addAction(
        makeAction(QStringLiteral("Open1"), tr("開く(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openDesign));
    fileMenu->addAction(
        makeAction(QStringLiteral("OpenList1"), tr("配列ファイルを開く(&L)"), {}, &MainWindow::importArrangement));
    fileMenu->addAction(makeAction(QStringLiteral("Save1"), tr("上書き保存(&A)"), QKeySequence(Qt::CTRL | Qt::Key_S),
                                   &MainWindow::saveDesign));
    fileMenu->addAction(
        makeAction(QStringLiteral("SaveAs1"), tr("名前を付けて保存(&S)"), {}, &MainWindow::saveDesignAs));
    fileMenu->addAction(
        makeAction(QStringLiteral("Print1"), tr("印刷(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::print));
    fileMenu->addSeparator();
    QAction *exit = makeAction(QStringLiteral("Exit1"), tr("終了(&X)"), {}, nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    fileMenu->addAction(exit);

    auto *editMenu = new QMenu(this);
    editMenu->addAction(makeAction(QStringLiteral("Undo1"), tr("元に戻す(&U)"), {}, &MainWindow::undo));
    editMenu->addAction(makeAction(QStringLiteral("Redo1"), tr("繰り返し(&R)"), {}, &MainWindow::redo));
    editMenu->addAction(makeAction(QStringLiteral("ClearHistory1"), tr("ヒストリー削除(&H)"), {}, &MainWindow::clearHistory));
    editMenu->addSeparator();
    editMenu->addAction(makeAction(QStringLiteral("Cut1"), tr("切り取り(&T)"), {}, &MainWindow::cut));
    editMenu->addAction(makeAction(QStringLiteral("Copy1"), tr("コピー(&C)"), {}, &MainWindow::copy));
    editMenu->addAction(makeAction(QStringLiteral("Paste1"), tr("貼り付け(&P)"), {}, &MainWindow::paste));
    editMenu->addSeparator();
    editMenu->addAction(makeAction(QStringLiteral("RotateMove1"), tr("回転・移動"), {}, &MainWindow::rotateMove));
    editMenu->addSeparator();
    editMenu->addAction(makeAction(QStringLiteral("Replace1"), tr("置換(&L)"), {}, &MainWindow::replaceNumbers));
    editMenu->addAction(
        makeAction(QStringLiteral("Size1"), tr("キャンバス大きさ変更(&S)"), {}, &MainWindow::changeCanvasSize));

    // The tool bar items, shared by the view menu and the area's context menu
    // so that both show the same check marks.
    const struct {
        int bar;
        const char *text;
    } barItems[] = {{StandardBar, QT_TR_NOOP("標準(&D)")},
                    {PaletteBarIndex, QT_TR_NOOP("パレット(&P)")},
                    {ToolBoxBar, QT_TR_NOOP("ツールボックス(&T)")},
                    {StatusBar, QT_TR_NOOP("ステータス(&S)")},
                    {PlaceBar, QT_TR_NOOP("場所(&L)")}};
    m_toolBarMenu = new QMenu(tr("ツールバー(&T)"), this);
    m_contextMenu = new QMenu(this);
    for (const auto &item : barItems) {
        auto *a = new QAction(tr(item.text), this);
        a->setObjectName(QStringLiteral("ToolBarItem%1").arg(item.bar));
        a->setCheckable(true);
        a->setChecked(true);
        const int bar = item.bar;
        connect(a, &QAction::triggered, this, [this, bar] { toggleToolBar(bar); });
        m_toolBarActions[bar] = a;
        m_toolBarMenu->addAction(a);
        m_contextMenu->addAction(a);
    }
    connect(m_toolBarMenu, &QMenu::aboutToShow, this, &MainWindow::updateToolBarChecks);
    connect(m_contextMenu, &QMenu::aboutToShow, this, &MainWindow::updateToolBarChecks);

    auto *viewMenu = new QMenu(this);
    viewMenu->addMenu(m_toolBarMenu);
    auto *workMenu = viewMenu->addMenu(tr("編集画面(&W)"));
    QAction *pictureItem = makeAction(QStringLiteral("Picture1"), tr("ピクチャー(&P)"), {}, &MainWindow::showPictureView);
    QAction *numberItem = makeAction(QStringLiteral("Number8"), tr("数字(&N)"), {}, &MainWindow::showNumberView);
    pictureItem->setCheckable(true);
    numberItem->setCheckable(true);
    pictureItem->setChecked(true);
    workMenu->addAction(pictureItem);
    workMenu->addAction(numberItem);
    viewMenu->addSeparator();
    viewMenu->addAction(makeAction(QStringLiteral("ReFlesh1"), tr("ピクチャーの更新(&R)"),
                                   QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::refreshPictureCommand));
    viewMenu->addAction(makeAction(QStringLiteral("PictureCheck1"), tr("画像確認(&C)"),
                                   QKeySequence(Qt::CTRL | Qt::Key_C), &MainWindow::pictureCheck));

    auto *toolsMenu = new QMenu(this);
    toolsMenu->addAction(makeAction(QStringLiteral("PaletteEditor1"), tr("パレットエディタ(&E)"), {}, &MainWindow::paletteEditor));
    toolsMenu->addAction(makeAction(QStringLiteral("ImageScan1"), tr("イメージスキャン(&I)"), {}, &MainWindow::imageScan));
    toolsMenu->addAction(makeAction(QStringLiteral("Option1"), tr("オプション(&O)"), {}, &MainWindow::options));

    auto *helpMenu = new QMenu(this);
    helpMenu->addAction(makeAction(QStringLiteral("Help1"), tr("ヘルプ(&H)"), QKeySequence(Qt::Key_F1), &MainWindow::showHelp));
    helpMenu->addAction(makeAction(QStringLiteral("About1"), tr("バージョン情報(&V)"), {}, &MainWindow::about));

    // The menu bar: five buttons that drop the menus down.
    auto *l = new QHBoxLayout(m_bars[MenuBar]->body());
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    const std::pair<const char *, QMenu *> tops[] = {{QT_TR_NOOP("ファイル(&F)"), fileMenu},
                                                     {QT_TR_NOOP("編集(&E)"), editMenu},
                                                     {QT_TR_NOOP("表示(&V)"), viewMenu},
                                                     {QT_TR_NOOP("ツール(&T)"), toolsMenu},
                                                     {QT_TR_NOOP("ヘルプ(&H)"), helpMenu}};
    int i = 0;
    for (const auto &[text, menu] : tops) {
        auto *b = new QToolButton(m_bars[MenuBar]->body());
        b->setObjectName(QStringLiteral("menuButton%1").arg(i++));
        b->setText(tr(text));
        b->setMenu(menu);
        b->setPopupMode(QToolButton::InstantPopup);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setAutoRaise(true);
        b->setFixedHeight(23);
        b->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
        l->addWidget(b);
    }
    l->addStretch();

    setCutCopyEnabled(false);
    action(QStringLiteral("Paste1"))->setEnabled(false);
    commandButton(tr("貼り付け"))->setEnabled(false);
}

QAction *MainWindow::action(const QString &name) const { return findChild<QAction *>(name); }

QToolButton *MainWindow::commandButton(const QString &hint) const
{
    for (QToolButton *b : m_commandButtons)
        if (b->toolTip() == hint)
            return b;
    return nullptr;
}

// ---------------------------------------------------------------- displays

QString MainWindow::statusText() const { return m_status->text(); }

QString MainWindow::placeText() const { return m_place->text(); }

void MainWindow::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->repaint();
}

void MainWindow::setTitle()
{
    const QString name = m_design.fileName();
    setWindowTitle(name.isEmpty() ? CommandRunner::title()
                                  : QStringLiteral("%1 - [%2]").arg(CommandRunner::title(), name));
}

void MainWindow::showPlace(const QPoint &cell, bool full)
{
    if (!m_design.grid().contains(cell.x(), cell.y()))
        return;
    QString text = tr("%1列-%2行").arg(cell.x() + 1).arg(cell.y() + 1);
    if (full)
        text += QLatin1Char(':') + m_design.cell(cell.x(), cell.y());
    m_place->setText(text);
}

void MainWindow::processEvents() { QCoreApplication::processEvents(); }

void MainWindow::updateOverlay() { m_picture->update(); }

int MainWindow::penWidth() const { return m_toolBox->penWidth(); }

QSize MainWindow::pictureSize() const { return CellGeometry::pictureSize(m_design.columns(), m_design.rows()); }

void MainWindow::reCount() { m_countBar->setCounts(m_design.reCount()); }

void MainWindow::selectNumber(int number)
{
    m_currentNumber = number & 15;
    m_countBar->setCurrent(m_currentNumber);
    m_paletteBar->setCurrent(m_currentNumber);
    if (m_textDialog)
        enterWord();
}

void MainWindow::setCutCopyEnabled(bool enabled)
{
    action(QStringLiteral("Cut1"))->setEnabled(enabled);
    action(QStringLiteral("Copy1"))->setEnabled(enabled);
    commandButton(tr("切り取り"))->setEnabled(enabled);
    commandButton(tr("コピー"))->setEnabled(enabled);
}

// ---------------------------------------------------------------- picture

void MainWindow::drawCells(const QRect &cells)
{
    m_renderer->drawCells(m_picture->image(), m_design.grid(), cells);
    const QRect area = cells.intersected(QRect(0, 0, m_design.columns(), m_design.rows()));
    if (!area.isEmpty())
        m_picture->update(QRect(CellGeometry::tileOrigin(area.left(), area.top()),
                                CellGeometry::tileOrigin(area.right() + 1, area.bottom() + 1)));
}

bool MainWindow::listcheck()
{
    const std::optional<QPoint> bad = m_design.listcheck();
    setStatus(texts::ready());
    if (!bad)
        return false;
    m_number->setCurrentCell(*bad);
    setNumberViewVisible(true);
    m_prompter.message(this, CommandRunner::title(), texts::errorFound(), Prompter::Icon::None);
    return true;
}

bool MainWindow::refreshPicture()
{
    if (listcheck())
        return false;
    if (!m_pictureShown)
        return true;
    m_progress->setMaximum(qMax(1, m_design.rows()));
    setStatus(tr("画像更新中"));
    QCoreApplication::processEvents();
    const QImage image = m_renderer->renderPicture(m_design.grid(), [this](int done, int) { m_progress->setValue(done); });
    m_progress->setValue(0);
    const bool resized = image.size() != m_picture->image().size();
    m_picture->setImage(image);
    if (resized)
        controlBar1Resize();
    setStatus(texts::ready());
    reCount();
    return true;
}

void MainWindow::refreshPictureCommand() { refreshPicture(); }

void MainWindow::setNumberViewVisible(bool numbers)
{
    m_pictureShown = !numbers;
    m_number->setVisible(numbers);
    m_picture->setVisible(!numbers);
    action(QStringLiteral("Picture1"))->setChecked(!numbers);
    action(QStringLiteral("Number8"))->setChecked(numbers);
    if (numbers)
        m_number->setFocus();
}

void MainWindow::showPictureView()
{
    setNumberViewVisible(false);
    m_toolBox->setEnabled(true);
    refreshPicture();
}

void MainWindow::showNumberView()
{
    changeTool(ToolKind::Pen);
    setNumberViewVisible(true);
    m_toolBox->setEnabled(false);
}

void MainWindow::toggleView()
{
    if (m_pictureShown)
        showNumberView();
    else
        showPictureView();
}

// ---------------------------------------------------------------- layout and tools

void MainWindow::controlBar1Resize()
{
    if (!m_built)
        return;
    const int w = m_client->width();
    const int h = m_client->height();
    m_area->setGeometry(0, 0, w, m_area->height());
    const int barH = m_area->height();
    const int countH = m_countBar->height();
    m_countBar->setGeometry(0, h - countH, w, countH);
    m_number->setGeometry(16, barH + 15, 993, qMax(0, h - barH - countH - 30));
    const QSize pic = m_picture->size();
    m_picture->move((w - pic.width()) / 2, barH + (h - pic.height() - barH - countH) / 2);
    // The active tool is chosen again over the moved picture; the text tool is
    // not among those kept, so its text is placed and the pen takes over.
    const ToolKind kind = m_toolBox->currentKind();
    changeTool(kind == ToolKind::Text ? ToolKind::Pen : kind);
}

void MainWindow::changeTool(ToolKind kind)
{
    if (Tool *old = m_picture->tool())
        old->deactivate();
    m_toolBox->setCurrent(kind);
    setCutCopyEnabled(false);
    m_toolBox->widthButton()->setEnabled(m_toolBox->usesWidth(kind));
    placeFloatingBlock();
    closeTextDialog();
    Tool *tool = m_toolBox->tool(kind);
    m_picture->setTool(tool);
    if (tool)
        tool->activate();
    reCount();
    if (kind == ToolKind::Text)
        openTextDialog();
}

void MainWindow::placeFloatingBlock()
{
    if (!m_floating.isShown())
        return;
    const FloatingBlock::Frame frame = m_floating.frame();
    const BlockText block = m_floating.block();
    const QPoint origin = m_floating.origin();
    m_floating.clear();
    QRect written;
    m_design.editCells(QRect(origin, QSize(block.width(), block.height())),
                       [&](CellGrid &grid) { written = block.place(grid, origin); });
    drawCells(written);
    m_picture->update();
    makeLog(frame == FloatingBlock::Frame::Text ? tr("文字入れ") : tr("範囲選択"));
}

void MainWindow::openTextDialog()
{
    m_toolBox->widthButton()->setEnabled(false);
    processEvents();
    if (m_textDialog)
        return;
    m_textDialog = new TextDialog(this);
    connect(m_textDialog, &TextDialog::textEdited, this, &MainWindow::enterWord);
    connect(m_textDialog, &TextDialog::fontRequested, this, &MainWindow::chooseTextFont);
    m_textDialog->show();
    // Typing goes straight into the text field.
    m_textDialog->activateWindow();
    m_textDialog->textField()->setFocus();
}

void MainWindow::closeTextDialog()
{
    if (m_textDialog)
        m_textDialog->release();
    m_textDialog = nullptr;
}

void MainWindow::chooseTextFont()
{
    if (!m_textDialog)
        return;
    const std::optional<QFont> font = m_prompter.chooseFont(m_textDialog, m_textDialog->chosenFont(), m_design.rows());
    if (!font || !m_textDialog)
        return;
    m_textDialog->setChosenFont(*font);
    enterWord();
}

void MainWindow::enterWord()
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

bool MainWindow::isPasteEnabled() const { return action(QStringLiteral("Paste1"))->isEnabled(); }

void MainWindow::updatePasteEnabled()
{
    const bool enabled = QGuiApplication::clipboard()->text().left(6) == BlockText::Token;
    action(QStringLiteral("Paste1"))->setEnabled(enabled);
    commandButton(tr("貼り付け"))->setEnabled(enabled);
}

void MainWindow::copyOrCut(bool cut)
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

void MainWindow::cut() { copyOrCut(true); }

void MainWindow::copy() { copyOrCut(false); }

void MainWindow::paste()
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

bool MainWindow::run(const std::function<void()> &command) { return m_runner.run(this, command); }

std::optional<QRect> MainWindow::selectionFrameCells() const
{
    const QRect cells = m_selectionTool->frameCells();
    if (cells.isEmpty() || m_toolBox->currentKind() != ToolKind::Selection)
        return std::nullopt;
    return cells;
}

void MainWindow::placeFloatingSelection() { changeTool(ToolKind::Selection); }

void MainWindow::changeSetting(bool paletteOnly)
{
    m_paletteBar->setPalette(m_design.palette());
    if (paletteOnly) {
        selectNumber(0);
        refreshPicture();
        return;
    }
    // A block floating over the old design is dropped: the re-layout below
    // would otherwise write it into the new or opened one.
    m_floating.clear();
    // A fresh picture of the new size: white with the empty grid lines.
    m_picture->setImage(m_renderer->renderPicture(CellGrid(m_design.columns(), m_design.rows(), QString())));
    controlBar1Resize();
    selectNumber(0);
}

// ---------------------------------------------------------------- history

void MainWindow::makeLog(const QString &name)
{
    m_runner.run(this, [&] { m_history.makeLog(name, m_design); });
}

void MainWindow::delHistory(const QString &name)
{
    if (name.isEmpty())
        m_history.delHistory();
    else
        m_runner.run(this, [&] { m_history.delHistory(name, m_design); });
}

void MainWindow::historyChanged()
{
    const bool canUndo = m_history.canUndo();
    const bool canRedo = m_history.canRedo();
    commandButton(tr("元に戻す"))->setEnabled(canUndo);
    commandButton(tr("繰り返し"))->setEnabled(canRedo);
    action(QStringLiteral("Undo1"))->setEnabled(canUndo);
    action(QStringLiteral("Redo1"))->setEnabled(canRedo);
    m_historyControl->setEntries(m_history.names(), m_history.currentIndex());
}

void MainWindow::selectHistoryEntry(int index)
{
    if (m_runner.run(this, [&] { m_history.select(index, m_design); }))
        refreshPicture();
    historyChanged();
}

void MainWindow::historyStep(int delta)
{
    const int target = m_history.currentIndex() + delta;
    if (target < 0 || target >= m_history.names().size())
        return;
    selectHistoryEntry(target);
}

void MainWindow::undo() { historyStep(-1); }

void MainWindow::redo() { historyStep(+1); }

void MainWindow::clearHistory() { delHistory(tr("ヒストリー削除")); }

// ---------------------------------------------------------------- file commands

void MainWindow::settleFloatingBlock()
{
    if (!m_floating.isShown())
        return;
    const ToolKind kind = m_toolBox->currentKind();
    changeTool(kind == ToolKind::Text ? ToolKind::Pen : kind);
}

bool MainWindow::checkModify()
{
    // A block still floating belongs to the design: it is placed before the
    // design is compared, saved or replaced, so lifted cells are never lost.
    settleFloatingBlock();
    if (!m_design.isModified())
        return false;
    const Prompter::Answer answer = m_prompter.question(
        this, tr("警告"), tr("ファイルが変更されています。\n保存しますか？"), Prompter::Icon::Warning,
        {Prompter::Answer::Yes, Prompter::Answer::No, Prompter::Answer::Cancel});
    bool cancelled = false;
    if (answer == Prompter::Answer::Yes)
        // Work that did not get saved is never thrown away: the asking command stops.
        cancelled = !save();
    else if (answer != Prompter::Answer::No)
        cancelled = true;
    QCoreApplication::processEvents();
    return cancelled;
}

bool MainWindow::newDesign(bool askSize)
{
    int columns = Design::DefaultColumns;
    int rows = Design::DefaultRows;
    if (askSize) {
        SizeDialog dialog(m_store, m_prompter, this);
        dialog.exec();
        if (dialog.cancelled())
            return false;
        columns = dialog.columns();
        rows = dialog.rows();
    }
    m_design.makeNew(columns, rows);
    changeSetting(false);
    m_design.changeFirstContent();
    makeLog(tr("新規作成"));
    m_design.setFileName(QString());
    setTitle();
    reCount();
    return true;
}

void MainWindow::newCommand()
{
    if (checkModify())
        return;
    delHistory();
    newDesign(true);
}

bool MainWindow::fileOpen(const QString &path)
{
    DesignFile::Contents contents;
    const bool read = m_runner.run(this, [&] {
        const QStringList lines = TextFile::readLines(path);
        setStatus(tr("配列の読み込み中"));
        QCoreApplication::processEvents();
        try {
            contents = DesignFile::parse(lines);
        } catch (const Error &) {
            setStatus(texts::ready());
            throw;
        }
    });
    if (!read)
        return false;
    DesignFile::apply(contents, m_design);
    m_design.setFileName(path);
    changeSetting(false);
    delHistory(tr("ファイルを開く"));
    m_design.changeFirstContent();
    refreshPicture();
    setTitle();
    return true;
}

void MainWindow::openDesign()
{
    if (checkModify())
        return;
    const QString path =
        m_prompter.openFileName(this, tr("ファイルを開く"), designFilters(tr("全てのファイル(*.*)")));
    if (!path.isEmpty())
        fileOpen(path);
}

void MainWindow::importArrangement()
{
    if (checkModify())
        return;
    const QString path = m_prompter.openFileName(
        this, tr("配列を開く"),
        {{tr("配列ファイル (*.csv)"), {QStringLiteral("*.csv")}},
         {tr("Tessell ファイル(*.tsl)"), {QStringLiteral("*.tsl")}},
         {tr("すべてのファイル (*.*)"), {QStringLiteral("*.*")}}});
    if (path.isEmpty())
        return;
    QStringList lines;
    if (!m_runner.run(this, [&] { lines = TextFile::readLines(path); }))
        return;
    setStatus(tr("配列の読み込み中"));
    QCoreApplication::processEvents();
    ArrangementImport::apply(lines, m_design);
    makeLog(tr("配列を開く"));
    m_design.changeFirstContent();
    refreshPicture();
    setTitle();
}

bool MainWindow::save()
{
    settleFloatingBlock();
    if (listcheck())
        return false;
    if (m_design.fileName().isEmpty())
        return saveAs();
    if (!m_runner.run(this, [&] { DesignFile::write(m_design, m_design.fileName()); }))
        return false;
    m_design.changeFirstContent();
    setTitle();
    QCoreApplication::processEvents();
    delHistory(tr("保存"));
    return true;
}

bool MainWindow::saveAs()
{
    const QString title = tr("配列の保存");
    QString path;
    for (;;) {
        path = m_prompter.saveFileName(this, title, designFilters(tr("すべてのファイル (*.*)")));
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".tsl");
        if (!QFileInfo::exists(path))
            break;
        const auto answer =
            m_prompter.question(this, title, tr("%1 は既に存在します。\n上書きしますか？").arg(path),
                                Prompter::Icon::Warning, {Prompter::Answer::Yes, Prompter::Answer::No});
        if (answer == Prompter::Answer::Yes)
            break;
    }
    const QString previous = m_design.fileName();
    m_design.setFileName(path);
    if (save())
        return true;
    // A name that could not be written does not become the design's name.
    m_design.setFileName(previous);
    return false;
}

void MainWindow::saveDesign() { save(); }

void MainWindow::saveDesignAs() { saveAs(); }

void MainWindow::openCommandLine(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        fileOpen(arguments.join(QLatin1Char(' ')));
}

void MainWindow::openDroppedFile(const QString &path)
{
    if (checkModify())
        return;
    fileOpen(path);
}

void MainWindow::showHelp()
{
    const QString help = AppPaths::helpFile();
    if (!QFileInfo::exists(help)) {
        m_runner.showError(this, texts::cannotOpen(help));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(help)))
        m_runner.showError(this, texts::cannotOpen(help));
}

// Commands whose windows come with later work: the cell check they start with
// is already here where they need one.
void MainWindow::pictureCheck() { listcheck(); }
void MainWindow::print() { listcheck(); }

void MainWindow::rotateMove()
{
    if (m_rotateMoveWindow)
        return;
    m_rotateMoveWindow = new RotateMoveWindow(*this, this);
    m_rotateMoveWindow->show();
}

void MainWindow::replaceNumbers()
{
    if (m_replaceDialog)
        return;
    m_replaceDialog = new ReplaceDialog(*this, this);
    m_replaceDialog->show();
}

void MainWindow::changeCanvasSize()
{
    SizeDialog dialog(m_store, m_prompter, this);
    dialog.exec();
    if (dialog.cancelled())
        return;
    m_design.resizeCanvas(dialog.columns(), dialog.rows());
    m_picture->setImage(m_renderer->renderPicture(CellGrid(m_design.columns(), m_design.rows(), QString())));
    refreshPicture();
    controlBar1Resize();
}
void MainWindow::paletteEditor() {}
void MainWindow::imageScan() {}
void MainWindow::options() {}
void MainWindow::about() {}

// ---------------------------------------------------------------- tool bars

void MainWindow::readIni(bool reset)
{
    m_area->setUpdatesSuspended(true);
    for (int n = 0; n < BarCount; ++n) {
        ToolBarPanel *bar = m_bars[n];
        const QString sec = section(n);
        if (reset)
            bar->setBarVisible(false);
        const int parentLeft = m_store.readInteger(sec, QStringLiteral("ParentLeft"), 0);
        const int parentTop = m_store.readInteger(sec, QStringLiteral("ParentTop"), 0);
        const bool docking = m_store.readBool(sec, QStringLiteral("Docking"), true);
        const QPoint defaults(kDefaultPlaces[n], kDefaultPlaces[n + 8]);
        const QPoint place = reset ? defaults
                                   : QPoint(m_store.readInteger(sec, QStringLiteral("Left"), defaults.x()),
                                            m_store.readInteger(sec, QStringLiteral("Top"), defaults.y()));
        if (docking || reset || !bar->isDockable()) {
            bar->dockAt(place);
        } else {
            bar->setBarPos(place);
            bar->floatAt(QPoint(parentLeft, parentTop));
        }
        bar->setBarVisible(reset || m_store.readBool(sec, QStringLiteral("Visible"), true));
    }
    m_area->setUpdatesSuspended(false);
    controlBar1Resize();
    updateToolBarChecks();
}

void MainWindow::writeIni()
{
    for (int n = 0; n < BarCount; ++n) {
        const ToolBarPanel *bar = m_bars[n];
        const QString sec = section(n);
        m_store.writeBool(sec, QStringLiteral("Visible"), bar->isBarVisible());
        m_store.writeInteger(sec, QStringLiteral("Left"), bar->barPos().x());
        m_store.writeInteger(sec, QStringLiteral("Top"), bar->barPos().y());
        m_store.writeInteger(sec, QStringLiteral("ParentLeft"), bar->parentPos().x());
        m_store.writeInteger(sec, QStringLiteral("ParentTop"), bar->parentPos().y());
        m_store.writeBool(sec, QStringLiteral("Docking"), !bar->isFloating());
    }
}

void MainWindow::toggleToolBar(int index)
{
    m_bars[index]->setBarVisible(!m_bars[index]->isBarVisible());
    updateToolBarChecks();
}

void MainWindow::updateToolBarChecks()
{
    for (int n = 0; n < BarCount; ++n)
        if (m_toolBarActions[n])
            m_toolBarActions[n]->setChecked(m_bars[n]->isBarVisible());
}

// ---------------------------------------------------------------- window events

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (checkModify()) {
        event->ignore();
        return;
    }
    writeIni();
    m_history.delHistory();
    disconnect(QGuiApplication::clipboard(), nullptr, this, nullptr);
    if (m_replaceDialog)
        m_replaceDialog->close();
    if (m_rotateMoveWindow)
        m_rotateMoveWindow->close();
    closeTextDialog();
    for (ToolBarPanel *bar : m_bars)
        if (bar->floatingWindow())
            bar->floatingWindow()->hide();
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    for (ToolBarPanel *bar : m_bars)
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
    QMetaObject::invokeMethod(this, [this, first] { openDroppedFile(first); }, Qt::QueuedConnection);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && (watched == m_client || watched == m_area)) {
        openDesign();
        return true;
    }
    if (event->type() == QEvent::Resize && watched == m_client)
        controlBar1Resize();
    return QWidget::eventFilter(watched, event);
}

} // namespace tessell

#include "ui/app/CommandSet.h"

#include "core/document/History.h"
#include "ui/app/FileCommands.h"
#include "ui/app/HistoryControl.h"
#include "ui/common/Icons.h"
#include "ui/editing/DesignEditor.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace tessell {

namespace {
struct CommandInfo {
    Command command;
    const char *objectName;
    const char *text;
    const char *hint; // the tool-bar button's hint, where it has one
    QKeyCombination shortcut;
    int icon; // an Icons::Command, or -1
};

using IC = Icons::Command;
// One row per entry; lupdate needs the context spelled out in each.
// clang-format off
const CommandInfo kCommands[CommandCount] = {
    {Command::New, "New1", QT_TRANSLATE_NOOP("tessell::CommandSet", "新規作成(&N)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "初期設定"), {}, int(IC::New)},
    {Command::Open, "Open1", QT_TRANSLATE_NOOP("tessell::CommandSet", "開く(&O)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "開く"), Qt::CTRL | Qt::Key_O, int(IC::Open)},
    {Command::Import, "OpenList1", QT_TRANSLATE_NOOP("tessell::CommandSet", "配列ファイルを開く(&L)"), nullptr, {}, -1},
    {Command::Save, "Save1", QT_TRANSLATE_NOOP("tessell::CommandSet", "上書き保存(&A)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "保存"), Qt::CTRL | Qt::Key_S, int(IC::Save)},
    {Command::SaveAs, "SaveAs1", QT_TRANSLATE_NOOP("tessell::CommandSet", "名前を付けて保存(&S)"), nullptr, {}, -1},
    {Command::Print, "Print1", QT_TRANSLATE_NOOP("tessell::CommandSet", "印刷(&P)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "印刷"), Qt::CTRL | Qt::Key_P, int(IC::Print)},
    {Command::Exit, "Exit1", QT_TRANSLATE_NOOP("tessell::CommandSet", "終了(&X)"), nullptr, {}, -1},
    {Command::Undo, "Undo1", QT_TRANSLATE_NOOP("tessell::CommandSet", "元に戻す(&U)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "元に戻す"), Qt::CTRL | Qt::Key_Z, int(IC::Undo)},
    {Command::Redo, "Redo1", QT_TRANSLATE_NOOP("tessell::CommandSet", "繰り返し(&R)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "繰り返し"), Qt::CTRL | Qt::Key_Y, int(IC::Redo)},
    {Command::ClearHistory, "ClearHistory1", QT_TRANSLATE_NOOP("tessell::CommandSet", "ヒストリー削除(&H)"), nullptr, {}, -1},
    {Command::Cut, "Cut1", QT_TRANSLATE_NOOP("tessell::CommandSet", "切り取り(&T)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "切り取り"), {}, int(IC::Cut)},
    {Command::Copy, "Copy1", QT_TRANSLATE_NOOP("tessell::CommandSet", "コピー(&C)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "コピー"), {}, int(IC::Copy)},
    {Command::Paste, "Paste1", QT_TRANSLATE_NOOP("tessell::CommandSet", "貼り付け(&P)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "貼り付け"), {}, int(IC::Paste)},
    {Command::RotateMove, "RotateMove1", QT_TRANSLATE_NOOP("tessell::CommandSet", "回転・移動"), nullptr, {}, -1},
    {Command::Replace, "Replace1", QT_TRANSLATE_NOOP("tessell::CommandSet", "置換(&L)"), nullptr, {}, -1},
    {Command::CanvasSize, "Size1", QT_TRANSLATE_NOOP("tessell::CommandSet", "キャンバス大きさ変更(&S)"), nullptr, {}, -1},
    {Command::ShowPicture, "Picture1", QT_TRANSLATE_NOOP("tessell::CommandSet", "ピクチャー(&P)"), nullptr, {}, -1},
    {Command::ShowNumbers, "Number8", QT_TRANSLATE_NOOP("tessell::CommandSet", "数字(&N)"), nullptr, {}, -1},
    {Command::ToggleView, "SwitchView1", QT_TRANSLATE_NOOP("tessell::CommandSet", "編集画面"), QT_TRANSLATE_NOOP("tessell::CommandSet", "編集画面"), {}, int(IC::SwitchView)},
    {Command::Refresh, "ReFlesh1", QT_TRANSLATE_NOOP("tessell::CommandSet", "ピクチャーの更新(&R)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "ピクチャー更新"), Qt::CTRL | Qt::Key_R, int(IC::Refresh)},
    {Command::PictureCheck, "PictureCheck1", QT_TRANSLATE_NOOP("tessell::CommandSet", "画像確認(&C)"), QT_TRANSLATE_NOOP("tessell::CommandSet", "画像確認"), Qt::CTRL | Qt::Key_C,
     int(IC::PictureCheck)},
    {Command::ZoomIn, "ZoomIn1", QT_TRANSLATE_NOOP("tessell::CommandSet", "拡大"), nullptr, Qt::CTRL | Qt::Key_Plus, -1},
    {Command::ZoomOut, "ZoomOut1", QT_TRANSLATE_NOOP("tessell::CommandSet", "縮小"), nullptr, Qt::CTRL | Qt::Key_Minus, -1},
    {Command::ZoomReset, "ZoomReset1", QT_TRANSLATE_NOOP("tessell::CommandSet", "等倍"), nullptr, Qt::CTRL | Qt::Key_0, -1},
    {Command::PaletteEditor, "PaletteEditor1", QT_TRANSLATE_NOOP("tessell::CommandSet", "パレットエディタ(&E)"), nullptr, {}, -1},
    {Command::ImageScan, "ImageScan1", QT_TRANSLATE_NOOP("tessell::CommandSet", "イメージスキャン(&I)"), nullptr, {}, -1},
    {Command::CollectionPlan, "CollectionPlan1", QT_TRANSLATE_NOOP("tessell::CommandSet", "集める数(&K)"), nullptr, {}, -1},
    {Command::Options, "Option1", QT_TRANSLATE_NOOP("tessell::CommandSet", "オプション(&O)"), nullptr, {}, -1},
    {Command::Help, "Help1", QT_TRANSLATE_NOOP("tessell::CommandSet", "ヘルプ(&H)"), nullptr, Qt::Key_F1, -1},
    {Command::About, "About1", QT_TRANSLATE_NOOP("tessell::CommandSet", "バージョン情報(&V)"), nullptr, {}, -1},
};
// clang-format on

QString translated(const char *text) { return QCoreApplication::translate("tessell::CommandSet", text); }
} // namespace

CommandSet::CommandSet(QWidget *window) : QObject(window), m_window(window)
{
    for (const CommandInfo &info : kCommands) {
        Q_ASSERT(m_actions[int(info.command)] == nullptr);
        auto *a = new QAction(translated(info.text), window);
        a->setObjectName(QLatin1String(info.objectName));
        if (info.hint)
            a->setToolTip(translated(info.hint));
        if (info.icon >= 0)
            a->setIcon(Icons::command(Icons::Command(info.icon)));
        a->setIconVisibleInMenu(false);
        if (info.shortcut != QKeyCombination()) {
            a->setShortcut(QKeySequence(info.shortcut));
            // The menu is no window menu: the shortcuts must work from any of the
            // program's windows that is not blocked by a modal one.
            a->setShortcutContext(Qt::ApplicationShortcut);
        }
        window->addAction(a);
        m_actions[int(info.command)] = a;
    }
    // "+" sits on the "=" or ";" key of most keyboards: those count too.
    action(Command::ZoomIn)->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Semicolon)});
    // Redo answers both keys users bring from other programs; the menu shows the first.
    action(Command::Redo)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (Command c : {Command::ShowPicture, Command::ShowNumbers})
        action(c)->setCheckable(true);
    action(Command::ShowPicture)->setChecked(true);
}

void CommandSet::setEnabled(Command command, bool enabled) { action(command)->setEnabled(enabled); }

QToolButton *CommandSet::makeButton(Command command, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setDefaultAction(action(command));
    b->setAutoRaise(true);
    b->setFixedSize(22, 22);
    b->setFocusPolicy(Qt::NoFocus);
    m_buttons[int(command)] = b;
    return b;
}

void CommandSet::buildStandardBar(QWidget *body, QWidget *historyControl)
{
    using C = Command;
    auto *l = new QHBoxLayout(body);
    l->setContentsMargins(0, 1, 0, 2);
    l->setSpacing(0);
    const auto buttons = [&](std::initializer_list<C> commands) {
        for (C c : commands)
            l->addWidget(makeButton(c, body));
    };
    const auto separator = [&] {
        auto *f = new QFrame(body);
        f->setFrameShape(QFrame::VLine);
        f->setFrameShadow(QFrame::Sunken);
        f->setFixedSize(5, 20);
        l->addWidget(f);
    };
    buttons({C::New, C::Open, C::Save});
    separator();
    buttons({C::Print});
    separator();
    buttons({C::Paste, C::Copy, C::Cut});
    separator();
    buttons({C::Undo});
    l->addWidget(historyControl);
    buttons({C::Redo});
    separator();
    buttons({C::ToggleView, C::Refresh, C::PictureCheck});
    l->addStretch();
}

void CommandSet::connectEditing(DesignEditor &editor, FileCommands &files, History &history,
                                HistoryControl *historyControl)
{
    using C = Command;
    DesignEditor *e = &editor;
    FileCommands *f = &files;
    const auto on = [this](C c, auto *receiver, auto slot) {
        connect(action(c), &QAction::triggered, receiver, slot);
    };
    on(C::New, f, &FileCommands::newCommand);
    on(C::Open, f, &FileCommands::openDesign);
    on(C::Import, f, &FileCommands::importArrangement);
    on(C::Save, f, &FileCommands::saveDesign);
    on(C::SaveAs, f, &FileCommands::saveDesignAs);
    on(C::ClearHistory, f, &FileCommands::clearHistory);
    on(C::Undo, e, &DesignEditor::undo);
    on(C::Redo, e, &DesignEditor::redo);
    on(C::Cut, e, &DesignEditor::cut);
    on(C::Copy, e, &DesignEditor::copy);
    on(C::Paste, e, &DesignEditor::paste);
    on(C::ShowPicture, e, &DesignEditor::showPictureView);
    on(C::ShowNumbers, e, &DesignEditor::showNumberView);
    on(C::ToggleView, e, &DesignEditor::toggleView);
    on(C::Refresh, e, &DesignEditor::refresh);

    connect(e, &DesignEditor::cutCopyEnabledChanged, this, [this](bool enabled) {
        setEnabled(C::Cut, enabled);
        setEnabled(C::Copy, enabled);
    });
    connect(e, &DesignEditor::pasteEnabledChanged, this, [this](bool enabled) { setEnabled(C::Paste, enabled); });
    connect(e, &DesignEditor::viewChanged, this, [this](bool pictureShown) {
        action(C::ShowPicture)->setChecked(pictureShown);
        action(C::ShowNumbers)->setChecked(!pictureShown);
    });
    connect(e, &DesignEditor::historyChanged, this, [this, &history, historyControl] {
        setEnabled(C::Undo, history.canUndo());
        setEnabled(C::Redo, history.canRedo());
        historyControl->setEntries(history.names(), history.currentIndex());
    });
    connect(historyControl, &HistoryControl::entryChosen, e, &DesignEditor::selectHistoryEntry);
    setEnabled(C::Cut, false);
    setEnabled(C::Copy, false);
}

QMenu *CommandSet::menu(std::initializer_list<Command> commands)
{
    auto *m = new QMenu(m_window);
    for (Command c : commands)
        m->addAction(action(c));
    return m;
}

void CommandSet::buildMenuBar(QWidget *body, QMenu *toolBarMenu, QMenu *recentMenu)
{
    using C = Command;
    QMenu *fileMenu = menu({C::New, C::Open, C::Import, C::Save, C::SaveAs, C::Print});
    fileMenu->addSeparator();
    fileMenu->addMenu(recentMenu);
    fileMenu->addSeparator();
    fileMenu->addAction(action(C::Exit));

    QMenu *editMenu = menu({C::Undo, C::Redo, C::ClearHistory});
    editMenu->addSeparator();
    for (C c : {C::Cut, C::Copy, C::Paste})
        editMenu->addAction(action(c));
    editMenu->addSeparator();
    editMenu->addAction(action(C::RotateMove));
    editMenu->addSeparator();
    editMenu->addAction(action(C::Replace));
    editMenu->addAction(action(C::CanvasSize));

    auto *viewMenu = new QMenu(m_window);
    viewMenu->addMenu(toolBarMenu);
    QMenu *workMenu = viewMenu->addMenu(tr("編集画面(&W)"));
    workMenu->addAction(action(C::ShowPicture));
    workMenu->addAction(action(C::ShowNumbers));
    viewMenu->addSeparator();
    viewMenu->addAction(action(C::Refresh));
    viewMenu->addAction(action(C::PictureCheck));
    viewMenu->addSeparator();
    for (C c : {C::ZoomIn, C::ZoomOut, C::ZoomReset})
        viewMenu->addAction(action(c));

    QMenu *toolsMenu = menu({C::PaletteEditor, C::ImageScan, C::CollectionPlan, C::Options});
    QMenu *helpMenu = menu({C::Help, C::About});

    auto *l = new QHBoxLayout(body);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    const std::pair<const char *, QMenu *> tops[] = {{QT_TR_NOOP("ファイル(&F)"), fileMenu},
                                                     {QT_TR_NOOP("編集(&E)"), editMenu},
                                                     {QT_TR_NOOP("表示(&V)"), viewMenu},
                                                     {QT_TR_NOOP("ツール(&T)"), toolsMenu},
                                                     {QT_TR_NOOP("ヘルプ(&H)"), helpMenu}};
    int i = 0;
    for (const auto &[text, m] : tops) {
        auto *b = new QToolButton(body);
        b->setObjectName(QStringLiteral("menuButton%1").arg(i++));
        b->setText(tr(text));
        b->setMenu(m);
        b->setPopupMode(QToolButton::InstantPopup);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setAutoRaise(true);
        b->setFixedHeight(23);
        b->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
        // The menu takes the pointer while it is open, so the button misses the
        // pointer leaving it and would stay drawn raised: look where it is now.
        connect(m, &QMenu::aboutToHide, b, [b] {
            QMetaObject::invokeMethod(
                b,
                [b] {
                    b->setAttribute(Qt::WA_UnderMouse, b->rect().contains(b->mapFromGlobal(QCursor::pos())));
                    b->update();
                },
                Qt::QueuedConnection);
        });
        l->addWidget(b);
    }
    l->addStretch();
}

} // namespace tessell

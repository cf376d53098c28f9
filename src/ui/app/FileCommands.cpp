#include "ui/app/FileCommands.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/ArrangementImport.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/document/FileAccess.h"
#include "core/document/History.h"
#include "core/document/LeftHistory.h"
#include "core/document/TextFile.h"
#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/CommandRunner.h"
#include "ui/common/Prompter.h"
#include "ui/common/SaveTarget.h"
#include "ui/editing/DesignEditor.h"
#include "ui/editing/SizeDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace tessell {

namespace {
const QString kFilesSection = QStringLiteral("files");
const QString kFolderKey = QStringLiteral("folder");

QList<Prompter::Filter> designFilters(const QString &all)
{
    return {{QCoreApplication::translate("tessell::FileCommands", "Tessell ファイル(*.tsl)"),
             {QStringLiteral("*.tsl")}},
            {all, {QStringLiteral("*.*")}}};
}
} // namespace

FileCommands::FileCommands(Design &design, History &history, DesignEditor &editor, SettingsStore &store,
                           Prompter &prompter, CommandRunner &runner, QWidget *window, QObject *parent)
    : QObject(parent), m_design(design), m_history(history), m_editor(editor), m_store(store),
      m_prompter(prompter), m_runner(runner), m_window(window),
      m_recentMenu(new QMenu(tr("最近使ったファイル"), window))
{
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &FileCommands::fillRecentMenu);
    fillRecentMenu();
}

void FileCommands::fillRecentMenu()
{
    // Refilled also from a slot of one of these actions: each goes later.
    for (QAction *a : m_recentMenu->actions()) {
        m_recentMenu->removeAction(a);
        a->deleteLater();
    }
    const QStringList files = RecentFiles(m_store).files();
    for (const QString &path : files) {
        // An "&" in a path is shown as it is, not taken as a mnemonic.
        QString text = RecentFiles::shortened(QDir::toNativeSeparators(path), 60);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *a = m_recentMenu->addAction(text);
        a->setToolTip(path);
        connect(a, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void FileCommands::openRecent(const QString &path)
{
    if (checkModify())
        return;
    if (!RecentFiles(m_store).checkPicked(path)) {
        m_runner.showError(m_window, texts::cannotOpen(path));
        fillRecentMenu();
        return;
    }
    fileOpen(path);
}

bool FileCommands::offerRecovery(std::vector<LeftHistory> &left)
{
    for (LeftHistory &l : left) {
        const auto answer =
            m_prompter.question(m_window, CommandRunner::title(), texts::recoverQuestion(),
                                Prompter::Icon::Question, {Prompter::Answer::Yes, Prompter::Answer::No});
        if (answer != Prompter::Answer::Yes) {
            l.remove();
            continue;
        }
        // The history starts again with the design taken back.
        m_history.delHistory();
        m_editor.edit(texts::recoveredEntry(), EditOrder::RecordThenRedraw, [&] {
            l.design().applyTo(m_design);
            m_editor.changeSetting(false);
        });
        setTitle();
        l.remove();
        return true;
    }
    return false;
}

QString FileCommands::startFolder() const
{
    // The current design's folder, else the last one used, else the documents.
    if (!m_design.fileName().isEmpty())
        return QFileInfo(m_design.fileName()).absolutePath();
    const QString last = m_store.readString(kFilesSection, kFolderKey);
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void FileCommands::rememberFolder(const QString &path)
{
    m_store.writeString(kFilesSection, kFolderKey, QFileInfo(path).absolutePath());
}

void FileCommands::rememberFile(const QString &path)
{
    rememberFolder(path);
    RecentFiles(m_store).add(path);
    // Filled now, not only when it opens: an empty list leaves the menu
    // disabled, and a disabled menu never opens.
    fillRecentMenu();
}

void FileCommands::setTitle()
{
    const QString name = m_design.fileName();
    emit titleChanged(name.isEmpty() ? CommandRunner::title()
                                     : QStringLiteral("%1 - [%2]").arg(CommandRunner::title(), name));
}

bool FileCommands::checkModify()
{
    // A block still floating belongs to the design: it is placed before the
    // design is compared, saved or replaced, so lifted cells are never lost.
    m_editor.settleFloatingBlock();
    if (!m_design.isModified())
        return false;
    const Prompter::Answer answer = m_prompter.question(
        m_window, tr("警告"), tr("ファイルが変更されています。\n保存しますか？"), Prompter::Icon::Warning,
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

bool FileCommands::newDesign(bool askSize)
{
    int columns = Design::DefaultColumns;
    int rows = Design::DefaultRows;
    if (askSize) {
        SizeDialog dialog(m_store, m_prompter, m_window);
        dialog.exec();
        if (dialog.cancelled())
            return false;
        columns = dialog.columns();
        rows = dialog.rows();
    }
    m_editor.edit(tr("新規作成"), EditOrder::RecordThenCount, [&] {
        m_design.makeNew(columns, rows);
        // Before the entry: the side file must not name the file the design replaced.
        m_design.setFileName(QString());
        m_editor.changeSetting(false);
        m_design.changeFirstContent();
    });
    setTitle();
    return true;
}

void FileCommands::newCommand()
{
    if (checkModify())
        return;
    delHistory();
    newDesign(true);
}

bool FileCommands::fileOpen(const QString &path)
{
    DesignFile::Contents contents;
    const bool read = m_runner.run(m_window, [&] {
        const QByteArray bytes = FileAccess::read(path);
        m_editor.setStatus(tr("配列の読み込み中"));
        QCoreApplication::processEvents();
        try {
            contents = DesignFile::parse(bytes);
        } catch (const Error &) {
            m_editor.setStatus(texts::ready());
            throw;
        }
    });
    if (!read)
        return false;
    // The history starts again with the opened design.
    m_history.delHistory();
    m_editor.edit(tr("ファイルを開く"), EditOrder::RecordThenRedraw, [&] {
        DesignFile::apply(contents, m_design);
        m_design.setFileName(path);
        rememberFile(path);
        m_editor.changeSetting(false);
    });
    m_design.changeFirstContent();
    setTitle();
    return true;
}

void FileCommands::openDesign()
{
    if (checkModify())
        return;
    const QString path = m_prompter.openFileName(m_window, tr("ファイルを開く"),
                                                 designFilters(tr("全てのファイル(*.*)")), startFolder());
    if (!path.isEmpty())
        fileOpen(path);
}

void FileCommands::importArrangement()
{
    if (checkModify())
        return;
    const QString path = m_prompter.openFileName(m_window, tr("配列を開く"),
                                                 {{tr("配列ファイル (*.csv)"), {QStringLiteral("*.csv")}},
                                                  {tr("Tessell ファイル(*.tsl)"), {QStringLiteral("*.tsl")}},
                                                  {tr("すべてのファイル (*.*)"), {QStringLiteral("*.*")}}},
                                                 startFolder());
    if (path.isEmpty())
        return;
    QStringList lines;
    if (!m_runner.run(m_window, [&] { lines = TextFile::readLines(path); }))
        return;
    rememberFolder(path);
    m_editor.setStatus(tr("配列の読み込み中"));
    QCoreApplication::processEvents();
    m_editor.edit(tr("配列を開く"), EditOrder::RecordThenRedraw,
                  [&] { ArrangementImport::apply(lines, m_design); });
    // Taken after the refresh has made empty cells "0", so the import counts as unchanged.
    m_design.changeFirstContent();
    setTitle();
}

bool FileCommands::save()
{
    m_editor.settleFloatingBlock();
    if (m_editor.listcheck())
        return false;
    if (m_design.fileName().isEmpty())
        return saveAs();
    if (!m_runner.run(m_window, [&] { DesignFile::write(m_design, m_design.fileName()); }))
        return false;
    m_design.changeFirstContent();
    rememberFile(m_design.fileName());
    setTitle();
    QCoreApplication::processEvents();
    delHistory(tr("保存"));
    return true;
}

bool FileCommands::saveAs()
{
    const std::optional<SaveTarget> target =
        chooseSaveTarget(m_prompter, m_window, tr("配列の保存"), designFilters(tr("すべてのファイル (*.*)")),
                         QStringLiteral("tsl"), startFolder());
    if (!target)
        return false;
    const QString previous = m_design.fileName();
    m_design.setFileName(target->path);
    if (save())
        return true;
    // A name that could not be written does not become the design's name.
    m_design.setFileName(previous);
    return false;
}

void FileCommands::delHistory(const QString &name)
{
    if (name.isEmpty())
        m_history.delHistory();
    else if (m_runner.run(m_window, [&] { m_history.delHistory(name, m_design); }))
        m_editor.writeRecovery();
}

void FileCommands::clearHistory()
{
    delHistory(tr("ヒストリー削除"));
}

void FileCommands::openCommandLine(const QStringList &arguments)
{
    // Work taken back from a crash is asked about first.
    if (!arguments.isEmpty() && !checkModify())
        fileOpen(arguments.join(QLatin1Char(' ')));
}

void FileCommands::openDroppedFile(const QString &path)
{
    if (checkModify())
        return;
    fileOpen(path);
}

} // namespace tessell

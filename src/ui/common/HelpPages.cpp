#include "ui/common/HelpPages.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QShortcut>
#include <QWidget>

// The resources live in a static library: pull them in explicitly.
static void initHelpResources() { Q_INIT_RESOURCE(help); }

namespace tessell {

namespace {
struct Entry {
    const char *file;
    const char *title;
    int topic;
};

// The one place where topics meet pages.
const Entry kPages[] = {
    {"index.html", QT_TRANSLATE_NOOP("HelpPages", "目次"), HelpPages::Contents},
    {"window.html", QT_TRANSLATE_NOOP("HelpPages", "メインウィンドウ"), -1},
    {"tools.html", QT_TRANSLATE_NOOP("HelpPages", "描画ツール"), -1},
    {"edit.html", QT_TRANSLATE_NOOP("HelpPages", "編集のコマンド"), -1},
    {"files.html", QT_TRANSLATE_NOOP("HelpPages", "ファイルの操作"), -1},
    {"scan.html", QT_TRANSLATE_NOOP("HelpPages", "イメージスキャン"), HelpPages::ImageScan},
    {"palette.html", QT_TRANSLATE_NOOP("HelpPages", "パレットエディタ"), HelpPages::PaletteEditor},
    {"print.html", QT_TRANSLATE_NOOP("HelpPages", "印刷"), HelpPages::Print},
    {"plan.html", QT_TRANSLATE_NOOP("HelpPages", "集める数"), HelpPages::CollectionPlan},
    {"check.html", QT_TRANSLATE_NOOP("HelpPages", "画像確認"), -1},
    {"options.html", QT_TRANSLATE_NOOP("HelpPages", "オプションと関連付け"), HelpPages::Options},
    {"formats.html", QT_TRANSLATE_NOOP("HelpPages", "ファイルの形式"), -1},
};

const QString kFolder = QStringLiteral(":/help/");

void ensureResources()
{
    static const bool done = (initHelpResources(), true);
    Q_UNUSED(done);
}
} // namespace

QList<HelpPages::Page> HelpPages::pages()
{
    QList<Page> list;
    for (const Entry &e : kPages)
        list.append({QString::fromLatin1(e.file), QCoreApplication::translate("HelpPages", e.title)});
    return list;
}

QString HelpPages::fileForTopic(int topic)
{
    for (const Entry &e : kPages)
        if (e.topic == topic)
            return QString::fromLatin1(e.file);
    return QString::fromLatin1(kPages[0].file);
}

QUrl HelpPages::resolve(const QString &page)
{
    ensureResources();
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const QString anchor = page.section(QLatin1Char('#'), 1);
    // Only pages of our own folder: a name with a path is no page.
    if (file.isEmpty() || file.contains(QLatin1Char('/')) || !QFileInfo(kFolder + file).isFile())
        throw Error(texts::cannotOpen(QStringLiteral("help/") + file));
    QUrl url(QStringLiteral("qrc") + kFolder + file);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

void bindHelpKey(QWidget *window, int topic, const std::function<void(int)> &open)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [open, topic] { open(topic); });
}

} // namespace tessell

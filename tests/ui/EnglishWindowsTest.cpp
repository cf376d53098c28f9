#include "WindowFixture.h"

#include "core/settings/SettingsStore.h"
#include "core/settings/UiLanguage.h"
#include "ui/app/Application.h"
#include "ui/common/AppFonts.h"
#include "ui/editing/CountBar.h"
#include "ui/shell/OptionsDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

Q_DECLARE_METATYPE(tessell::UiLanguage)

namespace {
// Kana, kanji, CJK punctuation and full-width forms: what an English window
// must not show.
bool looksJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

void check(QStringList &found, const QObject *owner, const QString &what, const QString &text)
{
    if (looksJapanese(text))
        found.append(
            QStringLiteral("%1 %2 %3: %4")
                .arg(QString::fromLatin1(owner->metaObject()->className()), owner->objectName(), what, text));
}

// Every text a window shows of itself: titles, labels, buttons, group titles,
// hints, menu entries and list items.
QStringList japaneseTexts(QWidget *window)
{
    QStringList found;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        // Each language is named in itself in the options.
        if (w->objectName() == QLatin1String("japaneseButton"))
            continue;
        if (w->isWindow())
            check(found, w, QStringLiteral("title"), w->windowTitle());
        check(found, w, QStringLiteral("hint"), w->toolTip());
        if (auto *l = qobject_cast<QLabel *>(w))
            check(found, w, QStringLiteral("text"), l->text());
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            check(found, w, QStringLiteral("text"), b->text());
        if (auto *g = qobject_cast<QGroupBox *>(w))
            check(found, w, QStringLiteral("title"), g->title());
        if (auto *e = qobject_cast<QLineEdit *>(w))
            check(found, w, QStringLiteral("placeholder"), e->placeholderText());
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                check(found, w, QStringLiteral("item"), c->itemText(i));
        if (auto *list = qobject_cast<QListWidget *>(w))
            for (int i = 0; i < list->count(); ++i)
                check(found, w, QStringLiteral("item"), list->item(i)->text());
        if (auto *m = qobject_cast<QMenu *>(w))
            check(found, w, QStringLiteral("title"), m->title());
        for (const QAction *a : w->actions()) {
            check(found, a, QStringLiteral("action"), a->text());
            check(found, a, QStringLiteral("action hint"), a->toolTip());
        }
    }
    return found;
}
} // namespace

// The windows in English: nothing left in Japanese that the user would see,
// and the language chosen in the options kept for the next start.
class EnglishWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(installTranslations(*qApp, UiLanguage::English)); }
    void cleanupTestCase() { installTranslations(*qApp, UiLanguage::Japanese); }
    void init()
    {
        // The options window reads the file association: never the user's own.
        f.scratch = std::make_unique<Scratch>();
        qputenv("XDG_DATA_HOME", f.scratch->file("home/.local/share").toUtf8());
        qputenv("XDG_CONFIG_HOME", f.scratch->file("home/.config").toUtf8());
        f.start();
    }
    void cleanup() { f = WindowFixture(); }

    void windowsShowNoJapanese_data();
    void windowsShowNoJapanese();
    void languageChoiceKeptForNextStart();
    void countsNeverCoverTheirDigit_data();
    void countsNeverCoverTheirDigit();

private:
    WindowFixture f;
};

void EnglishWindowsTest::windowsShowNoJapanese_data()
{
    QTest::addColumn<int>("command"); // -1: the main window itself
    QTest::addColumn<bool>("modal");
    QTest::newRow("main window") << -1 << false;
    QTest::newRow("options") << int(Command::Options) << true;
    QTest::newRow("canvas size") << int(Command::CanvasSize) << true;
    QTest::newRow("palette editor") << int(Command::PaletteEditor) << true;
    QTest::newRow("image scan") << int(Command::ImageScan) << true;
    QTest::newRow("picture check") << int(Command::PictureCheck) << true;
    QTest::newRow("print") << int(Command::Print) << true;
    QTest::newRow("pieces to collect") << int(Command::CollectionPlan) << true;
    QTest::newRow("about") << int(Command::About) << true;
    QTest::newRow("replace") << int(Command::Replace) << false;
    QTest::newRow("rotate and move") << int(Command::RotateMove) << false;
    QTest::newRow("help") << int(Command::Help) << false;
}

void EnglishWindowsTest::windowsShowNoJapanese()
{
    QFETCH(int, command);
    QFETCH(bool, modal);
    QStringList found;
    bool opened = command < 0;
    if (command < 0) {
        found = japaneseTexts(f.window.get());
    } else if (modal) {
        opened = withModal<QWidget>([&] { f.window->commands().action(Command(command))->trigger(); },
                                    [&](QWidget *window) { found = japaneseTexts(window); });
    } else {
        f.window->commands().action(Command(command))->trigger();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != f.window.get() && window->isVisible() && !qobject_cast<QMenu *>(window)) {
                opened = true;
                found += japaneseTexts(window);
                window->close();
            }
        }
    }
    QVERIFY(opened);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void EnglishWindowsTest::languageChoiceKeptForNextStart()
{
    const SettingsStore store(AppPaths::dataFile());
    QVERIFY(withModal<OptionsDialog>([&] { f.window->commands().action(Command::Options)->trigger(); },
                                     [&](OptionsDialog *dialog) {
                                         QVERIFY(dialog->japaneseButton()->isChecked());
                                         QTest::mouseClick(dialog->englishButton(), Qt::LeftButton);
                                     }));
    QCOMPARE(UiLanguages::stored(SettingsStore(AppPaths::dataFile())), UiLanguage::English);
    // The windows of this run keep their language until the next start.
    QVERIFY(!looksJapanese(f.window->commands().action(Command::Open)->text()));
    QVERIFY(withModal<OptionsDialog>([&] { f.window->commands().action(Command::Options)->trigger(); },
                                     [&](OptionsDialog *dialog) {
                                         QVERIFY(dialog->englishButton()->isChecked());
                                         QTest::mouseClick(dialog->japaneseButton(), Qt::LeftButton);
                                     }));
    QCOMPARE(UiLanguages::stored(SettingsStore(AppPaths::dataFile())), UiLanguage::Japanese);
}

void EnglishWindowsTest::countsNeverCoverTheirDigit_data()
{
    QTest::addColumn<UiLanguage>("language");
    QTest::addColumn<int>("count");
    for (UiLanguage language : {UiLanguage::Japanese, UiLanguage::English}) {
        const char *name = language == UiLanguage::English ? "English" : "Japanese";
        for (int count : {160, 1614, 16000, 99999, 998001})
            QTest::addRow("%s %d", name, count) << language << count;
    }
}

void EnglishWindowsTest::countsNeverCoverTheirDigit()
{
    QFETCH(UiLanguage, language);
    QFETCH(int, count);
    QVERIFY(installTranslations(*qApp, language));
    // A one-digit count sits well clear of the digit: its columns are the digit alone.
    const QImage alone = CountBar::countImage(0xA, 1);
    const QImage counted = CountBar::countImage(0xA, count);
    QVERIFY(installTranslations(*qApp, UiLanguage::English));
    // And a clear blank stays between the colon and the count.
    const int digitWidth =
        QFontMetrics(AppFonts::ui(10, true)).horizontalAdvance(QStringLiteral("A:")) + CountBar::Gap;
    QCOMPARE(counted.copy(0, 0, digitWidth, alone.height()), alone.copy(0, 0, digitWidth, alone.height()));
    // And the count is drawn at all.
    QVERIFY(counted != alone);
}

QTEST_MAIN(EnglishWindowsTest)
#include "EnglishWindowsTest.moc"

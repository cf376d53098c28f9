#include "core/settings/UiLanguage.h"
#include "core/settings/SettingsStore.h"
#include "support/TestSupport.h"

#include <QTest>

using namespace tessell;
using namespace tessell::test;

Q_DECLARE_METATYPE(tessell::UiLanguage)

// Which language a run speaks: TESSELL_LANG when it names one, else what the
// options stored, else Japanese.
class UiLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void forRun_data()
    {
        QTest::addColumn<QString>("stored"); // "-": nothing stored
        QTest::addColumn<QString>("forced"); // "-": TESSELL_LANG unset
        QTest::addColumn<UiLanguage>("expected");
        QTest::newRow("first start") << "-"
                                     << "-" << UiLanguage::Japanese;
        QTest::newRow("chosen English") << "en"
                                        << "-" << UiLanguage::English;
        QTest::newRow("chosen Japanese") << "ja"
                                         << "-" << UiLanguage::Japanese;
        QTest::newRow("written by hand") << " EN "
                                         << "-" << UiLanguage::English;
        QTest::newRow("unknown language") << "fr"
                                          << "-" << UiLanguage::Japanese;
        QTest::newRow("forced over the choice") << "ja"
                                                << "en" << UiLanguage::English;
        QTest::newRow("forced back") << "en"
                                     << "ja" << UiLanguage::Japanese;
        QTest::newRow("empty force ignored") << "en"
                                             << "" << UiLanguage::English;
        QTest::newRow("unknown force ignored") << "en"
                                               << "de" << UiLanguage::English;
    }
    void forRun()
    {
        QFETCH(QString, stored);
        QFETCH(QString, forced);
        QFETCH(UiLanguage, expected);
        Scratch scratch;
        SettingsStore store(scratch.file(QStringLiteral("data.dat")));
        if (stored != QLatin1String("-"))
            QVERIFY(store.writeString(QLatin1String(UiLanguages::Section), QLatin1String(UiLanguages::Key),
                                      stored));
        if (forced == QLatin1String("-"))
            qunsetenv("TESSELL_LANG");
        else
            qputenv("TESSELL_LANG", forced.toUtf8());
        QCOMPARE(UiLanguages::forRun(SettingsStore(store.path())), expected);
        qunsetenv("TESSELL_LANG");
    }

    void storedChoiceReadBack()
    {
        Scratch scratch;
        SettingsStore store(scratch.file(QStringLiteral("data.dat")));
        for (UiLanguage language : {UiLanguage::English, UiLanguage::Japanese}) {
            QVERIFY(UiLanguages::store(store, language));
            QCOMPARE(UiLanguages::stored(SettingsStore(store.path())), language);
        }
    }
};

QTEST_GUILESS_MAIN(UiLanguageTest)
#include "UiLanguageTest.moc"

// The English translation against the sources and against the .qm compiled
// into the program.
#include "support/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace tessell;
using namespace tessell::test;

namespace {
struct Message {
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message m{context, {}, {}, false};
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    m.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    m.unfinished = !xml.attributes().value(QLatin1String("type")).isEmpty();
                    m.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.append(m);
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QString key(const Message &m)
{
    return m.context + u'\x1f' + m.source;
}

const QString kTs = QStringLiteral(TESSELL_SOURCE_DIR "/translations/tessell_en.ts");
} // namespace

class TranslationFileTest : public QObject {
    Q_OBJECT
private slots:
    // lupdate over the sources finds no text the .ts lacks and none it holds
    // in vain, and every text has its translation.
    void coversEverySourceText()
    {
        Scratch scratch;
        const QString copy = scratch.file(QStringLiteral("tessell_en.ts"));
        QVERIFY(QFile::copy(kTs, copy));
        QProcess lupdate;
        lupdate.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        lupdate.start(QStringLiteral(TESSELL_SOURCE_DIR "/scripts/update-translations"), {copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        const QList<Message> stored = readTs(kTs);
        const QList<Message> current = readTs(copy);
        QVERIFY(!stored.isEmpty());
        QStringList storedKeys, currentKeys, unfinished;
        for (const Message &m : stored)
            storedKeys.append(key(m));
        for (const Message &m : current) {
            currentKeys.append(key(m));
            if (m.unfinished || m.translation.isEmpty())
                unfinished.append(m.context + QStringLiteral(": ") + m.source);
        }
        storedKeys.sort();
        currentKeys.sort();
        QCOMPARE(currentKeys, storedKeys); // else run scripts/update-translations
        QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(u'\n')));
    }

    // What the text is filled with and where the accelerator sits survive the
    // translation: a lost %2 would show a wrong number, a lost & a dead key.
    void keepsPlaceholdersAndAccelerators()
    {
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        QStringList faults;
        for (const Message &m : readTs(kTs)) {
            QStringList a, b;
            for (const auto &match : placeholder.globalMatch(m.source))
                a.append(match.captured());
            for (const auto &match : placeholder.globalMatch(m.translation))
                b.append(match.captured());
            a.sort();
            b.sort();
            const bool accelerator = m.source.contains(QRegularExpression(QStringLiteral("&[^&]")));
            if (a != b ||
                accelerator != m.translation.contains(QRegularExpression(QStringLiteral("&[^&]"))) ||
                m.source.count(u'\n') != m.translation.count(u'\n'))
                faults.append(m.source + QStringLiteral(" -> ") + m.translation);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // The .qm in the program's resources is the .ts of the repository.
    void compiledInAsTheTsSays()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("tessell_en"), QStringLiteral(":/i18n")));
        const QList<Message> messages = readTs(kTs);
        QVERIFY(!messages.isEmpty());
        for (const Message &m : messages)
            QCOMPARE(translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                     m.translation);
    }
};

QTEST_GUILESS_MAIN(TranslationFileTest)
#include "TranslationFileTest.moc"

// The about box names the program, its one version and its licence, and closes by OK.
#include "ui/shell/AboutBox.h"
#include "core/Version.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tessell;

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void showsVersionAndClosesByOk();
};

void AboutBoxTest::showsVersionAndClosesByOk()
{
    AboutBox box;
    QStringList texts;
    for (const QLabel *label : box.findChildren<QLabel *>())
        texts << label->text();
    const QString all = texts.join('\n');
    QVERIFY2(all.contains(QStringLiteral("バージョン %1").arg(kVersion)), qPrintable(all));
    QVERIFY(all.contains("LGPLv3"));
    QVERIFY(all.contains(QStringLiteral("GNU General Public License バージョン3またはそれ以降")));
    QVERIFY(all.contains("IPAフォントライセンス"));
    QTimer::singleShot(0, &box, [&] { QTest::mouseClick(box.okButton(), Qt::LeftButton); });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
}

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"

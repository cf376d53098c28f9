// "集める数" on the real main window: typing into the fields, the tables that
// follow, the class table with the print dialog's distribution, the settings
// it keeps and the CSV it saves.
#include "WindowFixture.h"

#include "core/Texts.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/HelpPages.h"
#include "ui/plan/CollectionPlanWindow.h"
#include "ui/shell/HelpWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

namespace {
void type(QLineEdit *field, const QString &text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Entry 0's line and the total line as the table shows them: pieces, cartons,
// to collect, cartons to collect.
QString shown(const QTableWidget *t)
{
    QStringList rows;
    for (int r : {0, 16}) {
        QStringList cells;
        for (int c : {CollectionPlanWindow::Pieces, CollectionPlanWindow::Cartons,
                      CollectionPlanWindow::ToCollect, CollectionPlanWindow::CartonsToCollect})
            cells << t->item(r, c)->text();
        rows << cells.join(u'/');
    }
    return rows.join(u' ');
}
} // namespace

class CollectionPlanWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        f.start();
        // Column c holds c mod 5: entry 0 has 32 columns of 100 cells.
        for (int r = 0; r < 100; ++r)
            for (int c = 0; c < 160; ++c)
                f.window->design().setCell(c, r, CellGrid::digit(c % 5));
    }
    void cleanup() { f = WindowFixture(); }
    void typing_data();
    void typing();
    void classTable_data();
    void classTable();
    void saveCsv();

private:
    void inWindow(const std::function<void(CollectionPlanWindow *)> &steps)
    {
        QVERIFY(withModal<CollectionPlanWindow>(
            [this] { f.window->commands().action(Command::CollectionPlan)->trigger(); }, steps));
    }
    WindowFixture f;
};

void CollectionPlanWindowTest::typing_data()
{
    QTest::addColumn<QStringList>("steps");
    // "p0:12" types 12 as the per carton of entry 0, "s0:500" its stock; "s0+x" adds to what is there.
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("red"); // the fields shown red, by step
    QTest::addColumn<QString>("stored");
    QTest::newRow("nothing typed") << QStringList{} << "3200/3200/0/0 16000/16000/0/0"
                                   << ""
                                   << "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1|,,,,,,,,,,,,,,,";
    QTest::newRow("12 a carton, 500 on hand")
        << QStringList{"p0:12", "s0:500"} << "3200/267/2700/225 16000/13067/2700/225"
        << ""
        << "12,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1|500,,,,,,,,,,,,,,,";
    QTest::newRow("0 a carton keeps 12") << QStringList{"p0:12", "p0:0"} << "3200/267/0/0 16000/13067/0/0"
                                         << "p0:0"
                                         << "12,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1|,,,,,,,,,,,,,,,";
    QTest::newRow("a letter in the stock keeps 500")
        << QStringList{"s0:500", "s0+x"} << "3200/3200/2700/2700 16000/16000/2700/2700"
        << "s0+x"
        << "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1|500,,,,,,,,,,,,,,,";
    QTest::newRow("a stock emptied again is no limit")
        << QStringList{"s0:500", "s0:"} << "3200/3200/0/0 16000/16000/0/0"
        << ""
        << "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1|,,,,,,,,,,,,,,,";
}

void CollectionPlanWindowTest::typing()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, table);
    QFETCH(QString, red);
    QFETCH(QString, stored);
    inWindow([&](CollectionPlanWindow *w) {
        QStringList redSteps;
        for (const QString &step : steps) {
            const qsizetype at = step.indexOf(QRegularExpression("[:+]"));
            const int entry = step.mid(1, at - 1).toInt();
            QLineEdit *field = step.startsWith(u'p') ? w->perCartonField(entry) : w->stockField(entry);
            if (step[at] == u'+')
                QTest::keyClicks(field, step.mid(at + 1));
            else
                type(field, step.mid(at + 1));
            if (field->property("invalid").toBool()) {
                redSteps << step;
                QCOMPARE(field->palette().color(QPalette::Text), QColor(255, 0, 0));
            }
        }
        QCOMPARE(redSteps.join(u' '), red);
        QCOMPARE(shown(w->colourTable()), table);
        // F1 goes to the window only once it is the active one.
        QTRY_COMPARE(QApplication::activeWindow(), w);
        QTest::keyClick(w, Qt::Key_F1);
        QVERIFY(f.window->helpWindow());
        QCOMPARE(f.window->helpWindow()->browser()->source().fileName(),
                 HelpPages::fileForTopic(HelpPages::CollectionPlan));
        QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    });
    SettingsStore &store = f.window->settings();
    QCOMPARE(store.readString("plan", "percarton") + '|' + store.readString("plan", "stock"), stored);
    // The next opening shows what was kept.
    inWindow([&](CollectionPlanWindow *w) { QCOMPARE(shown(w->colourTable()), table); });
}

void CollectionPlanWindowTest::classTable_data()
{
    QTest::addColumn<QString>("fields");   // the print dialog's six, stored
    QTest::addColumn<QStringList>("rows"); // the row headings; none: the note instead
    QTest::newRow("22 classes and 6 columns left")
        << "7|7|8|7|7|7"
        << QStringList{"No.1 (1〜7列)", "No.22 (148〜154列)", "どのクラスにもない列 (155〜160列)"};
    QTest::newRow("every column to a class")
        << "2|0|0|80|1|1" << QStringList{"No.1 (1〜80列)", "No.2 (81〜160列)"};
    QTest::newRow("more columns than the design") << "3|0|0|80|1|1" << QStringList{};
    QTest::newRow("an empty field") << "2||0|80|1|1" << QStringList{};
}

void CollectionPlanWindowTest::classTable()
{
    QFETCH(QString, fields);
    QFETCH(QStringList, rows);
    const QStringList six = fields.split(u'|');
    for (int i = 0; i < 6; ++i)
        f.window->settings().writeString("print", QString::number(i + 1), six[i]);
    f.window->settings().writeString("plan", "percarton", "7");
    inWindow([&](CollectionPlanWindow *w) {
        QCOMPARE(w->classTable() != nullptr, !rows.isEmpty());
        QCOMPARE(w->classNote() != nullptr, rows.isEmpty());
        if (rows.isEmpty())
            return;
        QTableWidget *t = w->classTable();
        QCOMPARE(t->verticalHeaderItem(0)->text(), rows.first());
        QCOMPARE(t->verticalHeaderItem(t->rowCount() - 1)->text(), rows.last());
        // Every cell shows the table's pieces and cartons; the class of 7 columns has 2 of entry 0.
        const PlanTable &table = w->table();
        for (int k = 0; k < t->rowCount(); ++k) {
            const ClassNeeds &c =
                k < int(table.classes.size()) ? table.classes[std::size_t(k)] : table.leftOver;
            for (int n = 0; n < 16; ++n)
                QCOMPARE(t->item(k, n)->text(), QStringLiteral("%1 / %2").arg(c.pieces[n]).arg(c.cartons[n]));
        }
        type(w->perCartonField(0), "50");
        const ClassNeeds &first = w->table().classes.front();
        QCOMPARE(t->item(0, 0)->text(),
                 QStringLiteral("%1 / %2").arg(first.pieces[0]).arg((first.pieces[0] + 49) / 50));
    });
}

void CollectionPlanWindowTest::saveCsv()
{
    const QString path = f.scratch->file("plan");
    inWindow([&](CollectionPlanWindow *w) {
        type(w->perCartonField(3), "9");
        f.prompter->fileNames.enqueue(path);
        QTest::mouseClick(w->csvButton(), Qt::LeftButton);
        // The extension of the chosen filter is added; the file holds what the table shows.
        QCOMPARE(readAll(path + ".csv"), w->table().csv(f.window->design().palette()));
        QCOMPARE(w->table().colours[3].cartons, (3200 + 8) / 9);
    });
    QCOMPARE(f.prompter->unexpected, 0);
}

QTEST_MAIN(CollectionPlanWindowTest)
#include "CollectionPlanWindowTest.moc"

// "集める数" on the real main window: the tables follow what is typed, a bad
// number shows red and keeps the last good one, the class table follows the
// print dialog's distribution, the CSV button writes the file.
#include "WindowFixture.h"

#include "core/settings/SettingsStore.h"
#include "ui/common/HelpPages.h"
#include "ui/plan/CollectionPlanWindow.h"
#include "ui/shell/HelpWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>

using namespace tessell;
using namespace tessell::test;

namespace {
// "p=12" types 12 as entry 0's pieces per carton, "s=500" its stock; "s+x" adds to what is there.
QLineEdit *type(CollectionPlanWindow *w, const QString &step)
{
    QLineEdit *field = step[0] == u'p' ? w->perCartonField(0) : w->stockField(0);
    if (step[1] == u'=')
        field->clear();
    QTest::keyClicks(field, step.mid(2));
    return field;
}

// Entry 0's line and the total line: pieces/cartons/to collect/cartons to collect.
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
    void typing();
    void classTableAndCsv_data();
    void classTableAndCsv();

private:
    void inWindow(const std::function<void(CollectionPlanWindow *)> &steps)
    {
        QVERIFY(withModal<CollectionPlanWindow>(
            [this] { f.window->commands().action(Command::CollectionPlan)->trigger(); }, steps));
    }
    WindowFixture f;
};

// One step after another in the same window: the table after each, the steps
// that leave their field red keeping the number before.
void CollectionPlanWindowTest::typing()
{
    const char *const steps[][3] = {
        {"p=12", "3200/267/0/0 16000/13067/0/0", ""},
        {"s=500", "3200/267/2700/225 16000/13067/2700/225", ""},
        {"p=0", "3200/267/2700/225 16000/13067/2700/225", "red"},
        {"s+x", "3200/267/2700/225 16000/13067/2700/225", "red"},
        {"s=", "3200/267/0/0 16000/13067/0/0", ""},
        {"s=40", "3200/267/3160/264 16000/13067/3160/264", ""},
    };
    inWindow([&](CollectionPlanWindow *w) {
        for (const auto &step : steps) {
            const QLineEdit *field = type(w, step[0]);
            QCOMPARE(shown(w->colourTable()), QString(step[1]));
            QCOMPARE(field->property("invalid").toBool(), *step[2] != 0);
            QCOMPARE(field->palette().color(QPalette::Text) == QColor(255, 0, 0), *step[2] != 0);
        }
        QTRY_COMPARE(QApplication::activeWindow(), w);
        QTest::keyClick(w, Qt::Key_F1);
        QCOMPARE(f.window->helpWindow()->browser()->source().fileName(),
                 HelpPages::fileForTopic(HelpPages::CollectionPlan));
        QTest::mouseClick(w->closeButton(), Qt::LeftButton);
    });
    // Kept in the settings, shown again at the next opening.
    const CollectionPlan kept = CollectionPlan::read(f.window->settings());
    QCOMPARE(kept.perCarton[0], 12);
    QCOMPARE(kept.stock[0], std::optional<int>(40));
    inWindow([&](CollectionPlanWindow *w) { QCOMPARE(shown(w->colourTable()), QString(steps[5][1])); });
}

void CollectionPlanWindowTest::classTableAndCsv_data()
{
    QTest::addColumn<QString>("fields");   // the print dialog's six, stored
    QTest::addColumn<QStringList>("rows"); // the first and last row headings; none: the note instead
    QTest::newRow("22 classes and 6 columns left")
        << "7|7|8|7|7|7" << QStringList{"No.1 (1〜7列)", "どのクラスにもない列 (155〜160列)"};
    QTest::newRow("every column to a class")
        << "2|0|0|80|1|1" << QStringList{"No.1 (1〜80列)", "No.2 (81〜160列)"};
    QTest::newRow("an empty field") << "2||0|80|1|1" << QStringList{};
}

void CollectionPlanWindowTest::classTableAndCsv()
{
    QFETCH(QString, fields);
    QFETCH(QStringList, rows);
    const QStringList six = fields.split(u'|');
    for (int i = 0; i < 6; ++i)
        f.window->settings().writeString("print", QString::number(i + 1), six[i]);
    const QString path = f.scratch->file("plan");
    inWindow([&](CollectionPlanWindow *w) {
        QCOMPARE(w->classTable() != nullptr, !rows.isEmpty());
        QCOMPARE(w->classNote() != nullptr, rows.isEmpty());
        type(w, "p=7");
        if (QTableWidget *t = w->classTable()) {
            QCOMPARE(QStringList({t->verticalHeaderItem(0)->text(),
                                  t->verticalHeaderItem(t->rowCount() - 1)->text()}),
                     rows);
            const PlanTable &table = w->table();
            for (int k = 0; k < t->rowCount(); ++k) {
                const ClassNeeds &c =
                    k < int(table.classes.size()) ? table.classes[std::size_t(k)] : table.leftOver;
                QCOMPARE(c.cartons[0], (c.pieces[0] + 6) / 7);
                for (int n = 0; n < 16; ++n)
                    QCOMPARE(t->item(k, n)->text(),
                             QStringLiteral("%1 / %2").arg(c.pieces[n]).arg(c.cartons[n]));
            }
        }
        // The extension of the chosen filter is added; the file holds what the tables show.
        f.prompter->fileNames.enqueue(path);
        QTest::mouseClick(w->csvButton(), Qt::LeftButton);
        QCOMPARE(readAll(path + ".csv"), w->table().csv(f.window->design().palette()));
    });
    QCOMPARE(f.prompter->unexpected, 0);
}

QTEST_MAIN(CollectionPlanWindowTest)
#include "CollectionPlanWindowTest.moc"

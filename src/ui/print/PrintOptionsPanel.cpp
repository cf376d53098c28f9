#include "ui/print/PrintOptionsPanel.h"

#include "core/document/CommaList.h"
#include "core/print/ClassPages.h"
#include "core/settings/SettingsStore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace tessell {

namespace {
const QString kSection = QStringLiteral("print");

QCheckBox *checkBox(const QString &text, QWidget *parent, int y)
{
    auto *c = new QCheckBox(text, parent);
    c->setGeometry(10, y, 174, 18);
    return c;
}

QLabel *label(const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}
} // namespace

PrintOptionsPanel::PrintOptionsPanel(QWidget *parent) : QWidget(parent)
{
    setGeometry(419, 168, 194, 346);
    auto *colour = new QGroupBox(tr("色"), this);
    colour->setGeometry(0, 0, 194, 44);
    m_colour[0] = new QRadioButton(tr("モノクロ"), colour);
    m_colour[0]->setGeometry(8, 20, 104, 18);
    m_colour[1] = new QRadioButton(tr("カラー"), colour);
    m_colour[1]->setGeometry(114, 20, 74, 18);
    auto *colours = new QButtonGroup(this);
    colours->addButton(m_colour[0], 0);
    colours->addButton(m_colour[1], 1);

    auto *other = new QGroupBox(tr("その他"), this);
    other->setGeometry(0, 48, 194, 176);
    m_numberTable = checkBox(tr("番号表をつける"), other, 20);
    m_quantityTable = checkBox(tr("数量表をつける"), other, 38);
    m_overview = checkBox(tr("全体図をつける"), other, 56);
    m_neighbours = checkBox(tr("隣の列を表示"), other, 74);
    // Large print: big cells on as many sheets as a class needs.
    m_large = checkBox(tr("大きく印刷"), other, 96);
    m_large->setObjectName(QStringLiteral("largePrintBox"));
    label(tr("1枚の行数"), other, QRect(30, 116, 92, 20));
    m_rows = new QSpinBox(other);
    m_rows->setObjectName(QStringLiteral("rowsPerSheetBox"));
    m_rows->setRange(SheetSplit::MinRows, SheetSplit::MaxRows);
    m_rows->setGeometry(124, 116, 60, 20);
    m_runs = checkBox(tr("行ごとの説明"), other, 136);
    m_runs->setObjectName(QStringLiteral("runsBox"));
    m_runs->setGeometry(30, 136, 154, 18);
    // Pages of the whole job before the class pages.
    m_summary = checkBox(tr("まとめページをつける"), other, 156);
    m_summary->setObjectName(QStringLiteral("summaryBox"));
    connect(m_large, &QCheckBox::toggled, this, [this](bool on) {
        m_rows->setEnabled(on);
        m_runs->setEnabled(on);
    });

    auto *text = new QGroupBox(tr("テキスト"), this);
    text->setGeometry(0, 228, 194, 118);
    label(tr("タイトル"), text, QRect(10, 20, 80, 16));
    m_title = new QLineEdit(text);
    m_title->setObjectName(QStringLiteral("titleField"));
    m_title->setGeometry(8, 37, 178, 20);
    label(tr("備考"), text, QRect(10, 61, 80, 16));
    m_notes = new QPlainTextEdit(text);
    m_notes->setObjectName(QStringLiteral("notesField"));
    m_notes->setGeometry(8, 78, 178, 34);
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_notes->setTabChangesFocus(true);
}

void PrintOptionsPanel::readSettings(const SettingsStore &store)
{
    m_colour[store.readInteger(kSection, QStringLiteral("color"), 0) == 1 ? 1 : 0]->setChecked(true);
    m_numberTable->setChecked(store.readBool(kSection, QStringLiteral("namelist"), true));
    m_quantityTable->setChecked(store.readBool(kSection, QStringLiteral("cntlist"), true));
    m_title->setText(store.readString(kSection, QStringLiteral("title")));
    const QString notes = store.readString(kSection, QStringLiteral("add"));
    m_notes->setPlainText(notes.isEmpty() ? QString() : CommaList::split(notes).join(QLatin1Char('\n')));
    m_overview->setChecked(store.readBool(kSection, QStringLiteral("overview"), false));
    m_neighbours->setChecked(store.readBool(kSection, QStringLiteral("neighbours"), false));
    m_large->setChecked(store.readBool(kSection, QStringLiteral("large"), false));
    m_rows->setValue(store.readInteger(kSection, QStringLiteral("rowsperpage"), SheetSplit::DefaultRows));
    m_runs->setChecked(store.readBool(kSection, QStringLiteral("runs"), false));
    m_summary->setChecked(store.readBool(kSection, QStringLiteral("summary"), false));
    m_rows->setEnabled(m_large->isChecked());
    m_runs->setEnabled(m_large->isChecked());
}

void PrintOptionsPanel::writeSettings(SettingsStore &store) const
{
    store.writeInteger(kSection, QStringLiteral("color"), m_colour[1]->isChecked() ? 1 : 0);
    store.writeBool(kSection, QStringLiteral("namelist"), m_numberTable->isChecked());
    store.writeBool(kSection, QStringLiteral("cntlist"), m_quantityTable->isChecked());
    store.writeString(kSection, QStringLiteral("title"), m_title->text());
    const QString notes = m_notes->toPlainText();
    store.writeString(kSection, QStringLiteral("add"),
                      notes.isEmpty() ? QString() : CommaList::join(notes.split(QLatin1Char('\n'))));
    store.writeBool(kSection, QStringLiteral("overview"), m_overview->isChecked());
    store.writeBool(kSection, QStringLiteral("neighbours"), m_neighbours->isChecked());
    store.writeBool(kSection, QStringLiteral("large"), m_large->isChecked());
    store.writeInteger(kSection, QStringLiteral("rowsperpage"), m_rows->value());
    store.writeBool(kSection, QStringLiteral("runs"), m_runs->isChecked());
    store.writeBool(kSection, QStringLiteral("summary"), m_summary->isChecked());
}

void PrintOptionsPanel::fill(ClassPageOptions &o) const
{
    o.colour = m_colour[1]->isChecked();
    o.numberTable = m_numberTable->isChecked();
    o.quantityTable = m_quantityTable->isChecked();
    o.title = m_title->text();
    o.notes = m_notes->toPlainText();
    o.overview = m_overview->isChecked();
    o.neighbours = m_neighbours->isChecked();
    o.largePrint = m_large->isChecked();
    o.rowsPerSheet = m_rows->value();
    o.runs = o.largePrint && m_runs->isChecked();
    o.summary = m_summary->isChecked();
}

QString PrintOptionsPanel::title() const
{
    return m_title->text();
}

} // namespace tessell

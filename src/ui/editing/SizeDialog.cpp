#include "ui/editing/SizeDialog.h"

#include "ui/common/WindowPlaces.h"

#include "core/settings/SettingsStore.h"
#include "ui/common/Prompter.h"
#include "ui/editing/WrapSpinField.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessell {

namespace {
const QString kSection = QStringLiteral("new");

// A whole number, or the fallback for text that is none.
int numberOr(const QString &text, int fallback)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : fallback;
}
} // namespace

SizeDialog::SizeDialog(SettingsStore &store, Prompter &prompter, QWidget *parent)
    : QDialog(parent, Qt::Dialog | TitleAndCloseHints), m_store(store), m_prompter(prompter)
{
    setWindowTitle(tr("大きさ"));
    setModal(true);
    setFixedSize(214, 102);
    auto *group = new QGroupBox(tr("キャンバスの大きさ"), this);
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    m_columnsField = new WrapSpinField(1, MaxColumns, group);
    m_rowsField = new WrapSpinField(1, MaxRows, group);
    m_columnsField->setObjectName(QStringLiteral("columnsField"));
    m_rowsField->setObjectName(QStringLiteral("rowsField"));
    m_columnsField->setFixedWidth(52);
    m_rowsField->setFixedWidth(52);
    grid->addWidget(new QLabel(tr("列数"), group), 0, 0);
    grid->addWidget(m_columnsField, 0, 1);
    grid->addWidget(new QLabel(tr("行数"), group), 1, 0);
    grid->addWidget(m_rowsField, 1, 1);

    auto *ok = new QPushButton(tr("OK"), this);
    auto *cancel = new QPushButton(tr("キャンセル"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SizeDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SizeDialog::reject);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    m_columnsField->setText(m_store.readString(kSection, QStringLiteral("horizon"), QStringLiteral("160")));
    m_rowsField->setText(m_store.readString(kSection, QStringLiteral("vertical"), QStringLiteral("100")));
}

bool SizeDialog::takeFields()
{
    const int columns = numberOr(m_columnsField->text(), MaxColumns);
    const int rows = numberOr(m_rowsField->text(), MaxRows);
    m_columnsField->setText(QString::number(columns));
    m_rowsField->setText(QString::number(rows));
    // A size the design cannot take is refused here rather than clamped silently.
    if (columns < 1 || columns > MaxColumns) {
        m_prompter.message(this, tr("エラー"), tr("列数は1～%1までの数値を入力してください。").arg(MaxColumns),
                           Prompter::Icon::Error);
        m_columnsField->setFocus();
        return false;
    }
    if (rows < 1 || rows > MaxRows) {
        m_prompter.message(this, tr("エラー"), tr("行数は1～%1までの数値を入力してください。").arg(MaxRows),
                           Prompter::Icon::Error);
        m_rowsField->setFocus();
        return false;
    }
    m_columns = columns;
    m_rows = rows;
    return true;
}

void SizeDialog::store()
{
    m_store.writeString(kSection, QStringLiteral("horizon"), QString::number(m_columns));
    m_store.writeString(kSection, QStringLiteral("vertical"), QString::number(m_rows));
}

void SizeDialog::accept()
{
    if (!takeFields())
        return;
    m_cancelled = false;
    store();
    QDialog::accept();
}

void SizeDialog::reject()
{
    // A number out of range is not kept; the stored size stays what it was.
    const int columns = numberOr(m_columnsField->text(), MaxColumns);
    const int rows = numberOr(m_rowsField->text(), MaxRows);
    m_columns = columns >= 1 && columns <= MaxColumns
        ? columns
        : numberOr(m_store.readString(kSection, QStringLiteral("horizon"), QStringLiteral("160")), MaxColumns);
    m_rows = rows >= 1 && rows <= MaxRows
        ? rows
        : numberOr(m_store.readString(kSection, QStringLiteral("vertical"), QStringLiteral("100")), MaxRows);
    store();
    m_cancelled = true;
    QDialog::reject();
}

void SizeDialog::closeEvent(QCloseEvent *event)
{
    // The close box counts as OK.
    event->ignore();
    accept();
}

} // namespace tessell

#include "ui/editing/ReplaceDialog.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/editing/Replace.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/CommandHost.h"
#include "ui/common/Prompter.h"
#include "ui/common/WindowPlaces.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace tessell {

namespace {
const char *kSection = "replace";
const char *kFieldKeys[4] = {"Xbegin", "Xend", "Ybegin", "Yend"};

QString oneWay() { return QStringLiteral("⇒"); }
QString exchange() { return QStringLiteral("⇔"); }

QComboBox *numberBox(QWidget *parent, const QString &hint)
{
    auto *box = new QComboBox(parent);
    for (int n = 0; n < 16; ++n)
        box->addItem(CellGrid::digit(n));
    box->setMaxVisibleItems(16);
    box->setToolTip(hint);
    return box;
}

// The tile enlarged three times in a thin frame, so that a white tile shows.
QIcon tileIcon(const PaletteEntry &entry)
{
    QImage image(17, 14, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter p(&image);
    p.drawImage(QRect(1, 1, 15, 12), entry.tileImage());
    return QIcon(QPixmap::fromImage(image));
}
} // namespace

ReplaceDialog::ReplaceDialog(CommandHost &host, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | TitleAndCloseHints), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("置換"));
    setFixedSize(374, 105);

    auto *fromLabel = new QLabel(tr("置換する番号"), this);
    fromLabel->setGeometry(8, 4, 80, 16);
    m_from = numberBox(this, tr("置換前"));
    m_from->setGeometry(8, 22, 104, 22);
    m_direction = new QPushButton(oneWay(), this);
    m_direction->setGeometry(117, 22, 26, 22);
    auto *toLabel = new QLabel(tr("置換後の番号"), this);
    toLabel->setGeometry(148, 4, 80, 16);
    m_to = numberBox(this, tr("置換後"));
    m_to->setGeometry(148, 22, 104, 22);
    showPalette();

    auto *target = new QGroupBox(tr("置換対象"), this);
    target->setGeometry(8, 50, 84, 50);
    m_whole = new QRadioButton(tr("全体"), target);
    m_whole->setGeometry(6, 14, 70, 16);
    m_range = new QRadioButton(tr("指定"), target);
    m_range->setGeometry(6, 30, 70, 16);
    auto *group = new QButtonGroup(this);
    group->addButton(m_whole, 0);
    group->addButton(m_range, 1);

    auto *rangeBox = new QGroupBox(tr("指定"), this);
    rangeBox->setGeometry(98, 50, 190, 50);
    const char *labels[4] = {QT_TR_NOOP("列から"), QT_TR_NOOP("列まで"), QT_TR_NOOP("行から"), QT_TR_NOOP("行まで")};
    for (int i = 0; i < 4; ++i) {
        auto *field = new QLineEdit(rangeBox);
        field->setMaxLength(3);
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
        field->setGeometry(6 + (i % 2) * 92, 14 + (i / 2) * 17, 34, 16);
        auto *label = new QLabel(tr(labels[i]), rangeBox);
        label->setGeometry(42 + (i % 2) * 92, 14 + (i / 2) * 17, 48, 16);
        m_fields[i] = field;
    }

    m_start = new QPushButton(tr("置換開始(&S)"), this);
    m_start->setGeometry(294, 8, 74, 25);
    m_close = new QPushButton(tr("閉じる(&C)"), this);
    m_close->setGeometry(294, 40, 74, 25);
    m_start->setAutoDefault(false);
    m_close->setAutoDefault(false);

    const SettingsStore &store = m_host.settings();
    (store.readInteger(kSection, QStringLiteral("target"), 0) == 1 ? m_range : m_whole)->setChecked(true);
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setText(store.readString(kSection, QLatin1String(kFieldKeys[i]), QStringLiteral("1")));
    m_direction->setText(store.readString(kSection, QStringLiteral("each"), oneWay()));
    const QPoint place = placeBeside(parent, QPoint(186, 135));
    move(store.readInteger(kSection, QStringLiteral("left"), place.x()),
         store.readInteger(kSection, QStringLiteral("top"), place.y()));
    updateRangeFields();
    autoEnter();

    connect(&m_host.design(), &Design::paletteChanged, this, &ReplaceDialog::showPalette);
    connect(m_whole, &QRadioButton::toggled, this, &ReplaceDialog::updateRangeFields);
    connect(m_direction, &QPushButton::clicked, this, &ReplaceDialog::toggleDirection);
    connect(m_start, &QPushButton::clicked, this, [this] { m_host.run([this] { startReplace(); }); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
}

void ReplaceDialog::updateRangeFields()
{
    const bool range = m_range->isChecked();
    for (QLineEdit *field : m_fields) {
        field->setEnabled(range);
        QPalette p = field->palette();
        p.setColor(QPalette::Base, range ? QColor(Qt::white) : palette().color(QPalette::Button));
        field->setPalette(p);
    }
}

void ReplaceDialog::showPalette()
{
    const Design &design = m_host.design();
    for (QComboBox *box : {m_from, m_to}) {
        for (int n = 0; n < 16; ++n) {
            box->setItemText(n, CellGrid::digit(n) + u' ' + design.entry(n).name());
            box->setItemIcon(n, tileIcon(design.entry(n)));
        }
        // The list opens wide enough for the longest name.
        box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0) + 8);
    }
}

void ReplaceDialog::toggleDirection() { m_direction->setText(m_direction->text() == oneWay() ? exchange() : oneWay()); }

void ReplaceDialog::autoEnter()
{
    const std::optional<QRect> cells = m_host.selectionFrameCells();
    if (!cells || cells->isEmpty())
        return;
    m_fields[0]->setText(QString::number(cells->left() + 1));
    m_fields[1]->setText(QString::number(cells->left() + cells->width()));
    m_fields[2]->setText(QString::number(cells->top() + 1));
    m_fields[3]->setText(QString::number(cells->top() + cells->height()));
}

void ReplaceDialog::startReplace()
{
    m_host.setStatus(tr("置換中"));
    m_host.processEvents();
    Design &design = m_host.design();
    QRect range(0, 0, design.columns(), design.rows());
    if (m_range->isChecked()) {
        try {
            range = Replace::checkRange(m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text(),
                                        m_fields[3]->text(), design.columns(), design.rows());
        } catch (const Error &e) {
            m_host.prompter().message(this, tr("エラー"), e.text(), Prompter::Icon::Error);
            m_host.setStatus(texts::ready());
            return;
        }
        if (m_host.selectionFrameCells())
            m_host.placeFloatingSelection();
    }
    const auto direction = m_direction->text() == exchange() ? Replace::Direction::Exchange : Replace::Direction::OneWay;
    const int from = m_from->currentIndex(), to = m_to->currentIndex();
    m_host.edit(tr("置換"), EditOrder::RedrawThenRecord, [&] {
        design.editCells([&](CellGrid &grid) {
            return Replace::replaceNumbers(grid, from, to, direction, range) ? range : QRect();
        });
    });
    m_host.setStatus(texts::ready());
}

void ReplaceDialog::writeSettings()
{
    SettingsStore &store = m_host.settings();
    store.writeInteger(kSection, QStringLiteral("target"), m_range->isChecked() ? 1 : 0);
    for (int i = 0; i < 4; ++i)
        store.writeString(kSection, QLatin1String(kFieldKeys[i]), m_fields[i]->text());
    store.writeString(kSection, QStringLiteral("each"), m_direction->text());
    store.writeInteger(kSection, QStringLiteral("left"), pos().x());
    store.writeInteger(kSection, QStringLiteral("top"), pos().y());
}

void ReplaceDialog::closeEvent(QCloseEvent *event)
{
    writeSettings();
    event->accept();
}

} // namespace tessell

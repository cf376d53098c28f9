#include "ui/app/HistoryControl.h"

#include "ui/common/AppFonts.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>

#include <functional>

namespace tessell {

namespace {
// Tells its owner when the drop-down closes, by whatever means.
class HistoryList : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> onHidden;
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (onHidden)
            onHidden();
    }
};
} // namespace

HistoryControl::HistoryControl(QWidget *parent) : QWidget(parent)
{
    setFixedSize(Width, 22);
    auto *list = new HistoryList(this);
    list->onHidden = [this] { listClosed(); };
    m_list = list;
    m_list->setObjectName(QStringLiteral("historyList"));
    m_list->setGeometry(0, 0, Width, 22);
    m_list->setMaxVisibleItems(16);
    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("historyButton"));
    m_button->setCheckable(true);
    m_button->setGeometry(0, 0, Width, 22);
    m_button->setIconSize(QSize(89, 16));
    m_button->setToolTip(tr("ヒストリー"));
    m_button->raise();
    connect(m_button, &QToolButton::clicked, this, &HistoryControl::toggleList);
    connect(m_list, &QComboBox::activated, this, &HistoryControl::entryChosen);
    setEntries({}, -1);
}

QImage HistoryControl::nameImage(const QString &name)
{
    QImage img(89, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setFont(AppFonts::ui(12));
    p.setPen(Qt::black);
    const int w = p.fontMetrics().horizontalAdvance(name);
    p.drawText(QRect((89 - w) / 2, 2, qMax(w, 1), 14), Qt::AlignLeft | Qt::AlignTop, name);
    return img;
}

void HistoryControl::setEntries(const QStringList &names, int current)
{
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        m_list->addItems(names);
        m_list->setCurrentIndex(current);
    }
    m_shown = current >= 0 ? names.value(current) : QString();
    m_button->setIcon(QIcon(QPixmap::fromImage(nameImage(m_shown))));
}

void HistoryControl::toggleList()
{
    if (m_list->view()->isVisible()) {
        m_list->hidePopup();
    } else {
        m_button->setChecked(true);
        m_list->showPopup();
    }
}

void HistoryControl::listClosed()
{
    m_button->setChecked(false);
    m_list->clearFocus();
}

} // namespace tessell

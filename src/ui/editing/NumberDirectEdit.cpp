#include "ui/editing/NumberDirectEdit.h"

#include "core/document/CellGrid.h"
#include "core/document/Design.h"
#include "ui/editing/NumberView.h"
#include "ui/editing/ToolHost.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tessell {

NumberDirectEdit::NumberDirectEdit(NumberView &view, ToolHost &host, QObject *parent)
    : QObject(parent), m_view(view), m_host(host)
{
    view.installEventFilter(this);
    view.viewport()->installEventFilter(this);
    // While a drag is on, every cell the grid makes current takes the number.
    connect(&view, &NumberView::cellSelected, this, [this] {
        if (m_dragging)
            setCurrentCell(CellGrid::digit(m_host.currentNumber()));
    });
}

void NumberDirectEdit::setCurrentCell(const QString &digit)
{
    const QPoint cell = m_view.currentCell();
    if (m_host.design().grid().contains(cell.x(), cell.y()))
        m_host.design().setCell(cell.x(), cell.y(), digit);
}

bool NumberDirectEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view.viewport()) {
        // A quick second press arrives as a double click and starts a stroke all the same.
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            auto *e = static_cast<QMouseEvent *>(event);
            const QModelIndex index = m_view.indexAt(e->position().toPoint());
            const bool left = e->button() == Qt::LeftButton;
            if (left && index.isValid())
                m_view.setCurrentCell(QPoint(index.column(), index.row()));
            setCurrentCell(CellGrid::digit(m_host.currentNumber()));
            m_dragging = true;
            // Other buttons set the current cell where it is; the table itself
            // would move it to the pointer and set a second cell.
            return !left;
        } else if (event->type() == QEvent::MouseButtonRelease && m_dragging) {
            m_dragging = false;
            m_host.finishEdit(tr("直接編集"), EditOrder::RecordThenCount);
        }
        return false;
    }
    if (watched == &m_view && event->type() == QEvent::KeyPress) {
        auto *e = static_cast<QKeyEvent *>(event);
        const QString text = e->text();
        if (text.isEmpty() || !text[0].isPrint() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false; // arrows, shortcuts and the like keep their meaning
        const QChar c = text[0];
        if (c >= u'0' && c <= u'9')
            setCurrentCell(QString(c));
        else if (c >= u'a' && c <= u'f')
            setCurrentCell(QString(c.toUpper()));
        return true;
    }
    return false;
}

} // namespace tessell

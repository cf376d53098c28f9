#pragma once

#include <QObject>

namespace tessell {

class NumberView;
class ToolHost;

// Setting cells straight in the number view: a press sets the cell under the
// pointer to the current number, dragging sets each cell passed, and the
// release records "直接編集". Typing 0-9 or a-f sets the current cell (letters
// written upper case) without recording; every other character is dropped.
class NumberDirectEdit : public QObject {
    Q_OBJECT
public:
    NumberDirectEdit(NumberView &view, ToolHost &host, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setCurrentCell(const QString &digit);

    NumberView &m_view;
    ToolHost &m_host;
    bool m_dragging = false;
};

} // namespace tessell

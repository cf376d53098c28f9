#pragma once

#include <QTableView>

namespace tessell {

class Design;
class CellGridModel;

// The design as a table of hexadecimal digits: 15 x 20 pixels a cell, no
// headers, one current cell, no in-place editor.
class NumberView : public QTableView {
    Q_OBJECT
public:
    explicit NumberView(Design &design, QWidget *parent = nullptr);

    QPoint currentCell() const;
    void setCurrentCell(const QPoint &cell);

signals:
    // Whenever a cell becomes current (click, drag or arrow keys).
    void cellSelected(const QPoint &cell);

private:
    void applySizes();

    Design &m_design;
    CellGridModel *m_model;
};

} // namespace tessell

#pragma once

#include "core/plan/CollectionPlan.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tessell {

class CommandHost;

// "集める数": the pieces and cartons every colour of the design needs, the
// pieces on hand and what is still to collect, and, when the print dialog's
// distribution is valid, what each class needs. Pieces per carton and the
// stock are typed into the table; every valid change updates the numbers at
// once, a field that holds no valid number turns red and the last valid
// value stays in force. Modal, made afresh for every opening; reads section
// "plan" (and the distribution in "print") when it opens, writes "plan" when
// it closes. The design is only read.
class CollectionPlanWindow : public QDialog {
    Q_OBJECT
public:
    // Columns of the colour table.
    enum Column { Number, Name, Pieces, PerCarton, Cartons, Stock, ToCollect, CartonsToCollect, ColumnCount };

    explicit CollectionPlanWindow(CommandHost &host, QWidget *parent = nullptr);

    const CollectionPlan &plan() const { return m_plan; }
    const PlanTable &table() const { return m_table; }
    // Asks for a file and writes both tables into it as CSV.
    void saveCsv();
    void done(int result) override;

    QTableWidget *colourTable() const { return m_colours; }
    // Nothing while the distribution is not valid.
    QTableWidget *classTable() const { return m_classes; }
    QLabel *classNote() const { return m_classNote; }
    QLineEdit *perCartonField(int entry) const { return m_perCarton[std::size_t(entry)]; }
    QLineEdit *stockField(int entry) const { return m_stock[std::size_t(entry)]; }
    QPushButton *csvButton() const { return m_csv; }
    QPushButton *closeButton() const { return m_close; }

private:
    void buildColourTable();
    void buildClassTable(const Distribution &distribution);
    // A field's text was edited: taken when valid, shown red when not.
    void fieldEdited(QLineEdit *field, int entry, bool perCarton);
    void showNumbers();

    CommandHost &m_host;
    CollectionPlan m_plan;
    PlanTable m_table;
    QTableWidget *m_colours = nullptr;
    QTableWidget *m_classes = nullptr;
    QLabel *m_classNote = nullptr;
    std::array<QLineEdit *, 16> m_perCarton{};
    std::array<QLineEdit *, 16> m_stock{};
    QPushButton *m_csv = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace tessell

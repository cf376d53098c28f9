#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace tessell {

class SettingsStore;
struct ClassPageOptions;

// The print dialog's options under the distribution: "色" (monochrome or
// colour), "その他" (the tables, the overview, the neighbour columns, large
// print with its rows a sheet and the pages of runs, the summary pages) and "テキスト" (title and
// notes). Kept in section "print" of the settings store.
class PrintOptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit PrintOptionsPanel(QWidget *parent);

    void readSettings(const SettingsStore &store);
    void writeSettings(SettingsStore &store) const;
    // Everything of the options but the distribution.
    void fill(ClassPageOptions &options) const;
    QString title() const;

    QRadioButton *monochromeButton() const { return m_colour[0]; }
    QRadioButton *colourButton() const { return m_colour[1]; }
    QCheckBox *numberTableBox() const { return m_numberTable; }
    QCheckBox *quantityTableBox() const { return m_quantityTable; }
    QCheckBox *overviewBox() const { return m_overview; }
    QCheckBox *neighboursBox() const { return m_neighbours; }
    QCheckBox *largePrintBox() const { return m_large; }
    QSpinBox *rowsPerSheetBox() const { return m_rows; }
    QCheckBox *runsBox() const { return m_runs; }
    QCheckBox *summaryBox() const { return m_summary; }
    QLineEdit *titleField() const { return m_title; }
    QPlainTextEdit *notesField() const { return m_notes; }

private:
    QRadioButton *m_colour[2] = {};
    QCheckBox *m_numberTable = nullptr;
    QCheckBox *m_quantityTable = nullptr;
    QCheckBox *m_overview = nullptr;
    QCheckBox *m_neighbours = nullptr;
    QCheckBox *m_large = nullptr;
    QSpinBox *m_rows = nullptr;
    QCheckBox *m_runs = nullptr;
    QCheckBox *m_summary = nullptr;
    QLineEdit *m_title = nullptr;
    QPlainTextEdit *m_notes = nullptr;
};

} // namespace tessell

#pragma once

#include <QDialog>

namespace tessell {

class Prompter;
class SettingsStore;
class WrapSpinField;

// "大きさ": asks the columns (1..160) and rows (1..100) of a design, keeping
// the last answer in section "new". Text that is no number counts as 160 or
// 100; a number out of range is refused and the dialog stays open.
class SizeDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxColumns = 160;
    static constexpr int MaxRows = 100;

    SizeDialog(SettingsStore &store, Prompter &prompter, QWidget *parent = nullptr);

    bool cancelled() const { return m_cancelled; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    WrapSpinField *columnsField() const { return m_columnsField; }
    WrapSpinField *rowsField() const { return m_rowsField; }

    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Reads both fields; false (after telling the user) when a number is out of range.
    bool takeFields();
    void store();

    SettingsStore &m_store;
    Prompter &m_prompter;
    WrapSpinField *m_columnsField;
    WrapSpinField *m_rowsField;
    bool m_cancelled = false;
    int m_columns = MaxColumns;
    int m_rows = MaxRows;
};

} // namespace tessell

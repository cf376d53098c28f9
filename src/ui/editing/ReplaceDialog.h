#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tessell {

class CommandHost;

// The replace dialog: one number by another or two numbers exchanged, over the
// whole design or a range of cells. Modeless; it stays above the main window
// and its range follows the selection frame.
class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReplaceDialog(CommandHost &host, QWidget *parent = nullptr);

    // Fills the range fields from the selection frame, if one is shown.
    void autoEnter();
    void startReplace();

    QComboBox *fromBox() const { return m_from; }
    QComboBox *toBox() const { return m_to; }
    QPushButton *directionButton() const { return m_direction; }
    QRadioButton *wholeButton() const { return m_whole; }
    QRadioButton *rangeButton() const { return m_range; }
    QLineEdit *columnFromField() const { return m_fields[0]; }
    QLineEdit *columnToField() const { return m_fields[1]; }
    QLineEdit *rowFromField() const { return m_fields[2]; }
    QLineEdit *rowToField() const { return m_fields[3]; }
    QPushButton *startButton() const { return m_start; }
    QPushButton *closeButton() const { return m_close; }

    // Escape closes the dialog like its close button, keeping the settings.
    void reject() override { close(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Each number beside its tile and its name ("9 紺"), following the palette.
    void showPalette();
    void updateRangeFields();
    void toggleDirection();
    void writeSettings();

    CommandHost &m_host;
    QComboBox *m_from = nullptr;
    QComboBox *m_to = nullptr;
    QPushButton *m_direction = nullptr;
    QRadioButton *m_whole = nullptr;
    QRadioButton *m_range = nullptr;
    QLineEdit *m_fields[4] = {};
    QPushButton *m_start = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace tessell

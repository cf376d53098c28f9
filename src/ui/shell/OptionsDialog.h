#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace tessell {

class CommandRunner;
class FileAssociation;

// "オプション": switches the association of .tsl files at each click of its
// box, and asks for the tool bars to go back to their default places when the
// window closes.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // What the window asks of the main window.
    struct Actions {
        std::function<void()> resetToolBars;
        std::function<void(int topic)> showHelp;
    };

    OptionsDialog(CommandRunner &runner, FileAssociation &association, const Actions &actions,
                  QWidget *parent = nullptr);

    QCheckBox *associationBox() const { return m_associate; }
    QPushButton *resetButton() const { return m_reset; }
    QPushButton *closeButton() const { return m_close; }

    void done(int result) override;

private:
    QGroupBox *fileGroup();
    QGroupBox *toolBarGroup();
    void switchAssociation(bool on);

    CommandRunner &m_runner;
    FileAssociation &m_association;
    Actions m_actions;
    QCheckBox *m_associate = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace tessell

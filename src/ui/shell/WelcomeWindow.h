#pragma once

#include <QDialog>

class QPushButton;

namespace tessell {

class CommandRunner;
class FileAssociation;

// "ようこそ": greets the user on the first start and offers the association of
// .tsl files with one button.
class WelcomeWindow : public QDialog {
    Q_OBJECT
public:
    WelcomeWindow(CommandRunner &runner, FileAssociation &association, QWidget *parent = nullptr);

    // Shows the window modally for the running program and frees it after.
    static void open(CommandRunner &runner, QWidget *parent);

    QPushButton *associateButton() const { return m_associate; }
    QPushButton *closeButton() const { return m_close; }

private:
    void associate();

    CommandRunner &m_runner;
    FileAssociation &m_association;
    QPushButton *m_associate;
    QPushButton *m_close;
};

} // namespace tessell

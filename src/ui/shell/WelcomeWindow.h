#pragma once

#include <QDialog>

class QPushButton;

namespace tessell {

// "ようこそ": greets the user on the first start. The association button is
// wired up by the file-association code; until then it does nothing.
class WelcomeWindow : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeWindow(QWidget *parent = nullptr);

    QPushButton *associateButton() const { return m_associate; }
    QPushButton *closeButton() const { return m_close; }

private:
    QPushButton *m_associate;
    QPushButton *m_close;
};

} // namespace tessell

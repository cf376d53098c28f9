#pragma once

#include <QDialog>

class QPushButton;

namespace tessell {

// "バージョン情報": the program's name, version and purpose, and the
// licences of the libraries and fonts it comes with.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

    QPushButton *okButton() const { return m_ok; }

private:
    QPushButton *m_ok;
};

} // namespace tessell

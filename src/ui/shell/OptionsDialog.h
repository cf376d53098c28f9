#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tessell {

class CommandHost;
class FileAssociation;

// "オプション": switches the association of .tsl files at each click of its
// box, asks for the tool bars to go back to their default places when the
// window closes, and keeps the language of the windows for the next start.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // resetToolBars: asked of the main window when the window closes with the reset chosen.
    OptionsDialog(CommandHost &host, FileAssociation &association, std::function<void()> resetToolBars,
                  QWidget *parent = nullptr);

    QCheckBox *associationBox() const { return m_associate; }
    QPushButton *resetButton() const { return m_reset; }
    QPushButton *closeButton() const { return m_close; }
    QRadioButton *japaneseButton() const { return m_japanese; }
    QRadioButton *englishButton() const { return m_english; }

    void done(int result) override;

private:
    QGroupBox *fileGroup();
    QGroupBox *toolBarGroup();
    QGroupBox *languageGroup();
    void switchAssociation(bool on);
    void chooseLanguage();

    CommandHost &m_host;
    FileAssociation &m_association;
    std::function<void()> m_resetToolBars;
    QCheckBox *m_associate = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_close = nullptr;
    QRadioButton *m_japanese = nullptr;
    QRadioButton *m_english = nullptr;
};

} // namespace tessell

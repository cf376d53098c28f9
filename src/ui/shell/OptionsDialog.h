#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tessell {

class CommandRunner;
class FileAssociation;
class SettingsStore;

// "オプション": switches the association of .tsl files at each click of its
// box, asks for the tool bars to go back to their default places when the
// window closes, and keeps the language of the windows for the next start.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // What the window asks of the main window.
    struct Actions {
        std::function<void()> resetToolBars;
        std::function<void(int topic)> showHelp;
    };

    OptionsDialog(CommandRunner &runner, FileAssociation &association, SettingsStore &settings,
                  const Actions &actions, QWidget *parent = nullptr);

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

    CommandRunner &m_runner;
    FileAssociation &m_association;
    SettingsStore &m_settings;
    Actions m_actions;
    QCheckBox *m_associate = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_close = nullptr;
    QRadioButton *m_japanese = nullptr;
    QRadioButton *m_english = nullptr;
};

} // namespace tessell

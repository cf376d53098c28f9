#pragma once

#include <QFont>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tessell {

class SettingsStore;

// The text tool's small window: a one-line text field and the font button. The
// user cannot close it; it goes when the tool changes.
class TextDialog : public QWidget {
    Q_OBJECT
public:
    explicit TextDialog(SettingsStore &store, QWidget *parent = nullptr);

    QLineEdit *textField() const { return m_text; }
    QPushButton *fontButton() const { return m_fontButton; }
    QString text() const;
    // The font the text is rendered in; its point size is the height in cells.
    const QFont &chosenFont() const { return m_font; }
    void setChosenFont(const QFont &font);
    static QFont initialFont();

    // Saves the position in data.dat and lets the window close.
    void release();

signals:
    void textEdited();
    void fontRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    SettingsStore &m_store;
    QLineEdit *m_text;
    QPushButton *m_fontButton;
    QFont m_font;
    bool m_releasing = false;
};

} // namespace tessell

#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace tessell {

class FloatingBlock;
class Prompter;
class SettingsStore;
class TextDialog;
class ToolHost;

// Text insertion: the text tool's dialog and the text it renders into the
// floating block, in the chosen font and the current number, kept where the
// user dragged it. Placing it is the editor's, as for any floating block.
class TextInsertion : public QObject {
    Q_OBJECT
public:
    TextInsertion(ToolHost &host, FloatingBlock &floating, SettingsStore &store, Prompter &prompter,
                  QWidget *window, QObject *parent = nullptr);

    TextDialog *dialog() const { return m_dialog; }
    // Shows the dialog (once) above the window, with the typing in its field.
    void open();
    // Saves the dialog's place and closes it; the rendered text stays floating.
    void close();
    // Renders the dialog's text again, as after a new current number.
    void enterWord();

private:
    void chooseFont();

    ToolHost &m_host;
    FloatingBlock &m_floating;
    SettingsStore &m_store;
    Prompter &m_prompter;
    QWidget *m_window;
    QPointer<TextDialog> m_dialog;
};

} // namespace tessell

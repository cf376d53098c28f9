#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace tessell {

class Prompter;

// Runs a command and shows a tessell::Error it throws in the general error box:
// the application title as caption, a full stop appended unless the text
// already ends in one. The program goes on.
class CommandRunner {
public:
    explicit CommandRunner(Prompter &prompter) : m_prompter(prompter) {}

    // True when the command finished without an error.
    bool run(QWidget *parent, const std::function<void()> &command) const;
    void showError(QWidget *parent, const QString &text) const;

    static QString withFullStop(const QString &text);
    // The application title, caption of plain notices.
    static QString title() { return QStringLiteral("Tessell"); }

private:
    Prompter &m_prompter;
};

} // namespace tessell

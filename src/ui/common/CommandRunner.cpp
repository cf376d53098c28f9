#include "ui/common/CommandRunner.h"

#include "core/Error.h"
#include "ui/common/Prompter.h"

namespace tessell {

bool CommandRunner::run(QWidget *parent, const std::function<void()> &command) const
{
    try {
        command();
        return true;
    } catch (const Error &e) {
        showError(parent, e.text());
    }
    return false;
}

void CommandRunner::showError(QWidget *parent, const QString &text) const
{
    m_prompter.message(parent, title(), withFullStop(text), Prompter::Icon::Error);
}

QString CommandRunner::withFullStop(const QString &text)
{
    if (text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x3002)))
        return text;
    return text + QLatin1Char('.');
}

} // namespace tessell

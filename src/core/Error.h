#pragma once

#include <QString>
#include <stdexcept>

namespace tessell {

// A failure the user is to read about: the text is shown as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

} // namespace tessell

#include "core/settings/SettingsStore.h"

#include "core/Error.h"
#include "core/document/CommaList.h"
#include "core/document/FileAccess.h"
#include "core/document/TextFile.h"

#include <QFile>
#include <QStringDecoder>

namespace tessell {

namespace {
bool isSectionLine(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    *name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool keyOf(const QString &line, QString *key, QString *value)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    *key = line.left(eq).trimmed();
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return true;
}
} // namespace

SettingsStore::SettingsStore(const QString &path) : m_path(path) {}

bool SettingsStore::exists() const { return QFile::exists(m_path); }

std::optional<QStringList> SettingsStore::readLines() const
{
    QByteArray bytes;
    try {
        bytes = FileAccess::read(m_path, MaxBytes);
    } catch (const Error &) {
        return std::nullopt;
    }
    // Written as UTF-8; a file that is not valid UTF-8 came from elsewhere in code page 932.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = TextFile::decodeCp932(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return TextFile::splitLines(text);
}

QString SettingsStore::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    QString current;
    bool inSection = false;
    for (const QString &line : readLines().value_or(QStringList())) {
        QString name;
        if (isSectionLine(line, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString k, v;
        if (inSection && keyOf(line, &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return defaultValue;
}

int SettingsStore::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    qint64 v = 0;
    if (!parseInteger(readString(section, key), &v))
        return defaultValue;
    return int(v);
}

bool SettingsStore::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool SettingsStore::writeString(const QString &section, const QString &key, const QString &value)
{
    // A store that exists but cannot be read must not be replaced by one key.
    QStringList lines;
    if (exists()) {
        const std::optional<QStringList> read = readLines();
        if (!read)
            return false;
        lines = *read;
    }
    const QString entry = key + u'=' + value;
    qsizetype sectionStart = -1, sectionEnd = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (isSectionLine(lines[i], &name)) {
            if (sectionStart >= 0 && sectionEnd < 0)
                sectionEnd = i;
            if (sectionStart < 0 && name.compare(section, Qt::CaseInsensitive) == 0)
                sectionStart = i;
        }
    }
    if (sectionStart < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << u'[' + section + u']' << entry;
    } else {
        if (sectionEnd < 0)
            sectionEnd = lines.size();
        bool replaced = false;
        for (qsizetype i = sectionStart + 1; i < sectionEnd; ++i) {
            QString k;
            if (keyOf(lines[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0) {
                lines[i] = entry;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            // After the section's last key, before any blank lines that separate it.
            qsizetype at = sectionEnd;
            while (at > sectionStart + 1 && lines[at - 1].trimmed().isEmpty())
                --at;
            lines.insert(at, entry);
        }
    }
    try {
        FileAccess::write(m_path, (lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8());
    } catch (const Error &) {
        return false;
    }
    return true;
}

bool SettingsStore::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool SettingsStore::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace tessell

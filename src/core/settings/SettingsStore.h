#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tessell {

// The INI file data.dat: sections, key=value, integers in decimal, booleans
// written 1/0. Every call opens the file and closes it again; a missing file
// or key gives the caller's default. Section and key names match regardless
// of letter case, as INI files do.
class SettingsStore {
public:
    // A store holds a few kilobytes; one far larger is not read, and not written over.
    static constexpr qint64 MaxBytes = 256 * 1024;

    explicit SettingsStore(const QString &path);

    const QString &path() const { return m_path; }
    bool exists() const;

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // True for any non-zero number.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // Writes one key and keeps every other section and key. Returns false when
    // the file cannot be written, or exists and cannot be read.
    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);

private:
    // Nothing when the store is missing, too large or not a regular file.
    std::optional<QStringList> readLines() const;

    QString m_path;
};

} // namespace tessell

#include "core/shell/RegistryAssociation.h"

#ifdef Q_OS_WIN

#include "core/Error.h"
#include "core/Texts.h"

#include <QSettings>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// shlobj.h needs windows.h first.
#include <shlobj.h>
#ifdef _MSC_VER
#pragma comment(lib, "shell32")
#endif

namespace tessell {

namespace {
const QString kUserClasses = QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes");
// What Explorer reads: the user's classes over the machine's.
const QString kClassesRoot = QStringLiteral("HKEY_CLASSES_ROOT");
const QString kCommandKey = QStringLiteral("tslFile/shell/open/command");

QString quoted(const QString &program)
{
    return QLatin1Char('"') + program + QLatin1Char('"');
}

// QSettings names a key's default value "Default"; it separates keys by "/".
QString defaultValueOf(const QString &key)
{
    return key + QStringLiteral("/Default");
}

// The key as the registry editor shows it, for the message.
QString shown(const QString &key)
{
    QString k = key;
    return k.replace(QLatin1Char('/'), QLatin1Char('\\'));
}
} // namespace

QString RegistryAssociation::commandFor(const QString &program) const
{
    return quoted(program) + QStringLiteral(" \"%1\"");
}

void RegistryAssociation::write(const QString &program)
{
    const std::pair<QString, QString> values[] = {
        {QStringLiteral(".tsl"), QStringLiteral("tslFile")},
        {QStringLiteral("tslFile"), texts::designFileType()},
        // Icon resource 2 of the program file: the design file icon.
        {QStringLiteral("tslFile/DefaultIcon"), quoted(program) + QStringLiteral(",-2")},
        {kCommandKey, commandFor(program)},
    };
    QSettings classes(kUserClasses, QSettings::NativeFormat);
    for (const auto &[key, value] : values) {
        classes.setValue(defaultValueOf(key), value);
        classes.sync();
        // The status keeps the first error, so the keys before it stay written.
        if (classes.status() != QSettings::NoError)
            throw Error(texts::settingFailed(shown(key)));
    }
}

void RegistryAssociation::remove()
{
    QSettings classes(kUserClasses, QSettings::NativeFormat);
    for (const QString &key : {QStringLiteral(".tsl"), QStringLiteral("tslFile")}) {
        classes.remove(key); // with all sub-keys; a missing key is no error
        classes.sync();
        // QSettings only warns when a key cannot be deleted: look again.
        classes.beginGroup(key);
        const bool left = !classes.childKeys().isEmpty() || !classes.childGroups().isEmpty();
        classes.endGroup();
        if (classes.status() != QSettings::NoError || left)
            throw Error(texts::settingFailed(shown(key)));
    }
}

QString RegistryAssociation::openCommand() const
{
    const QSettings root(kClassesRoot, QSettings::NativeFormat);
    return root.value(defaultValueOf(kCommandKey)).toString();
}

void RegistryAssociation::notify()
{
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
}

} // namespace tessell

#endif

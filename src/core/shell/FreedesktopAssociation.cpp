#include "core/shell/FreedesktopAssociation.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "core/Version.h"
#include "core/document/FileAccess.h"
#include "core/shell/ProgramIcon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <optional>

namespace tessell {

namespace {
const QString kDefaultsSection = QStringLiteral("[Default Applications]");
constexpr int kIconSize = 48;
// Desktop entries and default lists hold a few kilobytes.
constexpr qint64 kMaxKeyFileBytes = 1024 * 1024;

QString join(const QString &dir, const QString &name)
{
    return QDir(dir).filePath(name);
}

// Never a folder, a pipe or a device replaced with a plain file, nor a file
// left half-written on a full disk.
void writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw Error(texts::settingFailed(path));
    FileAccess::SaveFile file(path, texts::settingFailed(path));
    if (file.device().write(bytes) != bytes.size())
        file.cancel();
    file.commit();
}

void removeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (!QFile::remove(path))
        throw Error(texts::settingFailed(path));
}

QString findTool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return false;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// One argument of an Exec line by the desktop-entry rules: quoted only when it
// holds a reserved character, inner ", `, $ and \ escaped, % doubled.
QString execArgument(const QString &argument)
{
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString kEscapedInQuotes = QStringLiteral("\"`$\\");
    QString plain;
    QString quoted;
    bool quote = false;
    for (const QChar c : argument) {
        quote = quote || kReserved.contains(c);
        if (kEscapedInQuotes.contains(c))
            quoted += QLatin1Char('\\');
        quoted += c;
        plain += c;
        if (c == QLatin1Char('%')) {
            quoted += c;
            plain += c;
        }
    }
    return quote ? QLatin1Char('"') + quoted + QLatin1Char('"') : plain;
}

// A value as the key file format stores strings.
QString keyFileString(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString keyOf(const QString &line)
{
    return line.section(QLatin1Char('='), 0, 0).trimmed();
}

void editDefaultsFile(const QString &path, bool set)
{
    QStringList lines;
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        QByteArray bytes;
        try {
            bytes = FileAccess::read(path, kMaxKeyFileBytes);
        } catch (const Error &) {
            throw Error(texts::settingFailed(path));
        }
        lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
    } else if (!set) {
        return;
    }
    if (const auto edited = FreedesktopAssociation::editDefaults(lines, set))
        writeFile(path, (edited->join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

// The lines of a desktop entry or default list, none when it is no regular
// file of a size such files have.
QStringList keyFileLines(const QString &path)
{
    try {
        return QString::fromUtf8(FileAccess::read(path, kMaxKeyFileBytes)).split(QLatin1Char('\n'));
    } catch (const Error &) {
        return {};
    }
}

// The Exec value of a desktop entry file; empty when there is none.
QString execOf(const QString &path)
{
    bool inEntry = false;
    for (const QString &line : keyFileLines(path)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')))
            inEntry = trimmed == QLatin1String("[Desktop Entry]");
        else if (inEntry && keyOf(line) == QLatin1String("Exec"))
            return line.section(QLatin1Char('='), 1).trimmed();
    }
    return {};
}

// The default application of our type in a mimeapps.list as the desktop
// reads it: of repeated keys the last.
QString defaultApplication(const QString &path)
{
    QString found;
    bool inSection = false;
    for (const QString &line : keyFileLines(path)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')))
            inSection = trimmed == kDefaultsSection;
        else if (inSection && keyOf(line) == FreedesktopAssociation::mimeType())
            found = line.section(QLatin1Char('='), 1).section(QLatin1Char(';'), 0, 0).trimmed();
    }
    return found;
}

QByteArray iconBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    programIcon(kIconSize).save(&buffer, "PNG");
    return bytes;
}
} // namespace

std::optional<QStringList> FreedesktopAssociation::editDefaults(QStringList lines, bool set)
{
    const QString type = FreedesktopAssociation::mimeType();
    const QString ours = FreedesktopAssociation::desktopName();
    const QString entry = type + QLatin1Char('=') + ours + QLatin1Char(';');
    bool inSection = false;
    bool changed = false;
    qsizetype header = -1, setAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            inSection = trimmed == kDefaultsSection;
            if (inSection && header < 0)
                header = i;
            continue;
        }
        if (!inSection || keyOf(lines[i]) != type)
            continue;
        QStringList apps =
            lines[i].section(QLatin1Char('='), 1).trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (set) {
            // The desktop reads the last of repeated keys (sections of one name
            // are one): a later default of our type would win over ours.
            if (setAt >= 0) {
                lines.removeAt(i--);
                changed = true;
                continue;
            }
            // Written as xdg-mime reads it: no blanks around "=".
            setAt = i;
            if (lines[i] != entry) {
                lines[i] = entry;
                changed = true;
            }
            continue;
        }
        if (apps.removeAll(ours) == 0)
            continue;
        changed = true;
        if (apps.isEmpty())
            lines.removeAt(i--);
        else
            lines[i] = type + QLatin1Char('=') + apps.join(QLatin1Char(';')) + QLatin1Char(';');
    }
    if (!set || setAt >= 0)
        return changed ? std::optional(lines) : std::nullopt;
    if (header >= 0) {
        lines.insert(header + 1, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines << kDefaultsSection << entry;
    }
    return lines;
}

FreedesktopAssociation::FreedesktopAssociation()
    : FreedesktopAssociation(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                             QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
{
}

FreedesktopAssociation::FreedesktopAssociation(const QString &dataHome, const QString &configHome)
    : FreedesktopAssociation(dataHome, configHome, Tools())
{
}

FreedesktopAssociation::FreedesktopAssociation(const QString &dataHome, const QString &configHome,
                                               const Tools &tools)
    : m_dataHome(dataHome), m_configHome(configHome), m_tools(tools)
{
}

QString FreedesktopAssociation::desktopName()
{
    return QLatin1String(kApplicationId) + QStringLiteral(".desktop");
}

QString FreedesktopAssociation::mimeFile() const
{
    return join(m_dataHome, QStringLiteral("mime/packages/%1.xml").arg(QLatin1String(kApplicationId)));
}

QString FreedesktopAssociation::desktopFile() const
{
    return join(m_dataHome, QStringLiteral("applications/") + desktopName());
}

QString FreedesktopAssociation::iconFile() const
{
    return join(
        m_dataHome,
        QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(kIconSize).arg(QLatin1String(kApplicationId)));
}

QString FreedesktopAssociation::defaultsFile() const
{
    return join(m_configHome, QStringLiteral("mimeapps.list"));
}

QString FreedesktopAssociation::commandFor(const QString &program) const
{
    if (!m_installedEntry.isEmpty())
        return execOf(m_installedEntry);
    // A launcher looks for the program named by the Exec line as it stands,
    // with "%%" where a "%" is meant (GLib does), and finds nothing there: a
    // path holding "%" is handed to env, which the launcher finds, and the
    // "%%" reaches the program as "%" as the rules say.
    const QString prefix = program.contains(QLatin1Char('%')) ? QStringLiteral("env ") : QString();
    return keyFileString(prefix + execArgument(program) + QStringLiteral(" %f"));
}

void FreedesktopAssociation::write(const QString &program)
{
    if (!m_installedEntry.isEmpty()) {
        setDefault();
        return;
    }
    // Desktop entries are UTF-8: bytes of the path that are not cannot be
    // written, and the entry would name a program that is not there.
    if (program.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(program))
        throw Error(texts::programPathNotUtf8(program));
    const QString mime =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"%1\">\n"
                       "    <comment>%2</comment>\n"
                       "    <sub-class-of type=\"text/plain\"/>\n"
                       "    <icon name=\"%3\"/>\n"
                       "    <glob pattern=\"*.tsl\"/>\n"
                       "  </mime-type>\n"
                       "</mime-info>\n")
            .arg(mimeType(), texts::designFileType().toHtmlEscaped(), QLatin1String(kApplicationId));
    writeFile(mimeFile(), mime.toUtf8());
    writeFile(iconFile(), iconBytes());
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Tessell\n"
                                         "Comment=%1\n"
                                         "Exec=%2\n"
                                         "Icon=%4\n"
                                         "MimeType=%3;\n"
                                         "Terminal=false\n"
                                         "Categories=Graphics;\n")
                              .arg(keyFileString(CoreTexts::tr("モザイク壁画の図案を作るエディタ")),
                                   commandFor(program), mimeType(), QLatin1String(kApplicationId));
    writeFile(desktopFile(), entry.toUtf8());
    setDefault();
}

void FreedesktopAssociation::setDefault()
{
    const QString xdgMime = findTool(m_tools.xdgMime);
    if (xdgMime.isEmpty()) {
        editDefaultsFile(defaultsFile(), true);
        return;
    }
    if (!runTool(xdgMime, {QStringLiteral("default"), desktopName(), mimeType()}))
        throw Error(texts::settingFailed(defaultsFile()));
}

void FreedesktopAssociation::remove()
{
    if (!m_installedEntry.isEmpty()) {
        editDefaultsFile(defaultsFile(), false);
        return;
    }
    // The desktop entry first: it holds the open command.
    removeFile(desktopFile());
    // xdg-mime cannot unset a default; older versions kept it beside the entries.
    editDefaultsFile(defaultsFile(), false);
    editDefaultsFile(join(m_dataHome, QStringLiteral("applications/mimeapps.list")), false);
    removeFile(iconFile());
    removeFile(mimeFile());
}

QString FreedesktopAssociation::openCommand() const
{
    // The installed entry is always there: it opens designs when it is the default.
    if (!m_installedEntry.isEmpty())
        return defaultApplication(defaultsFile()) == desktopName() ? execOf(m_installedEntry) : QString();
    return execOf(desktopFile());
}

void FreedesktopAssociation::notify()
{
    const QString mimeDir = join(m_dataHome, QStringLiteral("mime"));
    if (QFileInfo(join(mimeDir, QStringLiteral("packages"))).isDir()) {
        const QString tool = findTool(m_tools.updateMimeDatabase);
        if (tool.isEmpty() || !runTool(tool, {mimeDir}))
            throw Error(texts::settingFailed(mimeDir));
    }
    const QString appsDir = join(m_dataHome, QStringLiteral("applications"));
    const QString tool = findTool(m_tools.updateDesktopDatabase);
    if (!tool.isEmpty() && QFileInfo(appsDir).isDir() && !runTool(tool, {appsDir}))
        throw Error(texts::settingFailed(appsDir));
}

} // namespace tessell

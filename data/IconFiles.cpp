// Writes the icon files the install puts on the desktop, from the drawings the
// program itself shows: tessell_icon_files OUTDIR APP_ID.
#include "core/shell/ProgramIcon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace tessell;

namespace {
bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writePng(const QString &path, const QImage &image)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tessell_icon_files OUTDIR APP_ID\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString id = QString::fromLocal8Bit(argv[2]);
    // The design-file icon is the MIME type's icon, named after the type.
    const QString mimeIcon = QStringLiteral("application-x-tessell");
    const QList<int> sizes{16, 24, 32, 48, 64, 128, 256};
    bool ok = true;
    for (int size : sizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/").arg(size);
        ok = writePng(out.filePath(folder + QStringLiteral("apps/") + id + QStringLiteral(".png")),
                      programIcon(size)) &&
             ok;
        ok = writePng(out.filePath(folder + QStringLiteral("mimetypes/") + mimeIcon + QStringLiteral(".png")),
                      designFileIcon(size)) &&
             ok;
    }
    ok = write(out.filePath(QStringLiteral("hicolor/scalable/apps/") + id + QStringLiteral(".svg")),
               programIconSvg()) &&
         ok;
    ok =
        write(out.filePath(QStringLiteral("hicolor/scalable/mimetypes/") + mimeIcon + QStringLiteral(".svg")),
              designFileIconSvg()) &&
        ok;
    // Icons 1 and 2 of the Windows program.
    ok = write(out.filePath(QStringLiteral("tessell.ico")),
               iconFile(programIcon, {16, 24, 32, 48, 64, 256})) &&
         ok;
    ok = write(out.filePath(QStringLiteral("tessell-design.ico")),
               iconFile(designFileIcon, {16, 24, 32, 48, 64, 256})) &&
         ok;
    return ok ? 0 : 1;
}

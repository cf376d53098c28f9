#include "support/TestSupport.h"

#include "core/Error.h"
#include "core/document/Design.h"
#include "core/settings/AppPaths.h"

#include <QFile>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace tessell::test {

Scratch::Scratch()
{
    AppPaths::setBaseDir(m_dir.path());
}

QString Scratch::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = file(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList cellsOf(const CellGrid &grid)
{
    QStringList rows;
    for (int r = 0; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.columns(); ++c)
            cells << grid.cell(c, r);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList cellsOf(const Design &design)
{
    return cellsOf(design.grid());
}

QByteArray fileOf(const QStringList &lines, const QByteArray &eol)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + eol;
    return out;
}

Palette distinctPalette()
{
    Palette palette;
    for (int n = 0; n < 16; ++n)
        palette[n].fill(qRgb((n & 1) * 255, ((n >> 1) & 1) * 200, (n >> 2) * 80));
    return palette;
}

QImage noisePicture(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

QString errorOf(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const Error &e) {
        return e.text();
    }
    return QStringLiteral("<no error>");
}

bool makeNode(const QString &path, Node kind)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == Node::Fifo)
        return ::mkfifo(name.constData(), 0644) == 0;
    return ::mknod(name.constData(), S_IFCHR | 0644, makedev(1, 3)) == 0;
}

bool isNode(const QString &path, Node kind)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return kind == Node::Fifo ? S_ISFIFO(st.st_mode)
                              : S_ISCHR(st.st_mode) && major(st.st_rdev) == 1 && minor(st.st_rdev) == 3;
}

} // namespace tessell::test

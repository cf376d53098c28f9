#include "support/TestSupport.h"

#include "core/Error.h"
#include "core/document/Design.h"
#include "core/settings/AppPaths.h"

#include <QFile>
#include <QRandomGenerator>

namespace tessell::test {

Scratch::Scratch() { AppPaths::setBaseDir(m_dir.path()); }

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

QStringList cellsOf(const Design &design) { return cellsOf(design.grid()); }

QByteArray fileOf(const QStringList &lines, const QByteArray &eol)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + eol;
    return out;
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

} // namespace tessell::test

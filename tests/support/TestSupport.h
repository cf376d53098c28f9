#pragma once

#include "core/document/PaletteEntry.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace tessell {
class CellGrid;
class Design;
} // namespace tessell

namespace tessell::test {

// A scratch folder for one test; AppPaths points into it so that no test
// touches the user's data.dat or history.
class Scratch {
public:
    Scratch();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // Writes bytes as they stand and returns the path.
    QString write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};

QByteArray readAll(const QString &path);

// Every row's cells joined by "|", row by row: a whole design in one comparison.
QStringList cellsOf(const CellGrid &grid);
QStringList cellsOf(const Design &design);
// The lines as file bytes, each ended by eol.
QByteArray fileOf(const QStringList &lines, const QByteArray &eol = "\r\n");
// Sixteen plain tiles of different colours: bit 0 of the number sets red, bit 1
// green, bits 2 and 3 the blue level.
Palette distinctPalette();
// A picture of random opaque pixels, the same for the same seed.
QImage noisePicture(int width, int height, quint32 seed);
// The text of the tessell::Error that fn throws, or "<no error>".
QString errorOf(const std::function<void()> &fn);

// Special files for the readers and writers to refuse, made in a scratch folder:
// a FIFO, or a character device with /dev/null's numbers (root only). Tests
// never point at a real device: a broken writer would replace it.
enum class Node { Fifo, Device };
// False when it cannot be made (a device needs root).
bool makeNode(const QString &path, Node kind);
bool isNode(const QString &path, Node kind);

} // namespace tessell::test

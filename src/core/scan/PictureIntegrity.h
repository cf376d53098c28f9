#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdio>

class QImage;
class QIODevice;

namespace tessell {

struct BitmapHeader;

// What the image plugins let through although the file is damaged: run-length
// bitmaps and GIF pictures cut short decode as if the rest were blank, and a
// JPEG decoder only says so in a warning. And what the libraries say on the
// way, which is kept from the user's terminal.
namespace PictureIntegrity {

// Whether the run-length data of a bitmap (8 or 4 bits, compression 1 or 2)
// reaches its end code, or its last row, before the device ends. Reads the
// device from the header's data start on; its position is left anywhere.
bool runLengthComplete(QIODevice &device, const BitmapHeader &header);

// Whether the first picture of a GIF file has all its data blocks. Reads the
// device from its start; true for what is not a GIF file.
bool gifComplete(QIODevice &device);

// Whether every chunk of a PNG file lies within the file, up to its end chunk.
// libpng takes a chunk's length as it stands and allocates it before reading:
// 300 bytes claiming a text chunk of 1.8 GB took 1.8 GB. Reads the device from
// its start; true for what is not a PNG file.
bool pngChunksWhole(QIODevice &device);

// Whether a decoder's message says that data was missing or damaged.
bool reportsDamage(const QString &messages);

// The messages of the image libraries while it lives: Qt's messages and what
// the libraries write straight to the standard error (libpng, libtiff) are
// kept from the terminal and collected, so that the user reads one message of
// ours and the loader can judge them. One at a time, on one thread.
class ImageMessages {
public:
    ImageMessages();
    ~ImageMessages();
    ImageMessages(const ImageMessages &) = delete;
    ImageMessages &operator=(const ImageMessages &) = delete;

    // Everything said so far, one message a line.
    QString text();

private:
    static void take(QtMsgType, const QMessageLogContext &, const QString &text);
    void restoreStandardError();

    QtMessageHandler m_previous = nullptr;
    QString m_text;
    std::FILE *m_capture = nullptr;
    int m_savedStandardError = -1;
};

// Writes the picture as a whole file in the format given through a
// FileAccess::SaveFile, the library's messages kept from the terminal. Throws
// "ファイル %s を作成できません" and leaves any old file as it was.
void writePicture(const QImage &image, const QString &path, const char *format);

} // namespace PictureIntegrity

} // namespace tessell

#include "core/document/TextFile.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace tessell {

QString TextFile::decodeCp932(const QByteArray &bytes)
{
    QStringDecoder decoder("Shift_JIS");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray TextFile::encodeCp932(const QString &text)
{
    QStringEncoder encoder("Shift_JIS");
    if (!encoder.isValid())
        return text.toLatin1();
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;
    // Some characters lack a code: input methods give the JIS forms of the wave
    // dash, minus and a few others, which take their code page 932 twins; the
    // rest become "?". The converter's own stand-in would read back as garbage.
    static const QHash<char32_t, char32_t> twins{
        {0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x00A2, 0xFFE0},
        {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2014, 0x2015}, {0x00A6, 0xFFE4},
    };
    bytes.clear();
    for (char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            bytes += char(c);
            continue;
        }
        c = twins.value(c, c);
        // A fresh converter each time: resetting one does not clear its error.
        QStringEncoder one("Shift_JIS");
        const QByteArray encoded = one.encode(QString::fromUcs4(&c, 1));
        bytes += one.hasError() ? QByteArray("?") : encoded;
    }
    return bytes;
}

QStringList TextFile::splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << text.mid(start, i - start);
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

QStringList TextFile::readLines(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw Error(texts::cannotOpen(path));
    return splitLines(decodeCp932(file.readAll()));
}

void TextFile::writeLines(const QString &path, const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    const QByteArray bytes = encodeCp932(text);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Error(texts::cannotCreate(path));
}

} // namespace tessell

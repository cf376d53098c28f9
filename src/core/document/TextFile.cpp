#include "core/document/TextFile.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QFile>
#include <QFileInfo>
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
    return encoder.encode(text);
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

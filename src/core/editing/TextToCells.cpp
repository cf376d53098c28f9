#include "core/editing/TextToCells.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace tessell {

QFont TextToCells::cellFont(const QFont &font, int height)
{
    QFont f(font);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    // Qt sizes fonts by their em, the line height also counts the internal
    // leading: shrink the em until the line fits.
    int pixels = qMax(1, height);
    f.setPixelSize(pixels);
    int line = QFontMetrics(f).ascent() + QFontMetrics(f).descent();
    if (line > height) {
        pixels = qMax(1, int(qint64(height) * pixels / line));
        f.setPixelSize(pixels);
        while (pixels > 1 && QFontMetrics(f).ascent() + QFontMetrics(f).descent() > height)
            f.setPixelSize(--pixels);
    }
    return f;
}

BlockText TextToCells::enterWord(const QString &text, const QFont &font, int height, int number)
{
    if (height < 1)
        return {};
    const QFont f = cellFont(font, height);
    const QFontMetrics metrics(f);
    const int width = metrics.horizontalAdvance(text) + 1;
    BlockText block(width, height);
    if (text.isEmpty())
        return block;

    QImage raster(width, height, QImage::Format_RGB32);
    raster.fill(Qt::white);
    {
        QPainter painter(&raster);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(f);
        painter.setPen(Qt::black);
        painter.drawText(0, metrics.ascent(), text);
    }
    // Unsmoothed glyphs come out pure black; the threshold only guards
    // against a font engine that smooths regardless.
    const QString ink = CellGrid::digit(number);
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(raster.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (qGray(line[x]) < 128)
                block.setValue(x, y, ink);
    }
    return block;
}

} // namespace tessell

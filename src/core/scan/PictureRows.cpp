#include "core/scan/PictureRows.h"

namespace tessell {

ImageRows::ImageRows(const QImage &image)
    : m_image(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                  ? image
                  : image.convertToFormat(QImage::Format_RGB32))
{
}

void ImageRows::rows(int first, int count, const QRgb **out)
{
    for (int i = 0; i < count; ++i)
        out[i] = reinterpret_cast<const QRgb *>(m_image.constScanLine(first + i));
}

void CroppedRows::rows(int first, int count, const QRgb **out)
{
    m_inner->rows(m_rect.top() + first, count, out);
    for (int i = 0; i < count; ++i)
        out[i] += m_rect.left();
}

} // namespace tessell

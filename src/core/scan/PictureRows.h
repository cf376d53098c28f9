#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <memory>

namespace tessell {

// A picture read row by row as 32-bit colours (the layout of QImage::Format_RGB32),
// so that the conversion can run on a picture held in memory or streamed from
// its file without decoding it whole.
class PictureRows {
public:
    virtual ~PictureRows() = default;
    virtual QSize size() const = 0;
    // Rows first .. first + count - 1 (0 at the top) into out, size().width()
    // pixels each; they stay valid until the next call.
    virtual void rows(int first, int count, const QRgb **out) = 0;
};

// The rows of a picture in memory; other formats than RGB32 and ARGB32 are
// converted first. Alpha is not looked at.
class ImageRows final : public PictureRows {
public:
    explicit ImageRows(const QImage &image);
    QSize size() const override { return m_image.size(); }
    void rows(int first, int count, const QRgb **out) override;

private:
    QImage m_image;
};

// The part of another picture inside a rectangle that lies wholly within it.
class CroppedRows final : public PictureRows {
public:
    CroppedRows(std::unique_ptr<PictureRows> inner, const QRect &rect)
        : m_inner(std::move(inner)), m_rect(rect)
    {
    }
    QSize size() const override { return m_rect.size(); }
    void rows(int first, int count, const QRgb **out) override;

private:
    std::unique_ptr<PictureRows> m_inner;
    QRect m_rect;
};

} // namespace tessell

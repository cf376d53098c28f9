#pragma once

#include "core/print/PrintTarget.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <functional>
#include <memory>

namespace tessell::test {

// A printer for tests: it logs every call and draws each page into an image of
// its own size, whatever sheet height it reports.
class RecordingTarget : public PrintTarget {
public:
    RecordingTarget(QSize surface, int sheetHeight) : sheet(sheetHeight), m_surface(surface) {}

    // What the device tells.
    int sheet;
    int printable = 0;
    QPoint offset;
    bool paperAvailable = true;

    QStringList calls;
    // One picture per sheet, the last being drawn on.
    QList<QImage> pages;
    // Called with each finished page's index; it may throw to fail the run there.
    std::function<void(int)> onPageDone;

    bool setPaper(const QPageSize &size, QPageLayout::Orientation orientation) override
    {
        calls << QStringLiteral("paper %1 %2")
                     .arg(size.name(), orientation == QPageLayout::Landscape ? "landscape" : "portrait");
        return paperAvailable;
    }
    void beginJob(const QString &name) override
    {
        calls << QStringLiteral("begin %1").arg(name);
        startSheet();
    }
    QPainter &painter() override { return *m_painter; }
    void newPage() override
    {
        calls << QStringLiteral("page");
        m_painter.reset();
        pageDone();
        startSheet();
    }
    void endJob() override
    {
        calls << QStringLiteral("end");
        m_painter.reset();
        pageDone();
    }
    void abortJob() override
    {
        calls << QStringLiteral("abort");
        m_painter.reset();
    }
    int sheetHeight() const override { return sheet; }
    int printableHeight() const override { return printable; }
    QPoint unprintableOffset() const override { return offset; }

private:
    void pageDone()
    {
        if (onPageDone)
            onPageDone(int(pages.size()) - 1);
    }
    void startSheet()
    {
        m_painter.reset();
        pages << QImage(m_surface, QImage::Format_RGB32);
        pages.last().fill(Qt::white);
        m_painter = std::make_unique<QPainter>(&pages.last());
    }

    QSize m_surface;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace tessell::test

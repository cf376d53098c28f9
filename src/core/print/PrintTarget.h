#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPoint>
#include <QString>

class QPainter;

namespace tessell {

// The printer side of the page layout engine: a system printer, a PDF file or a
// test recorder. Sizes are in the device's own pixels.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // Paper size and orientation for the coming job; false when the device's
    // settings cannot be obtained.
    virtual bool setPaper(const QPageSize &size, QPageLayout::Orientation orientation) = 0;
    // Opens the job under the given name; throws tessell::Error when it cannot.
    virtual void beginJob(const QString &name) = 0;
    // The open job's drawing surface.
    virtual QPainter &painter() = 0;
    virtual void newPage() = 0;
    // Finishes the job; throws tessell::Error when the output cannot be kept.
    virtual void endJob() = 0;
    // Drops the open job, keeping nothing of it where the device allows.
    virtual void abortJob() = 0;

    // The whole sheet's height, 0 when the device cannot tell.
    virtual int sheetHeight() const = 0;
    virtual int printableHeight() const = 0;
    // The unprintable margins at the left and the top; (0, 0) when unknown.
    virtual QPoint unprintableOffset() const = 0;
};

} // namespace tessell

#pragma once

#include "core/print/PrintTarget.h"

#include <QPainter>

class QPrinter;

namespace tessell {

// A system printer (the one chosen in the print dialog) as the printer side of
// the page layout engine. The surface starts at the printable area; the
// engine moves the page by the unprintable margins.
class PrinterPrintTarget : public PrintTarget {
public:
    explicit PrinterPrintTarget(QPrinter &printer) : m_printer(printer) {}
    ~PrinterPrintTarget() override;

    bool setPaper(const QPageSize &size, QPageLayout::Orientation orientation) override;
    void beginJob(const QString &name) override;
    QPainter &painter() override { return m_painter; }
    void newPage() override;
    void endJob() override;
    void abortJob() override;
    int sheetHeight() const override;
    int printableHeight() const override;
    QPoint unprintableOffset() const override;

private:
    QPrinter &m_printer;
    QPainter m_painter;
};

} // namespace tessell

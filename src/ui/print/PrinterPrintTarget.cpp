#include "ui/print/PrinterPrintTarget.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QPrinter>

namespace tessell {

namespace {
QString printerFailed(const QPrinter &printer)
{
    return QCoreApplication::translate("tessell", "プリンタ %1 に印刷できません").arg(printer.printerName());
}
} // namespace

PrinterPrintTarget::~PrinterPrintTarget()
{
    if (m_painter.isActive())
        abortJob();
}

bool PrinterPrintTarget::setPaper(const QPageSize &size, QPageLayout::Orientation orientation)
{
    if (!m_printer.isValid())
        return false;
    // Both are asked for, whatever the first answers.
    const bool sized = m_printer.setPageSize(size);
    const bool turned = m_printer.setPageOrientation(orientation);
    return sized && turned;
}

void PrinterPrintTarget::beginJob(const QString &name)
{
    m_printer.setDocName(name);
    if (!m_painter.begin(&m_printer))
        throw Error(printerFailed(m_printer));
}

void PrinterPrintTarget::newPage()
{
    if (m_painter.isActive() && !m_printer.newPage())
        throw Error(printerFailed(m_printer));
}

void PrinterPrintTarget::endJob()
{
    if (!m_painter.isActive())
        return;
    m_painter.end();
    if (m_printer.printerState() == QPrinter::Error)
        throw Error(printerFailed(m_printer));
}

void PrinterPrintTarget::abortJob()
{
    if (!m_painter.isActive())
        return;
    // The spooled pages are dropped; nothing of the job reaches the printer.
    m_printer.abort();
    m_painter.end();
}

int PrinterPrintTarget::sheetHeight() const
{
    return m_printer.pageLayout().fullRectPixels(m_printer.resolution()).height();
}

int PrinterPrintTarget::printableHeight() const
{
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height();
}

QPoint PrinterPrintTarget::unprintableOffset() const
{
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).topLeft();
}

} // namespace tessell

#include "core/print/LightRep.h"

#include "core/Texts.h"
#include "core/print/CustomLRPanel.h"
#include "core/print/LRError.h"
#include "core/print/PrintTarget.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace tessell {

LightRep::LightRep() : LRElement(QRect(), LRAlign::None)
{
    setParentFont(false);
    fitPaper();
}

LightRep::~LightRep() = default;

QSize LightRep::paperUnits(PaperSize size)
{
    switch (size) {
    case PaperSize::A4:
        return {794, 1123};
    case PaperSize::B4:
        return {945, 1338};
    case PaperSize::B5:
        return {688, 971};
    case PaperSize::A3:
        return {1123, 1587};
    case PaperSize::A5:
        return {559, 794};
    default:
        return {};
    }
}

QPageSize LightRep::pageSize(PaperSize size)
{
    switch (size) {
    case PaperSize::A4:
        return QPageSize(QPageSize::A4);
    // 250 x 353 mm, the sheet the page units of PaperSize::B4 describe.
    case PaperSize::B4:
        return QPageSize(QPageSize::B4);
    case PaperSize::B5:
        return QPageSize(QPageSize::JisB5);
    case PaperSize::A3:
        return QPageSize(QPageSize::A3);
    case PaperSize::A5:
        return QPageSize(QPageSize::A5);
    default:
        return QPageSize();
    }
}

void LightRep::setPaperSize(PaperSize size)
{
    m_paperSize = size;
    fitPaper();
}

void LightRep::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    fitPaper();
}

void LightRep::fitPaper()
{
    if (m_paperSize == PaperSize::None)
        return;
    QSize s = paperUnits(m_paperSize);
    if (m_orientation == Orientation::Landscape)
        s.transpose();
    place(QRect(QPoint(0, 0), s));
}

bool LightRep::acceptsSize(const QSize &size) const
{
    return m_paperSize == PaperSize::None || size == bounds().size();
}

void LightRep::setMargin(int index, int margin)
{
    if (margin <= 0 || 2 * margin >= width())
        return;
    m_margins[index] = margin;
    realign();
}

QRect LightRep::dockArea() const
{
    // A one-unit frame inside the sheet, then the margins.
    const int l = 1 + marginLeft(), t = 1 + marginTop();
    return QRect(l, t, width() - l - 1 - marginRight(), height() - t - 1 - marginBottom());
}

void LightRep::checkPlacement(const LRElement &) const
{
    throw LRError(texts::reportOnFormOnly());
}

void LightRep::applyPaperSettings()
{
    if (m_paperSize == PaperSize::None) {
        if (m_onSetPrinter)
            m_onSetPrinter(*this);
        return;
    }
    const auto orientation =
        m_orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!m_printer || !m_printer->setPaper(pageSize(m_paperSize), orientation))
        throw LRError(texts::paperSettingsFailed());
}

void LightRep::beginDoc()
{
    if (m_state == State::Printing)
        throw LRError(texts::printerBusy());
    applyPaperSettings();
    if (!m_printer)
        throw LRError(texts::paperSettingsFailed());
    m_printer->beginJob(m_title);
    // The job stays on this printer, whatever printer is set meanwhile.
    m_job = m_printer;
    m_state = State::Printing;
}

void LightRep::printPage()
{
    // Also refused while previewing: no job is open then.
    if (m_state != State::Printing)
        throw LRError(texts::beginDocNotCalled());
    int sheet = m_job->sheetHeight();
    if (sheet <= 0)
        sheet = m_job->printableHeight();
    const double scale = double(sheet) / height();
    // The surface starts at the printable area; page units count from the sheet's edge.
    const QPoint offset = m_job->unprintableOffset();
    drawPage(m_job->painter(), scale,
             QPoint(int(std::trunc(offset.x() / scale)), int(std::trunc(offset.y() / scale))));
}

void LightRep::newPage()
{
    if (m_state == State::Printing)
        m_job->newPage();
}

void LightRep::endDoc()
{
    if (m_state != State::Printing)
        return;
    m_state = State::Idle;
    m_job->endJob();
}

void LightRep::abortDoc()
{
    if (m_state != State::Printing)
        return;
    m_state = State::Idle;
    m_job->abortJob();
}

void LightRep::beginPreview()
{
    if (m_state == State::Printing)
        throw LRError(texts::previewWhilePrinting());
    m_state = State::Previewing;
}

void LightRep::previewPage(QPainter &surface)
{
    if (m_state != State::Previewing)
        beginPreview();
    surface.fillRect(QRect(0, 0, width(), height()), Qt::white);
    drawPage(surface, 1.0);
}

void LightRep::previewPageScaled(QPainter &surface, int x, int y, int percent)
{
    if (percent < 25 || percent > 100)
        throw LRError(texts::invalidPrintScale());
    QImage page(width(), height(), QImage::Format_RGB32);
    {
        QPainter p(&page);
        previewPage(p);
    }
    // Averaged down in one step, so that thin lines stay visible as grey.
    const QSize size(percent * width() / 100, percent * height() / 100);
    surface.drawImage(QPoint(x, y), page.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void LightRep::endPreview()
{
    if (m_state == State::Previewing)
        m_state = State::Idle;
}

void LightRep::drawPage(QPainter &painter, double scale, const QPoint &shift)
{
    for (const auto &child : children())
        if (auto *panel = dynamic_cast<CustomLRPanel *>(child.get()); panel && panel->isVisible())
            panel->print(painter, panel->bounds().translated(-shift), scale);
}

} // namespace tessell

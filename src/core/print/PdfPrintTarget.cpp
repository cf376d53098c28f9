#include "core/print/PdfPrintTarget.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QPainter>
#include <QPdfWriter>

namespace tessell {

PdfPrintTarget::PdfPrintTarget(const QString &path, int resolution)
    : m_path(path), m_resolution(resolution),
      m_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0))
{
}

PdfPrintTarget::~PdfPrintTarget()
{
    if (m_file)
        abortJob();
}

bool PdfPrintTarget::setPaper(const QPageSize &size, QPageLayout::Orientation orientation)
{
    m_layout = QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0));
    return true;
}

void PdfPrintTarget::beginJob(const QString &name)
{
    auto file = std::make_unique<FileAccess::SaveFile>(m_path);
    auto writer = std::make_unique<QPdfWriter>(&file->device());
    writer->setResolution(m_resolution);
    writer->setPageLayout(m_layout);
    writer->setTitle(name);
    writer->setCreator(QStringLiteral("Tessell"));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(writer.get()))
        throw Error(texts::cannotCreate(m_path));
    m_file = std::move(file);
    m_writer = std::move(writer);
    m_painter = std::move(painter);
}

QPainter &PdfPrintTarget::painter()
{
    return *m_painter;
}

void PdfPrintTarget::newPage()
{
    if (m_writer)
        m_writer->newPage();
}

bool PdfPrintTarget::closeWriter()
{
    const bool ended = !m_painter || !m_painter->isActive() || m_painter->end();
    m_painter.reset();
    m_writer.reset();
    return ended;
}

void PdfPrintTarget::endJob()
{
    if (!m_file)
        return;
    const std::unique_ptr<FileAccess::SaveFile> file = std::move(m_file);
    if (!closeWriter())
        file->cancel();
    file->commit();
}

void PdfPrintTarget::abortJob()
{
    if (!m_file)
        return;
    closeWriter();
    m_file.reset();
}

int PdfPrintTarget::sheetHeight() const
{
    return m_layout.fullRectPixels(m_resolution).height();
}

} // namespace tessell

#include "core/print/PdfPrintTarget.h"

#include "core/Error.h"
#include "core/Texts.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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
    auto file = std::make_unique<QSaveFile>(m_path);
    if (!file->open(QIODevice::WriteOnly))
        throw Error(texts::cannotCreate(m_path));
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(m_resolution);
    writer->setPageLayout(m_layout);
    writer->setTitle(name);
    writer->setCreator(QStringLiteral("Tessell"));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(writer.get())) {
        file->cancelWriting();
        throw Error(texts::cannotCreate(m_path));
    }
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

void PdfPrintTarget::closeWriter()
{
    if (m_painter)
        m_painter->end();
    m_painter.reset();
    m_writer.reset();
}

void PdfPrintTarget::endJob()
{
    if (!m_file)
        return;
    closeWriter();
    const bool kept = m_file->commit();
    m_file.reset();
    if (!kept)
        throw Error(texts::cannotCreate(m_path));
}

void PdfPrintTarget::abortJob()
{
    if (!m_file)
        return;
    closeWriter();
    m_file->cancelWriting();
    m_file.reset();
}

int PdfPrintTarget::sheetHeight() const
{
    return m_layout.fullRectPixels(m_resolution).height();
}

} // namespace tessell

#pragma once

#include "core/document/FileAccess.h"
#include "core/print/PrintTarget.h"

#include <memory>

class QPdfWriter;

namespace tessell {

// A vector PDF file as the printer: the whole sheet is printable, and the file
// is written under a temporary name and put in place only when the job ends,
// so a failed or dropped job leaves no half-written file (and any old file);
// a write that fails on the way, a full disk for one, fails the job's end.
class PdfPrintTarget : public PrintTarget {
public:
    // Fine enough that line widths and positions keep their proportions.
    static constexpr int DefaultResolution = 1200;

    explicit PdfPrintTarget(const QString &path, int resolution = DefaultResolution);
    ~PdfPrintTarget() override;

    bool setPaper(const QPageSize &size, QPageLayout::Orientation orientation) override;
    void beginJob(const QString &name) override;
    QPainter &painter() override;
    void newPage() override;
    void endJob() override;
    void abortJob() override;
    int sheetHeight() const override;
    int printableHeight() const override { return sheetHeight(); }
    QPoint unprintableOffset() const override { return {}; }

private:
    // Whether the painter finished without an error of its device.
    bool closeWriter();

    QString m_path;
    int m_resolution;
    QPageLayout m_layout;
    std::unique_ptr<FileAccess::SaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace tessell

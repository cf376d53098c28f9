#include "ui/scan/ImageScanWindow.h"

#include "core/Error.h"
#include "core/document/Design.h"
#include "core/plan/StockLimit.h"
#include "core/scan/PictureRows.h"
#include "ui/common/CommandHost.h"
#include "ui/common/WaitCursor.h"
#include "ui/scan/ScanPictureView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QWindow>

#include <algorithm>
#include <exception>

// The image scan window's conversion: the cell colours of the picture, the
// read with its progress panel, the conversion again at every change, and the
// result shown.
namespace tessell {

void ImageScanWindow::showProgressPanel()
{
    m_progressCaption->setText(tr("画像を変換中"));
    m_progressBar->setValue(0);
    m_progressPanel->move(mapToGlobal(rect().center()) - m_progressPanel->rect().center());
    m_progressPanel->show();
    m_progressPanel->raise();
    // The panel is drawn once the window system has put it on the screen, so
    // wait for that briefly; what the user does meanwhile waits until the
    // conversion has ended.
    QElapsedTimer clock;
    clock.start();
    do
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    while (!m_progressPanel->windowHandle()->isExposed() && clock.elapsed() < 250);
    m_progressPanel->repaint();
}

ScanOptions ImageScanWindow::options() const
{
    ScanOptions o = ScanOptions::fromItems(m_scanType->checkedId(), m_compare->checkedId());
    o.adjustments = {m_brightness->value(), m_contrast->value(), m_saturation->value()};
    return o;
}

const std::vector<QRgb> &ImageScanWindow::cellColours()
{
    if (m_cells.empty() && !m_view->picture().isNull()) {
        WaitCursor wait;
        const Design &design = m_host.design();
        m_cells = MosaicConversion::cellAverages(m_view->picture(), design.columns(), design.rows());
    }
    return m_cells;
}

void ImageScanWindow::readPicture()
{
    showProgressPanel();
    const Design &design = m_host.design();
    const int columns = design.columns(), rows = design.rows();
    const int total = MosaicConversion::progressTotal(rows);
    const auto report = [this, total](int done) {
        m_progressBar->setMaximum(total);
        m_progressBar->setValue(std::min(done, total));
        m_progressBar->repaint();
    };
    if (m_cells.empty()) {
        ImageRows source(m_view->picture());
        m_cells = MosaicConversion::cellAverages(source, columns, rows, report);
    }
    m_progressCaption->setText(tr("画像を読み取り中"));
    m_progressPanel->repaint();
    std::vector<QRgb> cells = m_cells;
    options().adjustments.apply(cells);
    // A stock too small converts nothing: the earlier result stays, and the
    // error box comes once the progress panel is gone.
    std::exception_ptr failure;
    try {
        showResult(matchCells(cells, [&](int r) { report(rows - 1 + r + 1); }), cells);
    } catch (...) {
        failure = std::current_exception();
    }
    m_progressBar->setValue(0);
    m_progressPanel->hide();
    if (failure)
        run([&] { std::rethrow_exception(failure); });
}

void ImageScanWindow::convertAgain()
{
    if (m_view->picture().isNull())
        return;
    std::vector<QRgb> cells = cellColours();
    options().adjustments.apply(cells);
    try {
        showResult(matchCells(cells), cells);
    } catch (const Error &e) {
        // Told beside the preview, which keeps the last result, rather than in a box at every change.
        m_difference->setText(e.text());
    }
}

std::vector<std::uint8_t> ImageScanWindow::matchCells(const std::vector<QRgb> &cells,
                                                      const std::function<void(int)> &rowDone) const
{
    const Design &design = m_host.design();
    if (m_withinStock->isChecked())
        return StockLimit::match(cells, design.columns(), design.rows(), m_means, options(), m_stock,
                                 rowDone);
    return MosaicConversion::match(cells, design.columns(), design.rows(), m_means, options(), nullptr,
                                   rowDone);
}

void ImageScanWindow::showResult(const std::vector<std::uint8_t> &entries, const std::vector<QRgb> &cells)
{
    const Design &design = m_host.design();
    m_entries = entries;
    m_lines = MosaicConversion::resultLines(entries, design.columns(), design.rows());
    m_difference->setText(
        tr("色の差 ΔE %1")
            .arg(QString::number(MosaicConversion::meanDifference(cells, entries, m_means), 'f', 1)));
    m_transfer->setEnabled(true);
    if (!m_preview->isChecked() || entries.empty())
        return;
    QImage shown(design.columns(), design.rows(), QImage::Format_RGB32);
    for (int r = 0; r < shown.height(); ++r) {
        auto *line = reinterpret_cast<QRgb *>(shown.scanLine(r));
        for (int c = 0; c < shown.width(); ++c)
            line[c] = m_means[entries[std::size_t(r) * shown.width() + c] & 15];
    }
    m_view->setPreview(shown, m_view->size());
    fitPicture();
}

} // namespace tessell

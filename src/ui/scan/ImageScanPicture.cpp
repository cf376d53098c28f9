#include "ui/scan/ImageScanWindow.h"

#include "core/document/Design.h"
#include "core/scan/PictureLoader.h"
#include "scanner/ScannerFactory.h"
#include "scanner/ScannerTexts.h"
#include "ui/common/CommandHost.h"
#include "ui/common/Prompter.h"
#include "ui/common/WaitCursor.h"
#include "ui/scan/ScanPictureView.h"
#include "ui/scan/WindowScanUi.h"

#include <QCheckBox>
#include <QEvent>
#include <QPushButton>
#include <QScrollArea>

#include <algorithm>
#include <cmath>

// The picture side of the image scan window: where the picture comes from,
// how it is fitted to the area, and the crop drawn over it.
namespace tessell {

// ---------------------------------------------------------------- the picture

const QImage &ImageScanWindow::picture() const
{
    return m_view->picture();
}

void ImageScanWindow::setPicture(const QImage &picture)
{
    // Held as the conversion reads it, so that a read does not copy it again.
    m_view->setPicture(
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32));
    pictureChanged();
    m_read->setEnabled(true);
    m_chooseColours->setEnabled(true);
}

void ImageScanWindow::loadFromFile()
{
    QList<Prompter::Filter> filters;
    for (const PictureLoader::Filter &f : PictureLoader::fileDialogFilters())
        filters.append({f.label, f.patterns});
    const QString path = m_host.prompter().openFileName(this, tr("画像ファイルを開く"), filters);
    if (path.isEmpty())
        return;
    run([&] {
        QImage loaded;
        {
            WaitCursor wait;
            loaded = PictureLoader::load(path);
        }
        setPicture(loaded);
    });
}

void ImageScanWindow::loadFromScanner()
{
    Prompter &prompter = m_host.prompter();
    WindowScanUi ui(this, [&prompter](QWidget *parent, const QString &caption, const QString &label,
                                      const QStringList &devices) {
        return prompter.chooseItem(parent, caption, label, devices);
    });
    run([&] {
        ScannerService &service = scannerService();
        if (!service.selectSource(ui)) {
            prompter.message(this, tr("エラー"), texts::deviceNotReady(), Prompter::Icon::Error);
            return;
        }
        m_host.processEvents();
        QImage image;
        if (!service.acquire(image, true, ui))
            return;
        m_host.processEvents();
        setPicture(image);
    });
}

void ImageScanWindow::fitPicture()
{
    if (m_view->isPreviewShown()) {
        // The design as the editor draws it, 6 by 5 pixels a cell, fitted to the area.
        const Design &design = m_host.design();
        const QSize room = m_area->maximumViewportSize();
        const QSize shape(6 * design.columns(), 5 * design.rows());
        m_view->setPreview(m_view->preview(),
                           shape.scaled(room, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        return;
    }
    double scale = 1.0;
    const QImage &picture = m_view->picture();
    if (m_fit->isChecked() && !picture.isNull()) {
        const QSize room = m_area->maximumViewportSize();
        scale =
            qMin(1.0, qMin(double(room.width()) / picture.width(), double(room.height()) / picture.height()));
    }
    m_view->setScale(scale);
}

bool ImageScanWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Resize &&
        (m_fit->isChecked() || m_view->isPreviewShown()))
        fitPicture();
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- the crop

void ImageScanWindow::pressPicture(QPoint point)
{
    m_crop->setEnabled(false);
    m_start = point;
    m_selecting = true;
    m_end = point;
    m_pointer = point;
    showOutline();
    m_view->setOutlineVisible(true);
    movePicture(point);
}

void ImageScanWindow::movePicture(QPoint point)
{
    if (!m_selecting)
        return;
    // A coordinate off the picture keeps its last value inside it.
    const QSize size = m_view->picture().size();
    if (point.x() >= 0 && point.x() <= size.width())
        m_pointer.setX(point.x());
    if (point.y() >= 0 && point.y() <= size.height())
        m_pointer.setY(point.y());
    m_end = cropEnd(m_pointer);
    showOutline();
}

QPoint ImageScanWindow::cropEnd(QPoint pointer) const
{
    if (!m_aspect->isChecked())
        return pointer;
    // The frame takes the design's Columns : Rows, as large as the pointer's
    // reach in either direction, but no larger than the picture allows.
    const Design &design = m_host.design();
    const double columns = design.columns(), rows = design.rows();
    const QSize size = m_view->picture().size();
    const int dx = pointer.x() >= m_start.x() ? 1 : -1, dy = pointer.y() >= m_start.y() ? 1 : -1;
    const double roomX = dx > 0 ? size.width() - m_start.x() : m_start.x();
    const double roomY = dy > 0 ? size.height() - m_start.y() : m_start.y();
    double units =
        std::max(std::abs(pointer.x() - m_start.x()) / columns, std::abs(pointer.y() - m_start.y()) / rows);
    units = std::min({units, roomX / columns, roomY / rows});
    return m_start + QPoint(dx * int(std::lround(units * columns)), dy * int(std::lround(units * rows)));
}

void ImageScanWindow::releasePicture()
{
    if (!m_selecting)
        return;
    m_selecting = false;
    if (m_end.x() != m_start.x() && m_end.y() != m_start.y())
        m_crop->setEnabled(true);
    if (m_end.x() < m_start.x()) {
        const int x = m_start.x();
        m_start.setX(m_end.x());
        m_end.setX(x);
    }
    if (m_end.y() < m_start.y()) {
        const int y = m_start.y();
        m_start.setY(m_end.y());
        m_end.setY(y);
    }
    showOutline();
}

QRect ImageScanWindow::cropRectangle() const
{
    return QRect(m_start, QSize(m_end.x() - m_start.x(), m_end.y() - m_start.y()));
}

void ImageScanWindow::showOutline()
{
    m_view->setOutline(m_start, QSize(m_end.x() - m_start.x(), m_end.y() - m_start.y()));
}

void ImageScanWindow::cropPicture()
{
    // The outline may have been drawn over an earlier, larger picture: only
    // the part inside this one is kept.
    const QImage cropped = PictureLoader::crop(m_view->picture(), cropRectangle());
    m_view->setPicture(cropped);
    pictureChanged();
    m_view->setOutlineVisible(false);
    m_crop->setEnabled(false);
}

} // namespace tessell

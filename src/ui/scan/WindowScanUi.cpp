#include "ui/scan/WindowScanUi.h"

#include "ui/scan/SaneScanDialog.h"

#include <QCoreApplication>

namespace tessell {

WindowScanUi::WindowScanUi(QWidget *window, DeviceChooser chooser)
    : m_window(window), m_chooser(std::move(chooser))
{
}

WId WindowScanUi::ownerWindow() const
{
    return m_window ? m_window->window()->winId() : 0;
}

std::optional<int> WindowScanUi::chooseDevice(const QStringList &devices)
{
    if (!m_chooser)
        return std::nullopt;
    return m_chooser(m_window, QCoreApplication::translate("WindowScanUi", "スキャナの選択"),
                     QCoreApplication::translate("WindowScanUi", "使用する装置を選んでください。"), devices);
}

bool WindowScanUi::runScan(ScanSession &session, QImage &image)
{
    SaneScanDialog dialog(session, m_window);
    return dialog.scan(image);
}

} // namespace tessell

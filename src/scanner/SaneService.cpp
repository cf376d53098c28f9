#include "scanner/SaneService.h"

#include "core/Error.h"
#include "scanner/SaneSession.h"
#include "scanner/ScanUi.h"
#include "scanner/ScannerTexts.h"

#include <QImage>
#include <QThread>

#include <sane/sane.h>

namespace tessell {

std::unique_ptr<SaneService> SaneService::open()
{
    SANE_Int version = 0;
    if (sane_init(&version, nullptr) != SANE_STATUS_GOOD)
        return nullptr;
    return std::unique_ptr<SaneService>(new SaneService);
}

SaneService::~SaneService()
{
    sane_exit();
}

void SaneService::listDevices(QList<QByteArray> &names, QStringList &labels)
{
    const SANE_Device **list = nullptr;
    if (sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD || !list)
        return;
    for (int i = 0; list[i]; ++i) {
        const SANE_Device *d = list[i];
        names.append(QByteArray(d->name));
        labels.append(
            (QString::fromUtf8(d->vendor) + QLatin1Char(' ') + QString::fromUtf8(d->model)).trimmed());
    }
}

bool SaneService::selectSource(ScanUi &ui)
{
    QList<QByteArray> names;
    QStringList labels;
    listDevices(names, labels);
    if (names.isEmpty())
        return false;
    const std::optional<int> index = ui.chooseDevice(labels);
    if (!index || *index < 0 || *index >= names.size())
        return false;
    m_device = names[*index];
    m_label = labels[*index];
    return true;
}

bool SaneService::acquire(QImage &image, bool showUi, ScanUi &ui)
{
    if (m_device.isEmpty()) {
        // Nothing chosen yet: the first device there is.
        QList<QByteArray> names;
        QStringList labels;
        listDevices(names, labels);
        if (names.isEmpty())
            throw Error(texts::deviceNotReady());
        m_device = names.first();
        m_label = labels.first();
    }
    SANE_Handle handle = nullptr;
    if (sane_open(m_device.constData(), &handle) != SANE_STATUS_GOOD || !handle)
        throw Error(texts::deviceNotReady());
    struct Closer {
        SANE_Handle handle;
        ~Closer() { sane_close(handle); }
    } closer{handle};
    SaneSession session(handle, m_label);

    QImage scanned;
    if (showUi) {
        if (!ui.runScan(session, scanned))
            return false;
    } else {
        session.start({});
        for (qint64 before = -1; !session.readSome(); before = session.bytesRead()) {
            if (session.bytesRead() == before)
                QThread::msleep(5);
        }
        scanned = session.image();
    }
    image = scanned;
    return true;
}

} // namespace tessell

#include "ui/scan/SaneScanDialog.h"

#include "scanner/ScanSession.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessell {

namespace {
constexpr int kProgressSteps = 1000;
constexpr int kWaitMs = 10;
} // namespace

SaneScanDialog::SaneScanDialog(ScanSession &session, QWidget *parent) : QDialog(parent), m_session(session)
{
    setWindowTitle(session.deviceName());
    setModal(true);
    setMinimumWidth(280); // room for the device's name in the title

    m_resolution = new QComboBox(this);
    m_resolution->setObjectName(QStringLiteral("resolutionBox"));
    for (int dpi : ScanSession::resolutions())
        m_resolution->addItem(tr("%1 dpi").arg(dpi), dpi);
    m_resolution->setCurrentIndex(m_resolution->findData(ScanSession::DefaultDpi));
    m_colour = new QRadioButton(tr("カラー"), this);
    m_grey = new QRadioButton(tr("グレー"), this);
    m_colour->setChecked(true);
    auto *modes = new QHBoxLayout;
    modes->addWidget(m_colour);
    modes->addWidget(m_grey);
    modes->addStretch();
    auto *form = new QFormLayout;
    form->addRow(tr("解像度"), m_resolution);
    form->addRow(tr("色"), modes);

    m_progress = new QProgressBar(this);
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    m_scanButton = new QPushButton(tr("スキャン"), this);
    m_cancelButton = new QPushButton(tr("キャンセル"), this);
    m_scanButton->setDefault(true);
    connect(m_scanButton, &QPushButton::clicked, this, &SaneScanDialog::startScan);
    connect(m_cancelButton, &QPushButton::clicked, this, &SaneScanDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_scanButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    m_reader.setSingleShot(true);
    connect(&m_reader, &QTimer::timeout, this, &SaneScanDialog::readMore);
}

bool SaneScanDialog::scan(QImage &image)
{
    const bool done = exec() == QDialog::Accepted;
    if (m_failure)
        std::rethrow_exception(m_failure);
    if (done)
        image = m_image;
    return done;
}

void SaneScanDialog::startScan()
{
    m_resolution->setEnabled(false);
    m_colour->setEnabled(false);
    m_grey->setEnabled(false);
    m_scanButton->setEnabled(false);
    try {
        m_session.start({m_resolution->currentData().toInt(), m_colour->isChecked()});
    } catch (...) {
        stopWith(std::current_exception());
        return;
    }
    m_scanning = true;
    m_reader.start(0);
}

void SaneScanDialog::readMore()
{
    if (!m_scanning)
        return;
    const qint64 before = m_session.bytesRead();
    bool done = false;
    try {
        done = m_session.readSome();
    } catch (...) {
        stopWith(std::current_exception());
        return;
    }
    const qint64 expected = m_session.bytesExpected();
    if (expected > 0)
        m_progress->setValue(int(qMin(m_session.bytesRead(), expected) * kProgressSteps / expected));
    else
        m_progress->setRange(0, 0); // the device does not know how much is coming
    if (done) {
        m_scanning = false;
        m_image = m_session.image();
        m_progress->setRange(0, kProgressSteps);
        m_progress->setValue(kProgressSteps);
        accept();
        return;
    }
    // Straight on while data flows; a short wait when the device had nothing.
    m_reader.start(m_session.bytesRead() == before ? kWaitMs : 0);
}

void SaneScanDialog::stopWith(std::exception_ptr failure)
{
    m_scanning = false;
    m_failure = failure;
    QDialog::reject();
}

void SaneScanDialog::reject()
{
    // Closing the window in the middle of a scan stops the device.
    m_reader.stop();
    if (m_scanning)
        m_session.cancel();
    m_scanning = false;
    QDialog::reject();
}

} // namespace tessell

#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <exception>

class QComboBox;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace tessell {

class ScanSession;

// Our own settings window for devices that have none: resolution, colour or
// grey, "スキャン" and "キャンセル", and a progress bar over the bytes read.
// The scan is read in slices from the event loop, so every window stays
// responsive while it runs.
class SaneScanDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaneScanDialog(ScanSession &session, QWidget *parent = nullptr);

    // Shows the dialog modally. True with image filled when a scan finished;
    // false when the user cancelled or closed the dialog; a device failure
    // throws tessell::Error after the dialog has closed.
    bool scan(QImage &image);

    void reject() override;

    QComboBox *resolutionBox() const { return m_resolution; }
    QRadioButton *greyButton() const { return m_grey; }
    QPushButton *scanButton() const { return m_scanButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    QProgressBar *progressBar() const { return m_progress; }

private:
    void startScan();
    void readMore();
    void stopWith(std::exception_ptr failure);

    ScanSession &m_session;
    QComboBox *m_resolution;
    QRadioButton *m_colour;
    QRadioButton *m_grey;
    QPushButton *m_scanButton;
    QPushButton *m_cancelButton;
    QProgressBar *m_progress;
    QTimer m_reader;
    bool m_scanning = false;
    QImage m_image;
    std::exception_ptr m_failure;
};

} // namespace tessell

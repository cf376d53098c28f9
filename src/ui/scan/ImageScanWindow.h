#pragma once

#include "core/scan/MosaicConversion.h"

#include <QDialog>
#include <QImage>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace tessell {

class CommandHost;
class ScanPictureView;

// "イメージスキャン": a picture from a file or a scanner, cropped by the mouse,
// converted into one palette number per cell and written into the design.
// Modal and made afresh for every opening; the picture and the result live only
// as long as the window. The two choices are kept in section "scan".
class ImageScanWindow : public QDialog {
    Q_OBJECT
public:
    explicit ImageScanWindow(CommandHost &host, QWidget *parent = nullptr);

    // Puts a picture in (from a file or a scanner); read becomes possible.
    void setPicture(const QImage &picture);
    const QImage &picture() const;
    const QStringList &resultLines() const { return m_lines; }
    // The crop rectangle in picture pixels, top-left corner first once released.
    QRect cropRectangle() const;

    void loadFromFile();
    void loadFromScanner();
    void cropPicture();
    void readPicture();
    void transferAndClose();

    // Closing by any way stores the choices and drops the result.
    void done(int result) override;

    ScanPictureView *pictureView() const { return m_view; }
    QScrollArea *pictureArea() const { return m_area; }
    QPushButton *scannerButton() const { return m_fromScanner; }
    QPushButton *fileButton() const { return m_fromFile; }
    QPushButton *cropButton() const { return m_crop; }
    QCheckBox *fitBox() const { return m_fit; }
    QRadioButton *averageButton() const { return m_average; }
    QRadioButton *emphasizedButton() const { return m_emphasized; }
    QRadioButton *paintButton() const { return m_paint; }
    QRadioButton *diffusionButton() const { return m_diffusion; }
    QPushButton *readButton() const { return m_read; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *transferButton() const { return m_transfer; }
    QWidget *progressPanel() const { return m_progressPanel; }
    QLabel *progressCaption() const { return m_progressCaption; }
    QProgressBar *progressBar() const { return m_progressBar; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSidePanel(QWidget *panel);
    void buildProgressPanel();
    void showProgressPanel();
    void pressPicture(QPoint point);
    void movePicture(QPoint point);
    void releasePicture();
    void showOutline();
    void fitPicture();
    // Runs a command; its tessell::Error goes to the error box over this window.
    bool run(const std::function<void()> &command);

    CommandHost &m_host;
    MeanColours m_means;
    QStringList m_lines;
    // The crop: the press point and the end point, in picture pixels.
    QPoint m_start;
    QPoint m_end;
    bool m_selecting = false;

    QScrollArea *m_area;
    ScanPictureView *m_view;
    QPushButton *m_fromScanner = nullptr;
    QPushButton *m_fromFile = nullptr;
    QPushButton *m_crop = nullptr;
    QCheckBox *m_fit = nullptr;
    QButtonGroup *m_compare = nullptr;
    QButtonGroup *m_scanType = nullptr;
    QRadioButton *m_average = nullptr;
    QRadioButton *m_emphasized = nullptr;
    QRadioButton *m_paint = nullptr;
    QRadioButton *m_diffusion = nullptr;
    QPushButton *m_read = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_transfer = nullptr;
    QWidget *m_progressPanel = nullptr;
    QLabel *m_progressCaption = nullptr;
    QProgressBar *m_progressBar = nullptr;
};

} // namespace tessell

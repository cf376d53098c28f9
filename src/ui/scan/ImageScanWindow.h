#pragma once

#include "core/plan/CollectionPlan.h"
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
class QSlider;
class QSpinBox;

namespace tessell {

class CommandHost;
class ScanPictureView;

// "イメージスキャン": a picture from a file or a scanner, cropped by the mouse,
// adjusted, converted into one palette number per cell and written into the
// design. Modal and made afresh for every opening; the picture, its cells'
// mean colours and the result live only as long as the window. The choices,
// the adjustments and the view are kept in section "scan". With "結果を表示"
// every change converts again from the kept cell colours and shows the result.
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
    // "写真から色を選ぶ": the palette from the picture's cells, then a new conversion.
    void choosePalette();
    // The adjustments back to zero.
    void resetAdjustments();
    // The window's choices as the conversion takes them.
    ScanOptions options() const;
    // True once "写真から色を選ぶ" changed the design's palette: the main
    // window applies it as it does after the palette editor.
    bool paletteChosen() const { return m_paletteChosen; }

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
    QRadioButton *perceptualButton() const { return m_perceptual; }
    QRadioButton *smoothButton() const { return m_smooth; }
    QCheckBox *previewBox() const { return m_preview; }
    QCheckBox *aspectBox() const { return m_aspect; }
    QCheckBox *stockBox() const { return m_withinStock; }
    QSlider *brightnessSlider() const { return m_brightness; }
    QSlider *contrastSlider() const { return m_contrast; }
    QSlider *saturationSlider() const { return m_saturation; }
    QPushButton *resetButton() const { return m_reset; }
    QSpinBox *colourCountBox() const { return m_colourCount; }
    QPushButton *chooseColoursButton() const { return m_chooseColours; }
    QLabel *differenceLabel() const { return m_difference; }
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
    QWidget *buildAdjustmentBar();
    void buildProgressPanel();
    void showProgressPanel();
    void pressPicture(QPoint point);
    void movePicture(QPoint point);
    void releasePicture();
    void showOutline();
    void fitPicture();
    // A new picture or crop: the kept cell colours and the shown result go.
    void pictureChanged();
    const std::vector<QRgb> &cellColours();
    // Pass 2 again from the kept cell colours; the result shown when previewing.
    void convertAgain();
    void showResult(const std::vector<std::uint8_t> &entries, const std::vector<QRgb> &cells);
    // Pass 2 with the window's choices, within the stock when asked; throws
    // "在庫が足りません (あと %1 枚)" when the stock is too small.
    std::vector<std::uint8_t> matchCells(const std::vector<QRgb> &cells,
                                         const std::function<void(int row)> &rowDone = {}) const;
    void previewToggled(bool on);
    void choiceChanged();
    // The crop's end point for the pointer, at the design's shape when asked.
    QPoint cropEnd(QPoint pointer) const;
    // Runs a command; its tessell::Error goes to the error box over this window.
    bool run(const std::function<void()> &command);

    CommandHost &m_host;
    MeanColours m_means;
    QStringList m_lines;
    // The crop: the press point and the end point, in picture pixels.
    QPoint m_start;
    QPoint m_end;
    QPoint m_pointer;
    bool m_selecting = false;
    // The picture's cell colours before the adjustments, made once a picture.
    std::vector<QRgb> m_cells;
    std::vector<std::uint8_t> m_entries;
    bool m_paletteChosen = false;
    bool m_resetting = false;
    // The pieces on hand, as "集める数" keeps them.
    Stock m_stock;

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
    QRadioButton *m_perceptual = nullptr;
    QRadioButton *m_smooth = nullptr;
    QCheckBox *m_preview = nullptr;
    QCheckBox *m_aspect = nullptr;
    QCheckBox *m_withinStock = nullptr;
    QSlider *m_brightness = nullptr;
    QSlider *m_contrast = nullptr;
    QSlider *m_saturation = nullptr;
    QPushButton *m_reset = nullptr;
    QSpinBox *m_colourCount = nullptr;
    QPushButton *m_chooseColours = nullptr;
    QLabel *m_difference = nullptr;
    QPushButton *m_read = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_transfer = nullptr;
    QWidget *m_progressPanel = nullptr;
    QLabel *m_progressCaption = nullptr;
    QProgressBar *m_progressBar = nullptr;
};

} // namespace tessell

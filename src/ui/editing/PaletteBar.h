#pragma once

#include "core/document/PaletteEntry.h"

#include <QImage>
#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QToolButton;

namespace tessell {

// The palette bar's contents: the preview of the current number (its tile
// stretched, the digit over it) and sixteen toggle buttons, one down.
class PaletteBar : public QWidget {
    Q_OBJECT
public:
    explicit PaletteBar(QWidget *parent = nullptr);

    // Rebuilds the sixteen button images and the preview.
    void setPalette(const Palette &palette);
    // Presses the number's button and shows it in the preview.
    void setCurrent(int number);
    int current() const { return m_current; }
    QToolButton *button(int number) const { return m_buttons[number]; }
    QLabel *previewImage() const { return m_preview; }
    QLabel *previewLabel() const { return m_label; }

    // The 36 x 43 button image: digit and name in the text colour, and the
    // tile stretched below.
    static QImage buttonImage(int number, const PaletteEntry &entry, const QColor &text = Qt::black);

signals:
    void numberChosen(int number);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updatePreview();

    std::array<QToolButton *, 16> m_buttons{};
    QButtonGroup *m_group;
    QLabel *m_preview;
    QLabel *m_label;
    Palette m_palette;
    bool m_drawn = false;
    int m_current = 0;
};

} // namespace tessell

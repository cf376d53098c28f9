#pragma once

#include "core/document/PaletteEntry.h"

#include <QDialog>
#include <QRgb>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tessell {

class CommandHost;

// "パレットエディタ": edits the sixteen tiles and names of the open design in
// place, reorders them, loads them from a settings or design file and makes
// them from a folder of pictures. Every change goes into the design at once;
// there is nothing to cancel and no history entry. Modal; the opener applies
// the palette to its own displays once the window has closed.
class PaletteEditor : public QDialog {
    Q_OBJECT
public:
    explicit PaletteEditor(CommandHost &host, QWidget *parent = nullptr);

    int selected() const { return m_selected; }
    QRgb currentColour() const { return m_current; }

    QLabel *numberLabel() const { return m_number; }
    QLineEdit *nameField() const { return m_name; }
    QWidget *preview() const { return m_preview; }
    QWidget *swatch(int k) const { return m_swatches[k]; }
    QWidget *colourSwatch() const { return m_colourSwatch; }
    QWidget *colourStrip() const { return m_strip; }
    QLineEdit *colourField() const { return m_colourField; }
    QPushButton *fillButton() const { return m_fill; }
    QListWidget *list() const { return m_list; }
    // The upper arrow lowers the entry's number, the lower one raises it.
    QToolButton *upperArrow() const { return m_upper; }
    QToolButton *lowerArrow() const { return m_lower; }
    QPushButton *openButton() const { return m_open; }
    QPushButton *autoCreateButton() const { return m_autoCreate; }
    QPushButton *closeButton() const { return m_close; }

private:
    const PaletteEntry &entry() const;
    void setPalette(const Palette &palette);
    void fillList();
    void showEntry(int number);
    void paintSwatch(int k);
    void fillTile();
    void chooseColour();
    void setCurrentColour(QRgb colour);
    void rename(const QString &name);
    void moveByArrow(int step);
    void openSettings();
    void autoCreate();

    CommandHost &m_host;
    int m_selected = 0;
    QRgb m_current = qRgb(255, 255, 255);
    // Where the colour chooser starts: the colour last confirmed in it.
    QRgb m_chosen = qRgb(0, 0, 0);
    bool m_showing = false;

    QLabel *m_number = nullptr;
    QLineEdit *m_name = nullptr;
    QWidget *m_preview = nullptr;
    std::array<QWidget *, PaletteEntry::PixelCount> m_swatches{};
    QWidget *m_colourSwatch = nullptr;
    QWidget *m_strip = nullptr;
    QLineEdit *m_colourField = nullptr;
    QPushButton *m_fill = nullptr;
    QListWidget *m_list = nullptr;
    QToolButton *m_upper = nullptr;
    QToolButton *m_lower = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_autoCreate = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace tessell

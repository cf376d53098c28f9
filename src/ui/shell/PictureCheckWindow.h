#pragma once

#include <QDialog>
#include <QImage>

class QAction;
class QMenu;
class QToolButton;

namespace tessell {

class CommandHost;

// "画像確認": the whole design as it will be built, every cell its tile at
// natural size without grid lines, centred on a black screen. The picture can
// be saved; a left click anywhere closes the window.
class PictureCheckWindow : public QDialog {
    Q_OBJECT
public:
    // Builds the picture at once, showing the progress in the status panel,
    // and covers the screen of parent (the main window).
    explicit PictureCheckWindow(CommandHost &host, QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    // The picture's top-left corner on the window: centred, and cut equally on
    // both sides when it is larger.
    QPoint pictureOrigin() const;
    QToolButton *saveButton() const { return m_saveButton; }
    QToolButton *closeButton() const { return m_closeButton; }
    QMenu *contextMenu() const { return m_menu; }

    // Asks for a file and writes the picture: a Windows bitmap whatever the
    // name, or PNG when that filter was chosen. A failure is shown and the
    // window stays open.
    void save();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildPicture();
    QToolButton *toolButton(QAction *action, const QString &name);

    CommandHost &m_host;
    QImage m_picture;
    QAction *m_save;
    QAction *m_close;
    QToolButton *m_saveButton;
    QToolButton *m_closeButton;
    QMenu *m_menu;
    // A left press on the window that its release turns into a close.
    bool m_leftPressed = false;
};

} // namespace tessell

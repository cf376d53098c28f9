#pragma once

#include "core/editing/Moves.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace tessell {

class CommandHost;

// The rotate and move window: eight one-cell moves and a rotation by an angle
// in steps of 5 degrees. A tool window that stays above the main window.
class RotateMoveWindow : public QWidget {
    Q_OBJECT
public:
    explicit RotateMoveWindow(CommandHost &host, QWidget *parent = nullptr);

    int angle() const { return m_angle; }
    // One step of the up-down control, wrapping from 350 to 0 and back.
    void stepAngle(int steps);
    QToolButton *button(Moves::Direction direction) const;
    QToolButton *rotateButton() const { return m_rotate; }
    QToolButton *angleUpButton() const { return m_up; }
    QToolButton *angleDownButton() const { return m_down; }
    QLabel *angleLabel() const { return m_angleLabel; }

    void moveDesign(Moves::Direction direction);
    void rotateDesign();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showAngle();

    CommandHost &m_host;
    int m_angle = 0;
    QToolButton *m_buttons[8] = {};
    QToolButton *m_rotate = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    QLabel *m_angleLabel = nullptr;
};

} // namespace tessell

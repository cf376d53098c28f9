#pragma once

#include <QWidget>

namespace tessell {

// The borderless window shown at start-up, above all others, that closes
// itself after a delay (3 seconds in the program; tests pass a short one).
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(int delayMs = 3000, QWidget *parent = nullptr);

    void start();

signals:
    // After the window closed itself.
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_delay;
};

} // namespace tessell

#pragma once

#include "core/document/PieceCounts.h"

#include <QImage>
#include <QWidget>

#include <array>

class QToolButton;

namespace tessell {

// The bar along the bottom: sixteen count buttons ("0:" in bold, "16000枚"),
// the button of the current number pressed. Display only: it takes no mouse input.
class CountBar : public QWidget {
    Q_OBJECT
public:
    explicit CountBar(QWidget *parent = nullptr);

    void setCounts(const PieceCounts &counts);
    const PieceCounts &counts() const { return m_counts; }
    void setCurrent(int number);
    int current() const { return m_current; }
    QToolButton *button(int number) const { return m_buttons[number]; }

    // The 49 x 14 count image of one number.
    static QImage countImage(int number, int count);
    // The least blank between the colon and the count, in pixels: what the
    // Japanese counts of five digits keep.
    static constexpr int Gap = 4;

private:
    std::array<QToolButton *, 16> m_buttons{};
    PieceCounts m_counts{};
    bool m_drawn = false;
    int m_current = 0;
};

} // namespace tessell

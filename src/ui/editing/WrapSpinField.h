#pragma once

#include <QAbstractSpinBox>

namespace tessell {

// A three-character number field with spin buttons that wrap around at both
// ends. Unlike QSpinBox it keeps any text typed, so the caller decides what a
// text that is no number, or a number out of range, means.
class WrapSpinField : public QAbstractSpinBox {
    Q_OBJECT
public:
    WrapSpinField(int minimum, int maximum, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &) const override {}

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int m_minimum;
    int m_maximum;
};

} // namespace tessell

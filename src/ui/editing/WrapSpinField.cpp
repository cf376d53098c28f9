#include "ui/editing/WrapSpinField.h"

#include <QLineEdit>

namespace tessell {

WrapSpinField::WrapSpinField(int minimum, int maximum, QWidget *parent)
    : QAbstractSpinBox(parent), m_minimum(minimum), m_maximum(maximum)
{
    lineEdit()->setMaxLength(3);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    setWrapping(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

QString WrapSpinField::text() const { return lineEdit()->text(); }

void WrapSpinField::setText(const QString &text) { lineEdit()->setText(text.left(3)); }

void WrapSpinField::stepBy(int steps)
{
    bool ok = false;
    int value = text().trimmed().toInt(&ok);
    if (!ok)
        value = m_minimum;
    const int span = m_maximum - m_minimum + 1;
    value = m_minimum + (((value - m_minimum + steps) % span) + span) % span;
    setText(QString::number(value));
    lineEdit()->selectAll();
}

QValidator::State WrapSpinField::validate(QString &input, int &) const
{
    return input.size() <= 3 ? QValidator::Acceptable : QValidator::Invalid;
}

} // namespace tessell

#include "gui/up_down_edit.h"

#include <QLineEdit>

#include <algorithm>

namespace pw {

UpDownEdit::UpDownEdit(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
    // Whatever is typed stays as typed; nothing is corrected when the box loses focus.
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setAccelerated(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &UpDownEdit::textChanged);
}

void UpDownEdit::setText(const QString& text) {
    lineEdit()->setText(text);
}

QValidator::State UpDownEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

int UpDownEdit::StartValue() const {
    bool ok = false;
    const int value = text().trimmed().toInt(&ok);
    return ok ? std::clamp(value, minimum_, maximum_) : minimum_;
}

void UpDownEdit::stepBy(int steps) {
    const long long next = static_cast<long long>(StartValue()) + steps;
    setText(QString::number(std::clamp<long long>(next, minimum_, maximum_)));
    selectAll();
}

QAbstractSpinBox::StepEnabled UpDownEdit::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    const int value = StartValue();
    StepEnabled enabled = StepNone;
    if (value < maximum_) enabled |= StepUpEnabled;
    if (value > minimum_) enabled |= StepDownEnabled;
    return enabled;
}

} // namespace pw

#pragma once
// An edit box with up-down arrows. The arrows (and the arrow keys) step the number within
// their limits; the box itself takes any text, so a typed value outside the limits, or one
// that is no number at all, reaches whoever reads the box as typed.

#include <QAbstractSpinBox>

namespace pw {

class UpDownEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    UpDownEdit(int minimum, int maximum, QWidget* parent);

    void setText(const QString& text);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    // The text changed, typed, stepped or set.
    void textChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    // The number the arrows start from: the box's number held to the limits, or the lower
    // limit when the box holds no number.
    int StartValue() const;

    int minimum_;
    int maximum_;
};

} // namespace pw

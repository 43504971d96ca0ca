#pragma once

#include <QLineEdit>

namespace kelvora {

// A decimal measure (weight, height, skinfold, circumference): digits and one decimal
// comma, at most six characters. A typed point becomes the comma, so the number reads
// the same whichever key the user's habit reaches for; a second comma and any other
// character are typed as nothing.
class MeasureField : public QLineEdit {
    Q_OBJECT
public:
    explicit MeasureField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A whole number typed with digits only, at most `maxLength` characters (the ideal fat
// percentage).
QLineEdit* wholeNumberField(QWidget* parent, int maxLength);

} // namespace kelvora

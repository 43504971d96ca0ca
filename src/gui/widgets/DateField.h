#pragma once

#include "domain/DateText.h"

#include <QLineEdit>

namespace kelvora {

// A date typed as "dd/mm/yyyy". While empty it shows no mask; the first key typed
// brings the mask, and leaving it (Enter moves on) with only the blank mask empties
// it again, so a date never touched or erased is stored as null.
class DateField : public QLineEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget* parent = nullptr);

    void setDate(const QDate& date); // an invalid date empties the field
    bool isBlank() const;            // nothing but the mask
    DateEntry entry() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void settle();
};

} // namespace kelvora

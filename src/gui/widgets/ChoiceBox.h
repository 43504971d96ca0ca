#pragma once

#include <QComboBox>

namespace kelvora {

// A drop-down whose value is only chosen from its list: typed letters do not pick
// an entry, and Insert and Delete do nothing. A value outside the list (read from
// an older row) is shown as it is until a choice is made.
class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    ChoiceBox(const QStringList& choices, QWidget* parent = nullptr);

    // Selects `value` when it is one of the choices; otherwise shows it without a choice.
    void showValue(const QString& value);
    bool hasChoice() const { return currentIndex() >= 0; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kelvora

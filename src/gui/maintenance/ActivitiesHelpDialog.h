#pragma once

#include <QDialog>

namespace kelvora {

// "Ajuda - ATIVIDADES": what the fields of the activities register mean.
class ActivitiesHelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit ActivitiesHelpDialog(QWidget* parent = nullptr);
};

} // namespace kelvora

#pragma once

#include <QDialog>

namespace kelvora {

// "Novidades": what changed in this release.
class WhatsNewDialog : public QDialog {
    Q_OBJECT
public:
    explicit WhatsNewDialog(QWidget* parent = nullptr);
};

} // namespace kelvora

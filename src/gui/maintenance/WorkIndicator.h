#pragma once

#include <QWidget>

class QLabel;

namespace kelvora {

// The waiting text (LBLBACKUPRESTORE) with a moving bar beneath it, shown while a
// backup, restore or emptying runs.
class WorkIndicator : public QWidget {
    Q_OBJECT
public:
    WorkIndicator(const QString& text, QWidget* parent);
};

} // namespace kelvora

#include "gui/maintenance/WorkIndicator.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace kelvora {

WorkIndicator::WorkIndicator(const QString& text, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("LBLBACKUPRESTORE"));
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    // How long the work takes is not known: the bar only shows that it goes on.
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    layout->addWidget(bar);
    // The dialog keeps its size whether the indicator shows or not.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
}

} // namespace kelvora

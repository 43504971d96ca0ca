#include "gui/widgets/ToolButtons.h"

#include <QBoxLayout>
#include <QToolButton>

namespace kelvora::ToolButtons {

QToolButton* add(QBoxLayout* row, const QString& caption, const char* name,
                 QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton;
    button->setText(caption);
    button->setObjectName(QLatin1String(name));
    button->setIcon(button->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    row->addWidget(button);
    return button;
}

QWidget* bar(QWidget* parent, const QVector<Entry>& entries, QVector<QToolButton*>* made)
{
    auto* bar = new QWidget(parent);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (const Entry& entry : entries) {
        QToolButton* button = add(row, QString::fromUtf8(entry.caption), entry.name, entry.icon);
        QObject::connect(button, &QToolButton::clicked, bar, entry.action);
        if (made)
            made->append(button);
    }
    row->addStretch();
    return bar;
}

} // namespace kelvora::ToolButtons

#include "gui/users/UserGrid.h"

#include <QHeaderView>

namespace kelvora {

UserGrid::UserGrid(QWidget* parent)
    : QTableWidget(0, 2, parent)
{
    setObjectName(QStringLiteral("DBGRIDUSUARIOS"));
    setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Nome")});
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    setTabKeyNavigation(false);
    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { emit userActivated(item(row, 0)->text()); });
}

void UserGrid::showUsers(const QVector<Users::Entry>& users)
{
    const QString selected = currentCode();
    setRowCount(0);
    setRowCount(users.size());
    for (int row = 0; row < users.size(); ++row) {
        setItem(row, 0, new QTableWidgetItem(users.at(row).code));
        setItem(row, 1, new QTableWidgetItem(users.at(row).name));
    }
    selectCode(selected);
    if (currentRow() < 0 && rowCount() > 0)
        setCurrentCell(0, 0);
}

QString UserGrid::currentCode() const
{
    const QTableWidgetItem* code = item(currentRow(), 0);
    return code ? code->text() : QString();
}

QString UserGrid::nameOf(const QString& code) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (item(row, 0)->text() == code)
            return item(row, 1)->text();
    return {};
}

void UserGrid::selectCode(const QString& code)
{
    for (int row = 0; row < rowCount(); ++row)
        if (item(row, 0)->text() == code)
            setCurrentCell(row, 0);
}

} // namespace kelvora

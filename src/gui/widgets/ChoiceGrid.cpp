#include "gui/widgets/ChoiceGrid.h"

#include <QHeaderView>
#include <QTableView>

namespace kelvora {

void makeChoiceGrid(QTableView* grid)
{
    grid->setToolTip(QStringLiteral("Clique duplo para selecionar"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    QHeaderView* columns = grid->horizontalHeader();
    columns->setSectionResizeMode(columns->count() - 1, QHeaderView::Stretch);
    if (columns->count() > 1)
        grid->setColumnWidth(0, 100);
}

} // namespace kelvora

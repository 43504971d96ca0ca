#pragma once

class QTableView;

namespace kelvora {

// Sets `grid` up as a list to choose a student (or one of a student's dates) from:
// read only, whole rows, one at a time, "Clique duplo para selecionar", the number
// column narrow and the last column taking the rest, rows of one height (so the grid
// never measures the rows it does not show). Call after the model is set.
void makeChoiceGrid(QTableView* grid);

} // namespace kelvora

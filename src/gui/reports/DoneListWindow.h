#pragma once

#include "gui/reports/ListWindow.h"

class QComboBox;
class QLineEdit;

namespace kelvora {

// "Avaliações Feitas": the assessments of a period, of one assessor or of all.
class DoneListWindow : public ListWindow {
    Q_OBJECT
public:
    explicit DoneListWindow(MainWindow& window);

private:
    Made document() override;
    QLineEdit* dateField(const char* name);
    void fillAssessors();
    // Enter in a date field: the date written back as "dd/mm/yyyy", then the next
    // field; a text that is no date is told and keeps the focus.
    void dateEntered(QLineEdit* field, const QString& which, QWidget* next);

    QComboBox* m_assessors;
    QLineEdit* m_first;
    QLineEdit* m_last;
};

} // namespace kelvora

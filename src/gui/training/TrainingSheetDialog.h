#pragma once

#include "report/training/TrainingSheetReport.h"

#include <QDate>
#include <QDialog>

class QComboBox;

namespace kelvora {

class Connection;

// "Ficha de Exercício ": a student's sheet of one routine, "A" to "E", shown in
// the preview; the dialog stays for another routine until "Cancela".
class TrainingSheetDialog : public QDialog {
    Q_OBJECT
public:
    struct Student {
        QString number;
        QString name;
        QDate birth;
    };

    // `corvun` is the training database (connected); the teacher may live in
    // `brandel`, as the training product says.
    TrainingSheetDialog(Connection& corvun, Connection& brandel, QString gymName, Student student,
                        QWidget* parent = nullptr);

    // Shows the dialog unless the training product's settings cannot be read
    // (then says so and shows nothing).
    int exec() override;

private:
    void confirm();

    Connection& m_corvun;
    Connection& m_brandel;
    QString m_gymName;
    Student m_student;
    QComboBox* m_routine;
};

} // namespace kelvora

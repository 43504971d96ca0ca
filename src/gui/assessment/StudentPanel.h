#pragma once

#include <QGroupBox>

class QLabel;
class QPushButton;

namespace kelvora {

struct AssessmentContext;

// The hub's fixed panel (`PNLFIXO`), shown while an assessment is included, changed or
// deleted: who is being assessed, with "Confirma Exclusão" and "Outro Aluno".
class StudentPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit StudentPanel(QWidget* parent = nullptr);

    void showStudent(const AssessmentContext& context, const QString& name,
                     const QString& occupation);
    void showPhoto(const QByteArray& jpeg);

    QPushButton* confirmButton() const { return m_confirm; }
    QPushButton* otherStudentButton() const { return m_other; }

private:
    QLabel* m_name;
    QLabel* m_number;
    QLabel* m_sex;
    QLabel* m_age;
    QLabel* m_occupation;
    QLabel* m_photo;
    QPushButton* m_confirm;
    QPushButton* m_other;
};

} // namespace kelvora

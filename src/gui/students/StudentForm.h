#pragma once

#include "data/Rows.h"
#include "domain/students/StudentRules.h"

#include <QHash>
#include <QSqlRecord>
#include <QWidget>

class QLineEdit;

namespace kelvora {

class ChoiceBox;
class DateField;

// The fields of one student, in the order Enter moves along, with their key rules and
// the checks made when Enter leaves a field. Text is kept in capitals, the e-mail
// address in small letters.
class StudentForm : public QWidget {
    Q_OBJECT
public:
    explicit StudentForm(QWidget* parent = nullptr);

    // Enter in the last field moves to `widget` (the register's "Confirma").
    void setLastStop(QWidget* widget);

    void showStudent(const QSqlRecord& student);
    void clear();
    // Every field, or every field but the number.
    void setEditable(bool fields, bool number);

    QString number() const;
    void setNumber(const QString& number);
    void setText(const QString& column, const QString& text);
    void setDate(const QString& column, const QDate& date);

    StudentRules::Student student() const;
    // What to store: every column of the form.
    ColumnValues values() const;
    // The columns whose value differs from `original`.
    ColumnValues changesFrom(const QSqlRecord& original) const;

    void focusColumn(const QString& column);

private:
    void build();
    void layOut();
    QWidget* fieldOf(const QString& column) const { return m_fields.value(column); }
    QLineEdit* addText(const QString& column);
    // Enter in `field`: true when its text may be left as it is.
    bool accepted(const QString& column);

    QHash<QString, QWidget*> m_fields;
    QHash<QString, QLineEdit*> m_texts;
    QHash<QString, DateField*> m_dates;
    ChoiceBox* m_state = nullptr;
    QList<QWidget*> m_order;
    QWidget* m_lastStop = nullptr;
};

} // namespace kelvora

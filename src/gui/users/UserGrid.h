#pragma once

#include "data/Users.h"

#include <QTableWidget>

namespace kelvora {

// The read-only grid of users ("Código", "Nome") the three user screens share. Its
// current row is the selected user; keys that would add or remove rows do nothing.
class UserGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit UserGrid(QWidget* parent = nullptr);

    void showUsers(const QVector<Users::Entry>& users);
    QString currentCode() const;
    QString nameOf(const QString& code) const;
    void selectCode(const QString& code);

signals:
    void userActivated(const QString& code); // a double click on a row
};

} // namespace kelvora

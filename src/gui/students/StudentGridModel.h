#pragma once

#include "data/Students.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

namespace kelvora {

class Connection;

// The grid of the student register ("Matrícula", "Nome", "Cadastro"). It keeps only
// the numbers in the grid's order and reads the other columns a page at a time as
// rows come into view, so a register of a hundred thousand students opens quickly.
class StudentGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StudentGridModel(Connection& own, QObject* parent = nullptr);

    // Reads the numbers again in `order`. Throws OpenFailed.
    void reload(Students::Order order);
    Students::Order order() const { return m_order; }

    int rowOf(const QString& number) const; // -1 when the grid does not hold it
    QString numberAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QSqlRecord* rowAt(int row) const;

    Connection& m_own;
    Students::Order m_order = Students::Order::ByNumber;
    QStringList m_numbers;
    QHash<QString, int> m_rows;
    mutable QHash<int, QHash<QString, QSqlRecord>> m_pages; // page number -> rows by number
};

} // namespace kelvora

#pragma once

#include "data/Companion.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace kelvora {

// A grid of students to choose from ("Matrícula", "Nome"), wherever the students
// come from: the own register or the gym-management database (the hub, the e-mail
// window).
class StudentListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit StudentListModel(const Companion& companion, QObject* parent = nullptr);

    // Reads the students again in `order`. Throws OpenFailed.
    void reload(Companion::Order order);
    // The first row whose number (or name) begins with `prefix`; -1 when none does.
    int firstBeginningWith(const QString& prefix) const;
    int rowOf(const QString& number) const;
    QString numberAt(int row) const { return m_numbers.value(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const Companion& m_companion;
    Companion::Order m_order = Companion::Order::ByNumber;
    QStringList m_numbers;
    QStringList m_names;
};

} // namespace kelvora

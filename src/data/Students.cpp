#include "data/Students.h"

#include "data/Connection.h"
#include "data/DataError.h"

namespace kelvora::Students {

namespace {

const QString Photo = QStringLiteral("FOTO1");

QString orderBy(const Connection& own, Order order)
{
    return order == Order::ByNumber ? Number
                                    : own.dialect().textOrder(Name) + QStringLiteral(", ") + Number;
}

// Leaves exactly one photo row for the student, holding `photo` when there is one.
void keepPhotoRow(Connection& own, const QString& number, const PhotoChange& photo)
{
    if (!photo) {
        own.execute(Photos,
                    QStringLiteral("INSERT INTO FotosAlunos (MATRICULA) SELECT ? "
                                   "WHERE NOT EXISTS (SELECT 1 FROM FotosAlunos "
                                   "WHERE MATRICULA = ?)"),
                    {number, number});
        return;
    }
    const int updated =
        own.execute(Photos, QStringLiteral("UPDATE FotosAlunos SET FOTO1 = ? WHERE MATRICULA = ?"),
                    {*photo, number});
    if (updated == 0)
        Rows::insert(own, Photos, {{Number, number}, {Photo, *photo}});
}

QString numberOf(const ColumnValues& student)
{
    for (const auto& [column, value] : student)
        if (column == Number)
            return value.toString();
    return {};
}

} // namespace

QString lastNumber(const Connection& own)
{
    QSqlQuery query = own.select(
        Table, QStringLiteral("SELECT MATRICULA FROM Alunos ORDER BY MATRICULA DESC LIMIT 1"));
    return query.next() ? query.value(0).toString() : QString();
}

std::optional<QSqlRecord> find(const Connection& own, const QString& number)
{
    QSqlQuery query =
        own.select(Table, QStringLiteral("SELECT * FROM Alunos WHERE MATRICULA = ?"), {number});
    if (!query.next())
        return std::nullopt;
    return query.record();
}

bool exists(const Connection& own, const QString& number)
{
    return own
        .select(Table, QStringLiteral("SELECT MATRICULA FROM Alunos WHERE MATRICULA = ?"), {number})
        .next();
}

QByteArray photo(const Connection& own, const QString& number)
{
    QSqlQuery query = own.select(
        Photos, QStringLiteral("SELECT FOTO1 FROM FotosAlunos WHERE MATRICULA = ?"), {number});
    return query.next() ? query.value(0).toByteArray() : QByteArray();
}

QVector<QSqlRecord> beginningWith(const Connection& own, Order order, const QString& prefix,
                                  int limit)
{
    QVector<QSqlRecord> found;
    if (prefix.isEmpty())
        return found;
    const QString column = order == Order::ByNumber ? Number : Name;
    const QString from = prefix.toUpper();
    // In byte order the texts that begin with `from` are those from it up to the text
    // whose last character comes next.
    QString to = from;
    to.back() = QChar(to.back().unicode() + 1);
    const QString ordered = own.dialect().textOrder(column);
    QSqlQuery query =
        own.select(Table,
                   QStringLiteral("SELECT MATRICULA, NOME, DATA_NASCIMENTO FROM Alunos "
                                  "WHERE %1 >= ? AND %1 < ? ORDER BY %2 LIMIT %3")
                       .arg(ordered, orderBy(own, order))
                       .arg(limit),
                   {from, to});
    while (query.next())
        found << query.record();
    return found;
}

std::optional<QString> firstBeginningWith(const Connection& own, Order order, const QString& prefix)
{
    const QVector<QSqlRecord> found = beginningWith(own, order, prefix, 1);
    if (found.isEmpty())
        return std::nullopt;
    return found.first().value(0).toString();
}

QStringList numbers(const Connection& own, Order order)
{
    QSqlQuery query = own.select(
        Table, QStringLiteral("SELECT MATRICULA FROM Alunos ORDER BY %1").arg(orderBy(own, order)));
    QStringList list;
    while (query.next())
        list << query.value(0).toString();
    return list;
}

QVector<QSqlRecord> gridRows(const Connection& own, const QStringList& numbers)
{
    QVector<QSqlRecord> rows;
    if (numbers.isEmpty())
        return rows;
    QVariantList params;
    for (const QString& number : numbers)
        params << number;
    QSqlQuery query = own.select(
        Table,
        QStringLiteral("SELECT MATRICULA, NOME, DATA_CADASTRADO FROM Alunos "
                       "WHERE MATRICULA IN (%1)")
            .arg(QStringList(numbers.size(), QStringLiteral("?")).join(QLatin1Char(','))),
        params);
    while (query.next())
        rows << query.record();
    return rows;
}

QVector<QSqlRecord> all(const Connection& own)
{
    QSqlQuery query = own.select(Table, QStringLiteral("SELECT * FROM Alunos ORDER BY MATRICULA"));
    QVector<QSqlRecord> students;
    while (query.next())
        students << query.record();
    return students;
}

void include(Connection& own, const ColumnValues& student, const PhotoChange& photo)
{
    Transaction transaction(own, Table);
    // The student's unique number decides: a number another station took meanwhile
    // is refused here, before any photo row is touched.
    Rows::insert(own, Table, student);
    keepPhotoRow(own, numberOf(student), photo);
    transaction.commit();
}

void include(Connection& own, const QVector<ColumnValues>& students)
{
    if (students.isEmpty())
        return;
    QStringList columns;
    for (const auto& value : students.first())
        columns << value.first;
    QVector<QVariantList> rows;
    QVector<QVariantList> photoRows;
    for (const ColumnValues& student : students) {
        QVariantList row;
        for (const auto& value : student)
            row << value.second;
        rows << row;
        photoRows << QVariantList{numberOf(student)};
    }
    Transaction transaction(own, Table);
    Rows::insertAll(own, Table, columns, rows);
    // The numbers are new: a photo row of one is a leftover of nobody's.
    const int perStatement = 100;
    for (int first = 0; first < photoRows.size(); first += perStatement) {
        QVariantList numbers;
        for (const QVariantList& photo : photoRows.mid(first, perStatement))
            numbers << photo;
        own.execute(
            Photos,
            QStringLiteral("DELETE FROM FotosAlunos WHERE MATRICULA IN (%1)")
                .arg(QStringList(numbers.size(), QStringLiteral("?")).join(QLatin1Char(','))),
            numbers);
    }
    Rows::insertAll(own, Photos, {Number}, photoRows);
    transaction.commit();
}

void change(Connection& own, const QSqlRecord& original, const ColumnValues& changes,
            const PhotoChange& photo)
{
    Transaction transaction(own, Table);
    Rows::update(own, Table, {Number}, original, changes);
    // A change that alters no column still finds the student there.
    if (changes.isEmpty() && !exists(own, original.value(Number).toString()))
        throw RowHeld(Table, QStringLiteral("registro excluído por outra estação"));
    keepPhotoRow(own, original.value(Number).toString(), photo);
    transaction.commit();
}

void remove(Connection& own, const QSqlRecord& original)
{
    Transaction transaction(own, Table);
    Rows::remove(own, Table, original);
    own.execute(Photos, QStringLiteral("DELETE FROM FotosAlunos WHERE MATRICULA = ?"),
                {original.value(Number)});
    transaction.commit();
}

} // namespace kelvora::Students

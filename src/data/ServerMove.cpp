#include "data/ServerMove.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/ProtectedFiles.h"
#include "data/SchemaUpgrade.h"
#include "data/SchemaWriter.h"
#include "data/Stations.h"
#include "data/TableChecksum.h"
#include "domain/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

#include <optional>
#include <tuple>

namespace kelvora::ServerMove {

namespace {

// One embedded database on its way to the server, with what it takes to put the
// station back as it was.
struct Move {
    QString role;
    QString linkFile;
    QByteArray linkBytes;
    DataLink target;
    const QVector<Table>* tables = nullptr;
    std::unique_ptr<Connection> source;
    QString sqliteFile;
    QString movedFile; // the SQLite file's name once it is kept aside
    std::unique_ptr<ServerDatabase> server;
    std::unique_ptr<Transaction> sourceHeld;
    std::unique_ptr<Transaction> serverTransaction;
    bool renamed = false;
    bool linkWritten = false;
};

QString movedName(const QString& sqliteFile)
{
    const QFileInfo file(sqliteFile);
    return file.dir().filePath(
        QStringLiteral("%1-movido-%2.%3")
            .arg(file.completeBaseName(), Clock::today().toString(Qt::ISODate), file.suffix()));
}

// The database named by `fileName` in `folder` when it is an embedded one; none when
// the file is missing (an optional companion) or names a server already.
std::optional<Move> embedded(const QString& folder, const QString& role, const char* fileName,
                             const DataLink& target, const QVector<Table>& tables)
{
    Move move;
    move.role = role;
    move.linkFile = QDir(folder).filePath(QLatin1String(fileName));
    QFile file(move.linkFile);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw ConfigError(QStringLiteral("Arquivo de conexão %1 não pode ser lido: %2")
                              .arg(move.linkFile, file.errorString()));
    move.linkBytes = file.readAll();
    const DataLink link = DataLinkFile::parse(move.linkBytes, move.linkFile);
    if (link.provider != DataLink::Provider::SQLite)
        return std::nullopt;
    move.target = target;
    move.tables = &tables;
    move.source = std::make_unique<Connection>(role, link, folder);
    move.sqliteFile = move.source->sqliteFile();
    move.movedFile = movedName(move.sqliteFile);
    if (QFileInfo::exists(move.movedFile))
        throw ConfigError(
            QStringLiteral("Já existe %1; renomeie-o antes de mover o banco.").arg(move.movedFile));
    move.source->open();
    return move;
}

QStringList names(const QStringList& list)
{
    QStringList lower;
    for (const QString& name : list)
        lower << name.toLower();
    lower.sort();
    return lower;
}

// Only a database that holds exactly the program's tables and columns is moved:
// anything else would be left behind on the way.
void checkSchema(const Move& move)
{
    const Connection& source = *move.source;
    const QString where = move.source->link().location(source.folder());
    if (move.role == Connection::Kelvora && SchemaUpgrade(*move.source).needed())
        throw ConfigError(QStringLiteral("O banco %1 é de uma versão anterior do Kelvora; "
                                         "atualize-o antes com kelvora-cli upgrade.")
                              .arg(where));
    QStringList expected;
    for (const Table& table : *move.tables)
        expected << table.name;
    QStringList found = source.database().tables();
    found.removeIf([](const QString& name) { return name.startsWith(QLatin1String("sqlite_")); });
    if (names(found) != names(expected))
        throw ConfigError(QStringLiteral("O banco %1 não tem exatamente as tabelas que o Kelvora "
                                         "conhece; nada foi movido.")
                              .arg(where));
    for (const Table& table : *move.tables) {
        QStringList columns;
        for (const ColumnInfo& column : source.dialect().columnsOf(source, table.name))
            columns << column.name;
        if (names(columns) != names(table.columnNames()))
            throw ConfigError(QStringLiteral("A tabela %1 de %2 não tem as colunas que o Kelvora "
                                             "conhece; nada foi movido.")
                                  .arg(table.name, where));
    }
}

// SQLite keeps dates as text; the server keeps them as dates, so only a plain date
// can go there unchanged.
QVariant serverValue(const Table& table, const Column& column, const QVariant& value)
{
    if (column.type != ColumnType::Date || value.isNull())
        return value;
    const QString text = value.toString();
    QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (!moment.isValid())
        moment = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
    if (!moment.isValid() || moment.time() != QTime(0, 0))
        throw WriteFailed(
            table.name,
            QStringLiteral("a coluna %1 guarda um valor que não é uma data").arg(column.name));
    return moment.date();
}

TableProof copy(const Move& move, const Table& table)
{
    Connection& target = move.server->connection();
    QStringList columns;
    QStringList marks;
    for (const Column& column : table.columns) {
        columns << Schema::identifier(column.name);
        marks << QStringLiteral("?");
    }
    QSqlQuery rows = move.source->select(
        table.name, QStringLiteral("SELECT %1 FROM %2")
                        .arg(columns.join(QStringLiteral(", ")), Schema::identifier(table.name)));
    QSqlQuery insert(target.database());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(Schema::identifier(table.name), columns.join(QStringLiteral(", ")),
                                 marks.join(QStringLiteral(", ")))))
        throw WriteFailed(table.name, insert.lastError().text());
    TableChecksum copied(table);
    while (rows.next()) {
        QVariantList values;
        for (int i = 0; i < table.columns.size(); ++i)
            values << serverValue(table, table.columns.at(i), rows.value(i));
        for (const QVariant& value : values)
            insert.addBindValue(value);
        if (!insert.exec())
            throw WriteFailed(table.name, QStringLiteral("o servidor recusou um registro: ") +
                                              insert.lastError().text());
        copied.add(values);
    }
    // Rows keep their identities; new ones must continue after them.
    if (table.column(QStringLiteral("ID")))
        target.select(table.name,
                      QStringLiteral("SELECT setval(pg_get_serial_sequence(?, 'id'), "
                                     "COALESCE(MAX(ID), 0) + 1, false) FROM %1")
                          .arg(Schema::identifier(table.name)),
                      {table.name.toLower()});

    const TableChecksum stored = TableChecksum::of(target, table);
    if (stored != copied)
        throw WriteFailed(table.name,
                          QStringLiteral("o servidor guardou %1 registros, o banco embutido tem "
                                         "%2, ou os valores diferem")
                              .arg(stored.rows())
                              .arg(copied.rows()));
    return {QFileInfo(move.linkFile).completeBaseName(), table.name, stored.rows(),
            stored.digest()};
}

// Copies and proves one database in a server transaction that stays open, while the
// embedded database is held against writes so that what is proved equal is what the
// station had.
void copyDatabase(Move& move, QVector<TableProof>& proofs, const Progress& progress)
{
    const QString first = move.tables->constFirst().name;
    move.sourceHeld =
        std::make_unique<Transaction>(*move.source, first, Transaction::Lock::Exclusive);
    move.serverTransaction = std::make_unique<Transaction>(move.server->connection(), first);
    SchemaWriter::create(move.server->connection(), *move.tables);
    for (const Table& table : *move.tables) {
        proofs << copy(move, table);
        if (progress)
            progress(proofs.constLast());
    }
}

void commit(Move& move)
{
    move.serverTransaction->commit();
    move.server->made(*move.tables);
    move.sourceHeld.reset();
    move.source->close();
}

void putBack(Move& move) noexcept
{
    move.serverTransaction.reset();
    move.sourceHeld.reset();
    if (move.linkWritten) {
        ProtectedFiles::write(move.linkFile, move.linkBytes);
    }
    if (move.renamed)
        QFile::rename(move.movedFile, move.sqliteFile);
    if (move.server)
        move.server->undo();
}

} // namespace

QVector<TableProof> run(const QString& folderPath, const ServerAccount& account,
                        const Progress& progress)
{
    Stations::checkAccount(account);
    const QString folder = QDir(folderPath).absolutePath();
    std::vector<Move> moves;
    std::optional<Move> own = embedded(folder, Connection::Kelvora, DataLinkFile::Kelvora,
                                       account.ownLink(), Schema::ownTables());
    if (!own)
        throw ConfigError(
            QStringLiteral("A pasta %1 não tem um banco embutido (Kelvora.udl com Provider=SQLite) "
                           "para levar ao servidor.")
                .arg(folder));
    // The own data-link file is rewritten last: until then the station stays where it was.
    for (auto [role, file, target, tables] :
         {std::tuple{Connection::Brandel, DataLinkFile::Brandel, account.brandelStandIn(),
                     &Schema::brandelTables()},
          std::tuple{Connection::Corvun, DataLinkFile::Corvun, account.corvunStandIn(),
                     &Schema::corvunTables()}})
        if (std::optional<Move> companion = embedded(folder, role, file, target, *tables))
            moves.push_back(std::move(*companion));
    moves.push_back(std::move(*own));
    for (const Move& move : moves)
        checkSchema(move);

    QVector<TableProof> proofs;
    try {
        for (Move& move : moves) {
            move.server = std::make_unique<ServerDatabase>(move.role, move.target, folder);
            move.server->openEmptyFor(*move.tables);
        }
        // Nothing is committed until every database is proved: a server that goes away
        // part-way keeps at most the empty databases made here.
        for (Move& move : moves)
            copyDatabase(move, proofs, progress);
        for (Move& move : moves)
            commit(move);
        for (Move& move : moves) {
            if (!QFile::rename(move.sqliteFile, move.movedFile))
                throw WriteFailed(QFileInfo(move.sqliteFile).fileName(),
                                  QStringLiteral("o arquivo não pôde ser renomeado"));
            move.renamed = true;
        }
        for (Move& move : moves) {
            move.linkWritten = true;
            DataLinkFile::write(move.linkFile, move.target);
        }
    } catch (...) {
        for (auto it = moves.rbegin(); it != moves.rend(); ++it)
            putBack(*it);
        throw;
    }
    return proofs;
}

} // namespace kelvora::ServerMove

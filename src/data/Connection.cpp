#include "data/Connection.h"

#include "data/DataError.h"
#include "data/ProtectedFiles.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

#include <stdexcept>

namespace kelvora {

namespace {
QString uniqueConnectionName(const QString& role)
{
    static QAtomicInt serial;
    return role + QLatin1Char('#') + QString::number(serial.fetchAndAddRelaxed(1));
}
} // namespace

Connection::Connection(QString role, DataLink link, QString folder)
    : m_role(std::move(role))
    , m_link(std::move(link))
    , m_folder(std::move(folder))
    , m_name(uniqueConnectionName(m_role))
    , m_dialect(Dialect::forLink(m_link))
{
    QSqlDatabase db = QSqlDatabase::addDatabase(m_dialect->driverName(), m_name);
    if (m_link.provider == DataLink::Provider::SQLite) {
        db.setDatabaseName(sqliteFile());
        // Other stations or processes may hold a write lock for a moment.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        db.setHostName(m_link.host());
        db.setPort(m_link.port());
        db.setDatabaseName(m_link.catalog);
        db.setUserName(m_link.user);
        db.setPassword(m_link.password);
        // A server that does not answer within 5 seconds is reported as unreachable
        // rather than freezing the station, and one that goes silent in the middle of
        // the work (a cable pulled, a server switched off) is given up after about 25
        // seconds of TCP keep-alive probes. The TLS mode comes from the data-link file.
        QString options = QStringLiteral(
            "connect_timeout=5;keepalives=1;keepalives_idle=10;keepalives_interval=5;"
            "keepalives_count=3");
        if (!m_link.sslMode.isEmpty())
            options += QStringLiteral(";sslmode=") + m_link.sslMode;
        db.setConnectOptions(options);
    }
}

Connection::~Connection()
{
    close();
    QSqlDatabase::removeDatabase(m_name);
}

std::unique_ptr<Connection> Connection::fromFile(const QString& role, const QString& folder,
                                                 const QString& fileName)
{
    return std::make_unique<Connection>(role, DataLinkFile::read(QDir(folder).filePath(fileName)),
                                        folder);
}

QString Connection::sqliteFile() const
{
    if (m_link.provider != DataLink::Provider::SQLite)
        return {};
    return QFileInfo(QDir(m_folder), m_link.dataSource).absoluteFilePath();
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

void Connection::open(OpenMode mode)
{
    QSqlDatabase db = database();
    if (db.isOpen())
        return;
    // SQLite would quietly create an empty database where the file is missing.
    if (m_link.provider == DataLink::Provider::SQLite && mode == OpenMode::Existing &&
        !QFileInfo::exists(sqliteFile()))
        throw OpenFailed(m_role, QStringLiteral("arquivo %1 não encontrado").arg(sqliteFile()));
    if (!db.open())
        throw OpenFailed(m_role, db.lastError().text());
    // Opening a SQLite file reads nothing yet: make sure it is a readable database.
    QSqlQuery check(db);
    if (m_link.provider == DataLink::Provider::SQLite &&
        !check.exec(QStringLiteral("PRAGMA schema_version"))) {
        const QString reason = check.lastError().text();
        check = QSqlQuery();
        db.close();
        throw OpenFailed(m_role, reason);
    }
    // A new database will hold the students' health data: only its owner may read it.
    // SQLite gives its journal files the same permissions.
    if (m_link.provider == DataLink::Provider::SQLite && mode == OpenMode::CreateFile &&
        !ProtectedFiles::restrictFile(sqliteFile())) {
        db.close();
        throw OpenFailed(
            m_role,
            QStringLiteral("o acesso a %1 não pode ser restrito ao dono").arg(sqliteFile()));
    }
}

void Connection::close()
{
    QSqlDatabase db = database();
    if (db.isOpen()) {
        if (m_inTransaction)
            rollback();
        db.close();
    }
}

bool Connection::isOpen() const
{
    return database().isOpen();
}

bool Connection::answers(const QString& table) const
{
    if (!isOpen())
        return false;
    // An open SQLite file keeps answering from its cache after it was removed or
    // its share went away; the file itself must still be there and readable.
    if (m_link.provider == DataLink::Provider::SQLite && !QFileInfo(sqliteFile()).isReadable())
        return false;
    QSqlQuery query(database());
    return query.exec(
        QStringLiteral("SELECT 1 FROM %1 WHERE 1 = 0").arg(Schema::identifier(table)));
}

void Connection::reconnect()
{
    QSqlDatabase db = database();
    if (db.isOpen())
        db.close();
    m_inTransaction = false;
    open();
}

QSqlQuery Connection::prepared(const QString& sql, const QVariantList& params, bool* ok,
                               QSqlError* error) const
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    // PostgreSQL prepares only queries and row changes; a statement without values
    // (CREATE TABLE, VACUUM) runs as it is.
    if (params.isEmpty()) {
        *ok = query.exec(sql);
    } else {
        *ok = query.prepare(sql);
        if (*ok) {
            for (const QVariant& value : params)
                query.addBindValue(value);
            *ok = query.exec();
        }
    }
    if (!*ok)
        *error = query.lastError();
    return query;
}

QSqlQuery Connection::select(const QString& table, const QString& sql,
                             const QVariantList& params) const
{
    if (!isOpen())
        throw OpenFailed(table, QStringLiteral("conexão %1 fechada").arg(m_role));
    bool ok = false;
    QSqlError error;
    QSqlQuery query = prepared(sql, params, &ok, &error);
    if (!ok)
        throw OpenFailed(table, error.text());
    return query;
}

int Connection::execute(const QString& table, const QString& sql, const QVariantList& params)
{
    if (!isOpen())
        throw WriteFailed(table, QStringLiteral("conexão %1 fechada").arg(m_role));
    bool ok = false;
    QSqlError error;
    QSqlQuery query = prepared(sql, params, &ok, &error);
    if (!ok) {
        if (m_dialect->isUniqueViolation(error))
            throw RowHeld(table, error.text());
        throw WriteFailed(table, error.text());
    }
    return query.numRowsAffected();
}

void Connection::executeEach(const QString& table, const QString& sql,
                             const QVector<QVariantList>& rows)
{
    if (rows.isEmpty())
        return;
    if (!isOpen())
        throw WriteFailed(table, QStringLiteral("conexão %1 fechada").arg(m_role));
    QSqlQuery query(database());
    if (!query.prepare(sql))
        throw WriteFailed(table, query.lastError().text());
    for (const QVariantList& row : rows) {
        for (int i = 0; i < row.size(); ++i)
            query.bindValue(i, row.at(i));
        if (!query.exec()) {
            const QSqlError error = query.lastError();
            if (m_dialect->isUniqueViolation(error))
                throw RowHeld(table, error.text());
            throw WriteFailed(table, error.text());
        }
    }
}

void Connection::begin(const QString& table, bool exclusive)
{
    if (m_inTransaction)
        throw std::logic_error("transactions do not nest");
    if (!isOpen())
        throw WriteFailed(table, QStringLiteral("conexão %1 fechada").arg(m_role));
    QSqlDatabase db = database();
    QSqlError error;
    const bool begun = exclusive ? m_dialect->beginExclusive(db, &error) : db.transaction();
    if (!begun)
        throw WriteFailed(table, (exclusive ? error : db.lastError()).text());
    m_inTransaction = true;
}

void Connection::commit(const QString& table)
{
    m_inTransaction = false;
    QSqlDatabase db = database();
    if (!db.commit()) {
        const QString reason = db.lastError().text();
        db.rollback();
        throw WriteFailed(table, reason);
    }
}

void Connection::rollback() noexcept
{
    m_inTransaction = false;
    database().rollback();
}

Transaction::Transaction(Connection& connection, QString table, Lock lock)
    : m_connection(connection)
    , m_table(std::move(table))
{
    m_connection.begin(m_table, lock == Lock::Exclusive);
}

Transaction::~Transaction()
{
    if (m_active)
        m_connection.rollback();
}

void Transaction::commit()
{
    m_active = false;
    m_connection.commit(m_table);
}

} // namespace kelvora

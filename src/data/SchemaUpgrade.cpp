#include "data/SchemaUpgrade.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/PasswordHash.h"
#include "data/SchemaWriter.h"

#include <algorithm>

namespace kelvora {

namespace {

const ColumnInfo* find(const QVector<ColumnInfo>& columns, const QString& name)
{
    for (const ColumnInfo& column : columns)
        if (column.name.compare(name, Qt::CaseInsensitive) == 0)
            return &column;
    return nullptr;
}

// One change of the schema, with the probe that tells whether it is still to be made.
class Step {
public:
    virtual ~Step() = default;
    virtual QString table() const = 0;
    virtual bool needed(const Connection& own) const = 0;
    // Makes the change inside the caller's transaction; one line per change made.
    virtual QStringList apply(Connection& own) const = 0;
};

// Text columns that earlier versions declared narrower get the length of the
// program's schema. A table or column that does not exist is left alone.
class WidenColumns final : public Step {
public:
    WidenColumns(QString table, QStringList columns)
        : m_table(std::move(table))
        , m_columns(std::move(columns))
    {
    }
    QString table() const override { return m_table; }
    bool needed(const Connection& own) const override { return !narrow(own).isEmpty(); }
    QStringList apply(Connection& own) const override
    {
        const QVector<Column> columns = narrow(own);
        own.dialect().changeColumnTypes(own, m_table, columns);
        QStringList changes;
        for (const Column& column : columns)
            changes << QStringLiteral("%1: coluna %2 ampliada para %3 caracteres")
                           .arg(m_table, column.name)
                           .arg(column.length);
        return changes;
    }

private:
    QVector<Column> narrow(const Connection& own) const
    {
        const QVector<ColumnInfo> present = own.dialect().columnsOf(own, m_table);
        const Table& schema = Schema::ownTable(m_table);
        QVector<Column> columns;
        for (const QString& name : m_columns) {
            const ColumnInfo* found = find(present, name);
            const Column& wanted = *schema.column(name);
            if (found && found->length > 0 && found->length < wanted.length)
                columns << wanted;
        }
        return columns;
    }

    QString m_table;
    QStringList m_columns;
};

// Columns that earlier versions lacked, each added (to an existing table) with the
// value that every row gets.
class AddColumns final : public Step {
public:
    AddColumns(QString table, QStringList columns, QVariant initial)
        : m_table(std::move(table))
        , m_columns(std::move(columns))
        , m_initial(std::move(initial))
    {
    }
    QString table() const override { return m_table; }
    bool needed(const Connection& own) const override { return !missing(own).isEmpty(); }
    QStringList apply(Connection& own) const override
    {
        QStringList changes;
        for (const Column& column : missing(own)) {
            const QString name = Schema::identifier(column.name);
            own.execute(m_table, QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                     .arg(Schema::identifier(m_table), name,
                                          own.dialect().columnType(column)));
            own.execute(
                m_table,
                QStringLiteral("UPDATE %1 SET %2 = ?").arg(Schema::identifier(m_table), name),
                {m_initial});
            changes << QStringLiteral("%1: coluna %2 criada com o valor %3")
                           .arg(m_table, column.name, m_initial.toString());
        }
        return changes;
    }

private:
    QVector<Column> missing(const Connection& own) const
    {
        const QVector<ColumnInfo> present = own.dialect().columnsOf(own, m_table);
        QVector<Column> columns;
        if (present.isEmpty())
            return columns;
        const Table& schema = Schema::ownTable(m_table);
        for (const QString& name : m_columns)
            if (!find(present, name))
                columns << *schema.column(name);
        return columns;
    }

    QString m_table;
    QStringList m_columns;
    QVariant m_initial;
};

// Earlier versions kept the passwords as typed; the program keeps Argon2id hashes.
// An empty or null password is left as it is: the login refuses an empty entry, so
// nobody can log in with it either way.
class HashPlainPasswords final : public Step {
public:
    QString table() const override { return QStringLiteral("Usuarios"); }
    bool needed(const Connection& own) const override { return !plain(own).isEmpty(); }
    QStringList apply(Connection& own) const override
    {
        QStringList changes;
        const QString sql = QStringLiteral("UPDATE Usuarios SET SENHA = ? WHERE %1 AND SENHA = ?")
                                .arg(own.dialect().nullSafeEquals(QStringLiteral("CODIGO")));
        for (const auto& [code, password] : plain(own)) {
            // Hashed exactly as typed (upper case): the login compares what it is given.
            own.execute(table(), sql, {PasswordHash::hash(password), code, password});
            changes << QStringLiteral("Usuarios: senha do usuário %1 guardada como hash Argon2id")
                           .arg(code.toString());
        }
        return changes;
    }

private:
    // Code and stored password of every user whose password is kept as typed.
    QVector<QPair<QVariant, QString>> plain(const Connection& own) const
    {
        QVector<QPair<QVariant, QString>> users;
        if (!find(own.dialect().columnsOf(own, table()), QStringLiteral("SENHA")))
            return users;
        QSqlQuery query = own.select(table(), QStringLiteral("SELECT CODIGO, SENHA FROM Usuarios"));
        while (query.next()) {
            const QString password = query.value(1).toString();
            if (!password.isEmpty() && !password.startsWith(QLatin1String("$argon2id$")))
                users.append({query.value(0), password});
        }
        return users;
    }
};

// Indexes that earlier versions lacked: searching a large register by the beginning
// of a name reads the index instead of every row.
class CreateIndexes final : public Step {
public:
    explicit CreateIndexes(QString table)
        : m_table(std::move(table))
    {
    }
    QString table() const override { return m_table; }
    bool needed(const Connection& own) const override { return !missing(own).isEmpty(); }
    QStringList apply(Connection& own) const override
    {
        QStringList changes;
        for (const QString& column : missing(own)) {
            SchemaWriter::createIndex(own, m_table, column);
            changes << QStringLiteral("%1: índice criado na coluna %2").arg(m_table, column);
        }
        return changes;
    }

private:
    QStringList missing(const Connection& own) const
    {
        QStringList columns;
        if (own.dialect().columnsOf(own, m_table).isEmpty())
            return columns;
        for (const QString& column : Schema::ownTable(m_table).indexed)
            if (!own.dialect().indexExists(own, Schema::indexName(m_table, column)))
                columns << column;
        return columns;
    }

    QString m_table;
};

// The ticks of the report pages, in the order the settings row declares them.
QStringList reportPageFlags()
{
    QStringList names;
    for (const Column& column : Schema::ownTable(QStringLiteral("Moxcvar")).columns)
        if (column.name.endsWith(QLatin1String("_IMP")))
            names << column.name;
    return names;
}

// Each step runs by its own probe: a database that has the report-page ticks but
// not the TLS setting still gains the setting. The passwords come first: the login
// compares hashes only, so a later step that fails must not keep everybody out.
const QVector<const Step*>& steps()
{
    static const WidenColumns anamnesisTexts(
        QStringLiteral("Anamnese"),
        {QStringLiteral("A_TIPOPESSOAL"), QStringLiteral("A_TIPOALERGIA"),
         QStringLiteral("A_TIPODIETA"), QStringLiteral("A_HISTORICOOCUPACIONAL"),
         QStringLiteral("A_ATIVIDADEANTES"), QStringLiteral("A_ATIVIDADEATUAL")});
    static const AddColumns smtpTls(QStringLiteral("Moxcvar"), {QStringLiteral("IdSMTP_UseTLS")},
                                    QStringLiteral("utUseExplicitTLS"));
    static const AddColumns reportPages(QStringLiteral("Moxcvar"), reportPageFlags(), 0);
    // The hash is far longer than the six characters a password once took.
    static const WidenColumns passwordColumn(QStringLiteral("Usuarios"), {QStringLiteral("SENHA")});
    static const HashPlainPasswords passwords;
    static const CreateIndexes studentNames(QStringLiteral("Alunos"));
    static const QVector<const Step*> all{&passwordColumn, &passwords,   &anamnesisTexts,
                                          &smtpTls,        &reportPages, &studentNames};
    return all;
}

} // namespace

SchemaUpgrade::SchemaUpgrade(Connection& own)
    : m_own(own)
{
}

bool SchemaUpgrade::needed() const
{
    return std::any_of(steps().begin(), steps().end(),
                       [this](const Step* step) { return step->needed(m_own); });
}

UpgradeResult SchemaUpgrade::run()
{
    UpgradeResult result;
    for (const Step* step : steps()) {
        try {
            if (!step->needed(m_own))
                continue;
            // Another station may be upgrading: wait for it, then look again.
            Transaction transaction(m_own, step->table(), Transaction::Lock::Exclusive);
            if (!step->needed(m_own))
                continue;
            const QStringList changes = step->apply(m_own);
            // A change the catalog does not show would be reported as done and tried
            // again at every login.
            if (step->needed(m_own))
                throw WriteFailed(step->table(), QStringLiteral("a alteração não foi feita"));
            transaction.commit();
            result.changes += changes;
        } catch (const DataError& error) {
            result.failed = true;
            result.failure =
                QStringLiteral("%1 %2: %3").arg(error.messageText(), error.table(), error.reason());
            break;
        }
    }
    return result;
}

} // namespace kelvora

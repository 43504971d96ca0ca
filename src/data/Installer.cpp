#include "data/Installer.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataLink.h"
#include "data/PasswordHash.h"
#include "data/ProtectedFiles.h"
#include "data/ReferenceData.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "data/SchemaWriter.h"
#include "data/Users.h"
#include "domain/UserRules.h"
#include "domain/YesNo.h"

#include <QDir>
#include <QFile>

namespace kelvora::Installer {

namespace {

// Text settings start as empty text rather than null, so every reader finds a value.
QString nonNull(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

ColumnValues defaultSettings(const GymIdentity& gym)
{
    const Table& table = Schema::ownTable(QStringLiteral("Moxcvar"));
    const QHash<QString, QVariant> explicitValues{
        {QStringLiteral("ACADEMIA"), nonNull(gym.name)},
        {QStringLiteral("ENDERACADEMIA"), nonNull(gym.address)},
        {QStringLiteral("COMPLEMENTO1"), nonNull(gym.complement1)},
        {QStringLiteral("COMPLEMENTO2"), nonNull(gym.complement2)},
        {QStringLiteral("CNPJCPF"), nonNull(gym.taxNumber)},
        {QStringLiteral("CODIGOSEQ"), Sim},
        {QStringLiteral("PATH_AVALIA"), Sim},
        {QStringLiteral("AlunosAtivos"), Nao},
        {QStringLiteral("CAPTURA_WEB"), Nao},
        {QStringLiteral("POSTURAL_WEBCAN"), Nao},
        {QStringLiteral("TEMPO_REAVALIACAO"), 6},
        {QStringLiteral("PRAZOAVALMED"), 12},
        {QStringLiteral("IMC_1_2"), QStringLiteral("0")},
        {QStringLiteral("IdSMTP_UseTLS"), QStringLiteral("utUseExplicitTLS")},
    };
    ColumnValues values;
    for (const Column& column : table.columns) {
        if (explicitValues.contains(column.name)) {
            values.append({column.name, explicitValues.value(column.name)});
            continue;
        }
        switch (column.type) {
        case ColumnType::Bit: // every report page ticked
            values.append({column.name, 1});
            break;
        case ColumnType::Text: // every test, protocol and yes/no setting offered
            values.append({column.name, column.length == 3 ? Sim : nonNull({})});
            break;
        case ColumnType::Memo:
            values.append({column.name, nonNull({})});
            break;
        default: // pictures: none yet
            break;
        }
    }
    return values;
}

ColumnValues masterUser(const QString& password)
{
    ColumnValues values{{QStringLiteral("CODIGO"), MasterUserCode},
                        {QStringLiteral("NOME"), QStringLiteral("MESTRE")},
                        {QStringLiteral("SENHA"), PasswordHash::hash(password)},
                        {QStringLiteral("NOMECOMPLETO"), QStringLiteral("USUÁRIO MESTRE")},
                        {QStringLiteral("EXAMEMEDICO"), 0}};
    return values + Users::allRights(true);
}

void checkLength(QStringList& problems, const QString& value, int max, const QString& what)
{
    if (value.size() > max)
        problems << QStringLiteral("%1 tem mais de %2 caracteres").arg(what).arg(max);
}

void makeFolder(const QDir& folder)
{
    if (!ProtectedFiles::makeFolder(folder.absolutePath()))
        throw ConfigError(
            QStringLiteral("A pasta %1 não pode ser criada.").arg(folder.absolutePath()));
}

} // namespace

QStringList problems(const GymIdentity& gym, const QString& masterPassword)
{
    QStringList list;
    if (gym.name.trimmed().isEmpty())
        list << QStringLiteral("falta o nome da academia");
    checkLength(list, gym.name, 35, QStringLiteral("o nome da academia"));
    checkLength(list, gym.address, 40, QStringLiteral("o endereço"));
    checkLength(list, gym.complement1, 40, QStringLiteral("o complemento 1"));
    checkLength(list, gym.complement2, 40, QStringLiteral("o complemento 2"));
    checkLength(list, gym.taxNumber, 40, QStringLiteral("o CNPJ/CPF"));
    if (!isValidPassword(masterPassword))
        list << QStringLiteral("a senha do usuário mestre deve ter exatamente 6 caracteres, em "
                               "maiúsculas, sem espaços");
    return list;
}

void createOwnDatabase(Connection& own, const GymIdentity& gym, const QString& masterPassword)
{
    Transaction transaction(own, QStringLiteral("Moxcvar"));
    SchemaWriter::create(own, Schema::ownTables());
    Rows::insert(own, QStringLiteral("Moxcvar"), defaultSettings(gym));
    Rows::insert(own, QStringLiteral("Usuarios"), masterUser(masterPassword));
    for (const QString& table : ReferenceData::installationTables())
        ReferenceData::insertRows(own, table);
    transaction.commit();
}

void createBrandelStandIn(Connection& brandel)
{
    Transaction transaction(brandel, QStringLiteral("Alunos"));
    SchemaWriter::create(brandel, Schema::brandelTables());
    transaction.commit();
}

void createCorvunStandIn(Connection& corvun, const GymIdentity& gym)
{
    Transaction transaction(corvun, QStringLiteral("Wufvar"));
    SchemaWriter::create(corvun, Schema::corvunTables());
    Rows::insert(corvun, QStringLiteral("Wufvar"),
                 {{QStringLiteral("ACADEMIA"), gym.name},
                  {QStringLiteral("ENDERACADEMIA"), gym.address},
                  {QStringLiteral("COMPLEMENTO1"), gym.complement1},
                  {QStringLiteral("PATH_EXERCICIO"), Nao},
                  {QStringLiteral("TEMPO_REAVALIACAO"), QStringLiteral("0")},
                  {QStringLiteral("Imp_Alongamento"), Sim}});
    transaction.commit();
}

void checkInput(const GymIdentity& gym, const QString& masterPassword)
{
    const QStringList bad = problems(gym, masterPassword);
    if (!bad.isEmpty())
        throw ConfigError(
            QStringLiteral("Instalação recusada: %1.").arg(bad.join(QStringLiteral("; "))));
}

void refuseUsedFolder(const QString& folderPath)
{
    QDir folder(folderPath);
    const QStringList ours{
        QLatin1String(DataLinkFile::Kelvora), QLatin1String(DataLinkFile::Brandel),
        QLatin1String(DataLinkFile::Corvun),  QLatin1String(OwnDatabaseFile),
        QLatin1String(BrandelDatabaseFile),   QLatin1String(CorvunDatabaseFile)};
    for (const QString& name : ours)
        if (folder.exists(name))
            throw ConfigError(
                QStringLiteral("A pasta %1 já contém um banco de dados (%2); nada foi alterado.")
                    .arg(folder.absolutePath(), name));
}

void writeDataLinks(const QString& folderPath, const DataLink& own, const DataLink& brandel,
                    const DataLink& corvun)
{
    const QDir folder(folderPath);
    makeFolder(folder);
    const QVector<QPair<const char*, const DataLink*>> files{{DataLinkFile::Brandel, &brandel},
                                                             {DataLinkFile::Corvun, &corvun},
                                                             {DataLinkFile::Kelvora, &own}};
    QStringList written;
    try {
        for (const auto& [name, link] : files) {
            written << folder.filePath(QLatin1String(name));
            DataLinkFile::write(written.last(), *link);
        }
    } catch (...) {
        for (const QString& path : written)
            QFile::remove(path);
        throw;
    }
}

void createEmbeddedDefault(const QString& folderPath, const GymIdentity& gym,
                           const QString& masterPassword)
{
    checkInput(gym, masterPassword);
    refuseUsedFolder(folderPath);
    const QDir folder(folderPath);
    makeFolder(folder);
    const DataLink ownLink{DataLink::Provider::SQLite, QLatin1String(OwnDatabaseFile), {}, {}, {}};
    const DataLink brandelLink{
        DataLink::Provider::SQLite, QLatin1String(BrandelDatabaseFile), {}, {}, {}};
    const DataLink corvunLink{
        DataLink::Provider::SQLite, QLatin1String(CorvunDatabaseFile), {}, {}, {}};
    QStringList created;
    try {
        {
            Connection own(Connection::Kelvora, ownLink, folder.absolutePath());
            created << own.sqliteFile();
            own.open(Connection::OpenMode::CreateFile);
            createOwnDatabase(own, gym, masterPassword);
        }
        {
            Connection brandel(Connection::Brandel, brandelLink, folder.absolutePath());
            created << brandel.sqliteFile();
            brandel.open(Connection::OpenMode::CreateFile);
            createBrandelStandIn(brandel);
        }
        {
            Connection corvun(Connection::Corvun, corvunLink, folder.absolutePath());
            created << corvun.sqliteFile();
            corvun.open(Connection::OpenMode::CreateFile);
            createCorvunStandIn(corvun, gym);
        }
        writeDataLinks(folder.absolutePath(), ownLink, brandelLink, corvunLink);
    } catch (...) {
        for (const QString& path : created)
            QFile::remove(path);
        throw;
    }
}

} // namespace kelvora::Installer

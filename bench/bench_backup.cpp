// The verified backup of a 1 GB own database against a plain copy of its file
// followed by fsync (goal: at most 4 times the plain copy), and how the backup's
// time splits between copying and checking; with a PostgreSQL server, the same rows
// there through pg_dump. Run by hand, once or twice:
//   bench_backup FOLDER [HOST:PORT USER]
// FOLDER receives the embedded database the first time (about 1 GB, kept for the
// next run); the server receives the database kelvora_bench the same way.
#include "data/Backup.h"
#include "data/BackupFile.h"
#include "data/Connection.h"
#include "data/DatabaseSize.h"
#include "data/DataError.h"
#include "data/DataLink.h"
#include "data/Installer.h"
#include "data/Rows.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace kelvora;

namespace {

constexpr int TargetMb = 1024;
constexpr int PhotoBytes = 48 * 1024; // a webcam JPEG; random bytes compress no better

double seconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

// Students with a photo, an assessment and a body-composition row each, until the
// database holds TargetMb.
void fill(Connection& own)
{
    QRandomGenerator random(1234);
    QByteArray photo(PhotoBytes, Qt::Uninitialized);
    int student = 0;
    while (databaseSizeMb(own) < TargetMb) {
        Transaction transaction(own);
        for (int i = 0; i < 1000; ++i, ++student) {
            random.fillRange(reinterpret_cast<quint32*>(photo.data()), PhotoBytes / 4);
            const QString number = QStringLiteral("%1").arg(student + 1, 10, 10, QLatin1Char('0'));
            const QDate date = QDate(2015, 1, 1).addDays(student % 3000);
            Rows::insert(own, QStringLiteral("Alunos"),
                         {{QStringLiteral("MATRICULA"), number},
                          {QStringLiteral("NOME"), QStringLiteral("ALUNO %1").arg(student)}});
            Rows::insert(own, QStringLiteral("FotosAlunos"),
                         {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("FOTO1"), photo}});
            Rows::insert(
                own, QStringLiteral("Avaliacao"),
                {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("DATAEXAME"), date}});
            Rows::insert(
                own, QStringLiteral("Corporal"),
                {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("DATAEXAME"), date}});
        }
        transaction.commit();
        std::printf("  %d alunos, %d MB\r", student, databaseSizeMb(own));
        std::fflush(stdout);
    }
    std::printf("\n");
}

void benchSqlite(const QString& folder)
{
    if (!QFileInfo::exists(QDir(folder).filePath(QLatin1String(DataLinkFile::Kelvora)))) {
        std::printf("Criando o banco embutido de %d MB em %s\n", TargetMb, qPrintable(folder));
        Installer::createEmbeddedDefault(folder, {QStringLiteral("ACADEMIA BENCH"), {}, {}, {}, {}},
                                         QStringLiteral("SENHA1"));
        auto own =
            Connection::fromFile(Connection::Kelvora, folder, QLatin1String(DataLinkFile::Kelvora));
        own->open();
        fill(*own);
    }
    auto own =
        Connection::fromFile(Connection::Kelvora, folder, QLatin1String(DataLinkFile::Kelvora));
    own->open();
    const QString file = own->sqliteFile();
    std::printf("SQLite, %lld MB\n", QFileInfo(file).size() / (1024 * 1024));

    QTemporaryDir scratch(QDir(folder).filePath(QStringLiteral("bench-XXXXXX")));
    const QString plain = scratch.filePath(QStringLiteral("plain.db"));
    const double copy = seconds([&] {
        QFile(plain).open(QIODevice::WriteOnly);
        BackupFile::copyContents(file, plain, QStringLiteral("plain"));
    });
    QFile::remove(plain);

    // The backup's steps one by one, then the backup itself.
    const QString vacuumed = scratch.filePath(QStringLiteral("vacuum.db"));
    const double vacuum =
        seconds([&] { own->execute({}, QStringLiteral("VACUUM INTO ?"), {vacuumed}); });
    const double sync = seconds([&] { BackupFile::syncToDisk(vacuumed, {}); });
    double check = 0;
    {
        Connection copy(QStringLiteral("Check"), {DataLink::Provider::SQLite, vacuumed, {}, {}, {}},
                        scratch.path());
        copy.open();
        check = seconds([&] {
            QSqlQuery query = copy.select({}, QStringLiteral("PRAGMA integrity_check"));
            query.next();
            query = copy.select({}, QStringLiteral("SELECT COUNT(*) FROM Alunos"));
            query = copy.select({}, QStringLiteral("SELECT COUNT(*) FROM Avaliacao"));
        });
    }
    QFile::remove(vacuumed);
    QString backup;
    const double verified = seconds([&] { backup = Backup::writeVerified(*own, folder); });
    QFile::remove(backup);

    std::printf("  cópia simples + fsync:      %6.1f s\n", copy);
    std::printf("  backup verificado:          %6.1f s  (%.1f vezes a cópia simples)\n", verified,
                verified / copy);
    std::printf("    VACUUM INTO:              %6.1f s\n", vacuum);
    std::printf("    fsync:                    %6.1f s\n", sync);
    std::printf("    integrity_check + contas: %6.1f s\n", check);
}

void benchPostgres(const QString& server, const QString& user, const QString& sqliteFolder)
{
    const DataLink link{
        DataLink::Provider::PostgreSQL, server, QStringLiteral("kelvora_bench"), user, {}};
    Connection own(Connection::Kelvora, link, sqliteFolder);
    try {
        own.open();
    } catch (const DataError&) {
        DataLink admin = link;
        admin.catalog = QStringLiteral("postgres");
        Connection server(QStringLiteral("Admin"), admin, sqliteFolder);
        server.open();
        server.execute({}, QStringLiteral("CREATE DATABASE kelvora_bench"));
        own.open();
        std::printf("Criando o banco kelvora_bench de %d MB\n", TargetMb);
        Installer::createOwnDatabase(own, {QStringLiteral("ACADEMIA BENCH"), {}, {}, {}, {}},
                                     QStringLiteral("SENHA1"));
        fill(own);
    }
    std::printf("PostgreSQL, %d MB\n", databaseSizeMb(own));
    QTemporaryDir dataFolder(QDir(sqliteFolder).filePath(QStringLiteral("bench-pg-XXXXXX")));
    QString backup;
    const double verified =
        seconds([&] { backup = Backup::writeVerified(own, dataFolder.path()); });
    const double check =
        seconds([&] { BackupFile::checkPgArchive(backup, link, QStringLiteral("bench")); });
    std::printf("  backup verificado:          %6.1f s  (arquivo de %lld MB)\n", verified,
                QFileInfo(backup).size() / (1024 * 1024));
    std::printf("    pg_dump + fsync:          %6.1f s\n", verified - check);
    std::printf("    pg_restore (leitura):     %6.1f s\n", check);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2 && arguments.size() != 4) {
        std::fprintf(stderr, "uso: bench_backup PASTA [SERVIDOR:PORTA USUARIO]\n");
        return 1;
    }
    try {
        QDir().mkpath(arguments.at(1));
        benchSqlite(arguments.at(1));
        if (arguments.size() == 4)
            benchPostgres(arguments.at(2), arguments.at(3), arguments.at(1));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

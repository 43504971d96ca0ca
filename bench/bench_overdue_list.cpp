// The overdue list over 100,000 students, a quarter of them overdue, to PDF, against
// the bare query that selects the same rows. Goal: the whole list at most twice the
// query plus 1 ms per page. Run by hand:
//   bench_overdue_list FOLDER [SERVER:PORT USER]
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/FollowUpLists.h"
#include "data/Installer.h"
#include "report/lists/FollowUpReports.h"
#include "report/Output.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlQuery>

#include <cstdio>
#include <functional>

using namespace kelvora;

namespace {

constexpr int Students = 100000;
const QDate Today(2026, 12, 10);

double seconds(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e9;
}

// Every fourth student was last seen by the physician two years ago.
void fill(Connection& own)
{
    Transaction transaction(own, QStringLiteral("Alunos"));
    for (int i = 1; i <= Students; ++i)
        own.execute(
            QStringLiteral("Alunos"),
            QStringLiteral("INSERT INTO Alunos (MATRICULA, NOME, DATA_MEDICA) VALUES (?, ?, ?)"),
            {QString::number(i).rightJustified(10, QLatin1Char('0')),
             QStringLiteral("ALUNO NÚMERO %1").arg(i),
             i % 4 == 0 ? Today.addYears(-2) : Today.addMonths(-1)});
    transaction.commit();
}

void bench(const char* name, Connection& own, Connection& brandel, const QString& pdf)
{
    int rows = 0;
    const double query = seconds([&] {
        QSqlQuery selected = own.select(
            QStringLiteral("Alunos"),
            QStringLiteral("SELECT MATRICULA, NOME, DATA_MEDICA FROM Alunos WHERE (DATA_MEDICA < ? "
                           "OR DATA_MEDICA IS NULL) AND SAIDA IS NULL ORDER BY MATRICULA"),
            {FollowUpLists::cutOff(Today, 12)});
        while (selected.next())
            ++rows;
    });
    int pages = 0;
    double layout = 0;
    double writing = 0;
    const double whole = seconds([&] {
        const auto students = FollowUpLists::overdueStudents(
            own, brandel, FollowUpLists::Kind::Medical, FollowUpLists::Order::ByNumber, Today);
        // The pages point into the report's bands: it lives until they are written.
        const auto list = report::OverdueListReport::build(QStringLiteral("ACADEMIA BENCH"),
                                                           FollowUpLists::Kind::Medical, students);
        report::Pages printed;
        layout = seconds([&] { printed = list->paginate(QDateTime(Today, QTime(9, 0))); });
        pages = printed.count();
        writing = seconds([&] { report::writePdf(printed, pdf); });
    });
    const double goal = 2 * query + pages / 1000.0;
    std::printf("%s: %d alunos vencidos, %d páginas\n", name, rows, pages);
    std::printf("  consulta pura:   %7.3f s\n", query);
    std::printf("  lista em PDF:    %7.3f s  (meta: %.3f s, %s)\n", whole, goal,
                whole <= goal ? "atingida" : "NÃO atingida");
    std::printf("    paginação:     %7.3f s\n", layout);
    std::printf("    gravação PDF:  %7.3f s  (%.2f ms por página)\n", writing,
                writing * 1000 / pages);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2 && arguments.size() != 4) {
        std::fprintf(stderr, "uso: bench_overdue_list PASTA [SERVIDOR:PORTA USUARIO]\n");
        return 1;
    }
    try {
        const QDir folder(arguments.at(1));
        QDir().mkpath(folder.path());
        const GymIdentity gym{QStringLiteral("ACADEMIA BENCH"), {}, {}, {}, {}};
        const QString embedded = folder.filePath(QStringLiteral("sqlite"));
        if (!QDir(embedded).exists()) {
            Installer::createEmbeddedDefault(embedded, gym, QStringLiteral("SENHA1"));
            auto own =
                Connection::fromFile(Connection::Kelvora, embedded, QStringLiteral("Kelvora.udl"));
            own->open();
            fill(*own);
        }
        auto own =
            Connection::fromFile(Connection::Kelvora, embedded, QStringLiteral("Kelvora.udl"));
        auto brandel =
            Connection::fromFile(Connection::Brandel, embedded, QStringLiteral("Brandel.udl"));
        own->open();
        bench("SQLite", *own, *brandel, folder.filePath(QStringLiteral("vencidas-sqlite.pdf")));

        if (arguments.size() == 4) {
            const DataLink link{DataLink::Provider::PostgreSQL,
                                arguments.at(2),
                                QStringLiteral("kelvora_bench_lists"),
                                arguments.at(3),
                                {}};
            Connection server(Connection::Kelvora, link, folder.path());
            try {
                server.open();
            } catch (const DataError&) {
                DataLink admin = link;
                admin.catalog = QStringLiteral("postgres");
                Connection maintenance(QStringLiteral("Admin"), admin, folder.path());
                maintenance.open();
                maintenance.execute({}, QStringLiteral("CREATE DATABASE kelvora_bench_lists"));
                server.open();
                Installer::createOwnDatabase(server, gym, QStringLiteral("SENHA1"));
                fill(server);
            }
            bench("PostgreSQL", server, *brandel,
                  folder.filePath(QStringLiteral("vencidas-pg.pdf")));
        }
    } catch (const DataError& error) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(error.messageText() + QLatin1Char(' ') + error.reason()));
        return 1;
    }
    return 0;
}

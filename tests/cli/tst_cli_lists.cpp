#include "data/Connection.h"
#include "data/Rows.h"
#include "support/CliRun.h"
#include "support/PdfReader.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

void addStudent(Connection& own, const QString& number, const QString& name, const QVariant& functional)
{
    Rows::insert(own, QStringLiteral("Alunos"), {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("NOME"), name},
                                                 {QStringLiteral("DATA_FUNCIONAL"), functional}});
}


CliRun report(const TestDatabase& db, const QStringList& arguments, const QString& pdf)
{
    return cli(QStringList{QStringLiteral("report")} + arguments +
               QStringList{QStringLiteral("--dir"), db.folder(), QStringLiteral("--out"), pdf});
}

} // namespace

class CliLists : public QObject {
    Q_OBJECT
private slots:
    // Grouped by assessor and date, with the count of each and of the period.
    void assessmentsDone_data() { addBackendRows(); }
    void assessmentsDone()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        db.addUser(QStringLiteral("01"), QStringLiteral("JOANA"), QStringLiteral("JOANA1"));
        db.addUser(QStringLiteral("02"), QStringLiteral("PEDRO"), QStringLiteral("PEDRO1"));
        auto own = db.connect();
        addStudent(*own, QStringLiteral("0000000001"), QStringLiteral("ANA LIMA"), {});
        addStudent(*own, QStringLiteral("0000000002"), QStringLiteral("BIA COSTA"), {});
        addAssessment(*own, QStringLiteral("0000000001"), QDate(2021, 5, 1), QStringLiteral("01"));
        addAssessment(*own, QStringLiteral("0000000002"), QDate(2021, 5, 1), QStringLiteral("01"));
        addAssessment(*own, QStringLiteral("0000000042"), QDate(2021, 5, 3), QStringLiteral("01"));
        addAssessment(*own, QStringLiteral("0000000002"), QDate(2021, 5, 3), QStringLiteral("02"));
        addAssessment(*own, QStringLiteral("0000000001"), QDate(2021, 6, 1), QStringLiteral("02"));
        const QString pdf = QDir(db.folder()).filePath(QStringLiteral("feitas.pdf"));

        const CliRun run = report(db, {"done", "--from", "01/05/2021", "--to", "31/05/2021"}, pdf);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QStringList lines = PdfReader::printedLines(pdf);
        QVERIFY(lines.contains(QStringLiteral("Avaliações Feitas")));
        QVERIFY(lines.filter(QStringLiteral("01/05/2021 à 31/05/2021")).size() == 1);
        const int first = lines.indexOf(QStringLiteral("Avaliador : 01 - JOANA"));
        QVERIFY2(first > 0, qPrintable(lines.join('\n')));
        QCOMPARE(lines.mid(first, 14),
                 (QStringList{"Avaliador : 01 - JOANA", "01/05/2021", "0000000001 ANA LIMA 01", "0000000002 BIA COSTA 01",
                              "Total de Alunos : 2", "03/05/2021", "0000000042 Excluída 01", "Total de Alunos : 1",
                              "Total Geral de Alunos : 3", "Avaliador : 02 - PEDRO", "03/05/2021",
                              "0000000002 BIA COSTA 02", "Total de Alunos : 1", "Total Geral de Alunos : 1"}));
        QVERIFY(lines.contains(QStringLiteral("Total do Período : 4")));
        QVERIFY(lines.last().startsWith(QStringLiteral("Página: 1")));

        QCOMPARE(report(db, {"done", "--from", "01/05/2021", "--to", "31/05/2021", "--user", "02"}, pdf).exitCode, 0);
        QCOMPARE(PdfReader::printedLines(pdf).filter(QStringLiteral("Avaliador :")), QStringList{"Avaliador : 02 - PEDRO"});
    }

    void overdueStudents()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto own = db.connect();
        const QDate today = QDate::currentDate();
        addStudent(*own, QStringLiteral("0000000002"), QStringLiteral("ANA LIMA"), today.addMonths(-7));
        addStudent(*own, QStringLiteral("0000000001"), QStringLiteral("BIA COSTA"), {});
        addStudent(*own, QStringLiteral("0000000003"), QStringLiteral("CAIO REIS"), today.addMonths(-1));
        const QString pdf = QDir(db.folder()).filePath(QStringLiteral("vencidas.pdf"));
        const CliRun run = report(db, {"overdue", "--type", "funcional", "--order", "nome"}, pdf);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QStringList lines = PdfReader::printedLines(pdf);
        QVERIFY(lines.contains(QStringLiteral("Relatório de Avaliação Funcional Vencida")));
        QVERIFY(lines.contains(QStringLiteral("Matrícula Nome do Aluno Última a Avaliação")));
        QCOMPARE(lines.filter(QStringLiteral("000000000")),
                 (QStringList{"0000000002 ANA LIMA " + today.addMonths(-7).toString(QStringLiteral("dd/MM/yyyy")),
                              "0000000001 BIA COSTA"}));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("inverted period") << QStringList{"done", "--from", "01/05/2021", "--to", "30/04/2021"} << 2 << "Intervalo Inválido ! Data final Menor que Data inicial";
        QTest::newRow("not a date") << QStringList{"done", "--from", "31/02/2021", "--to", "30/04/2021"} << 2 << "Dado INCORRETO ! Data inicial";
        QTest::newRow("no final date") << QStringList{"done", "--from", "01/02/2021"} << 2 << "Dado INCORRETO ! Data final";
        QTest::newRow("nothing in the period") << QStringList{"done", "--from", "01/01/2000", "--to", "31/01/2000"} << 2 << "Nenhum resultado encontrado !";
        QTest::newRow("nobody overdue") << QStringList{"overdue"} << 2 << "Nenhum resultado encontrado !";
        QTest::newRow("unknown type") << QStringList{"overdue", "--type", "nutricional"} << 1 << "--type";
    }
    void refusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TestDatabase db(Sqlite);
        db.install();
        const QString pdf = QDir(db.folder()).filePath(QStringLiteral("nada.pdf"));
        const CliRun run = report(db, arguments, pdf);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_GUILESS_MAIN(CliLists)
#include "tst_cli_lists.moc"

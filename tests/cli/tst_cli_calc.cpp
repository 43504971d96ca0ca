#include "data/Connection.h"
#include "data/DataLink.h"

#include "support/CliRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using kelvora::test::cli;
using kelvora::test::CliRun;

namespace {

// A data folder with a database made by `kelvora-cli init`.
QString initialised(const QTemporaryDir& dir)
{
    const QString folder = dir.filePath(QStringLiteral("dados"));
    const CliRun init = cli({"init", "--dir", folder, "--gym", "ACADEMIA"}, "MESTR1\n");
    if (init.exitCode != 0)
        qFatal("init failed: %s", qPrintable(init.err));
    return folder;
}

// The JSON text `kelvora-cli calc` prints for these columns (keys sorted, shortest numbers).
QString json(const QVariantMap& columns)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(columns)).toJson(QJsonDocument::Compact)) + '\n';
}

} // namespace

class CliCalc : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_folder;

private slots:
    void initTestCase() { m_folder = initialised(m_dir); }

    void reproducesTheWorkedExamples_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QVariantMap>("printed");
        QTest::newRow("pollock 3, man of 30")
            << QStringList{"pollock3", "--sex", "M", "--age", "30", "G_PESO=80", "G_ALTURA=180", "G_PEITORAL=10",
                           "G_ABDOMEM=20", "G_COXA=15", "G_3DOBRASGORDURA_IDEAL=15"}
            << QVariantMap{{"G_3DOBRASGORDURA_A", 13.62}, {"G_3DOBRASGORDURA_FAIXA", "12% a 15 %"},
                           {"G_3DOBRASGORDURA_M", "Bom"}, {"G_3DOBRASPESO_GORDO", 10.9},
                           {"G_3DOBRASPESO_MAGRO", 69.1}, {"G_3DOBRASPESO_IDEAL", 81.29},
                           {"G_3DOBRASGORDURA_IDEAL", 15}, {"G_TIPOPROTOCOLO", "3XXXXXXXXX"}};
        QTest::newRow("pollock 3, woman of 25, decimal points")
            << QStringList{"pollock3", "--sex", "F", "--age", "25", "G_PESO=60.0", "G_ALTURA=165,5", "G_TRICIPES=20",
                           "G_SUPRAILIACA=20", "G_COXA=20", "G_3DOBRASGORDURA_IDEAL=20"}
            << QVariantMap{{"G_3DOBRASGORDURA_A", 23.82}, {"G_3DOBRASGORDURA_FAIXA", "23% a 25 %"},
                           {"G_3DOBRASGORDURA_M", "Média"}, {"G_3DOBRASPESO_GORDO", 14.29},
                           {"G_3DOBRASPESO_MAGRO", 45.71}, {"G_3DOBRASPESO_IDEAL", 57.14},
                           {"G_3DOBRASGORDURA_IDEAL", 20}, {"G_TIPOPROTOCOLO", "3XXXXXXXXX"}};
        QTest::newRow("pollock 7, woman of 35")
            << QStringList{"pollock7", "--sex", "F", "--age", "35", "G_PESO=62", "G_ALTURA=165", "G_SUBESCAPULAR=20",
                           "G_TRICIPES=10", "G_PEITORAL=10", "G_AXILARMEDIA=20", "G_SUPRAILIACA=20",
                           "G_ABDOMEM=20", "G_COXA=20", "G_7DOBRASGORDURA_IDEAL=22"}
            << QVariantMap{{"G_7DOBRASGORDURA_A", 24.05}, {"G_7DOBRASGORDURA_FAIXA", "24% a 25 %"},
                           {"G_7DOBRASGORDURA_M", "Média"}, {"G_7DOBRASPESO_GORDO", 14.91},
                           {"G_7DOBRASPESO_MAGRO", 47.09}, {"G_7DOBRASPESO_IDEAL", 60.37},
                           {"G_7DOBRASGORDURA_IDEAL", 22}, {"G_TIPOPROTOCOLO", "X7XXXXXXXX"}};
        QTest::newRow("pollock 7, man of 40, ideal fat of his band")
            << QStringList{"pollock7", "--sex", "M", "--age", "40", "G_PESO=85", "G_ALTURA=175", "G_SUBESCAPULAR=15",
                           "G_TRICIPES=10", "G_PEITORAL=15", "G_AXILARMEDIA=15", "G_SUPRAILIACA=15",
                           "G_ABDOMEM=20", "G_COXA=10"}
            << QVariantMap{{"G_7DOBRASGORDURA_A", 15.88}, {"G_7DOBRASGORDURA_FAIXA", "15% a 18 %"},
                           {"G_7DOBRASGORDURA_M", "Bom"}, {"G_7DOBRASPESO_GORDO", 13.5},
                           {"G_7DOBRASPESO_MAGRO", 71.5}, {"G_7DOBRASPESO_IDEAL", 86.14},
                           {"G_7DOBRASGORDURA_IDEAL", 17}, {"G_TIPOPROTOCOLO", "X7XXXXXXXX"}};
        QTest::newRow("pollock 7, change mode takes the first band")
            << QStringList{"pollock7", "--sex", "M", "--age", "40", "--mode", "alteracao", "G_PESO=85", "G_ALTURA=175",
                           "G_SUBESCAPULAR=15", "G_TRICIPES=10", "G_PEITORAL=15", "G_AXILARMEDIA=15",
                           "G_SUPRAILIACA=15", "G_ABDOMEM=20", "G_COXA=10"}
            << QVariantMap{{"G_7DOBRASGORDURA_A", 15.88}, {"G_7DOBRASGORDURA_FAIXA", "15% a 18 %"},
                           {"G_7DOBRASGORDURA_M", "Bom"}, {"G_7DOBRASPESO_GORDO", 13.5},
                           {"G_7DOBRASPESO_MAGRO", 71.5}, {"G_7DOBRASPESO_IDEAL", 83.14},
                           {"G_7DOBRASGORDURA_IDEAL", 14}, {"G_TIPOPROTOCOLO", "X7XXXXXXXX"}};
        QTest::newRow("faulkner")
            << QStringList{"faulkner", "--sex", "F", "--age", "50", "G_PESO=70", "G_ALTURA=170", "G_SUBESCAPULAR=10",
                           "G_TRICIPES=12", "G_SUPRAILIACA=15", "G_ABDOMEM=20", "G_FAULKNERGORDURA_IDEAL=15"}
            << QVariantMap{{"G_FAULKNER_GORDURA", 14.5}, {"G_FAULKNERPESO_GORDO", 10.15},
                           {"G_FAULKNERPESO_MAGRO", 59.85}, {"G_FAULKNERPESO_IDEAL", 70.41},
                           {"G_FAULKNERGORDURA_IDEAL", 15}, {"G_TIPOPROTOCOLO", "XXXXXFXXXX"}};
        QTest::newRow("slaughter, white pubertal boy")
            << QStringList{"slaughter", "--sex", "M", "--age", "12", "G_SUBESCAPULAR=8", "G_TRICIPES=10",
                           "G_PESO=40", "G_TIPOIDADECRIANCA=2"}
            << QVariantMap{{"G_CRIANCAGORDURA_A", 15.79}, {"G_CRIANCAGORDURA_FAIXA", "10,01% a 20%"},
                           {"G_CRIANCAGORDURA_M", "Ótima"}, {"G_CRIANCAPESO_GORDO", 6.32},
                           {"G_CRIANCAPESO_MAGRO", 33.68}, {"G_TIPOIDADECRIANCA", "2"},
                           {"G_TIPOPROTOCOLO", "XXXCXXXXXX"}};
        QTest::newRow("slaughter, boy of race Parda")
            << QStringList{"slaughter", "--sex", "M", "--age", "12", "--race", "Parda", "G_SUBESCAPULAR=8",
                           "G_TRICIPES=10", "G_PESO=40", "G_TIPOIDADECRIANCA=2"}
            << QVariantMap{{"G_CRIANCAGORDURA_A", 13.99}, {"G_CRIANCAGORDURA_FAIXA", "10,01% a 20%"},
                           {"G_CRIANCAGORDURA_M", "Ótima"}, {"G_CRIANCAPESO_GORDO", 5.6},
                           {"G_CRIANCAPESO_MAGRO", 34.4}, {"G_TIPOIDADECRIANCA", "2"},
                           {"G_TIPOPROTOCOLO", "XXXCXXXXXX"}};
        QTest::newRow("slaughter, girl")
            << QStringList{"slaughter", "--sex", "F", "--age", "12", "G_SUBESCAPULAR=8", "G_TRICIPES=10",
                           "G_PESO=40", "G_TIPOIDADECRIANCA=1"}
            << QVariantMap{{"G_CRIANCAGORDURA_A", 17.23}, {"G_CRIANCAGORDURA_FAIXA", "15,01% a 25 %"},
                           {"G_CRIANCAGORDURA_M", "Ótima"}, {"G_CRIANCAPESO_GORDO", 6.89},
                           {"G_CRIANCAPESO_MAGRO", 33.11}, {"G_TIPOIDADECRIANCA", "1"},
                           {"G_TIPOPROTOCOLO", "XXXCXXXXXX"}};
        QTest::newRow("lohman, boy of 10")
            << QStringList{"lohman", "--sex", "M", "--age", "10", "G_PESO=35", "G_ALTURA=140", "G_SUBESCAPULAR=8",
                           "G_TRICIPES=10", "G_LOHMANGORDURA_IDEAL=15"}
            << QVariantMap{{"G_LOHMAN_GORDURA", 16.01}, {"G_LOHMANPESO_GORDO", 5.6},
                           {"G_LOHMANPESO_MAGRO", 29.4}, {"G_LOHMANPESO_IDEAL", 34.59},
                           {"G_LOHMANGORDURA_IDEAL", 15}, {"G_TIPOPROTOCOLO", "XXXXXXLXXX"}};
        QTest::newRow("tran & weltman, 65 years")
            << QStringList{"tran-weltman", "--sex", "F", "--age", "65", "G_PESO=65", "G_ALTURA=160",
                           "G_TRANABDOMEM1=90", "G_TRANABDOMEM2=92", "G_QUADRIL=100", "G_TRANGORDURA_IDEAL=25"}
            << QVariantMap{{"G_TRAN_GORDURA", 40.65}, {"G_TRANPESO_GORDO", 26.42},
                           {"G_TRANPESO_MAGRO", 38.58}, {"G_TRANPESO_IDEAL", 51.44},
                           {"G_TRANGORDURA_IDEAL", 25}, {"G_TIPOPROTOCOLO", "XXXXXXXTXX"}};
        QTest::newRow("body-mass index, simple table")
            << QStringList{"bmi", "--sex", "M", "--age", "30", "G_PESO=70", "G_ALTURA=175"}
            << QVariantMap{{"G_IMCVALOR", 22.86}, {"G_IMCRESULTADO", "Peso normal"},
                           {"G_TIPOPROTOCOLO", "XXIXXXXXXX"}};
        QTest::newRow("body-mass index, survey table")
            << QStringList{"bmi", "--sex", "F", "--age", "30", "IMC_1_2=1", "G_PESO=70", "G_ALTURA=165"}
            << QVariantMap{{"G_IMCVALOR", 25.71}, {"G_IMCRESULTADO", "Peso normal"},
                           {"G_TIPOPROTOCOLO", "XXIXXXXXXX"}};
        QTest::newRow("waist-hip, man of 45")
            << QStringList{"waist-hip", "--sex", "M", "--age", "45", "G_CINTURA=90", "G_QUADRIL=100"}
            << QVariantMap{{"G_CINTURA_QUADRIL_VALOR", 0.9}, {"G_RESULTADO_CINTURA", "Risco Moderado"},
                           {"G_TIPOPROTOCOLO", "XXXXQXXXXX"}};
        QTest::newRow("waist-hip, halfway ratio")
            << QStringList{"waist-hip", "--sex", "F", "--age", "25", "G_CINTURA=78,5", "G_QUADRIL=100"}
            << QVariantMap{{"G_CINTURA_QUADRIL_VALOR", 0.78}, {"G_RESULTADO_CINTURA", "Risco Alto"},
                           {"G_TIPOPROTOCOLO", "XXXXQXXXXX"}};
    }
    void reproducesTheWorkedExamples()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QVariantMap, printed);
        // The database made by init and the data shipped with the program agree.
        for (const QStringList& where : {QStringList{"--dir", m_folder}, QStringList{}}) {
            const CliRun run = cli(QStringList{"calc"} + arguments + where);
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            QCOMPARE(run.out, json(printed));
        }
    }

    void refusalsExitWithStatus2_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("messageLines");
        QTest::newRow("height 0,0 for the body-mass index")
            << QStringList{"bmi", "--sex", "M", "--age", "30", "G_PESO=70", "G_ALTURA=0,0"}
            << QStringList{"Dado INCORRETO !", "Valor", "Campo: G_ALTURA"};
        QTest::newRow("hip 0,0 for the waist-hip ratio")
            << QStringList{"waist-hip", "--sex", "M", "--age", "45", "G_CINTURA=90", "G_QUADRIL=0,0"}
            << QStringList{"Dado INCORRETO !", "Valor", "Campo: G_QUADRIL"};
        QTest::newRow("ideal fat 100")
            << QStringList{"faulkner", "--sex", "M", "--age", "30", "G_FAULKNERGORDURA_IDEAL=100", "G_PESO=70",
                           "G_ALTURA=170", "G_SUBESCAPULAR=10", "G_TRICIPES=12", "G_SUPRAILIACA=15", "G_ABDOMEM=20"}
            << QStringList{"Dado INCORRETO !", "Valor", "Campo: G_FAULKNERGORDURA_IDEAL"};
        QTest::newRow("empty weight for tran & weltman")
            << QStringList{"tran-weltman", "--sex", "M", "--age", "65", "G_ALTURA=160", "G_TRANABDOMEM1=90",
                           "G_TRANABDOMEM2=92", "G_QUADRIL=100"}
            << QStringList{"Dado INCORRETO !", "Valor", "Campo: G_PESO"};
        QTest::newRow("no maturation stage")
            << QStringList{"slaughter", "--sex", "M", "--age", "12", "G_SUBESCAPULAR=8", "G_TRICIPES=10", "G_PESO=40"}
            << QStringList{"Faixa de Idade Inválida!", "Campo: G_TIPOIDADECRIANCA"};
        QTest::newRow("lohman at six")
            << QStringList{"lohman", "--sex", "F", "--age", "6", "G_PESO=25", "G_ALTURA=120", "G_SUBESCAPULAR=8",
                           "G_TRICIPES=10"}
            << QStringList{"Nenhum resultado encontrado !", "Fora Faixa"};
        QTest::newRow("outside a hard age rule")
            << QStringList{"tran-weltman", "--sex", "M", "--age", "61"}
            << QStringList{"Idade não considerada para este protocolo!", "Entre 62 e 79 anos!"};
    }
    void refusalsExitWithStatus2()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, messageLines);
        const CliRun run = cli(QStringList{"calc", "--dir", m_folder} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
        lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("QStandardPaths")); });
        QCOMPARE(lines, messageLines);
    }

    void badOptionsExitWithStatus1_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown protocol") << QStringList{"jackson", "--sex", "M", "--age", "30"} << "jackson";
        QTest::newRow("no protocol") << QStringList{"--sex", "M", "--age", "30"} << "Protocolo";
        QTest::newRow("no sex") << QStringList{"bmi", "--age", "30"} << "--sex";
        QTest::newRow("age not a number") << QStringList{"bmi", "--sex", "M", "--age", "trinta"} << "--age";
        QTest::newRow("unknown mode") << QStringList{"bmi", "--sex", "M", "--age", "30", "--mode", "exclusao"} << "--mode";
        QTest::newRow("unknown race") << QStringList{"slaughter", "--sex", "M", "--age", "12", "--race", "Azul"} << "--race";
        QTest::newRow("not a Corporal column") << QStringList{"bmi", "--sex", "M", "--age", "30", "A_PESO=70"} << "A_PESO=70";
        QTest::newRow("not COLUMN=VALUE") << QStringList{"bmi", "--sex", "M", "--age", "30", "70"} << "\"70\"";
        QTest::newRow("unknown option") << QStringList{"bmi", "--sex", "M", "--age", "30", "--peso", "70"} << "peso";
    }
    void badOptionsExitWithStatus1()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRun run = cli(QStringList{"calc"} + arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.err.contains(QLatin1String("COLUNA=VALOR")));
        QVERIFY(run.out.isEmpty());
    }

    void classifiesWithTheTablesOfTheDatabase()
    {
        QTemporaryDir dir;
        const QString folder = initialised(dir);
        {
            Connection own(Connection::Kelvora, DataLinkFile::read(folder + "/Kelvora.udl"), folder);
            own.open();
            own.execute("GorduraHomem", "UPDATE GorduraHomem SET NIVEL = 'Bom na academia' WHERE NIVEL = 'Bom'");
            own.execute("FaixaGordura", "UPDATE FaixaGordura SET HOMEM_DEFAULT = '12' WHERE FAIXA = 2");
            own.execute("Moxcvar", "UPDATE Moxcvar SET IMC_1_2 = '1'");
        }
        const QStringList pollock{"calc", "pollock3", "--sex", "M", "--age", "30", "G_PESO=80", "G_ALTURA=180",
                                  "G_PEITORAL=10", "G_ABDOMEM=20", "G_COXA=15"};
        const QJsonObject own = QJsonDocument::fromJson(cli(pollock + QStringList{"--dir", folder}).out.toUtf8()).object();
        QCOMPARE(own.value("G_3DOBRASGORDURA_M").toString(), QStringLiteral("Bom na academia"));
        QCOMPARE(own.value("G_3DOBRASGORDURA_IDEAL").toInt(), 12);
        QCOMPARE(own.value("G_3DOBRASPESO_IDEAL").toDouble(), 78.52);
        const QJsonObject shipped = QJsonDocument::fromJson(cli(pollock).out.toUtf8()).object();
        QCOMPARE(shipped.value("G_3DOBRASGORDURA_M").toString(), QStringLiteral("Bom"));
        QCOMPARE(shipped.value("G_3DOBRASGORDURA_IDEAL").toInt(), 16);

        // The body-mass-index table follows the database's setting unless IMC_1_2 is given.
        const QStringList bmi{"calc", "bmi", "--dir", folder, "--sex", "F", "--age", "30", "G_PESO=70", "G_ALTURA=165"};
        const auto category = [](const CliRun& run) {
            return QJsonDocument::fromJson(run.out.toUtf8()).object().value("G_IMCRESULTADO").toString();
        };
        QCOMPARE(category(cli(bmi)), QStringLiteral("Peso normal"));
        QCOMPARE(category(cli(bmi + QStringList{"IMC_1_2=0"})), QStringLiteral("Acima do peso"));
    }

    void folderWithoutDatabaseExitsWithStatus3()
    {
        QTemporaryDir empty;
        const CliRun run = cli({"calc", "bmi", "--dir", empty.path(), "--sex", "M", "--age", "30", "G_PESO=70", "G_ALTURA=175"});
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.err.contains(QLatin1String("Kelvora.udl")), qPrintable(run.err));
    }

    void helpDocumentsTheCommand()
    {
        const CliRun overview = cli({"--help"});
        QVERIFY(overview.out.contains(QLatin1String("calc")));
        const CliRun help = cli({"calc", "--help"});
        QCOMPARE(help.exitCode, 0);
        for (const char* text : {"--dir", "--sex", "--age", "--mode", "--race", "COLUNA=VALOR", "pollock3", "pollock7",
                                 "faulkner", "slaughter", "lohman", "tran-weltman", "bmi", "waist-hip", "IMC_1_2",
                                 "G_TIPOIDADECRIANCA"})
            QVERIFY2(help.out.contains(QLatin1String(text)), text);
    }
};

QTEST_GUILESS_MAIN(CliCalc)
#include "tst_cli_calc.moc"

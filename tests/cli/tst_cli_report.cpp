#include "data/Connection.h"
#include "support/PdfReader.h"
#include "support/TestDatabase.h"

#include "support/CliRun.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using kelvora::test::cli;
using kelvora::test::CliRun;
using kelvora::test::PdfReader::pageCount;
using kelvora::test::PdfReader::pageTexts;

namespace {

// Users 01 to `last` besides the master user 00.
void addUsers(Connection& own, int last) {
    for (int i = 1; i <= last; ++i) {
        const QString code = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        own.execute(
            QStringLiteral("Usuarios"),
            QStringLiteral("INSERT INTO Usuarios (CODIGO, NOME, SENHA, NOMECOMPLETO, EXAMEMEDICO) "
                           "VALUES (?, ?, ?, ?, ?)"),
            {code, QStringLiteral("AVALIADOR NÚMERO ") + code, QStringLiteral("-"), QString(), 0});
    }
}

// Code and name of every line of the list, as printed, page after page.
QStringList listedLines(const QString& pdf) {
    QStringList lines;
    const QRegularExpression line(QStringLiteral("^\\s*(\\d\\d)\\s+(\\S.*\\S)\\s*$"));
    for (const QString& page : pageTexts(pdf, true))
        for (const QString& text : page.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = line.match(text);
            if (match.hasMatch())
                lines << match.captured(1) + QLatin1Char(' ') + match.captured(2);
        }
    return lines;
}

QStringList expectedLines(int first, int last) {
    QStringList lines;
    for (int i = first; i <= last; ++i) {
        const QString code = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        lines << code + (i == 0 ? QStringLiteral(" MESTRE")
                                : QStringLiteral(" AVALIADOR NÚMERO ") + code);
    }
    return lines;
}

} // namespace

class CliReport : public QObject {
    Q_OBJECT
private slots:
    void listsTheUsersOverSeveralPages_data() { test::addBackendRows(); }
    void listsTheUsersOverSeveralPages() {
        QFETCH(QString, backend);
        test::TestDatabase database(backend);
        database.install();
        addUsers(*database.connect(), 79);
        const QString pdf = database.folder() + QStringLiteral("/usuarios.pdf");

        const CliRun run =
            cli({QStringLiteral("report"), QStringLiteral("users"), QStringLiteral("--dir"),
                 database.folder(), QStringLiteral("--out"), pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("3 páginas")));
        QCOMPARE(pageCount(pdf), 3);
        QCOMPARE(listedLines(pdf), expectedLines(0, 79));
        const QStringList pages = pageTexts(pdf, true);
        for (int p = 0; p < pages.size(); ++p) {
            const QString page = pages.at(p).simplified();
            QVERIFY(page.startsWith(QStringLiteral("ACADEMIA TESTE Consulta de Usuários Código "
                                                   "Inicial : 00 Código Final : 79 Data : ")));
            QVERIFY(page.contains(QStringLiteral("Código Nome")));
            QVERIFY(page.endsWith(QStringLiteral("Página: %1").arg(p + 1)));
        }
        QVERIFY(pages.last().simplified().contains(QStringLiteral("Total de Usuários : 80")));
    }

    void listsAnInterval_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("one-digit codes") << QStringList{"--from", "5", "--to", "9"} << 5 << 9;
        QTest::newRow("two-digit codes") << QStringList{"--from", "08", "--to", "12"} << 8 << 12;
        QTest::newRow("no first code") << QStringList{"--to", "03"} << 0 << 3;
        QTest::newRow("no last code") << QStringList{"--from", "10"} << 10 << 12;
        QTest::newRow("one user") << QStringList{"--from", "07", "--to", "07"} << 7 << 7;
    }
    void listsAnInterval() {
        QFETCH(QStringList, codes);
        QFETCH(int, first);
        QFETCH(int, last);
        test::TestDatabase database(test::Sqlite);
        database.install();
        addUsers(*database.connect(), 12);
        const QString pdf = database.folder() + QStringLiteral("/usuarios.pdf");
        const CliRun run = cli(QStringList{QStringLiteral("report"), QStringLiteral("users"),
                                        QStringLiteral("--dir"), database.folder(),
                                        QStringLiteral("--out"), pdf} +
                            codes);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(listedLines(pdf), expectedLines(first, last));
        QVERIFY(pageTexts(pdf, true).first().simplified().contains(
            QStringLiteral("Código Inicial : %1 Código Final : %2")
                .arg(first, 2, 10, QLatin1Char('0'))
                .arg(last, 2, 10, QLatin1Char('0'))));
    }

    void badInputWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown first code") << QStringList{"users", "--from", "13"} << 2
                                            << "Código não cadastrado ! Código Inicial 13";
        QTest::newRow("unknown last code")
            << QStringList{"users", "--to", "AB"} << 2 << "Código não cadastrado ! Código Final AB";
        QTest::newRow("inverted interval") << QStringList{"users", "--from", "9", "--to", "3"} << 2
                                           << "Intervalo Inválido ! 09 a 03";
        QTest::newRow("unknown report") << QStringList{"alunos"} << 1 << "nome de um relatório";
        QTest::newRow("no report") << QStringList{} << 1 << "nome de um relatório";
        QTest::newRow("no data folder") << QStringList{"users", "--dir", "/nao/existe"} << 3
                                        << "A pasta de dados não existe: /nao/existe";
        QTest::newRow("no data-link file")
            << QStringList{"users", "--dir", "EMPTY"} << 3 << "Kelvora.udl";
        QTest::newRow("file not writable") << QStringList{"users", "--out", "/nao/existe/u.pdf"}
                                           << 3 << "Não foi possível gravar /nao/existe/u.pdf";
    }
    void badInputWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("dados"));
        QCOMPARE(cli({QStringLiteral("init"), QStringLiteral("--dir"), folder,
                      QStringLiteral("--gym"), QStringLiteral("ACADEMIA")},
                     "MESTR1\n")
                     .exitCode,
                 0);
        {
            Connection own(Connection::Kelvora,
                           DataLinkFile::read(folder + QStringLiteral("/Kelvora.udl")), folder);
            own.open();
            addUsers(own, 12);
        }
        const QString pdf = dir.filePath(QStringLiteral("u.pdf"));
        QStringList all{QStringLiteral("report"), QStringLiteral("--out"), pdf,
                        QStringLiteral("--dir"), folder};
        all += arguments;
        all.replaceInStrings(QRegularExpression(QStringLiteral("^EMPTY$")), dir.path());

        const CliRun run = cli(all);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_GUILESS_MAIN(CliReport)
#include "tst_cli_report.moc"

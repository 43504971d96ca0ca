#include "data/Connection.h"
#include "data/Rows.h"
#include "data/Students.h"
#include "support/CliRun.h"
#include "support/PdfReader.h"
#include "support/StudentRecords.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

CliRun students(const TestDatabase& db, const QStringList& arguments)
{
    return cli(QStringList{QStringLiteral("students")} + arguments.mid(0, 1) +
               QStringList{QStringLiteral("--dir"), db.folder()} + arguments.mid(1));
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(content);
    return file.fileName();
}

// Every student as stored: all the columns of each row, in number order.
QVector<QVariantList> storedRows(const TestDatabase& db)
{
    QVector<QVariantList> rows;
    for (const QSqlRecord& student : Students::all(*db.connect())) {
        QVariantList values;
        for (int i = 0; i < student.count(); ++i)
            values << (student.value(i).isNull() ? QVariant() : QVariant(student.value(i).toString()));
        rows << values;
    }
    return rows;
}

// Names with a quote, a semicolon, a comma and accents, typed in small letters.
const QByteArray GoodFile =
    "NOME;SEXO;ENDERECO;BAIRRO;CIDADE;ESTADO;CEP;DATA_NASCIMENTO;EMAIL;SAIDA\n"
    "\"Conceição \"\"Ção\"\" D'Ávila\";F;\"Rua A; casa 2, fundos\";Centro;Niterói;RJ;24020-070;"
    "04/05/1990;Ana@Exemplo.com;\n"
    "JOSÉ DA SILVA;M;Av. Brasil, 5;Penha;Rio de Janeiro;RJ;21020-000;31/12/1985;;\n";

const QFile::Permissions OpenToOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

int runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CliStudents : public QObject {
    Q_OBJECT
private slots:
    // A good file is stored whole with the next numbers; the export gives the same rows
    // back, and importing it into an empty register stores them exactly again.
    void importExportRoundTrip_data() { addBackendRows(); }
    void importExportRoundTrip()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        Rows::insert(*db.connect(), Students::Table,
                     {{QStringLiteral("MATRICULA"), QStringLiteral("0000000041")},
                      {QStringLiteral("NOME"), QStringLiteral("ANTIGO")}});
        QTemporaryDir files;
        const CliRun imported =
            students(db, {QStringLiteral("import"), writeFile(files, QStringLiteral("a.csv"), GoodFile)});
        QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
        QCOMPARE(imported.out, QStringLiteral("2 aluno(s) incluído(s).\n"));
        const auto first = Students::find(*db.connect(), QStringLiteral("0000000042"));
        QVERIFY(first);
        QCOMPARE(first->value(QStringLiteral("NOME")).toString(),
                 QStringLiteral("CONCEIÇÃO \"ÇÃO\" D'ÁVILA"));
        QCOMPARE(first->value(QStringLiteral("ENDERECO")).toString(),
                 QStringLiteral("RUA A; CASA 2, FUNDOS"));
        QCOMPARE(first->value(QStringLiteral("EMAIL")).toString(), QStringLiteral("ana@exemplo.com"));
        QCOMPARE(first->value(QStringLiteral("DATA_NASCIMENTO")).toDate(), QDate(1990, 5, 4));
        QVERIFY(first->value(QStringLiteral("SAIDA")).isNull());
        QVERIFY(Students::find(*db.connect(), QStringLiteral("0000000043")));
        QSqlQuery photos = db.connect()->select(
            Students::Photos, QStringLiteral("SELECT COUNT(*) FROM FotosAlunos"));
        photos.next();
        QCOMPARE(photos.value(0).toInt(), 2);

        const QString exported = files.filePath(QStringLiteral("b.csv"));
        const CliRun exportRun = students(db, {QStringLiteral("export"), exported});
        QVERIFY2(exportRun.exitCode == 0, qPrintable(exportRun.err));
        QCOMPARE(QFile(exported).permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());

        TestDatabase empty(backend);
        empty.install();
        // The old student has no address: the register would refuse it, and so does import.
        const CliRun refused = students(empty, {QStringLiteral("import"), exported});
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains(QStringLiteral(":2: ENDERECO: Dado INCORRETO ! Endereço")),
                 qPrintable(refused.err));
        db.connect()->execute(Students::Table, QStringLiteral("DELETE FROM Alunos WHERE NOME = ?"),
                              {QStringLiteral("ANTIGO")});
        QVERIFY(students(db, {QStringLiteral("export"), exported}).exitCode == 0);
        const CliRun again = students(empty, {QStringLiteral("import"), exported});
        QVERIFY2(again.exitCode == 0, qPrintable(again.err));
        QCOMPARE(storedRows(empty), storedRows(db));
    }

    // A file larger than a statement's group of rows is stored whole, in its order.
    void largeFileStoredWhole_data() { addBackendRows(); }
    void largeFileStoredWhole()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        QByteArray csv = "NOME,SEXO,ENDERECO,BAIRRO,CIDADE,ESTADO,CEP,DATA_NASCIMENTO\n";
        QStringList names;
        for (int i = 1; i <= 123; ++i) {
            names << QStringLiteral("ALUNO %1").arg(i);
            csv += names.last().toUtf8() + ",F,RUA,CENTRO,NITEROI,RJ,24020-070,01/02/2000\n";
        }
        QTemporaryDir files;
        const CliRun run =
            students(db, {QStringLiteral("import"), writeFile(files, QStringLiteral("a.csv"), csv)});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QStringList stored;
        for (const QSqlRecord& student : Students::all(*db.connect()))
            stored << student.value(QStringLiteral("NOME")).toString();
        QCOMPARE(stored, names);
        QCOMPARE(Students::all(*db.connect()).last().value(QStringLiteral("MATRICULA")).toString(),
                 QStringLiteral("0000000123"));
    }

    // One bad line stores nothing and is told with its line, column and reason.
    void badLinesStoreNothing_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("told");
        QTest::newRow("number") << QByteArray("X;ANA;F;RUA;B;C;RJ;24020-070;01/01/1990")
                                << "a.csv:3: MATRICULA: Matrícula INCORRETA !";
        QTest::newRow("sex") << QByteArray("7;ANA;Z;RUA;B;C;RJ;24020-070;01/01/1990")
                             << "a.csv:3: SEXO: Dado INCORRETO ! Sexo";
        QTest::newRow("state") << QByteArray("7;ANA;F;RUA;B;C;XX;24020-070;01/01/1990")
                               << "a.csv:3: ESTADO: Dado INCORRETO ! Estado";
        QTest::newRow("CEP") << QByteArray("7;ANA;F;RUA;B;C;RJ;24020;01/01/1990")
                             << "a.csv:3: CEP: Dado INCORRETO ! CEP";
        QTest::newRow("date") << QByteArray("7;ANA;F;RUA;B;C;RJ;24020-070;31/02/1990")
                              << "a.csv:3: DATA_NASCIMENTO: data inválida (use dd/mm/aaaa)";
        QTest::newRow("number in the file") << QByteArray("1;ANA;F;RUA;B;C;RJ;24020-070;01/01/1990")
                                            << "a.csv:3: MATRICULA: matrícula 0000000001 repetida (linha 2)";
        QTest::newRow("number stored") << QByteArray("9;ANA;F;RUA;B;C;RJ;24020-070;01/01/1990")
                                       << "a.csv:3: MATRICULA: matrícula 0000000009 já cadastrada";
        QTest::newRow("too long") << QByteArray("7;ANA;F;RUA;BAIRRO DE NOME LONGO;C;RJ;24020-070;01/01/1990")
                                  << "a.csv:3: BAIRRO: mais de 15 caracteres";
        QTest::newRow("fields") << QByteArray("7;ANA;F") << "a.csv:3: 3 campos em vez de 9";
    }
    void badLinesStoreNothing()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, told);
        TestDatabase db(Sqlite);
        db.install();
        Rows::insert(*db.connect(), Students::Table,
                     {{QStringLiteral("MATRICULA"), QStringLiteral("0000000009")},
                      {QStringLiteral("NOME"), QStringLiteral("NOVE")}});
        QTemporaryDir files;
        const QString file = writeFile(
            files, QStringLiteral("a.csv"),
            "MATRICULA;NOME;SEXO;ENDERECO;BAIRRO;CIDADE;ESTADO;CEP;DATA_NASCIMENTO\n"
            "1;BRUNO;M;RUA;B;C;RJ;24020-070;01/01/1990\n" + line + "\n");
        const CliRun run = students(db, {QStringLiteral("import"), file});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(told), qPrintable(run.err));
        QVERIFY(run.err.endsWith(QStringLiteral("Nenhum aluno foi incluído.\n")));
        QCOMPARE(Students::numbers(*db.connect(), Students::Order::ByNumber),
                 QStringList{"0000000009"});
    }

    void find_data() { addBackendRows(); }
    void find()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        QTemporaryDir files;
        QVERIFY(students(db, {QStringLiteral("import"), writeFile(files, QStringLiteral("a.csv"), GoodFile)})
                    .exitCode == 0);
        const CliRun byName = students(db, {QStringLiteral("find"), QStringLiteral("--name"), QStringLiteral("jos")});
        QCOMPARE(byName.exitCode, 0);
        QCOMPARE(byName.out, QStringLiteral("0000000002\tJOSÉ DA SILVA\t31/12/1985\n"));
        const CliRun byNumber = students(db, {QStringLiteral("find"), QStringLiteral("--number"), QStringLiteral("1")});
        QCOMPARE(byNumber.out, QStringLiteral("0000000001\tCONCEIÇÃO \"ÇÃO\" D'ÁVILA\t04/05/1990\n"));
        const CliRun none = students(db, {QStringLiteral("find"), QStringLiteral("--name"), QStringLiteral("Z")});
        QCOMPARE(none.exitCode, 0);
        QCOMPARE(none.out, QString());
        QCOMPARE(none.err, QStringLiteral("Nenhum aluno encontrado.\n"));
        QCOMPARE(students(db, {QStringLiteral("find")}).exitCode, 1);
    }

    // "erase" removes every row of the student with the master's password and --yes,
    // and tells what it removed; without either, or for an unknown number, nothing
    // changes.
    void erase_data() { addBackendRows(); }
    void erase()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        const QString erased = QStringLiteral("0000000042");
        const QString kept = QStringLiteral("0000000043");
        addStudentRecords(*db.connect(), erased, {QDate(2026, 1, 5)});
        addStudentRecords(*db.connect(), kept, {QDate(2026, 1, 5)});
        const QHash<QString, int> before = studentRowCounts(*db.connect(), erased);
        const QHash<QString, int> keptBefore = studentRowCounts(*db.connect(), kept);
        const QStringList erase{QStringLiteral("erase"), QStringLiteral("--number"), QStringLiteral("42")};
        const QByteArray password = TestDatabase::MasterPassword.toUtf8() + '\n';

        const CliRun unconfirmed = cli(QStringList{QStringLiteral("students")} + erase +
                                       QStringList{QStringLiteral("--dir"), db.folder()}, password);
        QCOMPARE(unconfirmed.exitCode, 2);
        QVERIFY(unconfirmed.err.contains(QStringLiteral("--yes")));
        const CliRun wrongPassword = students(db, erase + QStringList{QStringLiteral("--yes")});
        QCOMPARE(wrongPassword.exitCode, 2);
        QCOMPARE(wrongPassword.err, QStringLiteral("Senha não confere ! MESTRE\n"));
        QCOMPARE(studentRowCounts(*db.connect(), erased), before);

        const CliRun done = cli(QStringList{QStringLiteral("students"), QStringLiteral("erase"), QStringLiteral("--dir"),
                                            db.folder(), QStringLiteral("--number"), QStringLiteral("42"),
                                            QStringLiteral("--yes")},
                                password);
        QCOMPARE(done.exitCode, 0);
        QVERIFY2(done.out.startsWith(QStringLiteral("Linhas removidas, por tabela:\n")), qPrintable(done.out));
        QVERIFY(done.out.contains(QStringLiteral("  Corporal: 1\n")));
        QVERIFY(done.out.contains(QStringLiteral("Nenhum backup na pasta Backup guarda os dados deste aluno.\n")));
        for (const auto& [table, rows] : studentRowCounts(*db.connect(), erased).asKeyValueRange())
            QVERIFY2(rows == 0, qPrintable(table));
        QCOMPARE(studentRowCounts(*db.connect(), kept), keptBefore);

        const CliRun again = cli(QStringList{QStringLiteral("students"), QStringLiteral("erase"), QStringLiteral("--dir"),
                                             db.folder(), QStringLiteral("--number"), QStringLiteral("42"),
                                             QStringLiteral("--yes")},
                                 password);
        QCOMPARE(again.exitCode, 2);
        QCOMPARE(again.err, QStringLiteral("Matrícula não Cadastrada 0000000042\n"));
    }

    // The dossier holds every row of the student, column by column, each photo as its
    // stored bytes, a readable report of each assessment and the text that explains
    // it all; the file is its owner's only. An unknown number gives nothing.
    void dossier_data() { addBackendRows(); }
    void dossier()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        const QString number = QStringLiteral("0000000042");
        const QList<QDate> dates{QDate(2025, 9, 1), QDate(2026, 2, 27)};
        const QVector<StoredRow> stored = addStudentRecords(*db.connect(), number, dates);
        addStudentRecords(*db.connect(), QStringLiteral("0000000043"), dates);
        QTemporaryDir files;
        const QString zip = files.filePath(QStringLiteral("dossie.zip"));

        const CliRun run = students(db, {QStringLiteral("dossier"), QStringLiteral("--number"), QStringLiteral("42"),
                                         QStringLiteral("--out"), zip});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith(QStringLiteral("Dossiê da matrícula 0000000042: 2 relatório(s)")), qPrintable(run.out));
        QCOMPARE(QFile::permissions(zip) & OpenToOthers, QFile::Permissions());
        QCOMPARE(runTool(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-m"), QStringLiteral("zipfile"),
                                                             QStringLiteral("-t"), zip}),
                 0);
        const QString unpacked = files.filePath(QStringLiteral("dossie"));
        QCOMPARE(runTool(QStringLiteral("unzip"), {QStringLiteral("-q"), zip, QStringLiteral("-d"), unpacked}), 0);
        const QDir content(unpacked);
        for (QDirIterator it(unpacked, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();) {
            const QString entry = it.next();
            QVERIFY2(!(QFile::permissions(entry) & OpenToOthers), qPrintable(entry));
        }

        const QString readMe = QString::fromUtf8(fileBytes(content.filePath(QStringLiteral("LEIA-ME.txt"))));
        for (const char* part : {"dados.json", "fotos/", "avaliacoes/", "LGPD"})
            QVERIFY2(readMe.contains(QLatin1String(part)), part);

        const QJsonObject tables = QJsonDocument::fromJson(fileBytes(content.filePath(QStringLiteral("dados.json"))))
                                       .object()
                                       .value(QStringLiteral("tabelas"))
                                       .toObject();
        QHash<QString, int> expectedRows;
        for (const StoredRow& row : stored)
            ++expectedRows[row.table];
        for (const QString& table : tables.keys())
            QCOMPARE(tables.value(table).toArray().size(), expectedRows.value(table));
        QHash<QString, int> seen;
        int photos = 0;
        for (const StoredRow& row : stored) {
            const QJsonObject given = tables.value(row.table).toArray().at(seen[row.table]++).toObject();
            for (const auto& [column, value] : row.values) {
                const QJsonValue json = given.value(column);
                const QString where = row.table + QLatin1Char('.') + column;
                switch (value.typeId()) {
                case QMetaType::UnknownType:
                    QVERIFY2(json.isNull(), qPrintable(where));
                    break;
                case QMetaType::QByteArray:
                    QVERIFY2(fileBytes(content.filePath(json.toString())) == value.toByteArray(), qPrintable(where));
                    ++photos;
                    break;
                case QMetaType::QDate:
                    QCOMPARE(json.toString(), value.toDate().toString(Qt::ISODate));
                    break;
                case QMetaType::Double:
                case QMetaType::Int:
                    QVERIFY2(json.toDouble() == value.toDouble(), qPrintable(where));
                    break;
                default:
                    QVERIFY2(json.toVariant() == value, qPrintable(where));
                }
            }
        }
        QCOMPARE(QDir(content.filePath(QStringLiteral("fotos"))).entryList(QDir::Files).size(), photos);

        for (const QDate& date : dates) {
            const QString pdf = content.filePath(QStringLiteral("avaliacoes/Mt_0000000042-%1.pdf")
                                                     .arg(date.toString(QStringLiteral("dd-MM-yyyy"))));
            QVERIFY2(PdfReader::pageCount(pdf) >= 1, qPrintable(pdf));
            QVERIFY(PdfReader::pageTexts(pdf).join(QLatin1Char(' ')).contains(QStringLiteral("ALUNA 0000000042")));
        }

        const CliRun unknown = students(db, {QStringLiteral("dossier"), QStringLiteral("--number"), QStringLiteral("77"),
                                             QStringLiteral("--out"), files.filePath(QStringLiteral("nada.zip"))});
        QCOMPARE(unknown.exitCode, 2);
        QCOMPARE(unknown.err, QStringLiteral("Matrícula não Cadastrada 0000000077\n"));
        QVERIFY(!QFile::exists(files.filePath(QStringLiteral("nada.zip"))));
    }
};

QTEST_MAIN(CliStudents)
#include "tst_cli_students.moc"

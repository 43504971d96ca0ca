#include "data/Connection.h"
#include "support/CliRun.h"
#include "support/TestDatabase.h"

#include <QSqlRecord>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// `input`: what the command reads on standard input (the mail password for PASSWORD=-).
CliRun config(const TestDatabase& db, const QStringList& arguments, const QByteArray& input = {})
{
    return cli(QStringList{QStringLiteral("config")} + arguments.mid(0, 1) +
                   QStringList{QStringLiteral("--dir"), db.folder()} + arguments.mid(1),
               input);
}

QStringList lines(const QString& text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class CliConfig : public QObject {
    Q_OBJECT
private slots:
    void showHidesThePassword_data() { addBackendRows(); }
    void showHidesThePassword()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        own->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PASSWORD = ?, LOGOACADEMIA1 = ?, MEMOINTRODUCAO = ?"),
                     {QStringLiteral("s3Gredo!"), QByteArray("\xFF\xD8\xFF\xE0 jpeg", 9), QStringLiteral("Linha 1\nLinha 2")});

        const CliRun run = config(db, {QStringLiteral("show")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(!run.out.contains(QStringLiteral("s3Gredo!")));
        const QStringList shown = lines(run.out);
        QCOMPARE(shown.size(), db.settingsRow().size());
        for (const char* line : {"PASSWORD=********", "PATH_AVALIA=Sim", "TEMPO_REAVALIACAO=6", "PRAZOAVALMED=12",
                                 "IdSMTP_UseTLS=utUseExplicitTLS", "VOZ_IMP=1", "IMC_1_2=0", "ACADEMIA=ACADEMIA TESTE",
                                 "LOGOACADEMIA1=(imagem JPEG, 9 bytes)", "VISTAFRENTE=", "MEMOINTRODUCAO=Linha 1\\nLinha 2"})
            QVERIFY2(shown.contains(QLatin1String(line)), line);
    }

    void setChangesTheRow_data() { addBackendRows(); }
    void setChangesTheRow()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        const CliRun run = config(db, {QStringLiteral("set"), QStringLiteral("PRAZOAVALMED=3"), QStringLiteral("tempo_reavaliacao=04"),
                                       QStringLiteral("SMTP_PROVEDOR=smtp.gmail.com * 587"), QStringLiteral("PASSWORD=-"),
                                       QStringLiteral("IdSMTP_UseTLS=utUseImplicitTLS"), QStringLiteral("VOZ=Não"),
                                       QStringLiteral("VOZ_IMP=0"), QStringLiteral("IMC_1_2=1")},
                                  "a=b c\n");
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(!run.out.contains(QStringLiteral("a=b c")));
        QVERIFY(lines(run.out).contains(QStringLiteral("TEMPO_REAVALIACAO=4")));
        const QStringList row = db.settingsRow();
        for (const char* value : {"PRAZOAVALMED=3", "TEMPO_REAVALIACAO=4", "SMTP_PROVEDOR=smtp.gmail.com * 587", "PASSWORD=a=b c",
                                  "IDSMTP_USETLS=utUseImplicitTLS", "VOZ=Não", "VOZ_IMP=0", "IMC_1_2=1"})
            QVERIFY2(row.contains(QString::fromUtf8(value)), value);

        // Companion mode takes its periods from the companion database.
        const CliRun companion = config(db, {QStringLiteral("set"), QStringLiteral("PATH_AVALIA=Não")});
        QCOMPARE(companion.exitCode, 0);
        QCOMPARE(lines(companion.out), (QStringList{"PATH_AVALIA=Não", "PRAZOAVALMED=0", "TEMPO_REAVALIACAO=0"}));
    }

    // One refused value changes nothing, not even the values before it.
    void refusedValuesChangeNothing_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QString>("reason");
        for (const QString& backend : backends()) {
            const auto row = [&](const char* name) { return &(QTest::addRow("%s, %s", qPrintable(backend), name) << backend); };
            *row("period 0") << QStringList{"CODIGOSEQ=Não", "PRAZOAVALMED=0"} << "PRAZOAVALMED aceita de 01 a 12 meses";
            *row("period 13") << QStringList{"TEMPO_REAVALIACAO=13"} << "TEMPO_REAVALIACAO aceita de 01 a 12 meses";
            *row("period not a number") << QStringList{"TEMPO_REAVALIACAO=+1"} << "TEMPO_REAVALIACAO aceita de 01 a 12 meses";
            *row("yes/no in lower case") << QStringList{"CODIGOSEQ=Não", "CAPTURA_WEB=sim"} << "CAPTURA_WEB aceita apenas Sim ou Não";
            *row("unknown TLS mode") << QStringList{"IdSMTP_UseTLS=STARTTLS"} << "IdSMTP_UseTLS aceita apenas utNoTLSSupport";
            *row("page flag") << QStringList{"VOZ_IMP=Sim"} << "VOZ_IMP aceita 0 ou 1";
            *row("BMI type") << QStringList{"IMC_1_2=2"} << "IMC_1_2 aceita 0 (Simples) ou 1";
            *row("text too long") << QStringList{"NOME_PROVEDOR=" + QString(41, QLatin1Char('A'))} << "NOME_PROVEDOR aceita no máximo 40";
            *row("unknown column") << QStringList{"CODIGOSEQ=Não", "COR=azul"} << "COR não é uma configuração";
            *row("picture") << QStringList{"LOGOACADEMIA1=x"} << "LOGOACADEMIA1 não é uma configuração";
            *row("mail password as an argument") << QStringList{"CODIGOSEQ=Não", "PASSWORD=segredo"} << "use PASSWORD=-";
            *row("own register needs the medical period first")
                << QStringList{"PATH_AVALIA=Não", "CODIGOSEQ=Não"} << "";
        }
    }
    void refusedValuesChangeNothing()
    {
        QFETCH(QString, backend);
        QFETCH(QStringList, assignments);
        QFETCH(QString, reason);
        TestDatabase db(backend);
        db.install();
        if (reason.isEmpty()) {
            // A row written in companion mode, switched back without its periods.
            QCOMPARE(config(db, {QStringLiteral("set"), QStringLiteral("PATH_AVALIA=Não")}).exitCode, 0);
            assignments = QStringList{"PATH_AVALIA=Sim", "CODIGOSEQ=Não"};
            reason = QStringLiteral("Nºde meses Reavaliação não pode ser (0) zero ! Médica (PRAZOAVALMED)");
        }
        const QStringList before = db.settingsRow();
        const CliRun run = config(db, QStringList{QStringLiteral("set")} + assignments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(reason), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(db.settingsRow(), before);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no action") << QStringList{};
        QTest::newRow("unknown action") << QStringList{"list"};
        QTest::newRow("set without values") << QStringList{"set"};
        QTest::newRow("value without column") << QStringList{"set", "=Sim"};
        QTest::newRow("show with values") << QStringList{"show", "VOZ=Sim"};
    }
    void usage()
    {
        QFETCH(QStringList, arguments);
        TestDatabase db(Sqlite);
        db.install();
        const CliRun run = config(db, arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_MAIN(CliConfig)
#include "tst_cli_config.moc"

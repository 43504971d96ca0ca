#include "data/Connection.h"
#include "data/Rows.h"
#include "data/TrainingSheet.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "gui/training/TrainingSheetDialog.h"
#include "support/CliRun.h"
#include "support/ModalDialogs.h"
#include "support/PdfReader.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Student = QStringLiteral("0000000007");

void exercise(Connection& corvun, const QString& routine, const QDate& date, int order, const QString& code,
              const QString& note = {}, const QString& teacher = QStringLiteral("T1"))
{
    Rows::insert(corvun, QStringLiteral("TREINO"),
                 {{"MATRICULA", Student}, {"CODIGO_EXERCICIO", code}, {"PROFESSOR", teacher}, {"REPETICOES", "12"},
                  {"REGULAGEM", "BANCO 2"}, {"ORDEM", order}, {"TREINO", routine}, {"SERIES", "3"}, {"PESO", "20 KG"},
                  {"INTERVALO", 60}, {"OBS", note}, {"DATA", date}, {"DOM", 0}, {"SEG", 1}, {"TER", 0}, {"QUA", 1},
                  {"QUI", 0}, {"SEX", 1}, {"SAB", 0}, {"DATA_REAVALIACAO", date.addMonths(3)}});
}

// The training database of a student with routines "A" and "B": B twice (February
// and March), an aerobic programme, stretches 2 and 23 ticked for B, and the
// teacher on the training product's staff.
struct Fixture {
    explicit Fixture(const QString& backend)
        : db(backend)
    {
        db.install();
        corvun = db.installCorvun();
        brandel = db.connect(Connection::Brandel);
        for (const auto& [code, name] : {std::pair{"001", "SUPINO RETO"}, std::pair{"002", "REMADA BAIXA"},
                                         std::pair{"003", "LEG PRESS"}, std::pair{"101", "ESTEIRA"}})
            Rows::insert(*corvun, QStringLiteral("EXERCICIOS"), {{"CODIGO", code}, {"DESCRICAO", name}, {"DESCRICAOABREVIADA", name}});
        Rows::insert(*corvun, QStringLiteral("FUNCIONARIOS"), {{"MATRICULA", "T1"}, {"nome", "RAFAEL NUNES"}});
        exercise(*corvun, QStringLiteral("B"), QDate(2026, 2, 1), 1, QStringLiteral("003"));
        exercise(*corvun, QStringLiteral("B"), QDate(2026, 3, 1), 2, QStringLiteral("001"));
        exercise(*corvun, QStringLiteral("B"), QDate(2026, 3, 1), 1, QStringLiteral("002"), QStringLiteral("COSTAS RETAS"));
        exercise(*corvun, QStringLiteral("A"), QDate(2026, 3, 5), 1, QStringLiteral("003"), {}, QStringLiteral("T9"));
        Rows::insert(*corvun, QStringLiteral("AEROBICA"),
                     {{"MATRICULA", Student}, {"DURACAO", 30}, {"VELOCIDADE", 8.5}, {"NIVEL_DIFICULDADE", 3},
                      {"CODIGO_EXERCICIO", "101"}, {"DATA", QDate(2026, 3, 5)}, {"DOM", 1}, {"SEG", 0}, {"TER", 0},
                      {"QUA", 0}, {"QUI", 0}, {"SEX", 0}, {"SAB", 0}});
        ColumnValues stretches{{"MATRICULA", Student}, {"OBS", "Respirar fundo."}, {"Treino", "B"}, {"Data", QDate(2026, 3, 1)}};
        for (int n = 1; n <= 23; ++n)
            stretches.append({QStringLiteral("Alogamento_%1").arg(n, 2, 10, QLatin1Char('0')), int(n == 2 || n == 23)});
        Rows::insert(*corvun, QStringLiteral("ALONGAMENTO"), stretches);
    }

    TestDatabase db;
    std::unique_ptr<Connection> corvun;
    std::unique_ptr<Connection> brandel;
};


} // namespace

class TrainingSheetTest : public QObject {
    Q_OBJECT
private slots:
    // The latest sheet of the routine, in exercise order, with its note in lower case.
    void readsTheLatestSheet_data() { addBackendRows(); }
    void readsTheLatestSheet()
    {
        QFETCH(QString, backend);
        Fixture fixture(backend);
        const auto b = TrainingSheet::read(*fixture.corvun, *fixture.brandel, Student, QStringLiteral("B"));
        QVERIFY(b);
        QCOMPARE(b->start, QDate(2026, 3, 1));
        QCOMPARE(b->exercises.size(), 2);
        QCOMPARE(b->exercises[0].name, QStringLiteral("REMADA BAIXA    Obs: costas retas"));
        QCOMPARE(b->exercises[1].name, QStringLiteral("SUPINO RETO"));
        QCOMPARE(b->teacher, QStringLiteral("RAFAEL NUNES"));
        QVERIFY(!b->reassessment); // the training product keeps no period ("0")
        QVERIFY(!b->aerobic);
        QVERIFY(b->stretching && b->stretching->ticked[1] && b->stretching->ticked[22] && !b->stretching->ticked[0]);
        QCOMPARE((std::array<bool, 7>{false, true, false, true, false, true, false}), b->days);

        const auto a = TrainingSheet::read(*fixture.corvun, *fixture.brandel, Student, QStringLiteral("A"));
        QVERIFY(a && a->aerobic);
        QCOMPARE(a->aerobic->exercises.first().name, QStringLiteral("ESTEIRA"));
        QCOMPARE(a->teacher, QStringLiteral("Excluído")); // T9 is no longer on the staff
        QVERIFY(!a->stretching);

        QVERIFY(!TrainingSheet::read(*fixture.corvun, *fixture.brandel, Student, QStringLiteral("C")));

        // The training product may keep its staff in the gym-management database,
        // and a period of re-assessment.
        fixture.corvun->execute(QStringLiteral("Wufvar"), QStringLiteral("UPDATE Wufvar SET PATH_EXERCICIO = ?, TEMPO_REAVALIACAO = ?"),
                                {QStringLiteral("Sim"), QStringLiteral("3")});
        Rows::insert(*fixture.brandel, QStringLiteral("FUNCIONARIOS"), {{"MATRICULA", "T1"}, {"nome", "JOANA LIMA"}});
        const auto again = TrainingSheet::read(*fixture.corvun, *fixture.brandel, Student, QStringLiteral("B"));
        QCOMPARE(again->teacher, QStringLiteral("JOANA LIMA"));
        QCOMPARE(again->reassessment, std::optional<QDate>(QDate(2026, 6, 1)));
    }

    // Routine "A": the aerobic page with the student first, then the exercises
    // without a second student header; "B" carries its stretching page.
    void printsTheSheet()
    {
        Fixture fixture(Sqlite);
        Rows::insert(*fixture.db.connect(), QStringLiteral("Alunos"), {{"MATRICULA", Student}, {"NOME", "CARLA DIAS"}});
        const QString pdf = QDir(fixture.db.folder()).filePath(QStringLiteral("ficha.pdf"));
        const auto print = [&](const QString& routine) {
            return cli({QStringLiteral("report"), QStringLiteral("training"), QStringLiteral("--dir"), fixture.db.folder(),
                        QStringLiteral("--student"), Student, QStringLiteral("--routine"), routine, QStringLiteral("--out"), pdf});
        };
        CliRun run = print(QStringLiteral("A"));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(PdfReader::pageCount(pdf), 2);
        QStringList first = PdfReader::printedLines(pdf, 1);
        QVERIFY(first.contains(QStringLiteral("ATIVIDADE AERÓBICA Data do Início : 05 / março / 2026")));
        QVERIFY(first.filter(QStringLiteral("Nome : CARLA DIAS")).size() == 1);
        QVERIFY(first.contains(QStringLiteral("101 ESTEIRA 8,5 30 3")));
        QStringList second = PdfReader::printedLines(pdf, 2);
        QVERIFY(second.filter(QStringLiteral("Nome :")).isEmpty());
        QVERIFY(second.filter(QStringLiteral("MUSCULAÇÃO Treino : A")).size() == 1);

        run = print(QStringLiteral("B"));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(PdfReader::pageCount(pdf), 2);
        first = PdfReader::printedLines(pdf, 1);
        QVERIFY(first.filter(QStringLiteral("Professor : RAFAEL NUNES")).size() == 1);
        QVERIFY(first.filter(QStringLiteral("Reavaliação : / /")).size() == 1);
        QVERIFY(first.contains(QStringLiteral("002 REMADA BAIXA Obs: costas retas 12 3 20 KG 60 BANCO 2")));
        QVERIFY(PdfReader::printedLines(pdf, 2).contains(QStringLiteral("Respirar fundo.")));
        // The days line (about 50 mm down): Sunday without training in light grey,
        // Monday in black.
        const QImage sheet = PdfReader::pageImage(pdf, 1, 100);
        const auto darkest = [&](double leftMm) {
            int darkest = 255;
            for (int y = int(48 * 3.937); y < int(56 * 3.937); ++y)
                for (int x = int(leftMm * 3.937); x < int((leftMm + 20) * 3.937); ++x)
                    darkest = std::min(darkest, qGray(sheet.pixel(x, y)));
            return darkest;
        };
        QVERIFY2(darkest(26) > 150 && darkest(26) < 240, qPrintable(QString::number(darkest(26))));
        QVERIFY2(darkest(50) < 100, qPrintable(QString::number(darkest(50))));

        // The chart of the 23 stretches, or only the notes when the product says "Não".
        QVERIFY(PdfReader::printedLines(pdf, 2).contains(QStringLiteral("1 2 X 3 4 5 6")) && PdfReader::printedLines(pdf, 2).contains(QStringLiteral("19 20 21 22 23 X")));
        fixture.corvun->execute(QStringLiteral("Wufvar"), QStringLiteral("UPDATE Wufvar SET Imp_Alongamento = ?"), {QStringLiteral("Não")});
        QCOMPARE(print(QStringLiteral("B")).exitCode, 0);
        QCOMPARE(PdfReader::printedLines(pdf, 2), (QStringList{"ALONGAMENTO", "Respirar fundo."}));

        run = print(QStringLiteral("D"));
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QStringLiteral("Dado INCORRETO ! Nenhum TREINO 'D' Cadastrado")));
    }

    // The dialog: the student, a routine without exercises told, one previewed.
    void dialog()
    {
        Fixture fixture(Sqlite);
        Clock::setFixed(QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
        ScriptedMessages messages;
        QString previewPage;
        QString age;
        whenShown(QStringLiteral("TFRMTRAINER"), [&](QWidget* dialog) {
            age = dialog->findChild<QLabel*>(QStringLiteral("LBLIDADE"))->text();
            auto* routine = dialog->findChild<QComboBox*>(QStringLiteral("CBTREINO"));
            routine->setCurrentText(QStringLiteral("E"));
            dialog->findChild<QPushButton*>(QStringLiteral("BBNCONFIRMA"))->click();
            routine->setCurrentText(QStringLiteral("B"));
            whenShown(QStringLiteral("TFRMVISUALIZACAO"), [&](QWidget* preview) {
                previewPage = preview->findChild<QLabel*>(QStringLiteral("LBLPAGINA"))->text();
                preview->close();
                dialog->findChild<QPushButton*>(QStringLiteral("BBNCANCELA"))->click();
            });
            dialog->findChild<QPushButton*>(QStringLiteral("BBNCONFIRMA"))->click();
        });
        TrainingSheetDialog(*fixture.corvun, *fixture.brandel, QStringLiteral("ACADEMIA"),
                            {Student, QStringLiteral("CARLA DIAS"), QDate(1990, 12, 11)})
            .exec();
        Clock::setFixed({});
        QCOMPARE(age, QStringLiteral("35"));
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Nenhum TREINO 'E' Cadastrado"));
        QVERIFY(!previewPage.isEmpty());

        fixture.corvun->execute(QStringLiteral("Wufvar"), QStringLiteral("DROP TABLE Wufvar"));
        QCOMPARE(TrainingSheetDialog(*fixture.corvun, *fixture.brandel, QStringLiteral("ACADEMIA"), {Student, {}, {}}).exec(),
                 int(QDialog::Rejected));
        QCOMPARE(messages.shown().size(), 3);
        QCOMPARE(messages.shown()[1].detail, QStringLiteral("Wufvar"));
    }
};

QTEST_MAIN(TrainingSheetTest)
#include "tst_training_sheet.moc"

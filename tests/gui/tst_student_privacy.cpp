#include "data/Connection.h"
#include "data/Rows.h"
#include "data/Students.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/StudentRecords.h"
#include "support/StudentRegisterScreen.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

// A student's rights in the register: the dossier of everything held about them, and
// the erasure of it all.
class StudentPrivacyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Clock::setFixed(QDateTime(QDate(2026, 3, 10), QTime(9, 30))); }

    // "Dossiê": stored where the user chooses, as a ZIP only its owner may read; a
    // cancelled dialog stores nothing, and a user without the right to the assessments
    // is refused.
    void dossier()
    {
        TestDatabase db(Sqlite);
        db.install();
        db.addUser(QStringLiteral("07"), QStringLiteral("USUARIO"), QStringLiteral("SENHA7"),
                   {{QStringLiteral("C_ALUNOS"), QStringLiteral("Sim")}, {QStringLiteral("A_DADOS"), QStringLiteral("Não")}});
        const QString number = QStringLiteral("0000000005");
        addStudentRecords(*db.connect(), number, {QDate(2026, 2, 2)});
        StudentRegisterScreen screen(db);
        screen.select(number);
        QTemporaryDir dir;
        ScriptedMessages messages;
        ScriptedFileDialogs dialogs;
        dialogs.answerFile(QString());
        dialogs.answerFile(dir.filePath(QStringLiteral("maria")));

        screen.click("SBDOSSIE");
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(dialogs.asked().last().proposed, db.folder() + QStringLiteral("/Dossie_0000000005.zip"));
        screen.click("SBDOSSIE");

        QCOMPARE(messages.texts(), QStringList{Msg::DossieGravado});
        QVERIFY2(messages.shown().last().detail.startsWith(QStringLiteral("Dossiê da matrícula 0000000005: 1 relatório(s)")),
                 qPrintable(messages.shown().last().detail));
        const QString zip = dir.filePath(QStringLiteral("maria.zip"));
        QVERIFY(QFile(zip).size() > 1000);
        QCOMPARE(QFile::permissions(zip) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        QVERIFY(screen.browsing());

        messages.clear();
        screen.window->logIn(QStringLiteral("07"));
        screen.window->setLocalAuthorization([](MainWindow&) { return std::optional<QString>(); });
        screen.click("SBDOSSIE");
        QCOMPARE(messages.texts(), QStringList{Msg::UsuarioSemAcesso});
        QCOMPARE(dialogs.asked().size(), 2);
    }

    // "Exclusão Total": for the master or a user with the right to delete students (or
    // one who authorises), after two questions; a refusal at any step changes nothing.
    // Done, no row of the student is left in any own table, and the other student and
    // the gym-management database keep theirs.
    void eraseAll_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("authoriser");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("shown");
        const QString yes = QStringLiteral("Sim");
        const QList<int> both{Messages::Yes, Messages::Yes};
        const QStringList asked{Msg::ExcluirTodosOsDados, Msg::ExclusaoDefinitiva};
        for (const QString& backend : backends()) {
            const QByteArray name = backend.toLatin1();
            QTest::newRow(name + " master") << backend << MasterUserCode << QString() << both
                                           << asked + QStringList{Msg::DadosDoAlunoExcluidos};
            QTest::newRow(name + " user with the right") << backend << QStringLiteral("08") << QString() << both
                                                        << asked + QStringList{Msg::DadosDoAlunoExcluidos};
            QTest::newRow(name + " authorised by the master") << backend << QStringLiteral("07") << MasterUserCode << both
                                                             << asked + QStringList{Msg::DadosDoAlunoExcluidos};
            QTest::newRow(name + " no right") << backend << QStringLiteral("07") << QString() << both
                                             << QStringList{Msg::UsuarioSemAcesso};
            QTest::newRow(name + " first question no") << backend << MasterUserCode << QString()
                                                      << QList<int>{Messages::No} << asked.mid(0, 1);
            QTest::newRow(name + " second question no") << backend << MasterUserCode << QString()
                                                       << QList<int>{Messages::Yes, Messages::No} << asked;
        }
    }
    void eraseAll()
    {
        QFETCH(QString, backend);
        QFETCH(QString, user);
        QFETCH(QString, authoriser);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, shown);
        TestDatabase db(backend);
        db.install();
        for (const auto& [code, right] : {std::pair{"07", "Não"}, std::pair{"08", "Sim"}})
            db.addUser(QLatin1String(code), QStringLiteral("USUARIO"), QStringLiteral("SENHA7"),
                       {{QStringLiteral("C_ALUNOS"), QStringLiteral("Sim")},
                        {QStringLiteral("C_EXCLUI_ALUNOS"), QString::fromUtf8(right)}});
        const QString erased = QStringLiteral("0000000005");
        const QString kept = QStringLiteral("0000000006");
        const QList<QDate> dates{QDate(2025, 8, 1), QDate(2026, 2, 2)};
        addStudentRecords(*db.connect(), erased, dates);
        addStudentRecords(*db.connect(), kept, dates);
        Rows::insert(*db.connect(Connection::Brandel), Students::Table,
                     {{QStringLiteral("MATRICULA"), erased}, {QStringLiteral("NOME"), QStringLiteral("ALUNA")}});
        const QHash<QString, int> before = studentRowCounts(*db.connect(), erased);
        const QHash<QString, int> keptBefore = studentRowCounts(*db.connect(), kept);
        StudentRegisterScreen screen(db);
        screen.window->logIn(user);
        screen.window->setLocalAuthorization([authoriser](MainWindow&) {
            return authoriser.isEmpty() ? std::optional<QString>() : std::optional<QString>(authoriser);
        });
        screen.select(erased);
        ScriptedMessages messages;
        for (int answer : answers)
            messages.answer(answer);

        screen.click("SBEXCLUSAOTOTAL");

        QCOMPARE(messages.texts(), shown);
        QVERIFY(screen.browsing());
        QCOMPARE(screen.window->userCode(), user);
        QCOMPARE(studentRowCounts(*db.connect(), kept), keptBefore);
        QCOMPARE(Students::find(*db.connect(Connection::Brandel), erased).has_value(), true);
        if (shown.last() != Msg::DadosDoAlunoExcluidos) {
            QCOMPARE(studentRowCounts(*db.connect(), erased), before);
            return;
        }
        QCOMPARE(messages.shown().at(1).detail, QStringLiteral("0000000005 - ALUNA 0000000005"));
        for (const auto& [table, rows] : studentRowCounts(*db.connect(), erased).asKeyValueRange())
            QVERIFY2(rows == 0, qPrintable(table));
        const QString report = messages.shown().last().detail;
        QVERIFY2(report.contains(QStringLiteral("  Avaliacao: 2\n")) && report.contains(QStringLiteral("  Alunos: 1\n")),
                 qPrintable(report));
        QCOMPARE(screen.grid->model()->rowCount(), 1);
        QCOMPARE(screen.gridNumber(), kept);
    }
};

QTEST_MAIN(StudentPrivacyTest)
#include "tst_student_privacy.moc"

#include "data/Connection.h"
#include "data/DataLink.h"
#include "gui/app/FirstRunDialog.h"

#include "support/FolderSnapshot.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The dialog as the user meets it, with the way chosen by a click on its button.
struct FirstRun {
    FirstRun(const QString& folder, const char* way)
        : dialog(folder)
    {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QLatin1String(way)), Qt::LeftButton, {}, QPoint(8, 8));
    }
    QLineEdit* edit(const char* name) const { return dialog.findChild<QLineEdit*>(QLatin1String(name)); }
    bool sectionShown(const QString& title) const
    {
        for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
            if (box->title() == title)
                return box->isVisible();
        return false;
    }
    void type(const char* name, const QString& text) const
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    void typeServer(const DataLink& link) const
    {
        type("EDTSERVIDOR", link.dataSource);
        type("EDTBANCO", link.catalog);
        type("EDTUSUARIOBANCO", link.user);
    }
    void confirm() { dialog.findChild<QPushButton*>(QStringLiteral("BBNCONFIRMA"))->click(); }

    FirstRunDialog dialog;
};

QString ownCatalog(const QString& folder)
{
    return DataLinkFile::read(folder + QStringLiteral("/Kelvora.udl")).catalog;
}

} // namespace

class FirstRunTest : public QObject {
    Q_OBJECT
private slots:
    void eachWayShowsWhatItNeeds()
    {
        QTemporaryDir dir;
        FirstRun embedded(dir.path(), "RBEMBUTIDO");
        QVERIFY(embedded.sectionShown(QStringLiteral("Academia")));
        QVERIFY(!embedded.sectionShown(QStringLiteral("Servidor PostgreSQL")));
        FirstRun server(dir.path(), "RBSERVIDOR");
        QVERIFY(server.sectionShown(QStringLiteral("Academia")) && server.sectionShown(QStringLiteral("Servidor PostgreSQL")));
        FirstRun join(dir.path(), "RBENTRAR");
        QVERIFY(!join.sectionShown(QStringLiteral("Academia")));
        QVERIFY(join.sectionShown(QStringLiteral("Servidor PostgreSQL")));
        QVERIFY(join.edit("EDTSERVIDOR")->hasFocus());
    }

    // The first station creates the server database, the second joins it; the way
    // there, each refusal is told and nothing is written.
    void firstStationCreatesTheServerDatabaseAndTheSecondJoinsIt()
    {
        if (qEnvironmentVariableIsEmpty("KELVORA_TEST_PG"))
            QSKIP("KELVORA_TEST_PG names no PostgreSQL server");
        const QString server = qEnvironmentVariable("KELVORA_TEST_PG");
        const QString name = QStringLiteral("kt_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        const auto dropAll = qScopeGuard([&] {
            for (const QString& suffix : {QString(), QStringLiteral("_brandel"), QStringLiteral("_corvun")})
                administer(server, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name + suffix));
        });
        const DataLink link = serverLink(server, name);
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("estacao1"));
        const QString second = dir.filePath(QStringLiteral("estacao2"));
        ScriptedMessages messages;

        FirstRun joinTooEarly(second, "RBENTRAR");
        joinTooEarly.confirm();
        QCOMPARE(messages.shown().last().text, QStringLiteral("Dado INCORRETO !"));
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Servidor"));
        QVERIFY(joinTooEarly.edit("EDTSERVIDOR")->hasFocus());
        joinTooEarly.typeServer(link);
        joinTooEarly.confirm();
        QVERIFY2(messages.shown().last().detail.contains(QStringLiteral("não aceitou a conexão")), qPrintable(messages.shown().last().detail));
        QVERIFY(joinTooEarly.dialog.isVisible());
        QVERIFY(!QFile::exists(second));

        FirstRun create(first, "RBSERVIDOR");
        create.type("EDTACADEMIA", QStringLiteral("academia em rede"));
        create.type("EDTSENHA", QStringLiteral("abc123"));
        create.type("EDTCONFIRMASENHA", QStringLiteral("abc123"));
        create.typeServer(link);
        create.dialog.findChild<QComboBox*>(QStringLiteral("CBXTLS"))->setCurrentIndex(3);
        messages.clear();
        create.confirm();
        QVERIFY2(messages.shown().isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
        QCOMPARE(create.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ownCatalog(first), name);
        QCOMPARE(DataLinkFile::read(first + QStringLiteral("/Kelvora.udl")).sslMode, QStringLiteral("disable"));

        QTemporaryDir again;
        FirstRun createTwice(again.path(), "RBSERVIDOR");
        createTwice.type("EDTACADEMIA", QStringLiteral("outra"));
        createTwice.type("EDTSENHA", QStringLiteral("abc123"));
        createTwice.type("EDTCONFIRMASENHA", QStringLiteral("abc123"));
        createTwice.typeServer(link);
        createTwice.confirm();
        QVERIFY2(messages.shown().last().detail.contains(QStringLiteral("já tem tabelas do Kelvora")), qPrintable(messages.shown().last().detail));
        QVERIFY(snapshot(again.path()).isEmpty());

        messages.clear();
        joinTooEarly.confirm();
        QVERIFY2(messages.shown().isEmpty(), qPrintable(messages.texts().join(QLatin1Char('|'))));
        QCOMPARE(joinTooEarly.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ownCatalog(second), name);
        auto own = Connection::fromFile(Connection::Kelvora, second, QStringLiteral("Kelvora.udl"));
        own->open();
        QSqlQuery gym = own->select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT ACADEMIA FROM Moxcvar"));
        QVERIFY(gym.next());
        QCOMPARE(gym.value(0).toString(), QStringLiteral("ACADEMIA EM REDE"));
    }
};

QTEST_MAIN(FirstRunTest)
#include "tst_first_run.moc"

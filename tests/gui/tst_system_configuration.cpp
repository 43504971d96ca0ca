#include "data/Connection.h"
#include "data/SettingsEdit.h"
#include "domain/UserRules.h"
#include "domain/assessment/AssessmentSettings.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "gui/assessment/AssessmentSettingsDialog.h"
#include "gui/maintenance/ControlSettingsDialog.h"
#include "gui/maintenance/LogoDialog.h"
#include "gui/widgets/ChoiceBox.h"
#include "support/MainWindowStart.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The main window with the master user logged in and the program's screens.
std::unique_ptr<MainWindow> openMainWindow(const TestDatabase& db)
{
    auto window = startMainWindow(db);
    if (window) {
        window->logIn(MasterUserCode);
        installScreens(*window);
    }
    return window;
}

void setSettings(const TestDatabase& db, const ColumnValues& values)
{
    auto own = db.connect();
    for (const auto& [column, value] : values)
        own->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET %1 = ?").arg(column), {value});
}

QVariant setting(const TestDatabase& db, const QString& column)
{
    auto own = db.connect();
    QSqlQuery query = own->select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT %1 FROM Moxcvar").arg(column));
    query.next();
    return query.value(0);
}

template <typename T>
T* child(QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qWarning("no %s", qPrintable(name));
    return found;
}

void choose(QWidget* dialog, const QString& box, const QString& text)
{
    auto* combo = child<QComboBox>(dialog, box);
    combo->setCurrentIndex(combo->findText(text));
}

void click(QWidget* parent, const QString& name)
{
    child<QAbstractButton>(parent, name)->click();
}

QByteArray jpegFile(const QString& path, const QColor& colour)
{
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "JPEG");
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class SystemConfigurationTest : public QObject {
    Q_OBJECT
private slots:
    // Each option opens its dialog on the row as stored now; the postural ones wait
    // for the postural examination.
    void chooserOpensEachDialog()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openMainWindow(db);
        QAction* item = window->menuItem(QStringLiteral("MNPARAMETRIZACAODOSISTEMA"));
        item->trigger();
        auto* chooser = qobject_cast<QMdiSubWindow*>(window->mdiArea()->activeSubWindow());
        QVERIFY(chooser);
        QCOMPARE(chooser->objectName(), QStringLiteral("TFRMPARAMETRIZACAODOSISTEMA"));
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Configuração do Sistema"));
        QVERIFY(!(chooser->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!child<QRadioButton>(chooser, "RBIMAGENS")->isEnabled());
        QVERIFY(!child<QRadioButton>(chooser, "RBMENU")->isEnabled());

        const QVector<QPair<QString, QString>> options{{"RBCONTROLE", "TFRMCONFIGURACONTROLE"},
                                                       {"RBLOGOTIPO", "TFRMCONFIGURALOGO"},
                                                       {"RBAVALIACOES", "TFRMAVALIACOES"}};
        for (const auto& [option, dialog] : options) {
            QString shown;
            whenShown(dialog, [&](QWidget* modal) {
                shown = modal->windowTitle();
                click(modal, modal->findChild<QPushButton*>(QStringLiteral("BBNRETORNA")) ? QStringLiteral("BBNRETORNA")
                                                                                          : QStringLiteral("BBNCANCELA"));
            });
            click(chooser, option);
            QVERIFY2(!shown.isEmpty(), qPrintable(dialog));
            QVERIFY(!child<QRadioButton>(chooser, option)->isChecked());
        }

        click(chooser, QStringLiteral("BBNSAIR"));
        QTRY_VERIFY(item->isEnabled());
        QVERIFY(!item->isChecked());
        QCOMPARE(window->openScreens(), 0);
    }

    void unreadableSettingsOpenNoDialog()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openMainWindow(db);
        window->menuItem(QStringLiteral("MNPARAMETRIZACAODOSISTEMA"))->trigger();
        QWidget* chooser = window->mdiArea()->activeSubWindow();
        db.connect()->execute(QStringLiteral("Moxcvar"), QStringLiteral("DELETE FROM Moxcvar"));
        ScriptedMessages messages;
        click(chooser, QStringLiteral("RBCONTROLE"));
        QCOMPARE(messages.texts(), (QStringList{"Abertura de tabela !", "Abertura de tabela !"}));
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Controle"));
    }

    // With the own register both periods must be months; the medical one is told first.
    void ownRegisterNeedsBothPeriods_data() { addBackendRows(); }
    void ownRegisterNeedsBothPeriods()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        setSettings(db, {{"PATH_AVALIA", "Não"}, {"PRAZOAVALMED", 0}, {"TEMPO_REAVALIACAO", 0}});
        auto window = openMainWindow(db);
        QVERIFY(!window->ownStudentRegister());
        SettingsEdit edit(window->ownConnection());
        ControlSettingsDialog dialog(edit, *window);
        dialog.show();
        QCOMPARE(child<QComboBox>(&dialog, "DBCBPRAZOAVALMED")->currentText(), QString());
        QCOMPARE(child<QComboBox>(&dialog, "DBCBPRAZOAVALMED")->placeholderText(), QStringLiteral("0"));
        ScriptedMessages messages;

        choose(&dialog, "DBCBPATH_AVALIA", "Sim");
        click(&dialog, "BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList{"Nºde meses Reavaliação não pode ser (0) zero !"});
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Médica"));
        QCOMPARE(dialog.focusWidget(), child<QWidget>(&dialog, "DBCBPRAZOAVALMED"));

        choose(&dialog, "DBCBPRAZOAVALMED", "03");
        click(&dialog, "BBNCONFIRMA");
        QCOMPARE(messages.shown().size(), 2);
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Funcional"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(setting(db, "PATH_AVALIA").toString(), QStringLiteral("Não"));

        choose(&dialog, "DBCBTEMPO_REAVALIACAO", "06");
        click(&dialog, "BBNCONFIRMA");
        QCOMPARE(messages.shown().size(), 2);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(setting(db, "PATH_AVALIA").toString(), QStringLiteral("Sim"));
        QCOMPARE(setting(db, "PRAZOAVALMED").toInt(), 3);
        QCOMPARE(setting(db, "TEMPO_REAVALIACAO").toInt(), 6);
        QVERIFY(window->ownStudentRegister());
        for (const char* item : {"MNALUNOS", "MNATIVIDADES", "N6", "N7"})
            QVERIFY2(window->menuItem(QLatin1String(item))->isVisible(), item);
    }

    // Companion mode takes its periods from the companion database; the menu and the
    // login's copy of the active-students setting follow at once.
    void companionModeZeroesThePeriods_data() { addBackendRows(); }
    void companionModeZeroesThePeriods()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto window = openMainWindow(db);
        window->setActiveStudentsSetting(QStringLiteral("Não"));
        SettingsEdit edit(window->ownConnection());
        ControlSettingsDialog dialog(edit, *window);
        dialog.show();
        QCOMPARE(child<QComboBox>(&dialog, "DBCBPRAZOAVALMED")->currentText(), QStringLiteral("12"));
        choose(&dialog, "DBCBPATH_AVALIA", "Não");
        choose(&dialog, "DBCBALUNOSATIVOS", "Sim");
        choose(&dialog, "DBCBCAPTURA_WEB", "Sim");
        choose(&dialog, "DBCBCODIGOSEQ", "Não");
        ScriptedMessages messages;
        click(&dialog, "BBNCONFIRMA");

        QVERIFY(messages.shown().isEmpty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(setting(db, "PRAZOAVALMED").toInt(), 0);
        QCOMPARE(setting(db, "TEMPO_REAVALIACAO").toInt(), 0);
        QCOMPARE(setting(db, "AlunosAtivos").toString(), QStringLiteral("Sim"));
        QCOMPARE(setting(db, "CAPTURA_WEB").toString(), QStringLiteral("Sim"));
        QCOMPARE(setting(db, "CODIGOSEQ").toString(), QStringLiteral("Não"));
        QCOMPARE(window->activeStudentsSetting(), QStringLiteral("Sim"));
        QVERIFY(!window->ownStudentRegister());
        for (const char* item : {"MNALUNOS", "MNATIVIDADES", "N6", "N7"})
            QVERIFY2(!window->menuItem(QLatin1String(item))->isVisible(), item);
    }

    void mailProvider_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("tls");
        for (const QString& backend : backends()) {
            QTest::addRow("%s, preset 587", qPrintable(backend)) << backend << 0 << "" << "smtp.gmail.com * 587" << "utUseExplicitTLS";
            QTest::addRow("%s, preset 465", qPrintable(backend)) << backend << 2 << "" << "smtp.mail.yahoo.com * 465" << "utUseImplicitTLS";
            QTest::addRow("%s, typed by hand", qPrintable(backend)) << backend << -1 << "mail.academia.com.br*2525" << "mail.academia.com.br*2525" << "utUseExplicitTLS";
        }
    }
    void mailProvider()
    {
        QFETCH(QString, backend);
        QFETCH(int, preset);
        QFETCH(QString, typed);
        QFETCH(QString, server);
        QFETCH(QString, tls);
        TestDatabase db(backend);
        db.install();
        setSettings(db, {{"IdSMTP_UseTLS", "utNoTLSSupport"}});
        auto window = openMainWindow(db);
        SettingsEdit edit(window->ownConnection());
        ControlSettingsDialog dialog(edit, *window);
        dialog.show();
        auto* servers = child<QComboBox>(&dialog, "CBSMTP");
        QCOMPARE(servers->count(), 3);
        if (preset >= 0) {
            servers->setCurrentIndex(preset);
            emit servers->textActivated(servers->currentText());
        } else {
            QCOMPARE(child<QComboBox>(&dialog, "CBUseTLS")->currentText(), QStringLiteral("utNoTLSSupport"));
            choose(&dialog, "CBUseTLS", "utUseExplicitTLS");
            QTest::keyClicks(servers->lineEdit(), typed);
        }
        QCOMPARE(child<QComboBox>(&dialog, "CBUseTLS")->currentText(), tls);
        QTest::keyClicks(child<QLineEdit>(&dialog, "DBEDTNOME_PROVEDOR"), QStringLiteral("Academia Teste"));
        QTest::keyClicks(child<QLineEdit>(&dialog, "DBEDTEMAIL_PROVEDOR"), QStringLiteral("avaliacao@academia.com.br"));
        QTest::keyClicks(child<QLineEdit>(&dialog, "DBEDTLOGIN"), QStringLiteral("avaliacao"));
        auto* password = child<QLineEdit>(&dialog, "DBEDTSENHA");
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QTest::keyClicks(password, QStringLiteral("s3Gredo!"));
        click(&dialog, "BBNCONFIRMA");

        QVERIFY(!dialog.isVisible());
        QCOMPARE(setting(db, "SMTP_PROVEDOR").toString(), server);
        QCOMPARE(setting(db, "IdSMTP_UseTLS").toString(), tls);
        QCOMPARE(setting(db, "NOME_PROVEDOR").toString(), QStringLiteral("Academia Teste"));
        QCOMPARE(setting(db, "EMAIL_PROVEDOR").toString(), QStringLiteral("avaliacao@academia.com.br"));
        QCOMPARE(setting(db, "USERNAME").toString(), QStringLiteral("avaliacao"));
        QCOMPARE(setting(db, "PASSWORD").toString(), QStringLiteral("s3Gredo!")); // the mail client needs it back
    }

    // Enter walks the fields in their order, ending on "Confirma".
    void enterMovesAlongTheFields()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openMainWindow(db);
        SettingsEdit edit(window->ownConnection());
        ControlSettingsDialog dialog(edit, *window);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        const QStringList order{"DBCBCODIGOSEQ", "DBCBPATH_AVALIA", "DBCBPRAZOAVALMED", "DBCBTEMPO_REAVALIACAO",
                                "DBCBMOSTRARESULTADO", "DBCBMOSTRAMEDICA", "DBCBCAPTURA_WEB", "DBCBPOSTUTAL_WEBCAN",
                                "DBCBALUNOSATIVOS", "CBSMTP", "DBEDTNOME_PROVEDOR", "DBEDTEMAIL_PROVEDOR",
                                "DBEDTLOGIN", "DBEDTSENHA", "CBUseTLS", "BBNCONFIRMA"};
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(&dialog, order.first()));
        auto* first = child<QComboBox>(&dialog, order.first());
        QTest::keyClicks(first, QStringLiteral("N")); // typing picks nothing
        QCOMPARE(first->currentText(), QStringLiteral("Sim"));
        for (int i = 0; i + 1 < order.size(); ++i) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY2(focused == child<QWidget>(&dialog, order.at(i)) || focused->parentWidget() == child<QWidget>(&dialog, order.at(i)),
                     qPrintable(order.at(i)));
            QTest::keyClick(focused, Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&dialog, "BBNCONFIRMA"));
        QVERIFY(dialog.isVisible());
    }

    void cancelLeavesTheRowUntouched()
    {
        TestDatabase db(Sqlite);
        db.install();
        const QStringList before = db.settingsRow();
        auto window = openMainWindow(db);
        {
            SettingsEdit edit(window->ownConnection());
            ControlSettingsDialog dialog(edit, *window);
            dialog.show();
            choose(&dialog, "DBCBPATH_AVALIA", "Não");
            choose(&dialog, "DBCBMOSTRAMEDICA", "Não");
            QTest::keyClicks(child<QLineEdit>(&dialog, "DBEDTSENHA"), QStringLiteral("XYZ"));
            click(&dialog, "BBNRETORNA");
            QVERIFY(!dialog.isVisible());
            QVERIFY(edit.changes().isEmpty());
        }
        {
            SettingsEdit edit(window->ownConnection());
            AssessmentSettingsDialog dialog(edit, window.get());
            dialog.show();
            choose(&dialog, "DBCBEXAME_MEDICO", "Não");
            choose(&dialog, "DBCBCORPORAL_FAULKNER", "Não");
            child<QCheckBox>(&dialog, "DBCHKVOZ_IMP")->click();
            click(&dialog, "RBIMC1");
            click(&dialog, "BBNRETORNA");
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(db.settingsRow(), before);
        QVERIFY(window->ownStudentRegister());
    }

    // Another station saved since the dialog read the row: nothing of it is overwritten.
    void twoStationsSaving_data() { addBackendRows(); }
    void twoStationsSaving()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto window = openMainWindow(db);
        window->setActiveStudentsSetting(QStringLiteral("Não"));
        SettingsEdit edit(window->ownConnection());
        ControlSettingsDialog dialog(edit, *window);
        dialog.show();

        auto otherStation = db.connect();
        SettingsEdit other(*otherStation);
        other.set(QStringLiteral("CODIGOSEQ"), QStringLiteral("Não"));
        other.save();

        choose(&dialog, "DBCBPATH_AVALIA", "Não");
        choose(&dialog, "DBCBALUNOSATIVOS", "Sim");
        ScriptedMessages messages;
        click(&dialog, "BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList{"Registro já alocado"});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(setting(db, "CODIGOSEQ").toString(), QStringLiteral("Não"));
        QCOMPARE(setting(db, "PATH_AVALIA").toString(), QStringLiteral("Sim"));
        QCOMPARE(window->activeStudentsSetting(), QStringLiteral("Não"));
        QVERIFY(window->ownStudentRegister());

        // Read again, the same change goes through.
        SettingsEdit again(window->ownConnection());
        ControlSettingsDialog second(again, *window);
        second.show();
        QCOMPARE(child<QComboBox>(&second, "DBCBCODIGOSEQ")->currentText(), QStringLiteral("Não"));
        choose(&second, "DBCBPATH_AVALIA", "Não");
        click(&second, "BBNCONFIRMA");
        QCOMPARE(setting(db, "PATH_AVALIA").toString(), QStringLiteral("Não"));
        QCOMPARE(setting(db, "CODIGOSEQ").toString(), QStringLiteral("Não"));
    }

    void failedWriteKeepsTheDialogOpen()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openMainWindow(db);
        SettingsEdit edit(window->ownConnection());
        ControlSettingsDialog dialog(edit, *window);
        dialog.show();
        db.connect()->execute(QStringLiteral("Moxcvar"),
                              QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Moxcvar BEGIN SELECT RAISE(ABORT, 'no'); END"));
        choose(&dialog, "DBCBPATH_AVALIA", "Não");
        ScriptedMessages messages;
        click(&dialog, "BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList{"Gravando na tabela !"});
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Banco de Dados"));
        QVERIFY(dialog.isVisible());
        QVERIFY(window->ownStudentRegister());
        QCOMPARE(setting(db, "PATH_AVALIA").toString(), QStringLiteral("Sim"));
    }

    void logo_data() { addBackendRows(); }
    void logo()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        QTemporaryDir files;
        const QString red = files.filePath(QStringLiteral("vermelho.jpg"));
        jpegFile(red, Qt::red);
        auto window = openMainWindow(db);
        ScriptedFileDialogs dialogs;
        ScriptedMessages messages;

        // A file chosen and confirmed: its picture, as JPEG bytes.
        {
            SettingsEdit edit(window->ownConnection());
            LogoDialog dialog(edit, window.get());
            dialog.show();
            dialogs.answerFile(red);
            click(&dialog, "BBNLOGO");
            QCOMPARE(dialogs.asked().size(), 1);
            QCOMPARE(dialogs.asked().first().caption, QStringLiteral("Escolha do fundo para carteira"));
            QVERIFY(!child<QLabel>(&dialog, "IMGLOGO")->pixmap().isNull());
            click(&dialog, "BBNCONFIRMA");
            QVERIFY(!dialog.isVisible());
        }
        const QByteArray stored = setting(db, LogoDialog::Column).toByteArray();
        QVERIFY(stored.startsWith("\xFF\xD8"));
        const QImage image = QImage::fromData(stored, "JPEG");
        QCOMPARE(image.size(), QSize(120, 60));
        QVERIFY(qRed(image.pixel(60, 30)) > 200);

        // "Limpa" then "Logotipo Academia" brings the old picture back without a file.
        {
            SettingsEdit edit(window->ownConnection());
            LogoDialog dialog(edit, window.get());
            dialog.show();
            click(&dialog, "PNLLIMPA");
            QVERIFY(!child<QLabel>(&dialog, "IMGLOGO")->isVisible());
            click(&dialog, "BBNLOGO");
            QVERIFY(child<QLabel>(&dialog, "IMGLOGO")->isVisible());
            QCOMPARE(dialogs.asked().size(), 1);
            click(&dialog, "BBNCONFIRMA");
        }
        QCOMPARE(setting(db, LogoDialog::Column).toByteArray(), stored);

        // A file that is no JPEG is refused; "Cancela" keeps nothing of the visit.
        {
            const QString png = files.filePath(QStringLiteral("logo.jpg"));
            QImage(10, 10, QImage::Format_RGB32).save(png, "PNG");
            SettingsEdit edit(window->ownConnection());
            LogoDialog dialog(edit, window.get());
            dialog.show();
            dialogs.answerFile(png);
            click(&dialog, "BBNLOGO");
            QCOMPARE(messages.texts(), QStringList{"Gravando na tabela !"});
            QCOMPARE(messages.shown().first().detail, QStringLiteral("Controle"));
            const QString blue = files.filePath(QStringLiteral("azul.jpg"));
            jpegFile(blue, Qt::blue);
            dialogs.answerFile(blue);
            click(&dialog, "BBNLOGO");
            click(&dialog, "BBNCANCELA");
        }
        QCOMPARE(setting(db, LogoDialog::Column).toByteArray(), stored);

        // "Limpa" then "Confirma" removes the logo.
        {
            SettingsEdit edit(window->ownConnection());
            LogoDialog dialog(edit, window.get());
            dialog.show();
            click(&dialog, "PNLLIMPA");
            click(&dialog, "BBNCONFIRMA");
        }
        QVERIFY(setting(db, LogoDialog::Column).isNull());
    }

    // The hub offers what the dialog stored; the report selection ticks what it ticked.
    void assessmentChoices_data() { addBackendRows(); }
    void assessmentChoices()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto window = openMainWindow(db);
        SettingsEdit edit(window->ownConnection());
        AssessmentSettingsDialog dialog(edit, window.get());
        dialog.show();
        QVERIFY(child<QRadioButton>(&dialog, "RBIMC0")->isChecked());
        choose(&dialog, "DBCBTESTE_CARDIACO", "Não");
        choose(&dialog, "DBCBEXAME_MEDICO", "Não");
        for (const auto& protocol : assessment::protocolSettings())
            choose(&dialog, QStringLiteral("DBCB") + QLatin1String(protocol.offered), "Não");
        child<QCheckBox>(&dialog, "DBCHKFOLHA_ROSTO_IMP")->click();
        child<QCheckBox>(&dialog, "DBCHKCORPORAL_IMC_IMP")->click();
        click(&dialog, "RBIMC1");
        click(&dialog, "BBNCONFIRMA");
        QVERIFY(!dialog.isVisible());

        QCOMPARE(setting(db, "IMC_1_2").toString(), QStringLiteral("1"));
        QCOMPARE(setting(db, "FOLHA_ROSTO_IMP").toInt(), 0);
        QCOMPARE(setting(db, "CORPORAL_IMC_IMP").toInt(), 0);
        QCOMPARE(setting(db, "VOZ_IMP").toInt(), 1);
        SettingsEdit stored(window->ownConnection());
        QHash<QString, QVariant> row;
        for (const auto* list : {&assessment::testSettings(), &assessment::protocolSettings()})
            for (const auto& entry : *list)
                if (entry.offered)
                    row.insert(QLatin1String(entry.offered), stored.value(QLatin1String(entry.offered)));
        const assessment::OfferedTests offer = assessment::offeredTests(row, true, true);
        QVERIFY(!offer.bodyComposition);
        QVERIFY(!offer.tests.contains(QStringLiteral("TESTE_CARDIACO")));
        QVERIFY(!offer.tests.contains(QStringLiteral("EXAME_MEDICO")));
        QCOMPARE(offer.tests.size(), 9);
    }

    // The choice shows the table the BMI screen will use, whatever the column holds.
    void bmiTypeShown_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("checked");
        QTest::newRow("0") << QVariant(QStringLiteral("0")) << "RBIMC0";
        QTest::newRow("1") << QVariant(QStringLiteral("1")) << "RBIMC1";
        QTest::newRow("null") << QVariant() << "RBIMC1";
        QTest::newRow("not a number") << QVariant(QStringLiteral("X")) << "RBIMC1";
    }
    void bmiTypeShown()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, checked);
        TestDatabase db(Sqlite);
        db.install();
        setSettings(db, {{"IMC_1_2", stored}});
        auto window = openMainWindow(db);
        SettingsEdit edit(window->ownConnection());
        AssessmentSettingsDialog dialog(edit, window.get());
        dialog.show();
        QVERIFY(child<QRadioButton>(&dialog, checked)->isChecked());
        click(&dialog, "BBNCONFIRMA");
        QCOMPARE(setting(db, "IMC_1_2").toString(), checked.right(1));
    }
};

QTEST_MAIN(SystemConfigurationTest)
#include "tst_system_configuration.moc"

#include "data/Backup.h"
#include "data/Connection.h"
#include "data/DataFolder.h"
#include "data/Installer.h"
#include "data/ProtectedFiles.h"
#include "domain/Clock.h"
#include "gui/app/ErrorLog.h"
#include "report/Output.h"
#include "report/Report.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QFile::Permissions OpenToOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// Every entry under `folder` (the folder itself too) that others may use: empty when
// all of it is the owner's only.
QStringList openEntries(const QString& folder)
{
    QStringList open;
    if (QFile::permissions(folder) & OpenToOthers)
        open << folder;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        if (QFile::permissions(path) & OpenToOthers)
            open << path;
    }
    return open;
}

void makeOpenFile(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old");
    QVERIFY(file.setPermissions(file.permissions() | QFile::ReadGroup | QFile::ReadOther));
}

} // namespace

// What the program writes is its owner's only, whatever the user's umask lets through:
// the tests run with the usual 022 and call the writers directly, without the
// restrictive umask that the programs set at start.
class ProtectedFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ::umask(S_IWGRP | S_IWOTH);
        Clock::setFixed(QDateTime(QDate(2026, 3, 10), QTime(9, 30)));
    }

    void newInstallationIsTheOwnersOnly()
    {
        QTemporaryDir parent;
        const QString folder = parent.filePath(QStringLiteral("dados/kelvora"));
        Installer::createEmbeddedDefault(folder, {QStringLiteral("ACADEMIA"), {}, {}, {}, {}},
                                         TestDatabase::MasterPassword);
        QVERIFY(QFile::exists(folder + QStringLiteral("/Kelvora.db")));
        QCOMPARE(openEntries(folder), QStringList());
        QCOMPARE(QFile::permissions(folder) & QFile::ExeOwner, QFile::ExeOwner);
    }

    void backupsAreTheOwnersOnly_data() { addBackendRows(); }
    void backupsAreTheOwnersOnly()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        const QString file = Backup::writeVerified(*db.connect(), db.folder());
        QVERIFY(QFile::exists(file));
        QCOMPARE(openEntries(Backup::folderOf(db.folder())), QStringList());
    }

    // The preview's "store as PDF" and `kelvora-cli report` write through here; an
    // existing file that others could read is replaced by one they cannot.
    void reportsAreTheOwnersOnly()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("Mt_0000000042-01-03-2026.pdf"));
        makeOpenFile(pdf);
        report::Report report(QStringLiteral("Relatório"));
        report.titleBand().setHeight(10);
        report.titleBand().addText({0, 0, 100, 8}, QStringLiteral("AVALIAÇÃO"));
        QCOMPARE(report::writePdf(report.paginate(Clock::now()), pdf), QString());
        QVERIFY(QFile(pdf).size() > 100);
        QCOMPARE(QFile::permissions(pdf) & OpenToOthers, QFile::Permissions());
    }

    void logIsTheOwnersOnly()
    {
        QTemporaryDir dir;
        const QString log = ErrorLog::path(dir.path());
        const bool hadLog = QFile::exists(log);
        if (!hadLog)
            makeOpenFile(log);
        ErrorLog::append(dir.path(), QStringLiteral("teste"));
        QCOMPARE(QFile::permissions(log) & OpenToOthers, QFile::Permissions());
        if (!hadLog)
            QFile::remove(log);
    }

    // The start-up check and its correction: every entry of the program that others may
    // use is found, and afterwards none is left; what is not the program's stays.
    void openDataFolderIsFoundAndProtected()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Backup")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("outro")));
        makeOpenFile(dir.filePath(QStringLiteral("Kelvora.db")));
        makeOpenFile(dir.filePath(QStringLiteral("Backup/Kelvora20260301100000.bak")));
        const QString notOurs = dir.filePath(QStringLiteral("outro/leia.sh"));
        makeOpenFile(notOurs);
        const QFile::Permissions notOursBefore = QFile::permissions(notOurs);
        QVERIFY(QFile::setPermissions(dir.path(), ProtectedFiles::OwnerOnlyFolder | QFile::ReadOther | QFile::ExeOther));
        QCOMPARE(DataFolder::openToOthers(dir.path()),
                 (QStringList{QStringLiteral("."), QStringLiteral("Backup"), QStringLiteral("Backup/Kelvora20260301100000.bak"),
                              QStringLiteral("Kelvora.db")}));

        QVERIFY(DataFolder::protect(dir.path()));
        QCOMPARE(DataFolder::openToOthers(dir.path()), QStringList());
        QCOMPARE(openEntries(dir.filePath(QStringLiteral("Backup"))), QStringList());
        QCOMPARE(QFile::permissions(dir.filePath(QStringLiteral("Kelvora.db"))) & (ProtectedFiles::OwnerOnlyFolder),
                 ProtectedFiles::OwnerOnlyFile);
        QCOMPARE(QFile::permissions(notOurs), notOursBefore);
    }
};

QTEST_MAIN(ProtectedFilesTest)
#include "tst_protected_files.moc"

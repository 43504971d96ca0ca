// The Debian package as a workstation gets it: packed by CPack from this build,
// checked with the tools Debian checks packages with, installed by dpkg into a
// throwaway root, and its programs run there, away from the source tree.

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

struct Run {
    int exitCode; // -1: did not start, crashed or hung
    QString out;
    QString err;
};

// `input` is what the program reads on its standard input (a password a line).
Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        const QByteArray& input = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(120000);
    const bool ok = finished && process.exitStatus() == QProcess::NormalExit;
    return {ok ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()) +
                (ok ? QString() : program + QStringLiteral(": ") + process.errorString())};
}

QString describe(const Run& result)
{
    return QStringLiteral("exit %1\n%2\n%3").arg(result.exitCode).arg(result.out, result.err);
}

// What a terminal of an administrator has at least; nothing from the test's own run
// (no QT_QPA_PLATFORM, no display, no runtime folder).
QProcessEnvironment plainTerminal(const QString& home)
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), home);
    return environment;
}

// The names of the packages a Depends field lists, without versions.
QStringList packageNames(const QString& depends)
{
    QStringList names;
    for (const QString& entry : depends.split(QLatin1Char(',')))
        names << entry.trimmed().section(QLatin1Char(' '), 0, 0);
    return names;
}

struct Command {
    QStringList arguments;
    QString output;
    bool paints;
    QByteArray input = {};
};

// What an administrator's script runs: create the database, calculate, print a list.
QList<Command> administratorCommands(const QString& data, const QString& pdf)
{
    // clang-format off
    return {
        {{"init", "--dir", data, "--gym", "ACADEMIA CORPO SÃO"}, "Banco de dados criado em " + data + "\n", false, "MESTR1\n"},
        {{"calc", "bmi", "--sex", "M", "--age", "30", "G_PESO=80", "G_ALTURA=180"}, "{\"G_IMCRESULTADO\":\"Peso normal\",\"G_IMCVALOR\":24.69,\"G_TIPOPROTOCOLO\":\"XXIXXXXXXX\"}\n", false},
        {{"report", "users", "--dir", data, "--out", pdf}, "Relatório gravado em " + pdf + " (1 página)\n", true},
    };
    // clang-format on
}

bool makeDir(const QString& path, QFile::Permissions permissions)
{
    return QDir().mkpath(path) && QFile::setPermissions(path, permissions);
}

const QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const QFile::Permissions OpenToAll =
    OwnerOnly | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

} // namespace

class Package : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        // The unprivileged user of the command-line test must reach the installed programs.
        QVERIFY(QFile::setPermissions(m_work.path(), OpenToAll));
        const QString dist = m_work.filePath(QStringLiteral("dist"));
        const Run pack =
            run(qEnvironmentVariable("KELVORA_CPACK"),
                {QStringLiteral("--config"), qEnvironmentVariable("KELVORA_CPACK_CONFIG"),
                 QStringLiteral("-B"), dist});
        QVERIFY2(pack.exitCode == 0, qPrintable(describe(pack)));
        const QStringList packages = QDir(dist).entryList({QStringLiteral("*.deb")});
        QCOMPARE(packages.size(), 1);
        m_deb = QDir(dist).filePath(packages.first());

        // dpkg's database in the throwaway root is a copy of this machine's, so dpkg
        // refuses the package unless everything it depends on is installed here.
        m_root = m_work.filePath(QStringLiteral("root"));
        QVERIFY(QDir().mkpath(m_root + QStringLiteral("/var/lib/dpkg/info")));
        QVERIFY(QDir().mkpath(m_root + QStringLiteral("/var/lib/dpkg/updates")));
        QVERIFY(QFile::copy(QStringLiteral("/var/lib/dpkg/status"),
                            m_root + QStringLiteral("/var/lib/dpkg/status")));
        // --force-not-root lets an ordinary user's test run install into its own folder.
        const Run install = run(QStringLiteral("dpkg"), {QStringLiteral("--root"), m_root,
                                                         QStringLiteral("--force-not-root"),
                                                         QStringLiteral("--install"), m_deb});
        QVERIFY2(install.exitCode == 0, qPrintable(describe(install)));
    }

    void holdsTheProgramsAndWhatDebianAsksFor()
    {
        for (const char* path : {
                 "usr/bin/kelvora",
                 "usr/bin/kelvora-cli",
                 "usr/share/applications/br.com.kelvora.Kelvora.desktop",
                 "usr/share/metainfo/br.com.kelvora.Kelvora.metainfo.xml",
                 "usr/share/icons/hicolor/scalable/apps/kelvora.svg",
                 "usr/share/man/man1/kelvora.1.gz",
                 "usr/share/man/man1/kelvora-cli.1.gz",
                 "usr/share/doc/kelvora/copyright",
                 "usr/share/doc/kelvora/changelog.gz",
             })
            QVERIFY2(QFile::exists(installed(path)), path);
    }

    void programsNameNothingInTheSourceTree()
    {
        // The reference data and pictures are compiled in; a path into the source tree
        // would work here and fail on every workstation.
        const QByteArray source = qgetenv("KELVORA_SOURCE_DIR");
        QVERIFY(!source.isEmpty());
        for (const char* program : {"usr/bin/kelvora", "usr/bin/kelvora-cli"}) {
            QFile file(installed(program));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(!file.readAll().contains(source), program);
        }
    }

    void lintianFindsNoErrorsOrWarnings()
    {
        const Run lintian =
            run(QStringLiteral("lintian"),
                {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), m_deb});
        QVERIFY2(lintian.exitCode == 0, qPrintable(describe(lintian)));
    }

    void desktopEntryAndMetadataAreValid()
    {
        const QString entry = installed("usr/share/applications/br.com.kelvora.Kelvora.desktop");
        const Run desktop = run(QStringLiteral("desktop-file-validate"), {entry});
        QVERIFY2(desktop.exitCode == 0 && desktop.out.isEmpty(), qPrintable(describe(desktop)));
        const Run appstream =
            run(QStringLiteral("appstreamcli"),
                {QStringLiteral("validate"), QStringLiteral("--no-net"),
                 installed("usr/share/metainfo/br.com.kelvora.Kelvora.metainfo.xml")});
        QVERIFY2(appstream.exitCode == 0, qPrintable(describe(appstream)));

        // The entry starts the installed program and shows the installed icon.
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("Name=Kelvora — Avaliação Física")));
        QVERIFY(lines.contains(QStringLiteral("Exec=kelvora")));
        QVERIFY(lines.contains(QStringLiteral("Icon=kelvora")));
    }

    void iconsComeInTheSizesDesktopsUse()
    {
        QList<int> sizes;
        QDirIterator it(installed("usr/share/icons/hicolor"), {QStringLiteral("kelvora.png")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const int size =
                path.section(QLatin1Char('/'), -3, -3).section(QLatin1Char('x'), 0, 0).toInt();
            QCOMPARE(QImage(path).size(), QSize(size, size));
            sizes << size;
        }
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(size), qPrintable(QString::number(size)));
    }

    void dependsOnTheLibrariesAndThePluginsQtLoads()
    {
        const QStringList depends = packageNames(field(QStringLiteral("Depends")));
        // Only dpkg-shlibdeps puts the linked libraries there.
        QVERIFY2(depends.contains(QStringLiteral("libqt6core6")) &&
                     depends.contains(QStringLiteral("libsodium23")),
                 qPrintable(depends.join(QLatin1Char(' '))));
        // What Qt opens at run time no linker sees: the database drivers, the window
        // system and the font the pictures are drawn with.
        const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
        for (const QString& file :
             {plugins + QStringLiteral("/sqldrivers/libqsqlite.so"),
              plugins + QStringLiteral("/sqldrivers/libqsqlpsql.so"),
              plugins + QStringLiteral("/platforms/libqxcb.so"),
              QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")}) {
            const Run owner = run(QStringLiteral("dpkg-query"), {QStringLiteral("--search"), file});
            QVERIFY2(owner.exitCode == 0, qPrintable(describe(owner)));
            const QString package = owner.out.section(QLatin1Char(':'), 0, 0);
            QVERIFY2(depends.contains(package),
                     qPrintable(package + QStringLiteral(" for ") + file));
        }
    }

    void programsPrintTheVersionOfThePackage()
    {
        const QString version = field(QStringLiteral("Version"));
        const QProcessEnvironment terminal = plainTerminal(m_work.path());
        const Run cli =
            run(installed("usr/bin/kelvora-cli"), {QStringLiteral("--version")}, terminal);
        QCOMPARE(cli.out, QStringLiteral("kelvora-cli %1\n").arg(version));
        QCOMPARE(cli.err, QString());
        // The program answers without a display: it never touches the window system.
        const Run app = run(installed("usr/bin/kelvora"), {QStringLiteral("--version")}, terminal);
        QCOMPARE(app.out, QStringLiteral("Kelvora %1\n").arg(version));
        QCOMPARE(app.err, QString());
    }

    void installedCliPrintsOnlyItsOwnOutput_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QStringList>("environment");
        const QString ownRuntime = m_work.filePath(QStringLiteral("runtime"));
        const QString openRuntime = m_work.filePath(QStringLiteral("open-runtime"));
        QVERIFY(makeDir(ownRuntime, OwnerOnly));
        QVERIFY(makeDir(openRuntime, OpenToAll));
        const QString self = QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
        // clang-format off
        QTest::newRow("terminal without a display") << self << QStringList{};
        QTest::newRow("desktop session") << self << QStringList{"DISPLAY=:99", "WAYLAND_DISPLAY=wayland-99", "XDG_SESSION_TYPE=wayland", "QT_QPA_PLATFORM=wayland;xcb", "XDG_RUNTIME_DIR=" + ownRuntime};
        QTest::newRow("runtime folder open to others") << self << QStringList{"XDG_RUNTIME_DIR=" + openRuntime};
        QTest::newRow("unprivileged user after su") << "nobody" << QStringList{"XDG_RUNTIME_DIR=" + ownRuntime};
        // clang-format on
    }

    void installedCliPrintsOnlyItsOwnOutput()
    {
        QFETCH(QString, user);
        QFETCH(QStringList, environment);
        const passwd* account = ::getpwnam(user.toLocal8Bit().constData());
        QVERIFY(account);
        const bool otherUser = account->pw_uid != ::geteuid();
        if (otherUser && ::geteuid() != 0)
            QSKIP("Only root can run a program as another user.");

        // A folder of the user's own, outside the source tree, for the data and the
        // temporary files; it stays empty of anything but what the commands write.
        const QString home = m_work.filePath(QString::fromLatin1(QTest::currentDataTag())
                                                 .replace(QLatin1Char(' '), QLatin1Char('-')));
        const QString temporary = home + QStringLiteral("/tmp");
        const QString data = home + QStringLiteral("/dados");
        QVERIFY(makeDir(temporary, OwnerOnly));
        if (otherUser) {
            QVERIFY(::chown(home.toLocal8Bit().constData(), account->pw_uid, account->pw_gid) == 0);
            QVERIFY(::chown(temporary.toLocal8Bit().constData(), account->pw_uid,
                            account->pw_gid) == 0);
        }
        QProcessEnvironment terminal = plainTerminal(home);
        terminal.insert(QStringLiteral("TMPDIR"), temporary);
        for (const QString& variable : environment)
            terminal.insert(variable.section(QLatin1Char('='), 0, 0),
                            variable.section(QLatin1Char('='), 1));

        const auto cli = [&](const Command& command) {
            const QString program = installed("usr/bin/kelvora-cli");
            if (!otherUser)
                return run(program, command.arguments, terminal, command.input);
            return run(QStandardPaths::findExecutable(QStringLiteral("runuser")),
                       QStringList{QStringLiteral("-u"), user, QStringLiteral("--"), program} +
                           command.arguments,
                       terminal, command.input);
        };
        const QString pdf = home + QStringLiteral("/usuarios.pdf");
        for (const Command& command : administratorCommands(data, pdf)) {
            const Run result = cli(command);
            QVERIFY2(result.exitCode == 0, qPrintable(describe(result)));
            QCOMPARE(result.err, QString());
            QCOMPARE(result.out, command.output);
        }
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.read(5) == "%PDF-");
        // A runtime folder made for a run is gone with it.
        QCOMPARE(QDir(temporary).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

    void onlyPaintingLoadsAGuiPlatform()
    {
        // With QT_DEBUG_PLUGINS Qt names on standard error every plug-in folder it searches.
        QProcessEnvironment terminal = plainTerminal(m_work.path());
        terminal.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        const QString data = m_work.filePath(QStringLiteral("plugins/dados"));
        const QString pdf = m_work.filePath(QStringLiteral("plugins/usuarios.pdf"));
        for (const Command& command : administratorCommands(data, pdf)) {
            const Run result =
                run(installed("usr/bin/kelvora-cli"), command.arguments, terminal, command.input);
            QVERIFY2(result.exitCode == 0, qPrintable(describe(result)));
            QVERIFY2(result.err.contains(QLatin1String("/platforms")) == command.paints,
                     qPrintable(command.arguments.join(QLatin1Char(' '))));
        }
    }

    void writesFilesForTheirOwnerOnly()
    {
        const QString folder = m_work.filePath(QStringLiteral("private"));
        const QString pdf = folder + QStringLiteral("/usuarios.pdf");
        for (const Command& command :
             administratorCommands(folder + QStringLiteral("/dados"), pdf)) {
            const Run result = run(installed("usr/bin/kelvora-cli"), command.arguments,
                                   plainTerminal(m_work.path()), command.input);
            QVERIFY2(result.exitCode == 0, qPrintable(describe(result)));
        }
        // The databases and the reports hold the students' health data.
        const QFile::Permissions others =
            QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QStringList written;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            written << it.fileName();
            QVERIFY2(!(QFile::permissions(path) & others), qPrintable(path));
        }
        QVERIFY2(written.contains(QStringLiteral("Kelvora.db")) &&
                     written.contains(QStringLiteral("usuarios.pdf")),
                 qPrintable(written.join(QLatin1Char(' '))));
    }

private:
    QString installed(const QString& path) const { return m_root + QLatin1Char('/') + path; }

    QString field(const QString& name) const
    {
        return run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), m_deb, name})
            .out.trimmed();
    }

    QTemporaryDir m_work;
    QString m_deb;
    QString m_root;
};

QTEST_GUILESS_MAIN(Package)
#include "tst_package.moc"

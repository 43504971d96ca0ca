#include "data/DataError.h"
#include "data/DataLink.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;

namespace {

QByteArray utf16WithBom(const QString& text)
{
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

const QString windowsStyle = QStringLiteral(
    "[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n"
    "Provider=PostgreSQL;Password=\"s3;cr\"\"et\";User ID=kelvora;Initial Catalog=Kelvora;"
    "Data Source=db.academia.local:5433;Persist Security Info=True\r\n");

} // namespace

class DataLinkFiles : public QObject {
    Q_OBJECT
private slots:
    void readsUtf16AndUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-16LE with BOM") << utf16WithBom(windowsStyle);
        QTest::newRow("UTF-8") << windowsStyle.toUtf8();
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + windowsStyle.toUtf8();
    }
    void readsUtf16AndUtf8()
    {
        QFETCH(QByteArray, bytes);
        const DataLink link = DataLinkFile::parse(bytes, QStringLiteral("Kelvora.udl"));
        QCOMPARE(link.provider, DataLink::Provider::PostgreSQL);
        QCOMPARE(link.host(), QStringLiteral("db.academia.local"));
        QCOMPARE(link.port(), 5433);
        QCOMPARE(link.catalog, QStringLiteral("Kelvora"));
        QCOMPARE(link.user, QStringLiteral("kelvora"));
        QCOMPARE(link.password, QStringLiteral("s3;cr\"et"));
    }

    void quotedValuesKeepSemicolonsAndQuotes()
    {
        const QByteArray text = "[oledb]\nProvider=SQLite;Data Source=\"dados;1.db\";Password='a''b'\n";
        const DataLink link = DataLinkFile::parse(text, QStringLiteral("x.udl"));
        QCOMPARE(link.dataSource, QStringLiteral("dados;1.db"));
        QCOMPARE(link.password, QStringLiteral("a'b"));
    }

    void malformedFilesNameTheFileAndTheFault_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QByteArray() << "sem a linha [oledb]";
        QTest::newRow("no header") << QByteArray("Provider=SQLite;Data Source=a.db\n") << "[oledb]";
        QTest::newRow("no init string") << QByteArray("[oledb]\n; comment\n") << "linha de conexão";
        QTest::newRow("two init strings") << QByteArray("[oledb]\nProvider=SQLite;Data Source=a\nProvider=SQLite;Data Source=b\n") << "mais de uma";
        QTest::newRow("unknown provider") << QByteArray("[oledb]\nProvider=SQLOLEDB.1;Data Source=SERVIDOR\n") << "Provider desconhecido \"SQLOLEDB.1\"";
        QTest::newRow("no provider") << QByteArray("[oledb]\nData Source=a.db\n") << "falta o Provider";
        QTest::newRow("no data source") << QByteArray("[oledb]\nProvider=SQLite\n") << "falta o Data Source";
        QTest::newRow("pair without =") << QByteArray("[oledb]\nProvider=SQLite;lixo;Data Source=a\n") << "\"lixo\"";
        QTest::newRow("open quote") << QByteArray("[oledb]\nProvider=SQLite;Data Source=\"a.db\n") << "aspas";
        QTest::newRow("server without catalog") << QByteArray("[oledb]\nProvider=PostgreSQL;Data Source=h\n") << "Initial Catalog";
        QTest::newRow("bad port") << QByteArray("[oledb]\nProvider=PostgreSQL;Data Source=h:porta;Initial Catalog=k\n") << "servidor[:porta]";
        QTest::newRow("unknown TLS mode") << QByteArray("[oledb]\nProvider=PostgreSQL;Data Source=h;Initial Catalog=k;SSL Mode=sempre\n") << "SSL Mode \"sempre\"";
        QTest::newRow("odd UTF-16") << QByteArray("\xFF\xFE[\x00o", 5) << "UTF-16";
        QTest::newRow("not UTF-8") << QByteArray("[oledb]\nProvider=SQLite;Data Source=\xE9.db\n") << "UTF-8";
    }
    void malformedFilesNameTheFileAndTheFault()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        try {
            DataLinkFile::parse(bytes, QStringLiteral("C:/MOX/Kelvora.udl"));
            QFAIL("a malformed file was accepted");
        } catch (const ConfigError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("C:/MOX/Kelvora.udl")), qPrintable(error.message()));
            QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
        }
    }

    void writtenFileRoundTripsAndIsPrivate()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Brandel.udl"));
        DataLink link{DataLink::Provider::PostgreSQL, QStringLiteral("127.0.0.1:5432"),
                      QStringLiteral("brandel"), QStringLiteral("gym"), QStringLiteral("p;w\"d ")};
        link.sslMode = QStringLiteral("verify-full");
        DataLinkFile::write(path, link);
        QCOMPARE(DataLinkFile::read(path), link);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("\xFF\xFE[\0o\0l\0e\0d\0b\0]"));
        QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
    }

    void missingFileIsAClearError()
    {
        QTemporaryDir dir;
        try {
            DataLinkFile::read(dir.filePath(QStringLiteral("Kelvora.udl")));
            QFAIL("a missing file was accepted");
        } catch (const ConfigError& error) {
            QVERIFY(error.message().contains(QStringLiteral("Kelvora.udl não encontrado")));
        }
    }
};

QTEST_APPLESS_MAIN(DataLinkFiles)
#include "tst_datalink.moc"

#pragma once

#include <QTemporaryDir>

namespace kelvora::test {

// A private PostgreSQL server on loopback that a test may stop and start again,
// for the paths that deal with a database going away. Runs as "postgres" when
// the tests run as root (the server refuses root).
class PgCluster {
public:
    // With a `password`, the server asks every TCP connection for it (scram-sha-256)
    // and the superuser "postgres" has it; without, it trusts every connection.
    explicit PgCluster(const QString& password = {});
    ~PgCluster();

    static bool available(); // the server programs are installed
    bool start();
    bool stop();
    int port() const { return m_port; }
    QString address() const; // "host=127.0.0.1 port=N dbname=postgres user=postgres [password=P]"

private:
    bool run(const QString& program, const QStringList& arguments) const;

    QTemporaryDir m_dir;
    QString m_bin;
    int m_port = 0;
    QString m_password;
};

} // namespace kelvora::test

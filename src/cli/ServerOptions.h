#pragma once

#include "data/Stations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <functional>
#include <optional>

namespace kelvora::cli {

// The options that name a PostgreSQL server account and the companion databases,
// shared by init --server, join and move-to-server.
class ServerOptions {
public:
    ServerOptions();

    void addTo(QCommandLineParser& parser, bool withCompanions) const;
    // Whether any of --server, --database and --user was given.
    bool serverGiven(const QCommandLineParser& parser) const;

    // The account the options name, with the password from --password-file (its
    // first line) or PGPASSWORD, never from the arguments. Without --server,
    // --database and --user, tells what is missing on standard error and gives none.
    // Throws ConfigError when the password file cannot be read.
    std::optional<ServerAccount> account(const QCommandLineParser& parser) const;
    Stations::CompanionFiles companions(const QCommandLineParser& parser) const;

    // Runs `work` on the account the options name, as refusingBadSetup runs it;
    // without an account, ExitUsage.
    int withAccount(const QCommandLineParser& parser,
                    const std::function<int(const ServerAccount&)>& work) const;

private:
    QCommandLineOption m_server;
    QCommandLineOption m_database;
    QCommandLineOption m_user;
    QCommandLineOption m_passwordFile;
    QCommandLineOption m_sslMode;
    QCommandLineOption m_brandel;
    QCommandLineOption m_corvun;
};

} // namespace kelvora::cli

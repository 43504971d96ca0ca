#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvora::test {

// One run of kelvora-cli (the binary named by KELVORA_CLI) as a separate process.
struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

// `input` is what the process reads on its standard input (passwords, one a line).
CliRun cli(const QStringList& arguments, const QByteArray& input = {});

} // namespace kelvora::test

#pragma once

#include <QString>
#include <QStringList>

namespace kelvora::test {

// One run of kelvora-cli (the binary named by KELVORA_CLI) as a separate process.
struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun cli(const QStringList& arguments);

} // namespace kelvora::test

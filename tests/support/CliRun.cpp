#include "support/CliRun.h"

#include <QProcess>

namespace kelvora::test {

CliRun cli(const QStringList& arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("KELVORA_CLI"), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace kelvora::test

#include "support/CliRun.h"

#include <QProcess>

namespace kelvora::test {

CliRun cli(const QStringList& arguments, const QByteArray& input)
{
    QProcess process;
    process.start(qEnvironmentVariable("KELVORA_CLI"), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace kelvora::test

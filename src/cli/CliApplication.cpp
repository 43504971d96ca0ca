#include "cli/CliApplication.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace kelvora::cli {

namespace {

// The runtime folder as the XDG base-directory rules require it: the user's own,
// readable by nobody else.
bool isPrivateRuntimeDir(const QByteArray& path)
{
    struct stat status;
    return !path.isEmpty() && ::stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 0777) == 0700;
}

// A GUI application looks into the runtime folder when it starts and warns on standard
// error when XDG_RUNTIME_DIR is unset or not the user's own (cron, su, runuser, a
// service). Such a run gets a private folder of its own instead, removed at exit.
void ensurePrivateRuntimeDir()
{
    if (isPrivateRuntimeDir(qgetenv("XDG_RUNTIME_DIR")))
        return;
    static const QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/kelvora-cli-XXXXXX"));
    if (runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
}

} // namespace

std::unique_ptr<QCoreApplication> createApplication(CliCommand::Needs needs, int& argc, char** argv)
{
    if (needs == CliCommand::Needs::Core)
        return std::make_unique<QCoreApplication>(argc, argv);
    // No window is ever shown: the offscreen platform paints with the same fonts and
    // needs no display server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ensurePrivateRuntimeDir();
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace kelvora::cli

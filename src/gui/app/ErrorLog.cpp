#include "gui/app/ErrorLog.h"

#include "domain/Clock.h"
#include "domain/DateText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvora::ErrorLog {

QString path(const QString& dataFolder)
{
    const QFileInfo executable(QCoreApplication::applicationFilePath());
    const QString beside =
        executable.dir().filePath(executable.completeBaseName() + QStringLiteral(".log"));
    const QFileInfo log(beside);
    if (log.exists() ? log.isWritable() : QFileInfo(executable.absolutePath()).isWritable())
        return beside;
    return QDir(dataFolder).filePath(executable.completeBaseName() + QStringLiteral(".log"));
}

void append(const QString& dataFolder, const QString& message)
{
    QFile file(path(dataFolder));
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return; // nowhere to write: the program goes on regardless
    const QDateTime now = Clock::now();
    QString line = DateText::format(now.date()) + QLatin1Char(' ') +
                   DateText::formatTime(now.time()) + QLatin1Char(':') + message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    file.write(line.toUtf8() + '\n');
}

} // namespace kelvora::ErrorLog

#include "gui/app/ErrorLog.h"

#include "data/DataError.h"
#include "data/ProtectedFiles.h"
#include "domain/Clock.h"
#include "domain/DateText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace kelvora::ErrorLog {

namespace {

QString typeName(const std::exception& error)
{
    const char* mangled = typeid(error).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> readable(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 ? readable.get() : mangled);
}

} // namespace

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
    if (!ProtectedFiles::open(file, QIODevice::Append | QIODevice::Text))
        return; // nowhere to write: the program goes on regardless
    const QDateTime now = Clock::now();
    QString line = DateText::format(now.date()) + QLatin1Char(' ') +
                   DateText::formatTime(now.time()) + QLatin1Char(':') + message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    file.write(line.toUtf8() + '\n');
}

QString failureOf(const std::exception& error)
{
    if (const auto* dataError = dynamic_cast<const DataError*>(&error))
        return dataError->messageText() + QLatin1Char(' ') + dataError->table();
    return typeName(error);
}

QString placeOf(const QObject* receiver)
{
    QStringList names;
    for (const QObject* object = receiver; object; object = object->parent())
        names.prepend(object->objectName().isEmpty()
                          ? QString::fromLatin1(object->metaObject()->className())
                          : object->objectName());
    return names.join(QLatin1Char('/'));
}

} // namespace kelvora::ErrorLog

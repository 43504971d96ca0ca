#pragma once

#include <QString>

namespace kelvora::ErrorLog {

// The file beside the executable, named like it with the extension ".log"; the
// data folder when the executable's folder cannot be written.
QString path(const QString& dataFolder);

// Appends "date time:message" as one line, opening and closing the file.
void append(const QString& dataFolder, const QString& message);

} // namespace kelvora::ErrorLog

#pragma once

#include <QString>

#include <exception>

class QObject;

namespace kelvora::ErrorLog {

// The file beside the executable, named like it with the extension ".log"; the
// data folder when the executable's folder cannot be written.
QString path(const QString& dataFolder);

// Appends "date time:message" as one line, opening and closing the file, which
// only its owner may read.
void append(const QString& dataFolder, const QString& message);

// The log tells what failed and where, never on what: an exception's own text stays
// out, since it can quote a student's name, number or a typed value.
// What failed: the kind of a database failure with its table, or the exception's type.
QString failureOf(const std::exception& error);
// Where: the objects from the window down to `receiver`, by name or else by class.
QString placeOf(const QObject* receiver);

} // namespace kelvora::ErrorLog

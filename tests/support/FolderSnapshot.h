#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace kelvora::test {

// Names and contents (SHA-256) of every file under `path`: equal snapshots mean
// that nothing in the folder changed.
QMap<QString, QByteArray> snapshot(const QString& path);

} // namespace kelvora::test

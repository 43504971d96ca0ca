#pragma once

#include <QString>
#include <QStringList>

namespace kelvora::DataFolder {

// The folder that holds the data-link files, the embedded databases, the backup
// folder and the exported reports: C:\MOX on Windows, ~/.local/share/kelvora
// elsewhere. KELVORA_DIR overrides it, and a --dir option overrides both.
QString defaultPath();
QString resolve(const QString& explicitDir = {});

// What of the data folder `folder` users other than its owner may use: the folder
// itself ("."), the files in it, the Backup folder and the backups in it, by their
// paths relative to `folder`, sorted. Empty when all of it is the owner's only.
QStringList openToOthers(const QString& folder);

// Leaves all of that to its owner only (folders 0700, files 0600); anything else in
// the folder is not the program's and stays as it is. False when something could
// not be changed.
bool protect(const QString& folder);

} // namespace kelvora::DataFolder

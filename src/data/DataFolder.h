#pragma once

#include <QString>

namespace kelvora::DataFolder {

// The folder that holds the data-link files, the embedded databases, the backup
// folder and the exported reports: C:\MOX on Windows, ~/.local/share/kelvora
// elsewhere. KELVORA_DIR overrides it, and a --dir option overrides both.
QString defaultPath();
QString resolve(const QString& explicitDir = {});

} // namespace kelvora::DataFolder

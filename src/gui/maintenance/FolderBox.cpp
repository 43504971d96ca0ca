#include "gui/maintenance/FolderBox.h"

#include "gui/widgets/FileDialogs.h"

#include <QDir>
#include <QStorageInfo>

namespace kelvora {

namespace {

const QString OtherFolder = QStringLiteral("Outra pasta...");

// Where the desktop mounts pen drives and external disks.
bool isRemovableMedium(const QStorageInfo& volume)
{
    const QString root = volume.rootPath();
    return volume.isValid() && volume.isReady() && !volume.isReadOnly() &&
           (root.startsWith(QLatin1String("/media/")) ||
            root.startsWith(QLatin1String("/run/media/")) ||
            root.startsWith(QLatin1String("/mnt/")));
}

} // namespace

FolderBox::FolderBox(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("CBDRIVE"));
    setEditable(false);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setMinimumContentsLength(28);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (isRemovableMedium(volume))
            addFolder(volume.displayName() + QStringLiteral(" (") + volume.rootPath() +
                          QLatin1Char(')'),
                      volume.rootPath());
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == count() - 1) // "Outra pasta..."
            chooseOther();
        else
            m_previous = index;
    });
}

void FolderBox::addFolder(const QString& text, const QString& folder)
{
    addItem(text, folder);
}

void FolderBox::addNoCopy()
{
    addFolder(QStringLiteral("Somente na pasta Backup (sem cópia)"), {});
}

void FolderBox::finish()
{
    addItem(OtherFolder);
    setCurrentIndex(0);
}

void FolderBox::chooseOther()
{
    const QString chosen = FileDialogs::existingFolder(this, OtherFolder, QDir::homePath());
    if (chosen.isEmpty()) {
        setCurrentIndex(m_previous);
        return;
    }
    const QString folder = QDir::cleanPath(chosen);
    int index = findData(folder);
    if (index < 0) {
        index = count() - 1;
        insertItem(index, QDir::toNativeSeparators(folder), folder);
    }
    setCurrentIndex(index);
    m_previous = index;
}

} // namespace kelvora

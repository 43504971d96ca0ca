#pragma once

#include <QComboBox>

namespace kelvora {

// The "Gravar em" / "Origem em" choice: a list of folders that offers the mounted
// removable media first, then the entries the screen adds, and last "Outra pasta..."
// which asks for any folder. Only a choice from the list is possible.
class FolderBox : public QComboBox {
    Q_OBJECT
public:
    explicit FolderBox(QWidget* parent = nullptr);

    // An entry for `folder` (an empty folder: "no folder", such as no copy).
    void addFolder(const QString& text, const QString& folder);
    // The entry for a backup kept only in the program's Backup folder.
    void addNoCopy();
    // Ends the list with "Outra pasta..." and selects the first entry.
    void finish();

    QString folder() const { return currentData().toString(); }

private:
    void chooseOther();
    int m_previous = 0;
};

} // namespace kelvora

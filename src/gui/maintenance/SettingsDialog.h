#pragma once

#include "gui/auth/GuardedDialog.h"

class QHBoxLayout;
class QPushButton;

namespace kelvora {

class SettingsEdit;

// A dialog that edits the settings row through one edit given by its opener, and
// ends either by writing its changes or by discarding them all.
class SettingsDialog : public GuardedDialog {
    Q_OBJECT
public:
    SettingsEdit& edit() { return m_edit; }

protected:
    SettingsDialog(SettingsEdit& edit, QWidget* parent);

    // The button that writes ("Confirma", BBNCONFIRMA, unless named otherwise) and the
    // one that discards every change and closes.
    QHBoxLayout* buttonRow(const QString& cancelName, const QString& cancelText,
                           const QString& confirmName = QStringLiteral("BBNCONFIRMA"),
                           const QString& confirmText = QStringLiteral("Confirma"));
    QPushButton* confirmButton() const { return m_confirm; }
    virtual void confirm() = 0;

    enum class Saved { Yes, Held, Failed };
    // Writes the pending changes. Another station's change since the row was read is
    // told as "Registro já alocado" and the changes are dropped; a failed write is told
    // as "Gravando na tabela !" with `failureDetail` and the changes are kept.
    Saved save(const QString& failureDetail);
    void discardAndClose();
    void close(bool saved) { finish(saved ? Accepted : Rejected); }

private:
    SettingsEdit& m_edit;
    QPushButton* m_confirm = nullptr;
};

} // namespace kelvora

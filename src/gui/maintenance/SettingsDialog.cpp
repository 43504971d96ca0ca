#include "gui/maintenance/SettingsDialog.h"

#include "data/DataError.h"
#include "data/SettingsEdit.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/Messages.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>

namespace kelvora {

SettingsDialog::SettingsDialog(SettingsEdit& edit, QWidget* parent)
    : GuardedDialog(parent)
    , m_edit(edit)
{
}

QHBoxLayout* SettingsDialog::buttonRow(const QString& cancelName, const QString& cancelText,
                                       const QString& confirmName, const QString& confirmText)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    m_confirm =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), confirmText, this);
    m_confirm->setObjectName(confirmName);
    m_confirm->setAutoDefault(false);
    auto* cancel =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), cancelText, this);
    cancel->setObjectName(cancelName);
    cancel->setAutoDefault(false);
    row->addWidget(m_confirm);
    row->addWidget(cancel);
    connect(m_confirm, &QPushButton::clicked, this, [this] { confirm(); });
    connect(cancel, &QPushButton::clicked, this, &SettingsDialog::discardAndClose);
    return row;
}

SettingsDialog::Saved SettingsDialog::save(const QString& failureDetail)
{
    try {
        m_edit.save();
        return Saved::Yes;
    } catch (const RowHeld&) {
        m_edit.discard();
        Messages::inform(Msg::RegistroJaAlocado, QStringLiteral("Controle"));
        return Saved::Held;
    } catch (const DataError&) {
        Messages::inform(Msg::GravandoNaTabela, failureDetail);
        return Saved::Failed;
    }
}

void SettingsDialog::discardAndClose()
{
    m_edit.discard();
    close(false);
}

} // namespace kelvora

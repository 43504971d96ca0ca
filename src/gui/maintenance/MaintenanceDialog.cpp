#include "gui/maintenance/MaintenanceDialog.h"

#include "gui/app/MainWindow.h"
#include "gui/maintenance/FolderBox.h"
#include "gui/maintenance/WorkIndicator.h"
#include "gui/widgets/CommandButton.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

MaintenanceDialog::MaintenanceDialog(MainWindow& window, const Texts& texts)
    : QDialog(&window)
    , m_window(window)
{
    setObjectName(QLatin1String(texts.objectName));
    setWindowTitle(QString::fromUtf8(texts.title));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_folders = new FolderBox(this);
    form->addRow(QString::fromUtf8(texts.folderCaption), m_folders);
    layout->addLayout(form);

    m_indicator = new WorkIndicator(QString::fromUtf8(texts.waiting), this);
    layout->addWidget(m_indicator);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_confirm =
        commandButton(this, "BBNCONFIRMA", QStringLiteral("Confirma"), QStyle::SP_DialogOkButton);
    m_confirm->setDefault(true);
    m_return =
        commandButton(this, "BBNRETORNA", QStringLiteral("Sair"), QStyle::SP_DialogCloseButton);
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_return);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_confirm, &QPushButton::clicked, this, [this] { confirm(); });
    connect(m_return, &QPushButton::clicked, this, &QDialog::reject);
}

void MaintenanceDialog::reject()
{
    // Esc and "Sair" wait for the work: it reports back to this dialog.
    if (!m_busy)
        QDialog::reject();
}

void MaintenanceDialog::setBusy(bool busy)
{
    m_busy = busy;
    m_indicator->setVisible(busy);
    m_confirm->setEnabled(!busy);
    m_return->setEnabled(!busy);
    m_folders->setEnabled(!busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace kelvora

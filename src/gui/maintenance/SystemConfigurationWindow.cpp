#include "gui/maintenance/SystemConfigurationWindow.h"

#include "data/DataError.h"
#include "data/SettingsEdit.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/assessment/AssessmentSettingsDialog.h"
#include "gui/maintenance/ControlSettingsDialog.h"
#include "gui/maintenance/LogoDialog.h"
#include "gui/widgets/Messages.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kelvora {

SystemConfigurationWindow::SystemConfigurationWindow(MainWindow& window)
    : m_window(window)
    , m_options(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("TFRMPARAMETRIZACAODOSISTEMA"));
    setWindowTitle(QStringLiteral("Configuração do Sistema"));
    auto* content = new QWidget(this);
    auto* group = new QGroupBox(QStringLiteral(" Configuração do Sistema "), content);
    m_group = group;
    new QVBoxLayout(group);

    addOption(QStringLiteral("Controle"), QStringLiteral("RBCONTROLE"),
              [&window](SettingsEdit& edit) { return new ControlSettingsDialog(edit, window); });
    addOption(QStringLiteral("Logotipo"), QStringLiteral("RBLOGOTIPO"),
              [&window](SettingsEdit& edit) { return new LogoDialog(edit, &window); });
    // The reference pictures and the postural menu come with the postural examination.
    addOption(QStringLiteral("Imagens"), QStringLiteral("RBIMAGENS"), {});
    addOption(QStringLiteral("Menu"), QStringLiteral("RBMENU"), {});
    addOption(
        QStringLiteral("Avaliações"), QStringLiteral("RBAVALIACOES"),
        [&window](SettingsEdit& edit) { return new AssessmentSettingsDialog(edit, &window); });
    m_options->setExclusive(false); // so that a finished choice can be cleared

    auto* leave = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("Sair"), content);
    leave->setObjectName(QStringLiteral("BBNSAIR"));
    connect(leave, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(content);
    layout->addWidget(group);
    layout->addWidget(leave, 0, Qt::AlignRight);
    setWidget(content);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void SystemConfigurationWindow::addOption(const QString& caption, const QString& name,
                                          DialogFactory factory)
{
    auto* option = new QRadioButton(caption, m_group);
    option->setObjectName(name);
    option->setEnabled(bool(factory));
    m_group->layout()->addWidget(option);
    m_options->addButton(option);
    connect(option, &QRadioButton::clicked, this, [this, option, factory] {
        open(factory);
        option->setChecked(false);
    });
}

void SystemConfigurationWindow::open(const DialogFactory& factory)
{
    std::unique_ptr<SettingsEdit> edit;
    try {
        edit = std::make_unique<SettingsEdit>(m_window.ownConnection());
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Controle"));
        Messages::inform(Msg::AberturaDeTabela);
        return;
    }
    std::unique_ptr<QDialog> dialog(factory(*edit));
    dialog->exec();
}

} // namespace kelvora

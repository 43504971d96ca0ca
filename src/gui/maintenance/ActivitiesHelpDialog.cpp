#include "gui/maintenance/ActivitiesHelpDialog.h"

#include <QGridLayout>
#include <QLabel>

namespace kelvora {

ActivitiesHelpDialog::ActivitiesHelpDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TFRMAJUDAATIVIDADES"));
    setWindowTitle(QStringLiteral("Ajuda - ATIVIDADES"));
    auto* heading = new QLabel(QStringLiteral("Ajuda de Atividades"), this);
    heading->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold; color: #1f4e79;"));
    const auto bold = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setStyleSheet(QStringLiteral("font-weight: bold;"));
        return label;
    };
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 14, 18, 18);
    grid->setVerticalSpacing(6);
    grid->addWidget(heading, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(
        new QLabel(QStringLiteral(
                       "Neste formulário são cadastradas todas as  ATIVIDADES de sua  academia:"),
                   this),
        1, 0, 1, 2);
    grid->addWidget(bold(QStringLiteral("Código ")), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral(" - Determina um código para cada ATIVIDADE."), this),
                    2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Ex.:  1 .. 99"), this), 3, 1);
    grid->addWidget(bold(QStringLiteral("Descrição")), 4, 0);
    grid->addWidget(new QLabel(QStringLiteral(" - Determina um nome para cada ATIVIDADE."), this),
                    4, 1);
    grid->addWidget(
        new QLabel(QStringLiteral("Ex.: AERÓBICA , BALLET, DANÇA DE SALÃO, GINÁSTICA, NATAÇÃO"),
                   this),
        5, 1);
    grid->setRowStretch(6, 1);
    setModal(true);
}

} // namespace kelvora

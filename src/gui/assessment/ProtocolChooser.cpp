#include "gui/assessment/ProtocolChooser.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const struct {
    const char* name;
    const char* caption;
    const char* column;
} Protocols[] = {
    {"RBPollock3Dobras", "Pollock (3 dobras - masculino 18-64 e feminino 18-55 anos)",
     "CORPORAL_POLLOCK3"},
    {"RBPollock7Dobras", "Pollock /Jackson (7 dobras - masculino 18-64 e feminino 18-55 anos)",
     "CORPORAL_POLLOCK7"},
    {"RBIndiceCorporal", "Índice de Massa Corporal (IMC)", "CORPORAL_IMC"},
    {"RBCORPORALCRIANCA", "Slaughter et alii para Crianças (7 a 17 anos)", "CORPORAL_SLAUGHTER"},
    {"RBCINTURAQUADRIL", "Relação Cintura Quadril (20 e 69 anos)", "CORPORAL_CINTURA_QUADRIL"},
    {"RBFAULKNER", "Faulkner", "CORPORAL_FAULKNER"},
    {"RBCORPORAL_LOHMAN", "Lohman para Crianças (6 a 16 anos)", "CORPORAL_LOHMAN"},
    {"RBCORPORAL_TRAN", "Trans && Weltman para Idosos (62 a 79 anos)", "CORPORAL_TRANS_WELTMAN"},
};

} // namespace

ProtocolChooser::ProtocolChooser(QWidget* parent)
    : QGroupBox(QStringLiteral(" Definição de Protocolo "), parent)
{
    auto* column = new QVBoxLayout(this);
    for (const auto& protocol : Protocols) {
        auto* button = new QRadioButton(QString::fromUtf8(protocol.caption), this);
        button->setObjectName(QLatin1String(protocol.name));
        button->setEnabled(false);
        column->addWidget(button);
        m_choices.append({button, QLatin1String(protocol.column)});
        connect(button, &QRadioButton::clicked, this,
                [this, button] { emit chosen(button->objectName()); });
    }
}

void ProtocolChooser::offer(const QStringList& offered)
{
    for (const Choice& choice : std::as_const(m_choices))
        choice.button->setEnabled(offered.contains(choice.column));
}

void ProtocolChooser::disableAll()
{
    for (const Choice& choice : std::as_const(m_choices))
        choice.button->setEnabled(false);
}

void ProtocolChooser::unchoose()
{
    for (const Choice& choice : std::as_const(m_choices)) {
        choice.button->setAutoExclusive(false);
        choice.button->setChecked(false);
        choice.button->setAutoExclusive(true);
    }
}

} // namespace kelvora

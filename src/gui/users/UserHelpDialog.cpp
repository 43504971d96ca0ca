#include "gui/users/UserHelpDialog.h"

#include "gui/users/UserTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const char* const HelpText =
    "<p><b>Incluir</b> &ndash; cadastra um novo usuário: digite o código (dois números), "
    "o nome e a senha (seis caracteres) duas vezes. Ao confirmar, responda se o usuário "
    "terá acesso COMPLETO; se não, defina em seguida o nível de acesso dele.</p>"
    "<p><b>Alterar</b> &ndash; troca a senha e a marcação de Médico do usuário "
    "selecionado. Digite primeiro a senha atual.</p>"
    "<p><b>Excluir</b> &ndash; exclui o usuário selecionado. O usuário MESTRE e o usuário "
    "em uso não podem ser excluídos.</p>"
    "<p><b>Consultar</b> &ndash; mostra na tela ou imprime a lista de usuários de um "
    "intervalo de códigos.</p>"
    "<p><b>Confirma</b> grava, <b>Cancela</b> desiste, <b>Sair</b> fecha o cadastro.</p>";

} // namespace

UserHelpDialog::UserHelpDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFRMAJUDAUSUARIOS"));
    setWindowTitle(UserTexts::HelpCaption);
    auto* text = new QLabel(QString::fromUtf8(HelpText), this);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fechar"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addWidget(text);
    layout->addWidget(buttons);
    setFixedWidth(420);
}

} // namespace kelvora

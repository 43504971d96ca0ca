#include "gui/app/WhatsNewDialog.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kelvora {

WhatsNewDialog::WhatsNewDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFRMNOVIDADES"));
    setWindowTitle(QStringLiteral("Novidades"));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("MEMNOVIDADES"));
    text->setHtml(QStringLiteral(
        "<h3>Kelvora 1.0</h3>"
        "<ul>"
        "<li>Banco de dados embutido criado na primeira execução, ou servidor PostgreSQL "
        "compartilhado por várias estações.</li>"
        "<li>Senhas dos usuários guardadas de forma protegida.</li>"
        "<li>Uma alteração feita por outra estação nunca é sobrescrita: a gravação é recusada "
        "com \"Registro já alocado\".</li>"
        "<li>Queda do banco de dados percebida em um segundo, com reconexão automática.</li>"
        "</ul>"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(460, 300);
}

} // namespace kelvora

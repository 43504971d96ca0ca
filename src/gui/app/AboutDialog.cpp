#include "gui/app/AboutDialog.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "domain/MessageTexts.h"
#include "gui/app/Artwork.h"
#include "gui/widgets/Messages.h"
#include "Version.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kelvora {

namespace {
AboutDialog::SupportMail& supportMail()
{
    static AboutDialog::SupportMail mail;
    return mail;
}
} // namespace

void AboutDialog::setSupportMail(SupportMail mail)
{
    supportMail() = std::move(mail);
}

AboutDialog::AboutDialog(const Connection& own, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFRMSOBRE"));
    setWindowTitle(QStringLiteral("Sobre"));
    QStringList gym(4);
    try {
        QSqlQuery query = own.select(
            QStringLiteral("Moxcvar"),
            QStringLiteral("SELECT ACADEMIA, ENDERACADEMIA, COMPLEMENTO1, CNPJCPF FROM Moxcvar"));
        if (query.next())
            for (int i = 0; i < 4; ++i)
                gym[i] = query.value(i).toString();
    } catch (const DataError&) {
        // The box still shows the program's own data.
    }
    m_identification = QStringLiteral("%1\n%2\n%3\nCNPJ: %4").arg(gym[0], gym[1], gym[2], gym[3]);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("IMGLOGO"));
    picture->setPixmap(Artwork::splash(QSize(360, 150)));
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);

    auto* form = new QFormLayout;
    const auto addLine = [this, form](const QString& label, const QString& text, const char* name) {
        auto* value = new QLabel(text, this);
        value->setObjectName(QLatin1String(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(label, value);
        return value;
    };
    addLine(QStringLiteral("Academia:"), gym[0], "LBLACADEMIA");
    addLine(QStringLiteral("Endereço:"), gym[1], "LBLENDERECO");
    addLine(QString(), gym[2], "LBLCOMPLEMENTO");
    addLine(QStringLiteral("CNPJ:"), gym[3], "LBLCNPJ");
    addLine(QStringLiteral("Versão:"), QString::fromLatin1(Version), "LBLVERSAO");
    addLine(QStringLiteral("Telefone:"), QStringLiteral("(11) 4002-8922"), "LBLTELEFONE");
    QLabel* mail = addLine(QStringLiteral("E-mail:"), SupportAddress, "LBLEMAIL");
    mail->setToolTip(QStringLiteral("Clique duplo para pedir suporte por e-mail"));
    mail->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addLayout(form);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched->objectName() == QLatin1String("IMGLOGO") &&
        event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    if (watched->objectName() == QLatin1String("LBLEMAIL") &&
        event->type() == QEvent::MouseButtonDblClick) {
        if (Messages::ask(QStringLiteral("Solicitação de Suporte"), Msg::ConfirmaEnvioEmail) &&
            supportMail())
            supportMail()(m_identification);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kelvora

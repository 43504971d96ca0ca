#pragma once

#include <QDialog>

#include <functional>

namespace kelvora {

class Connection;

// "Sobre": the gym's identity, the version and the maker's support contacts.
// A click on the picture closes it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const Connection& own, QWidget* parent = nullptr);

    static inline const QString SupportAddress = QStringLiteral("suporte@kelvora.com.br");

    // Sends the gym's identification to the support address; installed by the
    // e-mail feature. Without it the support contact is shown only.
    using SupportMail = std::function<void(const QString& identification)>;
    static void setSupportMail(SupportMail mail);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_identification;
};

} // namespace kelvora

#pragma once

#include "gui/maintenance/SettingsDialog.h"

#include <QByteArray>

class QLabel;

namespace kelvora {

// "Logotipo": the gym's logo printed on the report cover, a JPEG picture chosen from
// a file. "Limpa" hides the picture; confirming with it hidden removes the logo,
// while "Logotipo Academia" shows the previous one again.
class LogoDialog : public SettingsDialog {
    Q_OBJECT
public:
    static inline const QString Column = QStringLiteral("LOGOACADEMIA1");

    explicit LogoDialog(SettingsEdit& edit, QWidget* parent = nullptr);

    bool pictureShown() const;

protected:
    void confirm() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void chooseFile();
    void showPicture(const QByteArray& jpeg);

    QLabel* m_frame;
    QByteArray m_picture;
    bool m_cleared = false;
};

} // namespace kelvora

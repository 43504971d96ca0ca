#pragma once

#include "gui/maintenance/SettingsDialog.h"

#include <QVector>

class QComboBox;
class QLineEdit;

namespace kelvora {

class ChoiceBox;
class MainWindow;

// "Configuração de Controle": the register mode, the re-assessment periods, the
// display and webcam switches and the e-mail provider. A confirmed change of the
// register mode or of the companion's active-students setting takes effect at once.
class ControlSettingsDialog : public SettingsDialog {
    Q_OBJECT
public:
    ControlSettingsDialog(SettingsEdit& edit, MainWindow& window);

    // The preset entries of the server drop-down: host " * " port.
    static const QStringList& smtpPresets();

protected:
    void confirm() override;

private:
    struct Choice {
        QString column;
        ChoiceBox* box;
        bool months;
    };

    QWidget* controlGroup();
    QWidget* mailGroup();
    void presetChosen(const QString& entry);
    void copyIn();
    void copyOut();

    MainWindow& m_window;
    QVector<Choice> m_choices;
    QComboBox* m_server = nullptr;
    ChoiceBox* m_tls = nullptr;
    QVector<QPair<QString, QLineEdit*>> m_mailFields;
};

} // namespace kelvora

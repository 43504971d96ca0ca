#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace kelvora {

struct GymIdentity;
struct ServerAccount;

// Shown when the data folder has no database yet. Offers the three ways a station
// starts: a new embedded database (one station), a new database on a PostgreSQL
// server (the first of several stations), or joining the server database that
// another station created.
class FirstRunDialog : public QDialog {
    Q_OBJECT
public:
    enum Way { Embedded, NewServer, JoinServer };

    explicit FirstRunDialog(QString folder, QWidget* parent = nullptr);

    void accept() override;

private:
    QGroupBox* gymSection();
    QGroupBox* serverSection();
    void showWay(int way);
    // Whether the typed gym and password may be installed; says why not otherwise.
    bool gymAccepted(const GymIdentity& gym);
    bool serverAccepted();
    ServerAccount account() const;
    // Runs the chosen way; false, after saying why, when it was refused or failed.
    bool install(int way, const GymIdentity& gym);

    QString m_folder;
    QButtonGroup* m_ways;
    QGroupBox* m_gymSection;
    QGroupBox* m_serverSection;
    QLineEdit* m_gym;
    QLineEdit* m_password;
    QLineEdit* m_confirmation;
    QLineEdit* m_server;
    QLineEdit* m_database;
    QLineEdit* m_user;
    QLineEdit* m_serverPassword;
    QComboBox* m_tls;
};

} // namespace kelvora

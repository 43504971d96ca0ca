#pragma once

#include <QLocalServer>
#include <QObject>

namespace kelvora {

// One running program per user and data folder. The first start listens on a local
// socket; a later start tells it to come to the front and then ends. kelvora-cli
// takes the same lock while it replaces the database, so that neither runs beside
// the other.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);

    // True for the first instance; false when another one runs (it has been asked
    // to raise its window).
    bool becomeFirst();

signals:
    void raiseRequested();

private:
    QString m_name;
    QLocalServer m_server;
};

} // namespace kelvora

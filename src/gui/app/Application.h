#pragma once

#include <QApplication>

namespace kelvora {

// The application object: every exception that reaches the event loop is written
// to the error log and never shown; the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    void setDataFolder(const QString& folder) { m_dataFolder = folder; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    QString m_dataFolder;
};

} // namespace kelvora

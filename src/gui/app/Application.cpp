#include "gui/app/Application.h"

#include "gui/app/ErrorLog.h"

#include <exception>

namespace kelvora {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ErrorLog::append(m_dataFolder, QString::fromUtf8(error.what()));
    } catch (...) {
        ErrorLog::append(m_dataFolder, QStringLiteral("exceção desconhecida"));
    }
    return false;
}

} // namespace kelvora

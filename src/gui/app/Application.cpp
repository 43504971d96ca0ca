#include "gui/app/Application.h"

#include "gui/app/Artwork.h"
#include "gui/app/ErrorLog.h"

#include <exception>

namespace kelvora {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setWindowIcon(Artwork::icon());
    // Desktops match the windows to the installed desktop entry (and its icon) by this name.
    setDesktopFileName(QStringLiteral("br.com.kelvora.Kelvora"));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ErrorLog::append(m_dataFolder, ErrorLog::failureOf(error) + QStringLiteral(" em ") +
                                           ErrorLog::placeOf(receiver));
    } catch (...) {
        ErrorLog::append(m_dataFolder,
                         QStringLiteral("exceção desconhecida em ") + ErrorLog::placeOf(receiver));
    }
    return false;
}

} // namespace kelvora

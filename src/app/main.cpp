#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/DataLink.h"
#include "data/ProtectedFiles.h"
#include "data/SingleInstance.h"
#include "domain/MessageTexts.h"
#include "gui/app/Application.h"
#include "gui/app/Artwork.h"
#include "gui/app/FirstRunDialog.h"
#include "gui/app/MainWindow.h"
#include "gui/Screens.h"
#include "gui/widgets/Messages.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>

#include <cstdio>
#include <cstring>

using namespace kelvora;

namespace {

void showSplash()
{
    QSplashScreen splash(Artwork::splash(QSize(480, 270)));
    splash.setObjectName(QStringLiteral("TFRMSPLASH"));
    splash.show();
    QEventLoop wait;
    QTimer::singleShot(4000, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void bringToFront(QWidget* fallback)
{
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = QApplication::activeWindow() ? QApplication::activeWindow() : fallback;
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before the window system is touched: it works on a terminal without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("Kelvora %s\n", Version);
        return 0;
    }
    ProtectedFiles::restrictNewFiles();
    Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kelvora"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kelvora - Sistema de Avaliação Física"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Pasta de dados."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Não mostra a tela de abertura."));
    parser.addOptions({dirOption, noSplash});
    parser.process(app);

    const QString folder = DataFolder::resolve(parser.value(dirOption));
    app.setDataFolder(folder);

    SingleInstance instance(folder);
    if (!instance.becomeFirst())
        return 0;

    if (!QFile::exists(QDir(folder).filePath(QLatin1String(DataLinkFile::Kelvora)))) {
        FirstRunDialog install(folder);
        if (install.exec() != QDialog::Accepted)
            return 0;
    }
    if (!parser.isSet(noSplash))
        showSplash();

    std::unique_ptr<Connection> own;
    std::unique_ptr<Connection> brandel;
    try {
        own =
            Connection::fromFile(Connection::Kelvora, folder, QLatin1String(DataLinkFile::Kelvora));
        brandel =
            Connection::fromFile(Connection::Brandel, folder, QLatin1String(DataLinkFile::Brandel));
    } catch (const ConfigError& error) {
        Messages::inform(Msg::AssistenciaTecnica,
                         Msg::ProblemaNoBanco + QStringLiteral("\n\r") + error.message());
        return 1;
    }

    MainWindow window(std::move(own), std::move(brandel));
    installScreens(window);
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window,
                     [&window] { bringToFront(&window); });
    // Without a window manager (a kiosk session) maximising alone does nothing.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    if (!window.start())
        return 1;
    if (!window.showLogin())
        return 0;
    return app.exec();
}

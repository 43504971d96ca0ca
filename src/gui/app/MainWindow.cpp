#include "gui/app/MainWindow.h"

#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/ReferenceData.h"
#include "data/Users.h"
#include "domain/Clock.h"
#include "domain/DateText.h"
#include "domain/MessageTexts.h"
#include "domain/YesNo.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/WhatsNewDialog.h"
#include "gui/auth/LocalAuthorizationDialog.h"
#include "gui/auth/LoginDialog.h"
#include "gui/widgets/ChildWindow.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/WaitCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

namespace kelvora {

namespace {

enum Panel { UserPanel, BannerPanel, DatePanel, TimePanel };

const QString Banner = QStringLiteral(
    "Kelvora - Sistema de Avaliação Física   *   Suporte técnico: suporte@kelvora.com.br   *   ");

const char* const MenuCaptions[] = {"&Cadastro", "Avaliações", "Relatórios", "&Utilitários"};
const char* const MenuNames[] = {"MNCADASTRO", "MNAVALIACOES", "MNRELATORIOS", "MNUTILITARIOS"};
} // namespace

MainWindow::MainWindow(std::unique_ptr<Connection> own, std::unique_ptr<Connection> brandel,
                       QWidget* parent)
    : QMainWindow(parent)
    , m_own(std::move(own))
    , m_brandel(std::move(brandel))
    , m_banner(Banner)
    , m_localAuthorization(&LocalAuthorizationDialog::authorize)
    , m_login(&LoginDialog::run)
{
    setObjectName(QStringLiteral("TFRMPRINCIPAL"));
    setWindowTitle(QStringLiteral("Sistema de Avaliação"));
    m_mdi = new QMdiArea(this);
    QLinearGradient background(0, 0, 0, 900);
    background.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    background.setColorAt(1, QColor(0x0b, 0x25, 0x3d));
    m_mdi->setBackground(background);
    setCentralWidget(m_mdi);
    buildMenu();
    buildShortcuts();
    buildStatusBar();
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &MainWindow::tick);
}

MainWindow::~MainWindow()
{
    m_closing = true; // child screens destroyed from here on have nobody to return to
}

bool MainWindow::start()
{
    m_openScreens = 0;
    m_changeUserMode = false;
    try {
        m_own->open();
        readSettings();
        m_brandel->open();
    } catch (const DataError&) {
        Messages::inform(Msg::AssistenciaTecnica, Msg::ProblemaNoBanco);
        return false;
    }
    try {
        ReferenceData::ensureInstalled(*m_own);
    } catch (const DataError& error) {
        Messages::showDataError(error);
    }
    offerToProtectDataFolder();
    tick();
    m_timer.start();
    return true;
}

void MainWindow::offerToProtectDataFolder()
{
    const QString folder = m_own->folder();
    if (DataFolder::openToOthers(folder).isEmpty() ||
        !Messages::ask(Msg::PastaDeDadosAberta, folder))
        return;
    if (!DataFolder::protect(folder))
        Messages::inform(Msg::PastaDeDadosNaoProtegida, folder);
}

void MainWindow::readSettings()
{
    // A settings row that cannot be read leaves the defaults: the own register.
    try {
        QSqlQuery query = m_own->select(
            QStringLiteral("Moxcvar"), QStringLiteral("SELECT PATH_AVALIA, ACADEMIA FROM Moxcvar"));
        if (query.next()) {
            m_ownStudentRegister = Companion::ownRegisterSetting(query.value(0));
            m_gymName = query.value(1).toString();
        }
    } catch (const DataError&) {
    }
    applyStudentRegisterMode(m_ownStudentRegister);
}

void MainWindow::applyStudentRegisterMode(bool ownRegister)
{
    m_ownStudentRegister = ownRegister;
    for (const char* name : {"MNALUNOS", "MNATIVIDADES", "N6", "N7"})
        m_items.value(QLatin1String(name))->setVisible(ownRegister);
}

void MainWindow::registerScreen(const QString& itemName, ScreenFactory factory)
{
    m_screens.insert(itemName, std::move(factory));
}

void MainWindow::setLocalAuthorization(LocalAuthorization authorization)
{
    m_localAuthorization = std::move(authorization);
}

void MainWindow::setLogin(Login login)
{
    m_login = std::move(login);
}

bool MainWindow::showLogin()
{
    return m_login(*this);
}

void MainWindow::buildMenu()
{
    QMenu* menus[4];
    for (int i = 0; i < 4; ++i) {
        menus[i] = menuBar()->addMenu(QString::fromUtf8(MenuCaptions[i]));
        menus[i]->setObjectName(QLatin1String(MenuNames[i]));
    }
    int registerSeparators = 0;
    for (const MenuItem& item : menuTable()) {
        if (item.separatorBefore) {
            QAction* separator = menus[item.menu]->addSeparator();
            // N6 and N7 of "&Cadastro" come and go with the student-register items.
            if (item.menu == 0) {
                separator->setObjectName(QStringLiteral("N%1").arg(6 + registerSeparators++));
                m_items.insert(separator->objectName(), separator);
            }
        }
        QAction* action = menus[item.menu]->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        m_items.insert(action->objectName(), action);
        connect(action, &QAction::triggered, this, [this, &item] { openFromMenu(item); });
    }

    QAction* about = menuBar()->addAction(QStringLiteral("Sobre"));
    about->setObjectName(QStringLiteral("MnSobre"));
    about->setCheckable(true);
    m_items.insert(about->objectName(), about);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);

    QAction* exit = menuBar()->addAction(QStringLiteral("&Sair"));
    exit->setObjectName(QStringLiteral("Sair1"));
    m_items.insert(exit->objectName(), exit);
    connect(exit, &QAction::triggered, this, &MainWindow::exitCommand);
}

const QVector<MainWindow::MenuItem>& MainWindow::menuTable()
{
    static const QVector<MenuItem> items{
        {0, "&Alunos", "MNALUNOS", "C_ALUNOS", "CADASTRO DE ALUNOS", false},
        {0, "A&tividades", "MNATIVIDADES", "C_ATIVIDADE", "ATIVIDADES", true},
        {0, "&Usuários", "MNCADASTRODEUSUARIOS", "U_RECADASTRODEUSUARIOS", "CADASTRO DE USUÁRIOS",
         true},
        {1, "Dados Clínicos", "MNCLINICO", "A_DADOS", "DADOS CLINICOS", false},
        {2, "Avaliação Vencida", "MNREAVALIACAOVENCIDA", "R_AVALIACAO_VENCIDA", "AVALIAÇÃO VENCIDA",
         false},
        {2, "Avaliações Feitas", "MnAvaliacaoFeita", "R_AVALIACAO_FEITA", "AVALIAÇÃO FEITA", true},
        {3, "&Backup", "MNBACKUP", "U_BACKUP", "BACKUP", false},
        {3, "&Restauração de Backup", "MNRESTAURACAODOBACKUP", "U_RESTAURACAODOBACKUP",
         "RESTAURAÇÃO DE BACKUP", true},
        {3, "Nível de Acesso do &Usuário", "MNPARAMETRIZACAODOUSUARIO", "U_REPARAMETRIZACAOUSUARIO",
         "CONFIGURAÇÃO DO USUARIO", true},
        {3, "Esvaziar Arquivos de Avaliações", "MNESVAZIARARQUIVOS", "U_REESVAZIARMOVIMENTACAO",
         "ESVAZIAR ARQUIVOS DE AVALIAÇÕES", true},
        {3, "Configuração do &Sistema", "MNPARAMETRIZACAODOSISTEMA", "U_REPARAMETRIZACAOSISTEMA",
         "CONFIGURAÇÃO DO SISTEMA", true},
    };
    return items;
}

void MainWindow::buildShortcuts()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PNLATALHO"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(2);
    const struct {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
    } buttons[] = {
        {"SBAGENDA", "Muda Usuário", QStyle::SP_DialogResetButton},
        {"SBNOVIDADES", "Novidades", QStyle::SP_FileDialogInfoView},
        {"SBEMAIL", "E-mail", QStyle::SP_DialogSaveButton},
    };
    for (const auto& entry : buttons) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QLatin1String(entry.name));
        button->setToolTip(QString::fromUtf8(entry.hint));
        button->setIcon(style()->standardIcon(entry.icon));
        button->setAutoRaise(true);
        layout->addWidget(button);
    }
    // The panel sits at the right end of the menu bar, always in view above the
    // child windows.
    menuBar()->setCornerWidget(panel, Qt::TopRightCorner);

    auto* changeUser = panel->findChild<QToolButton*>(QStringLiteral("SBAGENDA"));
    connect(changeUser, &QToolButton::clicked, this, [this] {
        m_changeUserMode = true;
        showLogin();
    });
    auto* news = panel->findChild<QToolButton*>(QStringLiteral("SBNOVIDADES"));
    registerScreen(news->objectName(),
                   [](MainWindow& window) { return new WhatsNewDialog(&window); });
    for (QToolButton* button : {news, panel->findChild<QToolButton*>(QStringLiteral("SBEMAIL"))})
        connect(button, &QToolButton::clicked, this,
                [this, button] { openScreen(button->objectName(), nullptr, button); });
}

void MainWindow::buildStatusBar()
{
    const struct {
        const char* text;
        int width;
        Qt::Alignment alignment;
    } panels[] = {
        {"Usuário: ", 250, Qt::AlignLeft | Qt::AlignVCenter},
        {"Descricao", 0, Qt::AlignLeft | Qt::AlignVCenter},
        {"", 70, Qt::AlignCenter},
        {"", 60, Qt::AlignCenter},
    };
    for (const auto& entry : panels) {
        auto* label = new QLabel(QString::fromUtf8(entry.text), this);
        if (entry.width > 0)
            label->setFixedWidth(entry.width);
        label->setAlignment(entry.alignment);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(label, entry.width > 0 ? 0 : 1);
        m_panels << label;
    }
    // The banner takes what the other panels leave, up to window width - 380.
    m_panels.at(BannerPanel)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->setSizeGripEnabled(false);
}

QString MainWindow::statusText(int panel) const
{
    return m_panels.value(panel) ? m_panels.at(panel)->text() : QString();
}

void MainWindow::showInBanner(const QString& text)
{
    m_panels.at(BannerPanel)->setText(text);
}

void MainWindow::logIn(const QString& userCode)
{
    m_userCode = userCode;
    m_changeUserMode = false;
    showUserName();
}

void MainWindow::showUserName()
{
    if (const auto user = Users::find(*m_own, m_userCode))
        m_panels.at(UserPanel)->setText(QStringLiteral("Usuário: ") +
                                        user->value(QStringLiteral("NOME")).toString());
}

std::optional<QString> MainWindow::authorizeLocally()
{
    const QString previousUser = m_userCode;
    const std::optional<QString> authorizer = m_localAuthorization(*this);
    m_userCode = previousUser;
    return authorizer;
}

bool MainWindow::checkAccess(const QString& rightColumn, const QString& refusedDetail)
{
    std::optional<QSqlRecord> user;
    try {
        user = Users::find(*m_own, m_userCode);
        // A user removed by another station since the login has no rights left.
        if (user && isNao(user->value(rightColumn))) {
            const std::optional<QString> authorizer = authorizeLocally();
            if (authorizer)
                user = Users::find(*m_own, *authorizer);
        }
    } catch (const OpenFailed&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Usuarios"));
        Messages::inform(Msg::RegistroJaAlocado);
        return false;
    }
    if (user && isSim(user->value(rightColumn)))
        return true;
    Messages::inform(Msg::UsuarioSemAcesso, refusedDetail);
    return false;
}

void MainWindow::openFromMenu(const MenuItem& item)
{
    const QString name = QLatin1String(item.name);
    static const QStringList slowItems{QStringLiteral("MNALUNOS"), QStringLiteral("MNCLINICO"),
                                       QStringLiteral("MNPARAMETRIZACAODOUSUARIO"),
                                       QStringLiteral("MNREAVALIACAOVENCIDA"),
                                       QStringLiteral("MnAvaliacaoFeita")};
    {
        WaitCursor wait(slowItems.contains(name));
        if (!checkAccess(QLatin1String(item.right), QString::fromUtf8(item.refused)))
            return;
    }
    if (!m_screens.contains(name))
        return;
    if (name == QLatin1String("MNALUNOS")) {
        try {
            m_own->select(QStringLiteral("Moxcvar"),
                          QStringLiteral("SELECT CODIGOSEQ FROM Moxcvar"));
        } catch (const DataError&) {
            Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Controle"));
            return;
        }
    }
    // Only the reconnection after a restore starts the watch again.
    if (name == QLatin1String("MNRESTAURACAODOBACKUP"))
        m_timer.stop();
    openScreen(name, m_items.value(name), nullptr);
}

void MainWindow::openScreen(const QString& itemName, QAction* action, QWidget* trigger)
{
    const ScreenFactory factory = m_screens.value(itemName);
    if (!factory)
        return;
    ++m_openScreens;
    QWidget* screen = factory(*this);
    if (action) {
        action->setCheckable(true);
        action->setChecked(true);
        action->setEnabled(false);
    }
    if (trigger)
        trigger->setEnabled(false);
    if (auto* dialog = qobject_cast<QDialog*>(screen)) {
        dialog->exec();
        delete dialog;
        screenClosed(action, trigger);
        return;
    }
    screen->setAttribute(Qt::WA_DeleteOnClose);
    // Every child screen gets the same frame, closed only through the screen's own "Sair".
    auto* window = qobject_cast<QMdiSubWindow*>(screen);
    if (!window) {
        window = new ChildWindow;
        window->setWidget(screen);
    }
    m_mdi->addSubWindow(window);
    connect(window, &QObject::destroyed, this,
            [this, action = QPointer<QAction>(action)] { screenClosed(action, nullptr); });
    screen->show();
}

void MainWindow::screenClosed(QAction* action, QWidget* trigger)
{
    if (m_closing)
        return;
    if (action) {
        action->setEnabled(true);
        action->setChecked(false);
    }
    if (trigger)
        trigger->setEnabled(true);
    if (!returnFromScreen())
        Messages::inform(Msg::RegistroJaAlocado, QStringLiteral("Usuarios"));
}

bool MainWindow::returnFromScreen()
{
    if (m_openScreens > 0)
        --m_openScreens;
    if (m_openScreens != 0)
        return true;
    try {
        showUserName();
    } catch (const OpenFailed&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Usuarios"));
        return false;
    }
    return true;
}

void MainWindow::showAbout()
{
    QAction* about = m_items.value(QStringLiteral("MnSobre"));
    about->setChecked(true);
    about->setEnabled(false);
    {
        AboutDialog dialog(*m_own, this);
        dialog.exec();
    }
    about->setEnabled(true);
    about->setChecked(false);
}

void MainWindow::tick()
{
    const int bannerWidth = width() - 380;
    if (m_banner.size() > bannerWidth)
        m_banner = m_banner.mid(9) + m_banner.left(9);
    m_panels.at(BannerPanel)->setText(m_banner);
    m_panels.at(BannerPanel)->setMaximumWidth(qMax(bannerWidth, 0));
    const QDateTime now = Clock::now();
    m_panels.at(DatePanel)->setText(DateText::format(now.date()));
    m_panels.at(TimePanel)->setText(now.time().toString(QStringLiteral("HH:mm:ss")));

    if (!m_own->answers(QStringLiteral("TabelaFlexao")))
        databaseLost();
}

void MainWindow::databaseLost()
{
    m_timer.stop();
    m_mdi->closeAllSubWindows();
    Messages::inform(Msg::AssistenciaTecnica, Msg::ProblemaNoBanco);
    reconnect();
    QCoreApplication::processEvents();
}

// Tries again after every acknowledged message until both databases answer.
void MainWindow::reconnect()
{
    for (;;) {
        try {
            m_own->reconnect();
            m_brandel->reconnect();
            m_timer.start();
            return;
        } catch (const DataError&) {
            Messages::inform(Msg::AssistenciaTecnica, Msg::ProblemaNoBanco);
        }
    }
}

void MainWindow::exitCommand()
{
    if (m_mdi->subWindowList().isEmpty() || m_exitState == 2) {
        close();
    } else if (m_exitState == 0) {
        Messages::inform(Msg::FecheJanelasSistema);
        m_exitState = 1;
    } else {
        m_exitState = 2;
        if (Messages::ask(Msg::FormulariosFechados))
            m_mdi->closeAllSubWindows();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_closing = true;
    hide();
    m_timer.stop();
    m_mdi->closeAllSubWindows();
    m_own->close();
    m_brandel->close();
    event->accept();
}

} // namespace kelvora

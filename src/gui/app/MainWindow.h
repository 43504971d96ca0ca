#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QToolButton;

namespace kelvora {

class Connection;

// The main window "Sistema de Avaliação": the MDI frame with the menu, the shortcut
// buttons and the status bar. It owns the connections to the own and the
// gym-management databases, runs the access check of every guarded menu item and
// watches the database once a second.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(std::unique_ptr<Connection> own, std::unique_ptr<Connection> brandel,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens the connections and reads the settings. When either database cannot be
    // reached it shows the database message and returns false: the program ends.
    bool start();

    // A screen opened by a menu item or shortcut button (named by its objectName).
    // A QDialog is shown modally, any other widget as an MDI child.
    using ScreenFactory = std::function<QWidget*(MainWindow&)>;
    void registerScreen(const QString& itemName, ScreenFactory factory);

    // The "Acesso Local" dialog: returns the code of the user who authenticated in
    // it, or nothing. Tests replace the real dialog with a script.
    using LocalAuthorization = std::function<std::optional<QString>(MainWindow&)>;
    void setLocalAuthorization(LocalAuthorization authorization);
    // Runs "Acesso Local"; the logged-in user's code is kept whatever happens in it.
    std::optional<QString> authorizeLocally();
    // The login dialog, shown at start and by "Muda Usuário"; false when it ended
    // the program instead of letting a user in.
    using Login = std::function<bool(MainWindow&)>;
    void setLogin(Login login);
    bool showLogin();

    // The logged-in user; shows "Usuário: " and the user's name in the status bar.
    void logIn(const QString& userCode);
    QString userCode() const { return m_userCode; }
    void setUserCode(const QString& code) { m_userCode = code; }
    bool changeUserMode() const { return m_changeUserMode; }
    void setChangeUserMode(bool on) { m_changeUserMode = on; }
    // The gym-management setting `AlunosAtivos` as the login read it.
    QString activeStudentsSetting() const { return m_activeStudentsSetting; }
    void setActiveStudentsSetting(const QString& value) { m_activeStudentsSetting = value; }

    int openScreens() const { return m_openScreens; }
    bool ownStudentRegister() const { return m_ownStudentRegister; }
    // The student-register flag and the menu items that come and go with it.
    void applyStudentRegisterMode(bool ownRegister);
    QString gymName() const { return m_gymName; }
    int exitState() const { return m_exitState; }
    bool timerRunning() const { return m_timer.isActive(); }

    Connection& ownConnection() { return *m_own; }
    Connection& brandelConnection() { return *m_brandel; }
    QMdiArea* mdiArea() const { return m_mdi; }
    QAction* menuItem(const QString& name) const { return m_items.value(name); }
    QString statusText(int panel) const;
    // Shows `text` in the banner panel until the next timer tick puts the banner back.
    void showInBanner(const QString& text);

    // The access check: true when the logged-in user (or a user who authorises in
    // "Acesso Local" when the right is "Não") holds "Sim" in `rightColumn`.
    bool checkAccess(const QString& rightColumn, const QString& refusedDetail);

    // Called when a screen closes: counts it off and, once none is open, shows the
    // logged-in user's name again. False when Usuarios cannot be read.
    bool returnFromScreen();

    // One timer tick: status bar and connectivity probe.
    void tick();

    // The watch pauses while a maintenance job holds the database (a restore, a
    // shrink) and would take the wait for the connection lost.
    void pauseWatch() { m_timer.stop(); }
    void resumeWatch() { m_timer.start(); }
    // Opens both connections again (until they answer) and resumes the watch.
    void reconnect();

public slots:
    void exitCommand();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct MenuItem {
        int menu; // index in the menu bar
        const char* caption;
        const char* name;    // objectName of the action
        const char* right;   // right column in Usuarios
        const char* refused; // detail of "Usuário sem acesso !"
        bool separatorBefore;
    };
    static const QVector<MenuItem>& menuTable();

    void buildMenu();
    void buildShortcuts();
    void buildStatusBar();
    void readSettings();
    // The students' data may be read by other users of the machine: says so and, when
    // the user agrees, leaves the data folder, its files and backups to their owner only.
    void offerToProtectDataFolder();
    void showUserName();
    void openFromMenu(const MenuItem& item);
    void openScreen(const QString& itemName, QAction* action, QWidget* trigger);
    void screenClosed(QAction* action, QWidget* trigger);
    void showAbout();
    void databaseLost();

    std::unique_ptr<Connection> m_own;
    std::unique_ptr<Connection> m_brandel;
    QMdiArea* m_mdi = nullptr;
    QHash<QString, QAction*> m_items;
    QHash<QString, ScreenFactory> m_screens;
    QVector<QLabel*> m_panels;
    QTimer m_timer;
    QString m_banner;

    LocalAuthorization m_localAuthorization;
    Login m_login;

    QString m_userCode;
    QString m_activeStudentsSetting;
    int m_openScreens = 0;
    bool m_changeUserMode = false;
    bool m_ownStudentRegister = true;
    QString m_gymName;
    int m_exitState = 0;
    bool m_closing = false;
};

} // namespace kelvora

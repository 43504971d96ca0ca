#pragma once

#include "domain/UserRules.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/ChoiceBox.h"
#include "support/MainWindowStart.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTest>

#include <memory>

namespace kelvora::test {

class TestDatabase;

// The student register opened from its menu item, over a main window with the master
// user logged in: one station.
struct StudentRegisterScreen {
    explicit StudentRegisterScreen(const TestDatabase& db)
        : window(startMainWindow(db))
    {
        window->logIn(MasterUserCode);
        installScreens(*window);
        window->menuItem(QStringLiteral("MNALUNOS"))->trigger();
        screen = window->mdiArea()->activeSubWindow()->widget();
        grid = screen->findChild<QTableView*>(QStringLiteral("DBGALUNOS"));
    }
    template <typename T = QLineEdit>
    T* field(const char* column) const
    {
        return screen->findChild<T*>(QStringLiteral("DBEDT") + QLatin1String(column));
    }
    void click(const char* name) const
    {
        screen->findChild<QAbstractButton*>(QLatin1String(name))->click();
    }
    bool enabled(const char* name) const
    {
        return screen->findChild<QWidget*>(QLatin1String(name))->isEnabled();
    }
    // Types into a field key by key (accents included), as the user does.
    void type(const char* column, const QString& text) const
    {
        QWidget* edit = field<QWidget>(column);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void chooseState(const QString& state) const
    {
        auto* box = field<ChoiceBox>("ESTADO");
        box->setCurrentIndex(box->findText(state));
    }
    // Everything a confirmation requires, typed into the fields.
    void fillRequired(const QString& name) const
    {
        type("NOME", name);
        type("SEXO", QStringLiteral("f"));
        type("ENDERECO", QStringLiteral("Rua das Flores, 12"));
        type("BAIRRO", QStringLiteral("Centro"));
        field("CIDADE")->clear();
        type("CIDADE", QStringLiteral("Niterói"));
        chooseState(QStringLiteral("RJ"));
        type("CEP", QStringLiteral("24020070"));
        type("DATA_NASCIMENTO", QStringLiteral("04051990"));
    }
    void select(const QString& number) const
    {
        const QModelIndexList found = grid->model()->match(grid->model()->index(0, 0),
                                                           Qt::DisplayRole, number);
        grid->setCurrentIndex(found.value(0));
    }
    QLineEdit* search() const { return screen->findChild<QLineEdit*>(QStringLiteral("EDTMATRICULA")); }
    QString gridNumber() const { return grid->currentIndex().siblingAtColumn(0).data().toString(); }
    bool browsing() const
    {
        return screen->windowTitle() == QStringLiteral("Alunos") && grid->isEnabled() &&
               enabled("SBINCLUIR") && !enabled("BBNCONFIRMA") && !enabled("BBNCANCELA") &&
               !enabled("BBNFOTO") && !field("NOME")->isEnabled();
    }

    std::unique_ptr<MainWindow> window;
    QWidget* screen;
    QTableView* grid;
};

} // namespace kelvora::test

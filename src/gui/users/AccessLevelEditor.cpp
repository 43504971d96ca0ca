#include "gui/users/AccessLevelEditor.h"

#include "data/DataError.h"
#include "data/Users.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "domain/YesNo.h"
#include "gui/app/MainWindow.h"
#include "gui/users/UserGrid.h"
#include "gui/users/UserTexts.h"
#include "gui/widgets/ChildWindow.h"
#include "gui/widgets/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

namespace kelvora {

namespace {

// The groups of the main menu, each with the end of its buttons' names.
const struct {
    UserRight::Group group;
    const char* name;
} Groups[] = {{UserRight::Group::Cadastro, "CADASTRO"},
              {UserRight::Group::Utilitarios, "UTILITARIOS"},
              {UserRight::Group::Avaliacoes, "AVALIACOES"},
              {UserRight::Group::Relatorios, "RELATORIOS"}};

// A right's drop-down takes Enter (to the next one) and nothing else from the
// keyboard, and a double click switches it between "Sim" and "Não". A click opens
// the list only on the arrow, so that the double click reaches the field.
class RightField : public QObject {
public:
    RightField(QComboBox* combo, std::function<void()> enter)
        : QObject(combo)
        , m_combo(combo)
        , m_enter(std::move(enter))
    {
        combo->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
                return false;
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                m_enter();
            return true;
        }
        case QEvent::Wheel:
            return true;
        case QEvent::MouseButtonPress:
            return !onArrow(static_cast<QMouseEvent*>(event)->position().toPoint());
        case QEvent::MouseButtonDblClick:
            if (m_combo->isEnabled()) {
                m_combo->setCurrentText(m_combo->currentText() == Sim ? Nao : Sim);
                QApplication::beep();
            }
            return true;
        default:
            return false;
        }
    }

private:
    bool onArrow(const QPoint& position) const
    {
        QStyleOptionComboBox option;
        option.initFrom(m_combo);
        option.subControls = QStyle::SC_All;
        return m_combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, m_combo)
            .contains(position);
    }

    QComboBox* m_combo;
    std::function<void()> m_enter;
};

} // namespace

AccessLevelEditor::AccessLevelEditor(MainWindow& window, QWidget* parent)
    : QWidget(parent)
    , m_window(window)
    , m_grid(new UserGrid(this))
    , m_code(new QLabel(this))
    , m_name(new QLabel(this))
    , m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("TFRMPARAMETRIZACAODOUSUARIO"));
    setWindowTitle(UserTexts::EditorCaption);
    m_code->setObjectName(QStringLiteral("LBLCODIGO"));
    m_name->setObjectName(QStringLiteral("LBLNOME"));

    auto* menu = new QGroupBox(QStringLiteral(" Menu Principal "), m_pages);
    auto* choices = new QVBoxLayout(menu);
    m_pages->addWidget(menu);
    for (const auto& [group, name] : Groups) {
        auto* choice = new QPushButton(UserRights::groupCaption(group), menu);
        choice->setObjectName(QStringLiteral("BBN") + QLatin1String(name));
        choice->setAutoDefault(false);
        choices->addWidget(choice);
        QWidget* page = groupPage(group, QLatin1String(name));
        m_pages->addWidget(page);
        connect(choice, &QPushButton::clicked, this,
                [this, page] { m_pages->setCurrentWidget(page); });
    }
    choices->addStretch();

    auto* who = new QFormLayout;
    who->addRow(QStringLiteral("Código:"), m_code);
    who->addRow(QStringLiteral("Nome:"), m_name);
    auto* buttons = new QHBoxLayout;
    m_change = addButton(buttons, "SBALTERAR", QStringLiteral("Alterar usuário"));
    buttons->addStretch();
    m_confirm = addButton(buttons, "BBNCONFIRMA", QStringLiteral("Confirma"));
    m_exit = addButton(buttons, "BBNSAIR", QStringLiteral("Sair"));
    connect(m_change, &QPushButton::clicked, this, &AccessLevelEditor::change);
    connect(m_confirm, &QPushButton::clicked, this, &AccessLevelEditor::confirm);
    connect(m_exit, &QPushButton::clicked, this, [this] { closeChildScreen(this); });

    auto* side = new QVBoxLayout;
    side->addLayout(who);
    side->addWidget(m_pages, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_grid, 1);
    body->addLayout(side, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(680, 440);

    connect(m_grid, &QTableWidget::currentCellChanged, this, &AccessLevelEditor::showSelectedUser);
    setEditing(false);
    if (!reloadGrid())
        QMetaObject::invokeMethod(
            this, [this] { closeChildScreen(this); }, Qt::QueuedConnection);
}

bool AccessLevelEditor::reloadGrid()
{
    try {
        m_grid->showUsers(Users::list(m_window.ownConnection()));
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return false;
    }
    return true;
}

// One group's drop-downs, the "Tabelas" rights in a frame of their own, and the
// "Retorna" that goes back to the main menu's choices.
QWidget* AccessLevelEditor::groupPage(UserRight::Group group, const QString& name)
{
    const QString caption = UserRights::groupCaption(group);
    auto* page = new QGroupBox(QLatin1Char(' ') + caption + QLatin1Char(' '), m_pages);
    auto* layout = new QVBoxLayout(page);
    const auto rightsForm = [](QWidget* parent) {
        auto* form = new QFormLayout(parent);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        return form;
    };
    auto* form = rightsForm(nullptr);
    layout->addLayout(form);
    QFormLayout* tables = nullptr;
    for (const UserRight& right : UserRights::all()) {
        if (right.group != group)
            continue;
        auto* combo = new QComboBox(page);
        combo->setObjectName(QStringLiteral("DBCBX") + right.columnName());
        combo->addItems({Sim, Nao});
        combo->setFocusPolicy(Qt::StrongFocus);
        combo->setMinimumContentsLength(4);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        new RightField(combo, [this, combo] { enterPressed(combo); });
        m_rights.append(combo);
        if (right.table && !tables) {
            auto* frame = new QGroupBox(QStringLiteral("Tabelas"), page);
            tables = rightsForm(frame);
            layout->addWidget(frame);
        }
        (right.table ? tables : form)->addRow(right.labelText(), combo);
    }
    layout->addStretch();
    auto* back = new QPushButton(QStringLiteral("Retorna"), page);
    back->setObjectName(QStringLiteral("BBNRETORNA") + name);
    back->setAutoDefault(false);
    layout->addWidget(back, 0, Qt::AlignRight);
    connect(back, &QPushButton::clicked, this, [this] { m_pages->setCurrentIndex(0); });
    return page;
}

QPushButton* AccessLevelEditor::addButton(QLayout* layout, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

void AccessLevelEditor::selectUser(const QString& code)
{
    m_grid->selectCode(code);
}

void AccessLevelEditor::enterPressed(QComboBox* combo)
{
    const int next = m_rights.indexOf(combo) + 1;
    if (next < m_rights.size() && m_rights.at(next)->isVisibleTo(combo->parentWidget()))
        m_rights.at(next)->setFocus();
}

void AccessLevelEditor::showSelectedUser()
{
    std::optional<QSqlRecord> user;
    try {
        user = Users::find(m_window.ownConnection(), m_grid->currentCode());
    } catch (const DataError& error) {
        Messages::showDataError(error);
    }
    showRights(user.value_or(QSqlRecord()));
}

void AccessLevelEditor::showRights(const QSqlRecord& user)
{
    m_code->setText(user.value(QStringLiteral("CODIGO")).toString());
    m_name->setText(user.value(QStringLiteral("NOME")).toString());
    for (int i = 0; i < m_rights.size(); ++i) {
        const QVariant value = user.value(UserRights::all().at(i).columnName());
        // A right that holds neither text shows blank, and is written back as it is.
        m_rights.at(i)->setCurrentIndex(isSim(value) ? 0 : isNao(value) ? 1 : -1);
    }
}

void AccessLevelEditor::change()
{
    const QString selected = m_grid->currentCode();
    if (selected.isEmpty())
        return;
    if (!mayChangeUser(selected, m_window.userCode())) {
        Messages::inform(Msg::DadoNaoPodeSerAlterado, UserTexts::Master);
        return;
    }
    QApplication::beep();
    std::optional<QSqlRecord> user;
    try {
        user = Users::find(m_window.ownConnection(), selected);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (!user) {
        Messages::inform(Msg::RegistroJaAlocado, Users::Table);
        reloadGrid();
        return;
    }
    m_original = *user;
    showRights(m_original);
    setEditing(true);
}

void AccessLevelEditor::confirm()
{
    QApplication::beep();
    ColumnValues rights;
    for (int i = 0; i < m_rights.size(); ++i) {
        const QString column = UserRights::all().at(i).columnName();
        const QComboBox* combo = m_rights.at(i);
        rights.append({column, combo->currentIndex() < 0 ? m_original.value(column)
                                                         : QVariant(combo->currentText())});
    }
    try {
        Users::setRights(m_window.ownConnection(), m_original, rights);
    } catch (const DataError& error) {
        // Another station's change stands; the drop-downs show it again below.
        Messages::showDataError(error);
    }
    setEditing(false);
    showSelectedUser();
}

void AccessLevelEditor::setEditing(bool editing)
{
    for (QComboBox* combo : m_rights)
        combo->setEnabled(editing);
    m_grid->setVisible(!editing);
    m_confirm->setEnabled(editing);
    m_change->setEnabled(!editing);
    m_exit->setEnabled(!editing);
}

} // namespace kelvora

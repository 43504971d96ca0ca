#include "gui/users/UserListing.h"

#include "data/DataError.h"
#include "gui/app/MainWindow.h"
#include "gui/reports/ListOutput.h"
#include "gui/users/UserGrid.h"
#include "gui/users/UserTexts.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "report/users/UserListReport.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kelvora {

namespace {

QLineEdit* codeField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(2);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), field));
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    return field;
}

} // namespace

UserListing::UserListing(MainWindow& window, QWidget* parent)
    : QDialog(parent)
    , m_window(window)
    , m_grid(new UserGrid(this))
{
    setObjectName(QStringLiteral("TFRMCONSULTAUSUARIOS"));
    setWindowTitle(UserTexts::ListingCaption);

    auto* interval = new QGroupBox(QStringLiteral(" Intervalo de Usuários "), this);
    m_first = codeField(interval, "EDTCODIGOINICIAL");
    m_last = codeField(interval, "EDTCODIGOFINAL");
    m_firstName = new QLabel(interval);
    m_firstName->setObjectName(QStringLiteral("LBLNOMEINICIAL"));
    m_lastName = new QLabel(interval);
    m_lastName->setObjectName(QStringLiteral("LBLNOMEFINAL"));
    auto* fields = new QGridLayout(interval);
    fields->addWidget(new QLabel(QStringLiteral("Código Inicial "), interval), 0, 0);
    fields->addWidget(m_first, 0, 1);
    fields->addWidget(m_firstName, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("Código Final "), interval), 1, 0);
    fields->addWidget(m_last, 1, 1);
    fields->addWidget(m_lastName, 1, 2);
    fields->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    m_video = addButton(buttons, "BBNVIDEO", QStringLiteral("Vídeo"));
    m_printer = addButton(buttons, "BBNIMPRESSORA", QStringLiteral("Impressora"));
    buttons->addStretch();
    QPushButton* back = addButton(buttons, "BBNRETORNA", QStringLiteral("Retorna"));
    connect(m_video, &QPushButton::clicked, this, [this] { output(true); });
    connect(m_printer, &QPushButton::clicked, this, [this] { output(false); });
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(interval);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(460, 420);

    KeyActions::on(m_first, {Qt::Key_Return}, [this] { firstEntered(); });
    KeyActions::on(m_last, {Qt::Key_Return}, [this] { lastEntered(); });
    connect(m_grid, &UserGrid::userActivated, this, &UserListing::userActivated);

    try {
        m_grid->showUsers(Users::list(m_window.ownConnection()));
    } catch (const DataError& error) {
        Messages::showDataError(error);
    }
    restart();
}

QPushButton* UserListing::addButton(QLayout* layout, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

bool UserListing::refused(const Users::Interval& interval, QLineEdit* field)
{
    if (interval.refusal.isEmpty())
        return false;
    Messages::inform(interval.refusal);
    field->clear();
    field->setFocus();
    return true;
}

void UserListing::firstEntered()
{
    Users::Interval interval;
    try {
        interval = Users::settleEnd(m_window.ownConnection(), m_first->text(), Users::End::First);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (refused(interval, m_first))
        return;
    m_first->setText(interval.first);
    m_first->setEnabled(false);
    m_firstName->setText(m_grid->nameOf(interval.first));
    m_last->setEnabled(true);
    m_last->setFocus();
}

void UserListing::lastEntered()
{
    Users::Interval interval;
    try {
        interval = Users::settle(m_window.ownConnection(), m_first->text(), m_last->text());
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (refused(interval, m_last))
        return;
    m_last->setText(interval.last);
    m_lastName->setText(m_grid->nameOf(interval.last));
    m_last->setEnabled(false);
    m_grid->setEnabled(false);
    m_video->setFocus();
}

// A double click fills the first code, then the last.
void UserListing::userActivated(const QString& code)
{
    QLineEdit* field = m_first->isEnabled() ? m_first : m_last;
    if (!field->isEnabled())
        return;
    field->setText(code);
    if (field == m_first)
        firstEntered();
    else
        lastEntered();
}

void UserListing::output(bool preview)
{
    m_video->setEnabled(false);
    m_printer->setEnabled(false);
    outputList(
        this,
        [this]() -> MadeList {
            Connection& own = m_window.ownConnection();
            const Users::Interval interval = Users::settle(own, m_first->text(), m_last->text());
            if (!interval.refusal.isEmpty())
                return {nullptr, interval.refusal, interval.refusalDetail};
            return {report::UserListReport::build(m_window.gymName(), interval,
                                                  Users::list(own, interval)),
                    {},
                    {}};
        },
        preview);
    restart();
}

void UserListing::restart()
{
    for (QLineEdit* field : {m_first, m_last})
        field->clear();
    m_firstName->clear();
    m_lastName->clear();
    m_grid->setEnabled(true);
    m_video->setEnabled(true);
    m_printer->setEnabled(true);
    m_first->setEnabled(true);
    m_last->setEnabled(false);
    m_first->setFocus();
    if (m_grid->rowCount() > 0)
        m_grid->setCurrentCell(0, 0);
}

} // namespace kelvora

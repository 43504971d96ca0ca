#include "gui/mail/StudentMailWindow.h"

#include "data/Companion.h"
#include "data/DataError.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/mail/SendMailDialog.h"
#include "gui/widgets/ChoiceGrid.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/SearchPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>

namespace kelvora {

namespace {

enum Column { Number, Name };
constexpr int EmailRole = Qt::UserRole + 1;

// Registration numbers are kept as ten digits, zero-padded on the left.
QString paddedNumber(const QString& typed)
{
    return typed.trimmed().rightJustified(10, QLatin1Char('0'));
}

} // namespace

StudentMailWindow::StudentMailWindow(MainWindow& window)
    : QDialog(&window)
    , m_window(window)
    , m_model(new QStandardItemModel(0, 2, this))
    , m_grid(new QTableView(this))
    , m_photo(new QLabel(this))
    , m_search(new SearchPanel(this))
{
    setObjectName(QStringLiteral("TFRMEMAILALUNOS"));
    setWindowTitle(QStringLiteral("E-mail para Alunos"));
    m_model->setHorizontalHeaderLabels({QStringLiteral("Matrícula"), QStringLiteral("Nome")});
    m_grid->setObjectName(QStringLiteral("DBGALUNOS"));
    m_grid->setModel(m_model);
    makeChoiceGrid(m_grid);
    m_photo->setObjectName(QStringLiteral("IMGFOTO"));
    m_photo->setFixedSize(150, 180);
    m_photo->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_photo->setAlignment(Qt::AlignCenter);

    auto* mail = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                 QStringLiteral("E-mail"), this);
    mail->setObjectName(QStringLiteral("BBNEMAIL"));
    auto* leave = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("Sair"), this);
    leave->setObjectName(QStringLiteral("BBNSAIR"));
    for (QPushButton* button : {mail, leave})
        button->setAutoDefault(false);

    auto* photoColumn = new QVBoxLayout;
    photoColumn->addWidget(new QLabel(QStringLiteral("Foto"), this));
    photoColumn->addWidget(m_photo);
    photoColumn->addStretch();
    photoColumn->addWidget(mail);
    photoColumn->addWidget(leave);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_search, 0, 0, 1, 2);
    grid->addWidget(m_grid, 1, 0);
    grid->addLayout(photoColumn, 1, 1);
    resize(620, 420);

    connect(m_search, &SearchPanel::textChanged, this, &StudentMailWindow::positionOn);
    connect(m_search, &SearchPanel::entered, this, &StudentMailWindow::chooseTyped);
    // The search is this window's only way to a student: "Cancela" starts it afresh.
    connect(m_search, &SearchPanel::cancelled, m_search, &SearchPanel::start);
    connect(m_grid, &QTableView::doubleClicked, this, &StudentMailWindow::writeToCurrent);
    connect(mail, &QPushButton::clicked, this, &StudentMailWindow::writeToCurrent);
    connect(leave, &QPushButton::clicked, this, &StudentMailWindow::reject);
    // The list is read only: nothing is inserted or deleted from here.
    KeyActions::on(m_grid, {Qt::Key_Insert, Qt::Key_Delete}, [] {});
}

StudentMailWindow::~StudentMailWindow() = default;

int StudentMailWindow::exec()
{
    if (!loadStudents())
        return Rejected;
    m_search->start();
    return QDialog::exec();
}

bool StudentMailWindow::loadStudents()
{
    try {
        m_students = std::make_unique<Companion>(
            Companion::fromSettings(m_window.ownConnection(), m_window.brandelConnection(),
                                    m_window.activeStudentsSetting()));
        QSqlQuery students = m_students->students(Companion::Order::ByName);
        while (students.next()) {
            auto* number =
                new QStandardItem(students.value(QStringLiteral("MATRICULA")).toString());
            number->setData(students.value(QStringLiteral("EMAIL")), EmailRole);
            m_model->appendRow(
                {number, new QStandardItem(students.value(QStringLiteral("NOME")).toString())});
        }
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("AlunosAtivos"));
        Messages::inform(Msg::AberturaDeTabela);
        return false;
    }
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &StudentMailWindow::showPhoto);
    m_grid->selectRow(0);
    return true;
}

void StudentMailWindow::positionOn(const QString& typed)
{
    if (typed.isEmpty())
        return;
    const bool byNumber = m_search->mode() == SearchPanel::Mode::Number;
    const QString wanted = byNumber ? paddedNumber(typed) : typed;
    const Column column = byNumber ? Number : Name;
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (m_model->item(row, column)->text().startsWith(wanted, Qt::CaseInsensitive)) {
            m_grid->selectRow(row);
            return;
        }
}

void StudentMailWindow::chooseTyped(const QString& typed)
{
    if (m_search->mode() != SearchPanel::Mode::Number)
        return;
    const QString number = paddedNumber(typed);
    m_search->setText(number);
    const QList<QStandardItem*> found = m_model->findItems(number, Qt::MatchExactly, Number);
    if (found.isEmpty()) {
        Messages::inform(Msg::MatriculaIncorreta);
        m_search->setText({});
        return;
    }
    m_grid->selectRow(found.first()->row());
}

void StudentMailWindow::showPhoto()
{
    m_photo->clear();
    const int row = m_grid->currentIndex().row();
    if (row < 0)
        return;
    QPixmap photo;
    if (photo.loadFromData(m_students->photo(m_model->item(row, Number)->text())))
        m_photo->setPixmap(
            photo.scaled(m_photo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void StudentMailWindow::writeToCurrent()
{
    const int row = m_grid->currentIndex().row();
    if (row < 0)
        return;
    const QStandardItem* number = m_model->item(row, Number);
    SendMailDialog::run(m_window.ownConnection(), number->data(EmailRole).toString(),
                        number->text(), this);
}

} // namespace kelvora

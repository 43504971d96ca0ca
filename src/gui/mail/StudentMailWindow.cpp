#include "gui/mail/StudentMailWindow.h"

#include "data/Companion.h"
#include "data/DataError.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/mail/SendMailDialog.h"
#include "gui/widgets/ChoiceGrid.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/SearchPanel.h"
#include "gui/widgets/StudentListModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvora {

namespace {

// Registration numbers are kept as ten digits, zero-padded on the left.
QString paddedNumber(const QString& typed)
{
    return typed.trimmed().rightJustified(10, QLatin1Char('0'));
}

} // namespace

StudentMailWindow::StudentMailWindow(MainWindow& window)
    : QDialog(&window)
    , m_window(window)
    , m_grid(new QTableView(this))
    , m_photo(new QLabel(this))
    , m_search(new SearchPanel(this))
{
    setObjectName(QStringLiteral("TFRMEMAILALUNOS"));
    setWindowTitle(QStringLiteral("E-mail para Alunos"));
    m_grid->setObjectName(QStringLiteral("DBGALUNOS"));
    m_photo->setObjectName(QStringLiteral("IMGFOTO"));
    m_photo->setFixedSize(150, 180);
    m_photo->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_photo->setAlignment(Qt::AlignCenter);

    QPushButton* mail =
        commandButton(this, "BBNEMAIL", QStringLiteral("E-mail"), QStyle::SP_DialogSaveButton);
    QPushButton* leave =
        commandButton(this, "BBNSAIR", QStringLiteral("Sair"), QStyle::SP_DialogCloseButton);
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
    m_search->start(); // name mode: the order the list was read in
    connect(m_search, &SearchPanel::modeChanged, this,
            [this](SearchPanel::Mode mode) { reorder(mode == SearchPanel::Mode::Number); });
    return QDialog::exec();
}

bool StudentMailWindow::loadStudents()
{
    try {
        m_students = std::make_unique<Companion>(
            Companion::fromSettings(m_window.ownConnection(), m_window.brandelConnection(),
                                    m_window.activeStudentsSetting()));
        m_model = new StudentListModel(*m_students, this);
        m_model->reload(Companion::Order::ByName);
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("AlunosAtivos"));
        Messages::inform(Msg::AberturaDeTabela);
        return false;
    }
    m_grid->setModel(m_model);
    makeChoiceGrid(m_grid);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &StudentMailWindow::showPhoto);
    m_grid->selectRow(0);
    return true;
}

void StudentMailWindow::reorder(bool byNumber)
{
    try {
        m_model->reload(byNumber ? Companion::Order::ByNumber : Companion::Order::ByName);
    } catch (const DataError& error) {
        Messages::showDataError(error);
    }
    m_grid->selectRow(0);
}

void StudentMailWindow::positionOn(const QString& typed)
{
    if (typed.isEmpty())
        return;
    const bool byNumber = m_search->mode() == SearchPanel::Mode::Number;
    const int row = m_model->firstBeginningWith(byNumber ? paddedNumber(typed) : typed);
    if (row >= 0)
        m_grid->selectRow(row);
}

void StudentMailWindow::chooseTyped(const QString& typed)
{
    if (m_search->mode() != SearchPanel::Mode::Number)
        return;
    const QString number = paddedNumber(typed);
    m_search->setText(number);
    const int row = m_model->rowOf(number);
    if (row < 0) {
        Messages::inform(Msg::MatriculaIncorreta);
        m_search->setText({});
        return;
    }
    m_grid->selectRow(row);
}

void StudentMailWindow::showPhoto()
{
    m_photo->clear();
    const int row = m_grid->currentIndex().row();
    if (row < 0)
        return;
    QPixmap photo;
    if (photo.loadFromData(m_students->photo(m_model->numberAt(row))))
        m_photo->setPixmap(
            photo.scaled(m_photo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void StudentMailWindow::writeToCurrent()
{
    const int row = m_grid->currentIndex().row();
    if (row < 0)
        return;
    const QString number = m_model->numberAt(row);
    // The address as it is now, read when it is needed.
    std::optional<QSqlRecord> student;
    try {
        student = m_students->student(number);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    SendMailDialog::run(m_window.ownConnection(),
                        student ? student->value(QStringLiteral("EMAIL")).toString() : QString(),
                        number, this);
}

} // namespace kelvora

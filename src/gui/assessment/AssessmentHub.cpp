#include "gui/assessment/AssessmentHub.h"

#include "data/AssessmentPurge.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/StoredDay.h"
#include "data/Users.h"
#include "domain/Age.h"
#include "domain/assessment/AssessmentSettings.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "domain/YesNo.h"
#include "domain/DateText.h"
#include "gui/app/MainWindow.h"
#include "gui/assessment/ProtocolChooser.h"
#include "gui/assessment/StudentPanel.h"
#include "gui/assessment/TestScreen.h"
#include "gui/bodycomp/ProtocolScreens.h"
#include "gui/reports/ReportSelectionDialog.h"
#include "gui/training/TrainingSheetDialog.h"
#include "gui/widgets/ChildWindow.h"
#include "gui/widgets/ChoiceGrid.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/JpegPicture.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/SearchPanel.h"
#include "gui/widgets/StudentListModel.h"
#include "gui/widgets/ToolButtons.h"
#include "gui/widgets/WaitCursor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlRecord>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString Choosing = QStringLiteral("Dados Clínicos");
const QString Deleting = QStringLiteral("EXCLUSÃO DE DADOS CLINICOS");
const QString Viewing = QStringLiteral("Visualizar Avaliação");

// The tests of the tool bar, button and hint.
const struct {
    const char* name;
    const char* hint;
} Tests[] = {
    {"SBEXAMEMEDICO", "Exame Médico"},
    {"SBANAMNESE", "Pessoal / Clínico  ( ANAMNESE )"},
    {"SBRISCOCARDIACO", "Teste de Risco Cardíaco"},
    {"SBMUSCULAR", "Exame Muscular em (cm) - Perimetria"},
    {"SBPOSTURAL", "Exame Postural"},
    {"SBPRESCRICAO", "Prescricão de Atividade Física"},
    {"SBFLEXTESTE", "Flex Teste"},
    {"SBABDOMINAL", "Teste Abdominal (1 minuto)"},
    {"SBFLEXAO", "Teste Flexão de Braço (1 minuto)"},
    {"SBFLEXIBILIDADE", "Flexibilidade - Banco de Wells"},
    {"SBVO2", "Vo2"},
};

} // namespace

AssessmentHub::AssessmentHub(MainWindow& window, QWidget* parent)
    : QWidget(parent)
    , m_window(window)
    , m_companion(Companion::fromSettings(window.ownConnection(), window.brandelConnection(),
                                          window.activeStudentsSetting()))
    , m_model(new StudentListModel(m_companion, this))
    , m_search(new SearchPanel(this))
    , m_grid(new QTableView(this))
    , m_photo(new QLabel(this))
    , m_fixed(new StudentPanel(this))
{
    setObjectName(QStringLiteral("TFRMCLINICO"));
    setWindowTitle(Choosing);
    m_grid->setObjectName(QStringLiteral("DBGAVALIACAO"));
    m_grid->setModel(m_model);
    makeChoiceGrid(m_grid);
    m_photo->setObjectName(QStringLiteral("IMGFOTO"));
    m_photo->setFixedSize(150, 180);
    m_photo->setFrameShape(QFrame::StyledPanel);
    m_photo->setAlignment(Qt::AlignCenter);

    m_clear = commandButton(this, "BBNCANCELAMATRICULA", QStringLiteral("Limpa"),
                            QStyle::SP_DialogResetButton);
    m_clear->setAutoDefault(false);
    m_search->findChild<QPushButton*>(QStringLiteral("BBNCANCELAP"))->hide();
    m_search->show();
    auto* searchGroup = new QGroupBox(QStringLiteral(" Consulta "), this);
    auto* searchRow = new QHBoxLayout(searchGroup);
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(m_clear);

    m_choosing = new QWidget(this);
    auto* choosing = new QGridLayout(m_choosing);
    choosing->setContentsMargins(0, 0, 0, 0);
    choosing->addWidget(searchGroup, 0, 0, 1, 2);
    choosing->addWidget(m_grid, 1, 0);
    choosing->addWidget(m_photo, 1, 1, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar());
    layout->addWidget(m_choosing, 1);
    m_fixed->hide();
    layout->addWidget(m_fixed);
    m_protocols = new ProtocolChooser(this);
    m_protocols->hide();
    layout->addWidget(m_protocols);
    layout->addStretch();

    connect(m_search, &SearchPanel::textChanged, this, &AssessmentHub::searchTyped);
    connect(m_search, &SearchPanel::entered, this, &AssessmentHub::searchEntered);
    connect(m_search, &SearchPanel::modeChanged, this, [this](SearchPanel::Mode mode) {
        try {
            m_model->reload(mode == SearchPanel::Mode::Name ? Companion::Order::ByName
                                                            : Companion::Order::ByNumber);
        } catch (const DataError& error) {
            Messages::showDataError(error);
        }
        chooseRow(0);
    });
    connect(m_fixed->confirmButton(), &QPushButton::clicked, this, &AssessmentHub::confirmDeletion);
    connect(m_fixed->otherStudentButton(), &QPushButton::clicked, this,
            &AssessmentHub::otherStudent);
    connect(m_protocols, &ProtocolChooser::chosen, this, &AssessmentHub::openProtocol);
    connect(m_clear, &QPushButton::clicked, this, &AssessmentHub::clear);
    connect(m_grid, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_model->rowCount() == 0)
            Messages::inform(Msg::TabelaVazia, QStringLiteral("Alunos"));
        else
            choose(m_model->numberAt(index.row()));
    });
    KeyActions::on(m_grid, {Qt::Key_Return}, [this] {
        if (m_model->rowCount() == 0)
            Messages::inform(Msg::TabelaVazia, QStringLiteral("Alunos"));
        else
            choose(m_model->numberAt(m_grid->currentIndex().row()));
    });
    // Bound grids ignore these keys: nothing is inserted or deleted from here.
    KeyActions::on(m_grid, {Qt::Key_Insert}, [] {});
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showPhoto(m_model->numberAt(current.row())); });
}

AssessmentHub::~AssessmentHub() = default;

QWidget* AssessmentHub::toolBar()
{
    auto* bar = new QWidget(this);
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    const struct {
        const char* caption;
        const char* name;
        QStyle::StandardPixmap icon;
        void (AssessmentHub::*command)();
    } tools[] = {
        {"Incluir", "SBINCLUIR", QStyle::SP_FileIcon, &AssessmentHub::include},
        {"Alterar", "SBALTERAR", QStyle::SP_FileDialogDetailedView, &AssessmentHub::change},
        {"Excluir", "SBEXCLUIR", QStyle::SP_TrashIcon, &AssessmentHub::remove},
        {"Visualização de Avaliações", "SBCONSULTAR", QStyle::SP_FileDialogContentsView,
         &AssessmentHub::viewAssessments},
        {"Sair", "SBSAIR", QStyle::SP_DialogCloseButton, nullptr},
    };
    for (const auto& entry : tools) {
        QToolButton* button =
            ToolButtons::add(row, QString::fromUtf8(entry.caption), entry.name, entry.icon);
        if (entry.command)
            connect(button, &QToolButton::clicked, this, entry.command);
        m_tools << button;
    }
    connect(tool("SBSAIR"), &QToolButton::clicked, this, [this] { closeChildScreen(this); });
    row->addStretch();
    // The second row: the assessment's date and what opens for it.
    row = new QHBoxLayout;
    rows->addLayout(row);

    m_datesLabel = new QLabel(QStringLiteral("Data do Exame"), bar);
    m_dates = new QComboBox(bar);
    m_dates->setObjectName(QStringLiteral("CBDATAEXAME"));
    m_dates->setMinimumWidth(110);
    m_dates->setEnabled(false);
    row->addWidget(m_datesLabel);
    row->addWidget(m_dates);
    connect(m_dates, &QComboBox::activated, this, &AssessmentHub::dateChosen);
    KeyActions::on(m_dates, {Qt::Key_Return}, [this] {
        if (m_dates->count() > 0)
            dateChosen();
    });

    QToolButton* corvun = ToolButtons::add(row, QString(), "BBNTRAINER", QStyle::SP_DriveNetIcon);
    corvun->setToolTip(QStringLiteral("Corvun"));
    connect(corvun, &QToolButton::clicked, this, &AssessmentHub::openCorvun);

    for (const auto& test : Tests) {
        QToolButton* button = ToolButtons::add(row, QString(), test.name, QStyle::SP_FileIcon);
        button->setToolTip(QString::fromUtf8(test.hint));
        button->setEnabled(false);
        // The screens of these tests are not part of the program yet; their buttons
        // stay disabled until they are.
        m_tests << button;
        connect(button, &QToolButton::clicked, this, [this] { m_protocols->hide(); });
    }
    QToolButton* body =
        ToolButtons::add(row, QString(), "SBCOMPOSICAOCORPORAL", QStyle::SP_FileDialogInfoView);
    body->setToolTip(QStringLiteral("Composição Corporal"));
    body->setEnabled(false);
    connect(body, &QToolButton::clicked, this, [this] { m_protocols->show(); });
    QToolButton* nutrition = ToolButtons::add(row, QString(), "SBNUTRICIONAL", QStyle::SP_FileIcon);
    nutrition->setToolTip(QStringLiteral("Nutricional"));
    nutrition->setEnabled(false);
    nutrition->hide();
    row->addStretch();
    return bar;
}

void AssessmentHub::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    static const char* const OpenedProperty = "opened";
    if (property(OpenedProperty).toBool())
        return;
    setProperty(OpenedProperty, true);
    if (!open()) {
        Messages::inform(Msg::AberturaDeTabela);
        QTimer::singleShot(0, this, [this] { closeChildScreen(this); });
    }
}

bool AssessmentHub::open()
{
    m_context = {};
    m_context.referenceDate = Clock::today();
    try {
        readSettings();
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Controle"));
        return false;
    }
    if (!m_companion.ownRegister()) {
        // The working day is read once: a cash register opened later counts from the
        // next opening of the hub.
        try {
            m_workingDay = m_companion.workingDay();
        } catch (const DataError&) {
            Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Caixa"));
            return false;
        }
        try {
            m_companion.periods();
        } catch (const DataError&) {
            Messages::inform(Msg::AberturaDeTabela, QStringLiteral("ControleSport"));
            return false;
        }
    }
    try {
        m_model->reload(Companion::Order::ByNumber);
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Alunos"));
        return false;
    }
    {
        const QSignalBlocker blocker(m_search); // the grid was just read in this order
        m_search->setMode(SearchPanel::Mode::Number);
    }
    chooseRow(0);
    try {
        const std::optional<QSqlRecord> user =
            Users::find(m_window.ownConnection(), m_window.userCode());
        m_mayChange = user && isSim(user->value(QStringLiteral("ALTERA_AVALIACAO")));
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Usuarios"));
    }
    m_search->field()->setFocus();
    return true;
}

void AssessmentHub::readSettings()
{
    QSqlQuery query = m_window.ownConnection().select(QStringLiteral("Moxcvar"),
                                                      QStringLiteral("SELECT * FROM Moxcvar"));
    m_settings.clear();
    if (!query.next())
        return;
    const QSqlRecord row = query.record();
    for (int i = 0; i < row.count(); ++i)
        m_settings.insert(row.fieldName(i).toUpper(), row.value(i));
}

void AssessmentHub::searchTyped(const QString& text)
{
    if (m_studentChosen)
        return;
    const int row = m_model->firstBeginningWith(text);
    if (row >= 0)
        chooseRow(row);
}

void AssessmentHub::chooseRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->scrollTo(m_model->index(row, 0));
}

void AssessmentHub::searchEntered(const QString& text)
{
    const bool byNumber = m_search->mode() == SearchPanel::Mode::Number;
    if (text.isEmpty()) {
        if (byNumber)
            Messages::inform(Msg::MatriculaNaoCadastrada);
        else
            Messages::inform(Msg::DadoIncorreto, QStringLiteral("Nome"));
        m_search->setText(QString());
        return;
    }
    if (!byNumber) {
        choose(m_model->numberAt(m_grid->currentIndex().row()));
        return;
    }
    if (m_model->rowOf(text) < 0) {
        Messages::inform(Msg::MatriculaNaoCadastrada);
        m_search->setText(QString());
        return;
    }
    choose(text);
}

void AssessmentHub::choose(const QString& number)
{
    std::optional<QSqlRecord> student;
    try {
        student = m_companion.student(number);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (!student) {
        Messages::inform(Msg::MatriculaNaoCadastrada);
        return;
    }
    m_studentChosen = true;
    const QString name = student->value(QStringLiteral("NOME")).toString();
    m_context.number = number;
    m_context.sexCode = student->value(QStringLiteral("SEXO")).toString();
    const std::optional<QDate> birth = storedDay(student->value(QStringLiteral("DATA_NASCIMENTO")));
    m_context.age = birth ? ageInYears(*birth, Clock::today()) : 0;
    m_search->setText(number + QStringLiteral(" - ") + name);
    chooseRow(m_model->rowOf(number));
    showPhoto(number);

    m_fixed->showStudent(m_context, name, student->value(QStringLiteral("PROFISSAO")).toString());
    for (const char* name : {"SBINCLUIR", "SBALTERAR", "SBEXCLUIR"})
        tool(name)->setEnabled(m_mayChange);
    tool("SBCONSULTAR")->setEnabled(true);
    tool("SBSAIR")->setEnabled(true);
    m_search->setEnabled(false);
    m_grid->setEnabled(false);
    tool("BBNTRAINER")->setEnabled(true);
}

void AssessmentHub::showPhoto(const QString& number)
{
    QByteArray jpeg;
    try {
        if (!number.isEmpty())
            jpeg = m_companion.photo(number);
    } catch (const DataError&) {
        // A photo that cannot be read is shown as no photo.
    }
    m_photo->clear();
    JpegPicture::show(m_photo, jpeg);
    m_fixed->showPhoto(jpeg);
}

bool AssessmentHub::studentChosen()
{
    if (!m_studentChosen)
        Messages::inform(Msg::EscolhaAluno);
    return m_studentChosen;
}

void AssessmentHub::include()
{
    if (!studentChosen())
        return;
    m_context.functionalRelease = m_context.medicalRelease = true;
    m_dates->clear();
    QDate day = Clock::today();
    if (!m_companion.ownRegister()) {
        if (!release()) {
            otherStudent();
            return;
        }
        if (!m_workingDay) {
            Messages::inform(Msg::FavorAbrirCaixa);
            m_dates->hide();
            m_datesLabel->hide();
            clear();
            return;
        }
        day = *m_workingDay;
    }
    m_dates->addItem(DateText::format(day));
    m_context.examDate = day;
    try {
        QSqlQuery query = m_window.ownConnection().select(
            QStringLiteral("Avaliacao"),
            QStringLiteral("SELECT MATRICULA FROM Avaliacao WHERE MATRICULA = ? AND DATAEXAME = ?"),
            {m_context.number, day});
        if (query.next()) {
            Messages::inform(Msg::DataJaCadastrada);
            m_dates->clear();
            m_dates->setEnabled(false);
            clear();
            return;
        }
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    enterMode(bodycomp::HubMode::Inclusion, QStringLiteral("INCLUSÃO DE CLÍNICO"));
    offerTests();
}

void AssessmentHub::change()
{
    if (!studentChosen())
        return;
    m_context.functionalRelease = m_context.medicalRelease = true;
    if (!listDates())
        return;
    enterMode(bodycomp::HubMode::Change, QStringLiteral("ALTERAÇÃO DE DADOS CLINICOS"));
    m_dates->setEnabled(true);
    m_dates->setFocus();
}

void AssessmentHub::remove()
{
    m_context.functionalRelease = m_context.medicalRelease = true;
    if (!m_window.checkAccess(QStringLiteral("EXCLUI_AVALIACAO"), QString()) || !studentChosen() ||
        !listDates())
        return;
    if (!Messages::ask(Msg::ContinuarExclusao)) {
        otherStudent();
        return;
    }
    enterMode(bodycomp::HubMode::Exclusion, Deleting);
    m_dates->setEnabled(true);
    m_fixed->otherStudentButton()->setFocus();
}

bool AssessmentHub::listDates()
{
    QStringList dates;
    try {
        QSqlQuery query = m_window.ownConnection().select(
            QStringLiteral("Avaliacao"),
            QStringLiteral("SELECT DATAEXAME FROM Avaliacao WHERE MATRICULA = ?"),
            {m_context.number});
        while (query.next())
            if (const std::optional<QDate> day = storedDay(query.value(0)))
                dates << DateText::format(*day);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return false;
    }
    if (dates.isEmpty()) {
        Messages::inform(Msg::NenhumResultado, QStringLiteral("Exame"));
        return false;
    }
    m_dates->clear();
    m_dates->addItems(dates);
    return true;
}

void AssessmentHub::dateChosen()
{
    const QDate day = DateText::parse(m_dates->currentText());
    if (!day.isValid()) {
        Messages::inform(Msg::DadoIncorreto, QStringLiteral("Data do Exame"));
        m_dates->setFocus();
        return;
    }
    m_context.examDate = day;
    m_dates->setEnabled(false);
    if (m_context.mode == bodycomp::HubMode::Exclusion) {
        m_fixed->confirmButton()->setEnabled(true);
        m_fixed->confirmButton()->setFocus();
        return;
    }
    offerTests();
}

void AssessmentHub::confirmDeletion()
{
    bool deleted = true;
    try {
        const WaitCursor waiting;
        deleteAssessment(m_window.ownConnection(), m_context.number, m_context.examDate);
    } catch (const DataError&) {
        deleted = false;
    }
    if (!deleted)
        Messages::inform(Msg::GravandoNaTabela, QStringLiteral("Exclusão de Avaliação"));
    backToChoosing();
    // After a deletion the user starts again from the choice of a student.
    for (QToolButton* button : std::as_const(m_tools))
        button->setEnabled(button == tool("SBSAIR"));
    if (!deleted)
        QTimer::singleShot(0, this, [this] { closeChildScreen(this); });
}

void AssessmentHub::otherStudent()
{
    // What was just recorded or changed is offered for printing; a deletion is not.
    if (windowTitle() != Deleting && m_context.functionalRelease && m_context.medicalRelease &&
        Messages::ask(Msg::VisualizarOuImprimir))
        viewAssessments();
    backToChoosing();
}

void AssessmentHub::viewAssessments()
{
    if (!studentChosen())
        return;
    m_context.examDate = QDate();
    if (!listDates())
        return;
    setWindowTitle(Viewing);
    ReportSelectionDialog::run(m_window.ownConnection(), m_companion, m_context.number, m_mayChange,
                               this);
    // Leaving the selection is "Outro Aluno": back to the choice of a student.
    backToChoosing();
}

void AssessmentHub::clear()
{
    m_context.functionalRelease = m_context.medicalRelease = true;
    disableTests();
    m_studentChosen = false;
    tool("SBSAIR")->setEnabled(true);
    m_search->setEnabled(true);
    m_grid->setEnabled(true);
    m_search->setText(QString());
    m_search->setMode(m_search->mode()); // reads the students again
    m_search->field()->setFocus();
}

void AssessmentHub::openCorvun()
{
    m_protocols->hide();
    if (!m_corvun) {
        try {
            m_corvun = Connection::fromFile(Connection::Corvun, m_window.ownConnection().folder(),
                                            QStringLiteral("Corvun.udl"));
        } catch (const ConfigError&) {
        }
    }
    if (!m_corvun || !trainingDatabaseAnswers(*m_corvun)) {
        Messages::inform(Msg::CorvunInativo);
        return;
    }
    if (!m_studentChosen) {
        Messages::inform(Msg::MatriculaIncorreta);
        return;
    }
    const std::optional<QSqlRecord> student = m_companion.student(m_context.number);
    TrainingSheetDialog dialog(
        *m_corvun, m_window.brandelConnection(), m_window.gymName(),
        {m_context.number, student ? student->value(QStringLiteral("NOME")).toString() : QString(),
         student ? storedDay(student->value(QStringLiteral("DATA_NASCIMENTO"))).value_or(QDate())
                 : QDate()},
        this);
    dialog.exec();
}

// The release of an include in companion mode: a student scheduled for the working day
// is released for what the schedule says; one not scheduled only by a user with the
// right, or by one who authorises in "Acesso Local".
bool AssessmentHub::release()
{
    Schedule schedule;
    try {
        if (m_workingDay)
            schedule = m_companion.schedule(m_context.number, *m_workingDay);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return false;
    }
    if (schedule.functional || schedule.medical) {
        m_context.functionalRelease = schedule.functional.has_value();
        m_context.medicalRelease = schedule.medical.has_value();
        m_context.referenceDate = schedule.medical.value_or(*schedule.functional);
        return true;
    }
    const auto releases = [this](const QString& code) {
        const std::optional<QSqlRecord> user = Users::find(m_window.ownConnection(), code);
        return user ? user->value(QStringLiteral("LIBERA_AVALIACAO")) : QVariant();
    };
    try {
        if (!isNao(releases(m_window.userCode())))
            return true;
        const std::optional<QString> authorizer = m_window.authorizeLocally();
        if (authorizer && isSim(releases(*authorizer)))
            return true;
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Usuarios"));
    }
    Messages::inform(Msg::AlunoSobConsulta);
    m_context.functionalRelease = m_context.medicalRelease = false;
    return false;
}

void AssessmentHub::offerTests()
{
    const assessment::OfferedTests offered =
        assessment::offeredTests(m_settings, m_context.medicalRelease, m_context.functionalRelease);
    tool("SBCOMPOSICAOCORPORAL")->setEnabled(offered.bodyComposition);
    m_protocols->offer(offered.bodyComposition ? offered.protocols : QStringList());
}

void AssessmentHub::openProtocol(const QString& choice)
{
    if (const std::unique_ptr<TestScreen> screen =
            protocolScreen(choice, m_window, m_companion, m_context))
        screen->run();
    m_protocols->unchoose();
}

void AssessmentHub::enterMode(bodycomp::HubMode mode, const QString& caption)
{
    m_context.mode = mode;
    setWindowTitle(caption);
    showChoosing(false);
    m_fixed->otherStudentButton()->setEnabled(true);
    m_dates->setEnabled(false);
    tool("BBNTRAINER")->setEnabled(false);
    for (QToolButton* button : std::as_const(m_tools))
        button->setEnabled(false);
    disableTests();
}

void AssessmentHub::backToChoosing()
{
    m_dates->clear();
    m_dates->setEnabled(false);
    m_fixed->confirmButton()->setEnabled(false);
    m_fixed->otherStudentButton()->setEnabled(false);
    setWindowTitle(Choosing);
    for (QToolButton* button : std::as_const(m_tools))
        button->setEnabled(true);
    tool("BBNTRAINER")->setEnabled(true);
    showChoosing(true);
    clear();
}

void AssessmentHub::showChoosing(bool choosing)
{
    m_choosing->setVisible(choosing);
    m_fixed->setVisible(!choosing);
    m_protocols->hide();
}

void AssessmentHub::disableTests()
{
    for (QToolButton* test : std::as_const(m_tests))
        test->setEnabled(false);
    tool("SBCOMPOSICAOCORPORAL")->setEnabled(false);
    m_protocols->disableAll();
}

QToolButton* AssessmentHub::tool(const char* name) const
{
    return findChild<QToolButton*>(QLatin1String(name));
}

} // namespace kelvora

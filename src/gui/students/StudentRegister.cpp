#include "gui/students/StudentRegister.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "domain/students/StudentRules.h"
#include "domain/YesNo.h"
#include "gui/app/MainWindow.h"
#include "gui/students/CaptureDialog.h"
#include "gui/students/StudentForm.h"
#include "gui/students/StudentGridModel.h"
#include "gui/students/StudentPrivacy.h"
#include "gui/widgets/ChildWindow.h"
#include "gui/widgets/ChoiceGrid.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/JpegPicture.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/SearchPanel.h"
#include "gui/widgets/ToolButtons.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString Alunos = QStringLiteral("Alunos");

QString captionOf(int mode)
{
    static const char* const captions[] = {"Alunos", "INCLUSÃO DE ALUNOS", "ALTERAÇÃO DE ALUNOS",
                                           "EXCLUSÃO DE ALUNOS"};
    return QString::fromUtf8(captions[mode]);
}

QPushButton* pushButton(const QString& caption, const char* name, QStyle::StandardPixmap icon,
                        QWidget* parent)
{
    auto* button = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

StudentRegister::StudentRegister(MainWindow& window, QWidget* parent)
    : QWidget(parent)
    , m_window(window)
    , m_model(new StudentGridModel(window.ownConnection(), this))
    , m_grid(new QTableView(this))
    , m_form(new StudentForm(this))
    , m_search(new SearchPanel(this))
    , m_picture(new QLabel(this))
    , m_confirm(
          pushButton(QStringLiteral("Confirma"), "BBNCONFIRMA", QStyle::SP_DialogApplyButton, this))
    , m_cancel(
          pushButton(QStringLiteral("Cancela"), "BBNCANCELA", QStyle::SP_DialogCancelButton, this))
    , m_photoButton(pushButton(QStringLiteral("Foto"), "BBNFOTO", QStyle::SP_DirOpenIcon, this))
    , m_clearPhoto(
          pushButton(QStringLiteral("Limpa"), "PNLLIMPA", QStyle::SP_DialogResetButton, this))
{
    setObjectName(QStringLiteral("TFRMALUNOS"));
    m_grid->setObjectName(QStringLiteral("DBGALUNOS"));
    m_grid->setModel(m_model);
    makeChoiceGrid(m_grid);
    m_grid->setColumnWidth(2, 90);
    m_photoButton->setToolTip(QStringLiteral("Importa Foto"));
    m_picture->setObjectName(QStringLiteral("IMGFOTO"));
    m_form->setLastStop(m_confirm);

    auto* fields = new QGroupBox(this);
    auto* fieldsLayout = new QHBoxLayout(fields);
    fieldsLayout->addWidget(m_form, 1);
    fieldsLayout->addWidget(photoPanel());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolBar());
    layout->addWidget(m_search);
    layout->addWidget(fields);
    layout->addLayout(buttons);
    layout->addWidget(m_grid, 1);
    m_grid->setMinimumHeight(8 * m_grid->verticalHeader()->defaultSectionSize());

    connect(m_confirm, &QPushButton::clicked, this, &StudentRegister::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &StudentRegister::cancel);
    connect(m_photoButton, &QPushButton::clicked, this, &StudentRegister::choosePhoto);
    connect(m_clearPhoto, &QPushButton::clicked, m_picture, &QWidget::hide);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (m_mode == Mode::Browse)
            showCurrent();
    });
    connect(m_grid, &QTableView::doubleClicked, this, [this] {
        m_search->hide();
        endSearch();
        showCurrent();
    });
    connect(m_search, &SearchPanel::modeChanged, this, [this](SearchPanel::Mode mode) {
        const QString number = currentNumber();
        try {
            m_model->reload(mode == SearchPanel::Mode::Number ? Students::Order::ByNumber
                                                              : Students::Order::ByName);
        } catch (const DataError& error) {
            Messages::showDataError(error);
        }
        select(number);
    });
    connect(m_search, &SearchPanel::textChanged, this, &StudentRegister::searchTyped);
    connect(m_search, &SearchPanel::entered, this, &StudentRegister::searchEntered);
    connect(m_search, &SearchPanel::cancelled, this, &StudentRegister::endSearch);
    setMode(Mode::Browse);
}

QWidget* StudentRegister::toolBar()
{
    return ToolButtons::bar(
        this,
        {{"Incluir", "SBINCLUIR", QStyle::SP_FileDialogNewFolder, [this] { include(); }},
         {"Alterar", "SBALTERAR", QStyle::SP_FileDialogDetailedView, [this] { change(); }},
         {"Excluir", "SBEXCLUIR", QStyle::SP_TrashIcon, [this] { remove(); }},
         {"Dossiê", "SBDOSSIE", QStyle::SP_DialogSaveButton, [this] { storeDossier(); }},
         {"Exclusão Total", "SBEXCLUSAOTOTAL", QStyle::SP_DialogDiscardButton,
          [this] { eraseAll(); }},
         {"Procura de Alunos", "SBPROCURA", QStyle::SP_FileDialogContentsView,
          [this] { startSearch(); }},
         {"Sair", "SBSAIR", QStyle::SP_DialogCloseButton, [this] { closeChildScreen(this); }}},
        &m_tools);
}

QWidget* StudentRegister::photoPanel()
{
    auto* panel = new QWidget(this);
    // The picture's frame stays in place when "Limpa" hides the picture.
    auto* frame = new QFrame(panel);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setFixedSize(154, 194);
    m_picture->setParent(frame);
    m_picture->setGeometry(frame->contentsRect());
    m_picture->setAlignment(Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_photoButton);
    buttons->addWidget(m_clearPhoto);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(frame);
    column->addLayout(buttons);
    column->addStretch();
    return panel;
}

void StudentRegister::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (!reload())
        QTimer::singleShot(0, this, [this] { closeChildScreen(this); });
}

bool StudentRegister::reload(const QString& number)
{
    const QString wanted = number.isEmpty() ? currentNumber() : number;
    try {
        m_model->reload(m_model->order());
    } catch (const OpenFailed&) {
        Messages::inform(Msg::AberturaDeTabela, Alunos);
        return false;
    }
    select(wanted);
    showCurrent();
    return true;
}

QString StudentRegister::currentNumber() const
{
    return m_model->numberAt(m_grid->currentIndex().row());
}

void StudentRegister::select(const QString& number)
{
    int row = m_model->rowOf(number);
    if (row < 0 && m_model->rowCount() > 0)
        row = qMax(0, qMin(m_grid->currentIndex().row(), m_model->rowCount() - 1));
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void StudentRegister::showCurrent()
{
    std::optional<QSqlRecord> student;
    QByteArray photo;
    try {
        if (!currentNumber().isEmpty()) {
            student = Students::find(m_window.ownConnection(), currentNumber());
            photo = Students::photo(m_window.ownConnection(), currentNumber());
        }
    } catch (const DataError& error) {
        Messages::showDataError(error);
    }
    m_form->showStudent(student.value_or(QSqlRecord()));
    JpegPicture::show(m_picture, photo);
    m_picture->setVisible(!photo.isEmpty());
}

QString StudentRegister::setting(const QString& column) const
{
    QSqlQuery query = m_window.ownConnection().select(
        QStringLiteral("Controle"), QStringLiteral("SELECT %1 FROM Moxcvar").arg(column));
    return query.next() ? query.value(0).toString() : QString();
}

void StudentRegister::setMode(Mode mode)
{
    m_mode = mode;
    const bool browsing = mode == Mode::Browse;
    const bool editing = mode == Mode::Include || mode == Mode::Change;
    setWindowTitle(captionOf(int(mode)));
    for (QToolButton* button : m_tools)
        button->setEnabled(browsing);
    m_grid->setEnabled(browsing);
    m_confirm->setEnabled(!browsing);
    m_cancel->setEnabled(!browsing);
    m_photoButton->setEnabled(editing);
    m_clearPhoto->setEnabled(editing);
    m_form->setEditable(editing, mode == Mode::Include);
}

void StudentRegister::include()
{
    if (!reload())
        return;
    const StudentRules::Student previous = m_form->student();
    m_search->hide();
    m_picture->hide();
    m_form->clear();
    m_original = QSqlRecord();
    m_photo.reset();
    setMode(Mode::Include);
    m_form->focusColumn(Students::Number);
    if (!proposeNumber())
        return;
    for (const char* column : {"ESTADO", "CIDADE"})
        m_form->setText(QLatin1String(column), previous.text(QLatin1String(column)));
    m_form->setDate(QStringLiteral("DATA_CADASTRADO"), Clock::today());
}

bool StudentRegister::proposeNumber()
{
    QString next;
    try {
        if (!isSim(setting(QStringLiteral("CODIGOSEQ"))))
            return true;
        next = StudentRules::nextNumber(Students::lastNumber(m_window.ownConnection()));
    } catch (const DataError&) {
    }
    // No number follows a last number that is not one: nothing can be included.
    if (next.isEmpty()) {
        Messages::inform(Msg::RegistroJaAlocado, Alunos);
        cancel();
        return false;
    }
    m_form->setNumber(next);
    m_form->setEditable(true, false);
    m_form->focusColumn(Students::Name);
    return true;
}

bool StudentRegister::readCurrent()
{
    std::optional<QSqlRecord> student;
    try {
        student = Students::find(m_window.ownConnection(), currentNumber());
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return false;
    }
    if (!student) { // removed by another station
        Messages::inform(Msg::RegistroJaAlocado, Alunos);
        reload();
        return false;
    }
    m_original = *student;
    m_form->showStudent(m_original);
    return true;
}

void StudentRegister::change()
{
    if (m_model->rowCount() == 0) {
        Messages::inform(Msg::TabelaVazia, QStringLiteral("ALUNOS"));
        return;
    }
    if (!readCurrent())
        return;
    m_photo.reset();
    setMode(Mode::Change);
    m_form->focusColumn(QStringLiteral("ENDERECO"));
}

void StudentRegister::remove()
{
    if (!m_window.checkAccess(QStringLiteral("C_EXCLUI_ALUNOS"), {}))
        return;
    if (m_model->rowCount() == 0) {
        Messages::inform(Msg::TabelaVazia, Alunos);
        return;
    }
    if (!readCurrent())
        return;
    setMode(Mode::Delete);
    m_cancel->setFocus();
}

bool StudentRegister::readChosen()
{
    if (m_model->rowCount() == 0) {
        Messages::inform(Msg::TabelaVazia, Alunos);
        return false;
    }
    return readCurrent();
}

void StudentRegister::storeDossier()
{
    if (readChosen())
        StudentPrivacy::storeDossier(m_window, this, m_original.value(Students::Number).toString());
}

void StudentRegister::eraseAll()
{
    if (!readChosen())
        return;
    if (StudentPrivacy::erase(m_window, m_original.value(Students::Number).toString(),
                              m_original.value(Students::Name).toString()))
        reload();
}

void StudentRegister::confirm()
{
    if (m_mode != Mode::Delete) {
        if (const auto refusal = StudentRules::check(m_form->student())) {
            Messages::inform(refusal->text, refusal->detail);
            m_form->focusColumn(refusal->column);
            return;
        }
        m_form->setNumber(StudentRules::paddedNumber(m_form->number()));
    }
    const QString number =
        m_mode == Mode::Delete ? m_original.value(Students::Number).toString() : m_form->number();
    if (!write())
        return;
    setMode(Mode::Browse);
    reload(number);
}

bool StudentRegister::write()
{
    Connection& own = m_window.ownConnection();
    try {
        if (m_mode == Mode::Include)
            Students::include(own, m_form->values(), m_photo);
        else if (m_mode == Mode::Change)
            Students::change(own, m_original, m_form->changesFrom(m_original), m_photo);
        else
            Students::remove(own, m_original);
        return true;
    } catch (const RowHeld&) {
        if (m_mode == Mode::Include) {
            // Another station took the number first: the student gets another one.
            Messages::inform(Msg::RegistroJaAlocado,
                             QStringLiteral("Matrícula %1 já cadastrada").arg(m_form->number()));
            m_form->setNumber({});
            m_form->setEditable(true, true);
            m_form->focusColumn(Students::Number);
            proposeNumber();
            return false;
        }
        // Changed or removed by another station: shown as it now is.
        Messages::inform(Msg::RegistroJaAlocado, Alunos);
        setMode(Mode::Browse);
        reload();
    } catch (const DataError& error) {
        Messages::inform(Msg::GravandoNaTabela, error.table());
        closeChildScreen(this);
    }
    return false;
}

void StudentRegister::cancel()
{
    m_search->hide();
    setMode(Mode::Browse);
    reload();
}

void StudentRegister::choosePhoto()
{
    QByteArray jpeg;
    try {
        jpeg = isSim(setting(QStringLiteral("CAPTURA_WEB"))) ? photoFromCamera() : photoFromFile();
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (jpeg.isEmpty())
        return;
    m_photo = jpeg;
    JpegPicture::show(m_picture, jpeg);
    m_picture->show();
}

QByteArray StudentRegister::photoFromCamera()
{
    if (!StudentRules::isAcceptableNumber(m_form->number())) {
        Messages::inform(Msg::MatriculaIncorreta);
        m_form->setNumber({});
        return {};
    }
    m_form->setNumber(StudentRules::paddedNumber(m_form->number()));
    CaptureDialog capture(0, this);
    capture.exec();
    return capture.picture();
}

QByteArray StudentRegister::photoFromFile()
{
    const QString fileName = FileDialogs::openFileName(
        this, QStringLiteral("Foto do aluno"), {},
        QStringLiteral("All (*.jpg *.jpeg);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;"
                       "Outras imagens (*.png *.bmp *.gif)"));
    if (fileName.isEmpty())
        return {};
    const QByteArray jpeg = JpegPicture::fromFile(fileName);
    if (jpeg.isEmpty())
        Messages::inform(Msg::DadoIncorreto,
                         QStringLiteral("O arquivo %1 não é uma imagem").arg(fileName));
    return jpeg;
}

void StudentRegister::startSearch()
{
    for (QToolButton* button : m_tools)
        button->setEnabled(false);
    m_searched.clear();
    m_search->start();
}

void StudentRegister::searchTyped(const QString& text)
{
    if (text.isEmpty())
        return;
    const bool byNumber = m_search->mode() == SearchPanel::Mode::Number;
    const QString wanted = byNumber ? StudentRules::paddedNumber(text) : text;
    std::optional<QString> found;
    try {
        found = Students::firstBeginningWith(
            m_window.ownConnection(),
            byNumber ? Students::Order::ByNumber : Students::Order::ByName, wanted);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (found)
        select(*found);
    m_searched = byNumber ? wanted : found.value_or(QString());
}

void StudentRegister::searchEntered(const QString& text)
{
    if (text.isEmpty()) {
        if (m_search->mode() == SearchPanel::Mode::Number)
            Messages::inform(Msg::MatriculaIncorreta);
        else
            Messages::inform(Msg::DadoIncorreto, QStringLiteral("Nome"));
        return;
    }
    std::optional<QSqlRecord> student;
    try {
        if (!m_searched.isEmpty())
            student = Students::find(m_window.ownConnection(), m_searched);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (!student) {
        Messages::inform(Msg::MatriculaNaoCadastrada);
        m_search->field()->clear();
        return;
    }
    const QString number = student->value(Students::Number).toString();
    m_search->setText(number + QStringLiteral(" - ") + student->value(Students::Name).toString());
    select(number);
    showCurrent();
    m_search->hide();
    endSearch();
}

void StudentRegister::endSearch()
{
    for (QToolButton* button : m_tools)
        button->setEnabled(m_mode == Mode::Browse);
}

} // namespace kelvora

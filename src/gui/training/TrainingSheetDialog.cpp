#include "gui/training/TrainingSheetDialog.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/TrainingSheet.h"
#include "domain/Age.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "gui/reports/ReportPreview.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/WaitCursor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace kelvora {

namespace {

QLabel* value(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumWidth(90);
    return label;
}

} // namespace

TrainingSheetDialog::TrainingSheetDialog(Connection& corvun, Connection& brandel, QString gymName,
                                         Student student, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_corvun(corvun)
    , m_brandel(brandel)
    , m_gymName(std::move(gymName))
    , m_student(std::move(student))
    , m_routine(new QComboBox(this))
{
    setObjectName(QStringLiteral("TFRMTRAINER"));
    setWindowTitle(report::TrainingSheetReport::Title);
    m_routine->setObjectName(QStringLiteral("CBTREINO"));
    m_routine->addItems({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                         QStringLiteral("D"), QStringLiteral("E")});

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Matrícula"), value(m_student.number, "LBLMATRICULA", this));
    form->addRow(QStringLiteral("Nome"), value(m_student.name, "LBLNOME", this));
    form->addRow(QStringLiteral("Idade"),
                 value(m_student.birth.isValid()
                           ? QString::number(ageInYears(m_student.birth, Clock::today()))
                           : QString(),
                       "LBLIDADE", this));
    form->addRow(QStringLiteral("Treino"), m_routine);

    QPushButton* confirm = commandButton(this, "BBNCONFIRMA", QStringLiteral("Confirma"),
                                         QStyle::SP_DialogApplyButton);
    QPushButton* cancel =
        commandButton(this, "BBNCANCELA", QStringLiteral("Cancela"), QStyle::SP_DialogCancelButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(confirm, &QPushButton::clicked, this, &TrainingSheetDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TrainingSheetDialog::exec()
{
    try {
        m_corvun.select(QStringLiteral("Wufvar"), QStringLiteral("SELECT ACADEMIA FROM Wufvar"));
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Wufvar"));
        Messages::inform(Msg::AberturaDeTabela);
        return Rejected;
    }
    return QDialog::exec();
}

void TrainingSheetDialog::confirm()
{
    const QString routine = m_routine->currentText();
    std::optional<TrainingSheet> sheet;
    try {
        const WaitCursor waiting;
        sheet = TrainingSheet::read(m_corvun, m_brandel, m_student.number, routine);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (!sheet) {
        Messages::inform(Msg::DadoIncorreto, TrainingSheet::noExercises(routine));
        return;
    }
    ReportPreview preview(
        report::TrainingSheetReport::build(m_gymName, {m_student.number, m_student.name}, *sheet),
        this);
    preview.setWindowState(Qt::WindowMaximized);
    preview.exec();
}

} // namespace kelvora

#include "gui/assessment/StudentPanel.h"

#include "gui/assessment/AssessmentContext.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/JpegPicture.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace kelvora {

namespace {

QLabel* shownValue(const char* objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(120);
    return label;
}

} // namespace

StudentPanel::StudentPanel(QWidget* parent)
    : QGroupBox(parent)
    , m_name(shownValue("LBLNOME", this))
    , m_number(shownValue("LBLMATRICULA", this))
    , m_sex(shownValue("LBLSEXO", this))
    , m_age(shownValue("LBLIDADE", this))
    , m_occupation(shownValue("LBLPROFISSAO", this))
    , m_photo(new QLabel(this))
    , m_confirm(commandButton(this, "BBNCONFIRMA", QString(), QStyle::SP_DialogApplyButton))
    , m_other(commandButton(this, "BBNCANCELA", QString(), QStyle::SP_ArrowBack))
{
    setObjectName(QStringLiteral("PNLFIXO"));
    auto* grid = new QGridLayout(this);
    const struct {
        const char* caption;
        QLabel* shown;
    } rows[] = {{"Nome", m_name},
                {"Matrícula", m_number},
                {"Sexo", m_sex},
                {"Idade", m_age},
                {"Profissão", m_occupation}};
    int at = 0;
    for (const auto& row : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(row.caption), this), at, 0);
        grid->addWidget(row.shown, at++, 1);
    }
    m_photo->setFixedSize(120, 144);
    m_photo->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(m_photo, 0, 2, at, 1, Qt::AlignTop);
    m_confirm->setToolTip(QStringLiteral("Confirma Exclusão"));
    m_other->setToolTip(QStringLiteral("Outro Aluno"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_confirm, m_other}) {
        button->setAutoDefault(false);
        button->setEnabled(false);
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, at, 0, 1, 3);
}

void StudentPanel::showStudent(const AssessmentContext& context, const QString& name,
                               const QString& occupation)
{
    m_name->setText(name);
    m_number->setText(context.number);
    m_sex->setText(context.sexCaption());
    m_age->setText(context.ageCaption());
    m_occupation->setText(occupation);
}

void StudentPanel::showPhoto(const QByteArray& jpeg)
{
    m_photo->clear();
    JpegPicture::show(m_photo, jpeg);
}

} // namespace kelvora

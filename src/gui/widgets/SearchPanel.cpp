#include "gui/widgets/SearchPanel.h"

#include "gui/widgets/KeyActions.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>

namespace kelvora {

namespace {

QPushButton* modePanel(const QString& caption, const char* name, QWidget* parent)
{
    auto* panel = new QPushButton(caption, parent);
    panel->setObjectName(QLatin1String(name));
    panel->setAutoDefault(false);
    panel->setFocusPolicy(Qt::NoFocus);
    return panel;
}

} // namespace

SearchPanel::SearchPanel(QWidget* parent)
    : QFrame(parent)
    , m_field(new QLineEdit(this))
    , m_number(modePanel(QStringLiteral("Matrícula"), "PNLMATRICULA", this))
    , m_name(modePanel(QStringLiteral("Nome"), "PNLNOME", this))
{
    setObjectName(QStringLiteral("PNLPROCURA"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_field->setObjectName(QStringLiteral("EDTMATRICULA"));
    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   QStringLiteral("Cancela"), this);
    cancel->setObjectName(QStringLiteral("BBNCANCELAP"));
    cancel->setAutoDefault(false);

    auto* row = new QHBoxLayout(this);
    row->addWidget(m_number);
    row->addWidget(m_name);
    row->addWidget(m_field, 1);
    row->addWidget(cancel);

    connect(m_number, &QPushButton::clicked, this, [this] { setMode(Mode::Number); });
    connect(m_name, &QPushButton::clicked, this, [this] { setMode(Mode::Name); });
    connect(m_field, &QLineEdit::textChanged, this, &SearchPanel::textChanged);
    connect(cancel, &QPushButton::clicked, this, [this] {
        hide();
        emit cancelled();
    });
    KeyActions::on(m_field, {Qt::Key_Return}, [this] { emit entered(m_field->text()); });
    setMode(Mode::Name);
    hide();
}

void SearchPanel::start()
{
    show();
    setMode(Mode::Name);
}

void SearchPanel::setMode(Mode mode)
{
    m_mode = mode;
    // Registration numbers are digits; names are letters, accented ones too (DÉBORA).
    const bool number = mode == Mode::Number;
    m_field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(number ? QStringLiteral("[0-9 ]*") : QStringLiteral("[\\p{L} ]*")),
        m_field));
    m_field->setMaxLength(number ? 10 : 35);
    m_field->clear();
    m_field->setFocus();
    paintModes();
    emit modeChanged(mode);
}

QString SearchPanel::text() const
{
    return m_field->text();
}

void SearchPanel::setText(const QString& text)
{
    const QSignalBlocker quiet(m_field);
    // A found student's "number - name" is shown, not searched.
    m_field->setValidator(nullptr);
    m_field->setMaxLength(32767);
    m_field->setText(text);
}

void SearchPanel::paintModes()
{
    const QString active = QStringLiteral("background-color: #2e8b3d; color: white;");
    const QString inactive = QStringLiteral("background-color: #b3261e; color: white;");
    m_number->setStyleSheet(m_mode == Mode::Number ? active : inactive);
    m_name->setStyleSheet(m_mode == Mode::Name ? active : inactive);
}

} // namespace kelvora

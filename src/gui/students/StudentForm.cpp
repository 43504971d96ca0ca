#include "gui/students/StudentForm.h"

#include "data/Schema.h"
#include "data/Students.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/ChoiceBox.h"
#include "gui/widgets/DateField.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/TextInput.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace kelvora {

namespace {

const QString Number = QStringLiteral("MATRICULA");
const QString Sex = QStringLiteral("SEXO");
const QString State = QStringLiteral("ESTADO");
const QString Cep = QStringLiteral("CEP");
const QString Email = QStringLiteral("EMAIL");
// "Identidade" and "CPF" left with only the blanks of an old mask count as empty.
const QString BlankDocument = QStringLiteral("         -  ");

// The fields in Enter order: column, label, and the detail of "Dado INCORRETO !" when
// Enter leaves it empty (none: it may stay empty).
struct FieldRule {
    const char* column;
    const char* label;
    const char* required;
};
const FieldRule Fields[] = {
    {"MATRICULA", "Matrícula", nullptr},
    {"NOME", "Nome", "Nome"},
    {"SEXO", "Sexo ( M/F )", "Sexo"},
    {"ENDERECO", "Endereço", "Endereço"},
    {"BAIRRO", "Bairro", "Bairro"},
    {"CIDADE", "Cidade", "Cidade"},
    {"ESTADO", "Estado", "Estado"},
    {"CEP", "CEP", nullptr},
    {"DATA_NASCIMENTO", "Nascido ", nullptr},
    {"IDENTIDADE", "Identidade", nullptr},
    {"CPF", "CPF", nullptr},
    {"TELEFONE", "Telefone Res.", nullptr},
    {"TELEFONECOM", "Telefone Com.", nullptr},
    {"TELEFONE_CELULAR", "Tel.: Celular", nullptr},
    {"RADIO", "Radio", nullptr},
    {"PROFISSAO", "Profissão", nullptr},
    {"RESPONSAVEL", "Responsável", nullptr},
    {"DATA_CADASTRADO", "Cadastrado", nullptr},
    {"SAIDA", "Saída", nullptr},
    {"EMAIL", "E-mail", nullptr},
    {"DATA_MEDICA", "Médica", nullptr},
    {"DATA_FUNCIONAL", "Funcional", nullptr},
};

const Table& students()
{
    return Schema::ownTable(Students::Table);
}

bool isDate(const QString& column)
{
    return students().column(column)->type == ColumnType::Date;
}

QVariant dateValue(const DateEntry& entry)
{
    return entry.filled ? QVariant(entry.date) : QVariant(QMetaType::fromType<QDate>());
}

void acceptOnly(QLineEdit* edit, const QString& pattern)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

} // namespace

StudentForm::StudentForm(QWidget* parent)
    : QWidget(parent)
{
    build();
}

QLineEdit* StudentForm::addText(const QString& column)
{
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(students().column(column)->length);
    if (column == Email)
        TextInput::forceLowerCase(edit);
    else
        TextInput::forceUpperCase(edit);
    m_texts.insert(column, edit);
    return edit;
}

void StudentForm::build()
{
    for (const FieldRule& rule : Fields) {
        const QString column = QLatin1String(rule.column);
        QWidget* field = nullptr;
        if (column == State) {
            m_state = new ChoiceBox(StudentRules::states(), this);
            field = m_state;
        } else if (isDate(column)) {
            auto* date = new DateField(this);
            m_dates.insert(column, date);
            field = date;
        } else {
            field = addText(column);
        }
        field->setObjectName(QStringLiteral("DBEDT") + column);
        m_fields.insert(column, field);
        m_order << field;
    }
    acceptOnly(m_texts.value(Number), QStringLiteral("\\d*"));
    TextInput::forceUpperCase(m_texts.value(Sex), QStringLiteral("[MF ]?"));
    m_texts.value(Cep)->setInputMask(QStringLiteral("00000-000;_"));
    for (const char* column : {"CEP", "IDENTIDADE", "CPF"}) {
        QLineEdit* edit = m_texts.value(QLatin1String(column));
        KeyActions::on(edit, {Qt::Key_Backspace}, [edit] { edit->clear(); });
    }
    layOut();

    for (int i = 0; i < m_order.size(); ++i) {
        const QString column = QLatin1String(Fields[i].column);
        KeyActions::on(m_order.at(i), {Qt::Key_Return}, [this, column, i] {
            if (!accepted(column))
                return;
            if (i + 1 < m_order.size())
                m_order.at(i + 1)->setFocus();
            else if (m_lastStop)
                m_lastStop->setFocus();
        });
    }
}

// Two columns of labelled fields in Enter order, down the first column, then the second.
void StudentForm::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    const int half = (int(std::size(Fields)) + 1) / 2;
    for (int i = 0; i < int(std::size(Fields)); ++i) {
        const int row = i % half;
        const int pair = i / half * 2;
        auto* label = new QLabel(QString::fromUtf8(Fields[i].label), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QWidget* field = m_order.at(i);
        label->setBuddy(field);
        grid->addWidget(label, row, pair);
        grid->addWidget(field, row, pair + 1);
        // Each field as wide as its column, up to the width of a long name.
        if (auto* edit = qobject_cast<QLineEdit*>(field);
            edit && !m_dates.contains(QLatin1String(Fields[i].column)))
            edit->setMinimumWidth(
                edit->fontMetrics().averageCharWidth() * qMin(edit->maxLength(), 30) + 16);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(half, 1);
}

void StudentForm::setLastStop(QWidget* widget)
{
    m_lastStop = widget;
}

bool StudentForm::accepted(const QString& column)
{
    const auto refuse = [this, column](const QString& text, const QString& detail, bool clear) {
        Messages::inform(text, detail);
        if (clear)
            m_texts.value(column)->clear();
        fieldOf(column)->setFocus();
        return false;
    };
    if (column == Number && !StudentRules::isAcceptableNumber(number()))
        return refuse(Msg::MatriculaIncorreta, {}, true);
    for (const FieldRule& rule : Fields)
        if (rule.required && column == QLatin1String(rule.column) &&
            student().text(column).trimmed().isEmpty())
            return refuse(Msg::DadoIncorreto, QString::fromUtf8(rule.required), false);
    if (column == Cep && !StudentRules::isCompleteCep(m_texts.value(Cep)->text()))
        return refuse(Msg::DadoIncorreto, QStringLiteral("CEP"), false);
    if (column == QLatin1String("IDENTIDADE") || column == QLatin1String("CPF")) {
        const QString text = m_texts.value(column)->text();
        if (text != BlankDocument && text.contains(QLatin1Char(' ')))
            return refuse(Msg::DadoIncorreto,
                          column == QLatin1String("CPF") ? column : QStringLiteral("Identidade"),
                          true);
    }
    return true;
}

void StudentForm::showStudent(const QSqlRecord& student)
{
    for (const FieldRule& rule : Fields) {
        const QString column = QLatin1String(rule.column);
        if (isDate(column))
            setDate(column, student.value(column).toDate());
        else
            setText(column, student.value(column).toString());
    }
}

void StudentForm::clear()
{
    showStudent(QSqlRecord());
}

void StudentForm::setEditable(bool fields, bool number)
{
    for (QWidget* field : m_order)
        field->setEnabled(fields);
    fieldOf(Number)->setEnabled(number);
}

QString StudentForm::number() const
{
    return m_texts.value(Number)->text();
}

void StudentForm::setNumber(const QString& number)
{
    setText(Number, number);
}

void StudentForm::setText(const QString& column, const QString& text)
{
    if (column == State) {
        m_state->showValue(text);
        return;
    }
    QLineEdit* edit = m_texts.value(column);
    edit->setText(text);
    // An empty mask is typed from its start, not from after the last blank.
    if (text.isEmpty())
        edit->setCursorPosition(0);
}

void StudentForm::setDate(const QString& column, const QDate& date)
{
    m_dates.value(column)->setDate(date);
}

StudentRules::Student StudentForm::student() const
{
    StudentRules::Student student;
    for (const FieldRule& rule : Fields) {
        const QString column = QLatin1String(rule.column);
        if (auto* date = m_dates.value(column))
            student.dates.insert(column, date->entry());
        else if (column == State)
            student.texts.insert(column, m_state->hasChoice() ? m_state->currentText() : QString());
        else
            student.texts.insert(column, m_texts.value(column)->text());
    }
    // The mask's literal alone is no CEP.
    if (student.texts.value(Cep) == QLatin1String("-"))
        student.texts.insert(Cep, QString());
    return student;
}

ColumnValues StudentForm::values() const
{
    const StudentRules::Student typed = student();
    ColumnValues values;
    for (const FieldRule& rule : Fields) {
        const QString column = QLatin1String(rule.column);
        values.append({column, isDate(column) ? dateValue(typed.date(column))
                                              : QVariant(typed.text(column))});
    }
    return values;
}

ColumnValues StudentForm::changesFrom(const QSqlRecord& original) const
{
    ColumnValues changes;
    for (const auto& [column, value] : values()) {
        const QVariant before = original.value(column);
        const bool same = isDate(column) ? before.toDate() == value.toDate()
                                         : before.toString() == value.toString();
        if (!same)
            changes.append({column, value});
    }
    return changes;
}

void StudentForm::focusColumn(const QString& column)
{
    if (QWidget* field = fieldOf(column))
        field->setFocus();
}

} // namespace kelvora

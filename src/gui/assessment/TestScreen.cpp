#include "gui/assessment/TestScreen.h"

#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "domain/bodycomp/Decimal.h"
#include "domain/bodycomp/Texts.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NumberFields.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSqlField>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString Avaliacao = QStringLiteral("Avaliacao");
const QString Matricula = QStringLiteral("MATRICULA");
const QString Id = QStringLiteral("ID");

QString dateColumnOf(const QString& table)
{
    for (const AssessmentTable& assessment : Schema::assessmentTables())
        if (assessment.table == table)
            return assessment.dateColumn;
    return QStringLiteral("DATAEXAME");
}

// The text a field shows for a stored value: reals in their shortest form with the
// decimal comma ("80", "13,62").
QString fieldText(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        const auto decimal = bodycomp::Decimal::parse(QString::number(value.toDouble(), 'g', 12));
        return decimal ? decimal->toText() : QString();
    }
    return value.toString();
}

QHash<QString, QVariant> valuesOf(const QSqlRecord& record)
{
    QHash<QString, QVariant> values;
    for (int i = 0; i < record.count(); ++i)
        values.insert(record.fieldName(i).toUpper(), record.value(i));
    return values;
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return fieldText(a) == fieldText(b);
}

// Inserts `values` as a new row, or writes what changed since `stored` was read; a row
// that another station changed or created meanwhile is refused with RowHeld.
void writeRow(Connection& own, const QString& table, const QHash<QString, QVariant>& values,
              const std::optional<QSqlRecord>& stored)
{
    ColumnValues columns;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key() == Id)
            continue;
        if (stored ? !sameValue(stored->value(it.key()), it.value()) : !it.value().isNull())
            columns << qMakePair(it.key(), it.value());
    }
    if (stored)
        Rows::update(own, table, {Id}, *stored, columns);
    else
        Rows::insert(own, table, columns);
}

} // namespace

TestScreen::TestScreen(MainWindow& window, Companion& companion, const AssessmentContext& context,
                       const char* objectName, const QString& caption, QString resultTable)
    : QDialog(&window)
    , m_window(window)
    , m_companion(companion)
    , m_context(context)
    , m_table(std::move(resultTable))
    , m_dateColumn(dateColumnOf(m_table))
    , m_body(new QWidget(this))
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_body);
    m_commands = new QHBoxLayout;
    m_commands->addStretch();
    m_confirm = commandButton(this, "BBNCONFIRMA", QStringLiteral("Confirma"),
                              QStyle::SP_DialogApplyButton);
    m_cancel =
        commandButton(this, "BBNCANCELA", QStringLiteral("Cancela"), QStyle::SP_DialogCancelButton);
    m_confirm->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    m_commands->addWidget(m_confirm);
    m_commands->addWidget(m_cancel);
    layout->addLayout(m_commands);
    connect(m_confirm, &QPushButton::clicked, this, &TestScreen::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TestScreen::start()
{
    if (!admitsAge() || !readRows())
        return false;
    showRow();
    rowShown();
    if (holdsResult())
        showHeldResult();
    if (!m_bindings.isEmpty())
        m_bindings.first().field->setFocus();
    return true;
}

void TestScreen::run()
{
    if (start())
        exec();
}

bool TestScreen::admitsAge() const
{
    const std::optional<bodycomp::AgeRule> rule = ageRule();
    if (!rule || rule->admits(m_context.age))
        return true;
    if (rule->kind == bodycomp::AgeRule::Kind::Hard) {
        Messages::inform(Msg::IdadeNaoConsiderada, rule->detail());
        return false;
    }
    return Messages::ask(Msg::IdadeNaoConsiderada, rule->detail());
}

bool TestScreen::readRows()
{
    Connection& own = m_window.ownConnection();
    const auto readOne = [&](const QString& table, const QString& columns,
                             const QString& dateColumn) -> std::optional<QSqlRecord> {
        QSqlQuery query =
            own.select(table,
                       QStringLiteral("SELECT %1 FROM %2 WHERE MATRICULA = ? AND %3 = ?")
                           .arg(columns, Schema::identifier(table), dateColumn),
                       {m_context.number, m_context.examDate});
        if (!query.next())
            return std::nullopt;
        return query.record();
    };
    try {
        m_companion.student(m_context.number);
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Alunos"));
        return false;
    }
    try {
        m_stored = readOne(m_table, QStringLiteral("*"), m_dateColumn);
        m_storedHeader = readOne(
            Avaliacao, QStringLiteral("ID, MATRICULA, DATAEXAME, USUARIO, A_PESO, A_ALTURA"),
            QStringLiteral("DATAEXAME"));
        openReferenceTables();
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return false;
    }
    m_header = m_storedHeader ? valuesOf(*m_storedHeader) : QHash<QString, QVariant>();
    m_row = m_stored ? valuesOf(*m_stored)
                     : QHash<QString, QVariant>{{Matricula, m_context.number},
                                                {m_dateColumn, m_context.examDate}};
    prepareRow();
    return true;
}

void TestScreen::showRow()
{
    for (const Binding& binding : std::as_const(m_bindings))
        binding.field->setText(fieldText(value(binding.column)));
}

void TestScreen::takeFields()
{
    const Table& table = Schema::ownTable(m_table);
    for (const Binding& binding : std::as_const(m_bindings)) {
        const QString text = binding.field->text();
        const Column* column = table.column(binding.column);
        if (column && column->type == ColumnType::Real) {
            const auto decimal = bodycomp::Decimal::parse(text);
            setValue(binding.column, decimal ? QVariant(decimal->toDouble()) : QVariant());
        } else {
            setValue(binding.column, text.isEmpty() ? QVariant() : QVariant(text));
        }
    }
}

void TestScreen::setValue(const QString& column, const QVariant& value)
{
    m_row.insert(column.toUpper(), value);
}

QString TestScreen::valueText(const QString& column) const
{
    return fieldText(value(column));
}

QVariant TestScreen::headerValue(const QString& column) const
{
    return m_header.value(column.toUpper());
}

void TestScreen::setHeaderValue(const QString& column, const QVariant& value)
{
    m_header.insert(column.toUpper(), value);
}

QPushButton* TestScreen::addCommand(const char* objectName, const QString& hint,
                                    QStyle::StandardPixmap icon)
{
    QPushButton* button = commandButton(this, objectName, QString(), icon);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    m_commands->insertWidget(m_commands->count() - 2, button);
    return button;
}

QLineEdit* TestScreen::bind(QLineEdit* field, const char* objectName, const QString& column)
{
    field->setObjectName(QLatin1String(objectName));
    m_bindings.append({field, column.toUpper()});
    return field;
}

QLineEdit* TestScreen::measureField(const char* objectName, const QString& column)
{
    return bind(new MeasureField(m_body), objectName, column);
}

QLineEdit* TestScreen::wholeNumberField(const char* objectName, const QString& column,
                                        int maxLength)
{
    return bind(kelvora::wholeNumberField(m_body, maxLength), objectName, column);
}

QLineEdit* TestScreen::fieldOf(const QString& column) const
{
    for (const Binding& binding : m_bindings)
        if (binding.column == column.toUpper())
            return binding.field;
    return nullptr;
}

bodycomp::FieldTexts TestScreen::fieldTexts()
{
    takeFields();
    bodycomp::FieldTexts texts;
    for (auto it = m_row.cbegin(); it != m_row.cend(); ++it)
        texts.insert(it.key(), fieldText(it.value()));
    // What a field holds counts as typed, also a text that is no number yet ("80,").
    for (const Binding& binding : std::as_const(m_bindings))
        texts.insert(binding.column, binding.field->text());
    return texts;
}

void TestScreen::whenEntered(QLineEdit* field, std::function<void()> action)
{
    KeyActions::on(field, {Qt::Key_Return}, [field, action = std::move(action)] {
        if (field->text().isEmpty()) {
            Messages::inform(Msg::DadoIncorreto, bodycomp::Text::Valor);
            field->setFocus();
            return;
        }
        action();
    });
}

void TestScreen::enterMovesAlong(const QList<QWidget*>& order)
{
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order.at(i + 1);
        auto* field = qobject_cast<QLineEdit*>(order.at(i));
        if (field)
            whenEntered(field, [next] { next->setFocus(); });
        else
            KeyActions::on(order.at(i), {Qt::Key_Return}, [next] { next->setFocus(); });
    }
}

void TestScreen::refuse(const bodycomp::Refused& refused)
{
    Messages::inform(refused.message(), refused.detail());
    if (QLineEdit* field = fieldOf(refused.field()))
        field->setFocus();
}

bool TestScreen::calculate()
{
    try {
        compute();
    } catch (const bodycomp::Refused& refused) {
        refuse(refused);
        return false;
    }
    m_computed = true;
    return true;
}

void TestScreen::confirm()
{
    // Results are stored only as computed from what the fields hold now: an input
    // changed after the last computation is computed again, or refused.
    takeFields();
    if (m_computed && !calculate())
        return;
    if (!m_storedHeader) {
        setHeaderValue(Matricula, m_context.number);
        setHeaderValue(QStringLiteral("DATAEXAME"), m_context.examDate);
    }
    setValue(Matricula, m_context.number);
    completeRows();
    setHeaderValue(QStringLiteral("USUARIO"), m_window.userCode());
    try {
        if (m_context.recordsNewAssessment()) {
            m_companion.recordAssessment(AssessmentDate::Functional, m_context.number,
                                         m_context.examDate, [this] { writeRows(); });
        } else {
            Transaction transaction(m_window.ownConnection(), m_table);
            writeRows();
            transaction.commit();
        }
    } catch (const RowHeld& held) {
        // Another station recorded this assessment meanwhile; its rows stay as they are.
        Messages::showDataError(held);
        reject();
        return;
    } catch (const DataError&) {
        Messages::inform(Msg::GravandoNaTabela, m_table);
        reject();
        return;
    }
    accept();
}

void TestScreen::writeRows()
{
    Connection& own = m_window.ownConnection();
    writeRow(own, m_table, m_row, m_stored);
    writeRow(own, Avaliacao, m_header, m_storedHeader);
}

} // namespace kelvora

#include "data/AssessmentRecord.h"

#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Schema.h"
#include "data/StoredDay.h"
#include "domain/Age.h"
#include "domain/Clock.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace kelvora {

namespace {

using reportpages::PageBox;
using Row = AssessmentRecord::Row;

const QString Exame = QStringLiteral("Exame");
const QString Corporal = QStringLiteral("Corporal");
const QString Muscular = QStringLiteral("Muscular");
const QString Avaliacao = QStringLiteral("Avaliacao");

// The comparisons chart at most this many assessments.
constexpr int HistoryLength = 6;

Row rowOf(const QSqlRecord& record)
{
    Row row;
    for (int i = 0; i < record.count(); ++i)
        row.insert(record.fieldName(i).toUpper(), record.value(i));
    return row;
}

QList<Row> rowsOf(QSqlQuery& query)
{
    QList<Row> rows;
    while (query.next())
        rows.append(rowOf(query.record()));
    return rows;
}

// The statement that reads the rows of one assessment table for a student and a
// day. The day is a range, [day, next day), so that a date kept with a time of day
// still belongs to its day.
QString assessmentRows(const AssessmentTable& table)
{
    if (table.table == Exame)
        return QStringLiteral("SELECT P.DESCRICAO, E.* FROM Exame E JOIN Postural P "
                              "ON P.POSTURAL = E.POSTURAL "
                              "WHERE E.MATRICULA = ? AND E.DATA >= ? AND E.DATA < ? "
                              "ORDER BY E.ORDEM");
    const QString order =
        table.dateColumn == QLatin1String("DATA") ? QStringLiteral(" ORDER BY TEMPO") : QString();
    return QStringLiteral("SELECT * FROM %1 WHERE MATRICULA = ? AND %2 >= ? AND %2 < ?%3")
        .arg(table.table, table.dateColumn, order);
}

// The table whose row a test's page prints.
const QHash<PageBox, QString>& pageTables()
{
    static const QHash<PageBox, QString> tables{
        {PageBox::Medical, QStringLiteral("Anamnese")},
        {PageBox::Prescription, QStringLiteral("Prescricao")},
        {PageBox::Anamnesis, QStringLiteral("Anamnese")},
        {PageBox::CardiacRisk, QStringLiteral("Cardiaco")},
        {PageBox::Perimetry, Muscular},
        {PageBox::PosturalFrontBack, Exame},
        {PageBox::PosturalSides, Exame},
        {PageBox::Flexitest, QStringLiteral("FlexTeste")},
        {PageBox::Vo2Max, QStringLiteral("Ergomatrico")},
        {PageBox::Wells, QStringLiteral("TesteFlexibilidade")},
        {PageBox::Abdominal, QStringLiteral("TesteAbdominal")},
        {PageBox::PushUp, QStringLiteral("TesteFlexao")},
    };
    return tables;
}

bool marks(const QVariant& markers, bodycomp::Protocol protocol)
{
    // The letter at its own position, as the comparisons have always counted rows.
    const int position = int(protocol);
    const QString text = markers.toString();
    return position < text.size() && text.at(position) == bodycomp::protocolLetter(protocol);
}

} // namespace

struct AssessmentRecord::Data {
    QString registration;
    QDate examDate;
    Row student;
    QByteArray photo;
    reportpages::Settings settings;
    QHash<QString, QList<Row>> rows; // by assessment table
    QList<Row> bodyComposition;      // the student's rows up to the exam date, oldest first
    QList<Row> perimetryHistory;
};

AssessmentRecord AssessmentRecord::read(Connection& own, const Companion& companion,
                                        const QString& registration, const QDate& examDate)
{
    auto data = std::make_shared<Data>();
    data->registration = registration;
    data->examDate = examDate;

    const std::optional<QSqlRecord> student = companion.student(registration);
    if (!student)
        throw NotFound(companion.studentTable(), QStringLiteral("no such student"));
    data->student = rowOf(*student);

    const QDate nextDay = examDate.addDays(1);
    for (const AssessmentTable& table : Schema::assessmentTables()) {
        QSqlQuery query =
            own.select(table.table, assessmentRows(table), {registration, examDate, nextDay});
        data->rows.insert(table.table, rowsOf(query));
    }
    if (data->rows.value(Avaliacao).isEmpty())
        throw NotFound(Exame, QStringLiteral("no assessment on that date"));

    QSqlQuery settings =
        own.select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT * FROM Moxcvar"));
    if (settings.next())
        data->settings = rowOf(settings.record());
    data->photo = companion.photo(registration);

    // Histories end at the exam date: a report of an older assessment compares it
    // with what came before it, never with later assessments.
    QSqlQuery bodyComposition =
        own.select(Corporal,
                   QStringLiteral("SELECT * FROM Corporal WHERE MATRICULA = ? AND DATAEXAME < ? "
                                  "ORDER BY DATAEXAME"),
                   {registration, nextDay});
    data->bodyComposition = rowsOf(bodyComposition);
    QSqlQuery perimetry =
        own.select(Muscular,
                   QStringLiteral("SELECT * FROM Muscular WHERE MATRICULA = ? AND DATAEXAME < ? "
                                  "ORDER BY DATAEXAME DESC LIMIT %1")
                       .arg(HistoryLength),
                   {registration, nextDay});
    data->perimetryHistory = rowsOf(perimetry);
    std::reverse(data->perimetryHistory.begin(), data->perimetryHistory.end());

    AssessmentRecord record;
    record.m_data = std::move(data);
    return record;
}

QList<QDate> AssessmentRecord::examDates(Connection& own, const QString& registration)
{
    QSqlQuery query = own.select(
        Avaliacao,
        QStringLiteral("SELECT DATAEXAME FROM Avaliacao WHERE MATRICULA = ? ORDER BY DATAEXAME"),
        {registration});
    QList<QDate> dates;
    while (query.next())
        if (const std::optional<QDate> day = storedDay(query.value(0)))
            dates.append(*day);
    return dates;
}

QString AssessmentRecord::registration() const
{
    return m_data->registration;
}

QDate AssessmentRecord::examDate() const
{
    return m_data->examDate;
}

QString AssessmentRecord::title() const
{
    return QStringLiteral("Mt_") + m_data->registration + QLatin1Char('-') +
           m_data->examDate.toString(QStringLiteral("dd-MM-yyyy"));
}

QString AssessmentRecord::footer() const
{
    const reportpages::Settings& settings = m_data->settings;
    if (settings.isEmpty())
        return {};
    return settings.value(QStringLiteral("ACADEMIA")).toString() + QStringLiteral(" - ") +
           settings.value(QStringLiteral("ENDERACADEMIA")).toString() + QLatin1Char(' ') +
           settings.value(QStringLiteral("COMPLEMENTO1")).toString();
}

QString AssessmentRecord::studentEmail() const
{
    return m_data->student.value(QStringLiteral("EMAIL")).toString();
}

const reportpages::Settings& AssessmentRecord::settings() const
{
    return m_data->settings;
}

std::optional<QString> AssessmentRecord::protocolMarkers() const
{
    if (const Row* bodyComposition = row(Corporal))
        return bodyComposition->value(QStringLiteral("G_TIPOPROTOCOLO")).toString();
    return std::nullopt;
}

reportpages::PageSet AssessmentRecord::pagesWithData() const
{
    const std::optional<QString> markers = protocolMarkers();
    reportpages::PageSet pages;
    for (const reportpages::PageBoxInfo& box : reportpages::pageBoxes()) {
        bool held = false;
        // A comparison stands after its page in the order, so its page is decided.
        if (box.box == PageBox::Cover || box.box == PageBox::Introduction)
            held = true;
        else if (box.comparisonOf && !pages.count(*box.comparisonOf))
            held = false;
        else if (box.box == PageBox::PerimetryComparison)
            held = !m_data->perimetryHistory.isEmpty();
        else if (box.comparisonOf)
            held = !bodyCompositionHistory(*box.protocol).isEmpty();
        else if (box.protocol)
            held = markers && markers->contains(bodycomp::protocolLetter(*box.protocol));
        else
            held = !rows(pageTables().value(box.box)).isEmpty();
        if (held)
            pages.insert(box.box);
    }
    return pages;
}

const AssessmentRecord::Row& AssessmentRecord::student() const
{
    return m_data->student;
}

QString AssessmentRecord::ageText() const
{
    const std::optional<QDate> birth =
        storedDay(m_data->student.value(QStringLiteral("DATA_NASCIMENTO")));
    return birth ? QString::number(ageInYears(*birth, Clock::today())) : QString();
}

QByteArray AssessmentRecord::photo() const
{
    return m_data->photo;
}

QByteArray AssessmentRecord::logo() const
{
    return m_data->settings.value(QStringLiteral("LOGOACADEMIA1")).toByteArray();
}

const QList<AssessmentRecord::Row>& AssessmentRecord::rows(const QString& table) const
{
    static const QList<Row> none;
    const auto found = m_data->rows.constFind(table);
    return found == m_data->rows.constEnd() ? none : *found;
}

const AssessmentRecord::Row* AssessmentRecord::row(const QString& table) const
{
    const QList<Row>& found = rows(table);
    return found.isEmpty() ? nullptr : &found.first();
}

QList<AssessmentRecord::Row>
AssessmentRecord::bodyCompositionHistory(bodycomp::Protocol protocol) const
{
    QList<Row> history;
    for (const Row& row : m_data->bodyComposition)
        if (marks(row.value(QStringLiteral("G_TIPOPROTOCOLO")), protocol))
            history.append(row);
    return history.mid(std::max(0, int(history.size()) - HistoryLength));
}

const QList<AssessmentRecord::Row>& AssessmentRecord::perimetryHistory() const
{
    return m_data->perimetryHistory;
}

} // namespace kelvora

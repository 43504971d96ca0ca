#include "data/StudentFile.h"

#include "data/Schema.h"
#include "data/Students.h"
#include "domain/DateText.h"
#include "domain/students/StudentRules.h"

#include <algorithm>
#include <QHash>
#include <QSet>

namespace kelvora::StudentFile {

namespace {

const QString Number = Students::Number;

const Table& students()
{
    return Schema::ownTable(Students::Table);
}

// One record of the file with the line it starts on.
struct Record {
    int line;
    QStringList fields;
};

// Splits the file into records: quoted fields may hold separators, doubled quotes and
// line breaks. A record that ends inside a quote runs to the end of the file.
QVector<Record> records(const QString& text, QChar separator)
{
    QVector<Record> result;
    Record record{1, {}};
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    const auto endRecord = [&] {
        record.fields << field;
        // Blank lines are not students.
        if (record.fields.size() > 1 || !record.fields.first().isEmpty() || fieldStarted)
            result << record;
        field.clear();
        fieldStarted = false;
        record = Record{line, {}};
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            record.fields << field;
            field.clear();
            fieldStarted = true;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRecord();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || fieldStarted || !record.fields.isEmpty())
        endRecord();
    return result;
}

QChar separatorOf(const QString& text)
{
    const QString header = text.section(QLatin1Char('\n'), 0, 0);
    return header.count(QLatin1Char(';')) > header.count(QLatin1Char(',')) ? QLatin1Char(';')
                                                                           : QLatin1Char(',');
}

// The student of one record as the register would hold it, or the first problem.
struct Row {
    StudentRules::Student student;
    QVector<Problem> problems;
};

Row rowOf(const Record& record, const QVector<const Column*>& header)
{
    Row row;
    for (int i = 0; i < header.size(); ++i) {
        const Column& column = *header.at(i);
        const QString value = record.fields.value(i);
        if (column.type == ColumnType::Date) {
            const DateEntry entry{!value.trimmed().isEmpty(), DateText::parse(value)};
            if (entry.filled && !entry.date.isValid())
                row.problems << Problem{record.line, column.name,
                                        QStringLiteral("data inválida (use dd/mm/aaaa)")};
            row.student.dates.insert(column.name, entry);
            continue;
        }
        // The register keeps text in capitals and e-mail addresses in small letters.
        const QString text =
            column.name == QLatin1String("EMAIL") ? value.toLower() : value.toUpper();
        if (text.size() > column.length)
            row.problems << Problem{record.line, column.name,
                                    QStringLiteral("mais de %1 caracteres").arg(column.length)};
        row.student.texts.insert(column.name, text);
    }
    return row;
}

ColumnValues valuesOf(const StudentRules::Student& student, const QVector<const Column*>& header)
{
    ColumnValues values;
    for (const Column* column : header) {
        if (column->type == ColumnType::Date) {
            const DateEntry entry = student.date(column->name);
            values.append({column->name, entry.filled ? QVariant(entry.date)
                                                      : QVariant(QMetaType::fromType<QDate>())});
        } else {
            values.append({column->name, student.text(column->name)});
        }
    }
    return values;
}

// A field that holds a separator, a quote, a line break or blanks at either end is
// quoted, so that it is read back exactly.
QString quoted(const QString& value)
{
    static const QString special = QStringLiteral(";,\"\r\n");
    const bool plain =
        value.trimmed() == value &&
        std::none_of(value.begin(), value.end(), [](QChar c) { return special.contains(c); });
    if (plain)
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

// The register's confirmation, then the number neither given twice nor stored already.
// `lines` holds the numbers of the lines before, with their line.
QVector<Problem> confirmation(StudentRules::Student& student, int line, QHash<QString, int>& lines,
                              const QSet<QString>& stored)
{
    if (const auto refusal = StudentRules::check(student))
        return {{line, refusal->column,
                 (refusal->text + QLatin1Char(' ') + refusal->detail).trimmed()}};
    const QString number = StudentRules::paddedNumber(student.text(Number).trimmed());
    student.texts.insert(Number, number);
    if (lines.contains(number))
        return {{line, Number,
                 QStringLiteral("matrícula %1 repetida (linha %2)")
                     .arg(number)
                     .arg(lines.value(number))}};
    lines.insert(number, line);
    if (stored.contains(number))
        return {{line, Number, QStringLiteral("matrícula %1 já cadastrada").arg(number)}};
    return {};
}

} // namespace

Import read(const QByteArray& content, const Connection& own)
{
    Import result;
    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QVector<Record> all = records(text, separatorOf(text));
    if (all.isEmpty()) {
        result.problems << Problem{1, {}, QStringLiteral("arquivo vazio")};
        return result;
    }

    QVector<const Column*> header;
    for (const QString& name : all.first().fields) {
        const Column* column = students().column(name.trimmed());
        if (!column)
            result.problems << Problem{1, name, QStringLiteral("não é uma coluna de Alunos")};
        else if (header.contains(column))
            result.problems << Problem{1, name, QStringLiteral("coluna repetida")};
        header << column;
    }
    if (!result.problems.isEmpty())
        return result;
    if (!header.contains(students().column(Number)))
        header << students().column(Number);

    // One read of the numbers stored, whatever the size of the file.
    const QStringList numbers = Students::numbers(own, Students::Order::ByNumber);
    const QSet<QString> stored(numbers.begin(), numbers.end());
    // The numbers made up follow the highest one stored or given.
    QString highest = numbers.isEmpty() ? QString() : numbers.last();
    QVector<Row> rows;
    for (int i = 1; i < all.size(); ++i) {
        const Record& record = all.at(i);
        if (record.fields.size() != all.first().fields.size()) {
            result.problems << Problem{record.line,
                                       {},
                                       QStringLiteral("%1 campos em vez de %2")
                                           .arg(record.fields.size())
                                           .arg(all.first().fields.size())};
            rows << Row{};
            continue;
        }
        Row row = rowOf(record, header);
        const QString number = row.student.text(Number).trimmed();
        if (StudentRules::isAcceptableNumber(number))
            highest = qMax(highest, StudentRules::paddedNumber(number));
        rows << row;
    }

    QHash<QString, int> lines; // number -> line that gave it
    for (int i = 0; i < rows.size(); ++i) {
        Row& row = rows[i];
        if (row.student.texts.isEmpty())
            continue; // its field count was already refused
        if (row.student.text(Number).trimmed().isEmpty()) {
            highest = StudentRules::nextNumber(highest);
            row.student.texts.insert(Number, highest);
        }
        // One reason a line is enough to mend it.
        if (row.problems.isEmpty())
            row.problems = confirmation(row.student, all.at(i + 1).line, lines, stored);
        result.problems += row.problems;
        if (row.problems.isEmpty())
            result.students << valuesOf(row.student, header);
    }
    if (!result.problems.isEmpty())
        result.students.clear();
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return result;
}

QByteArray write(const QVector<QSqlRecord>& rows)
{
    const Table& table = students();
    QString text = table.columnNames().join(QLatin1Char(';')) + QLatin1Char('\n');
    for (const QSqlRecord& row : rows) {
        QStringList fields;
        for (const Column& column : table.columns)
            fields << (column.type == ColumnType::Date
                           ? DateText::format(row.value(column.name).toDate())
                           : quoted(row.value(column.name).toString()));
        text += fields.join(QLatin1Char(';')) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace kelvora::StudentFile

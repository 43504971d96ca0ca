#include "report/dossier/StudentDossier.h"

#include "data/AssessmentRecord.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/ProtectedFiles.h"
#include "data/Schema.h"
#include "domain/Clock.h"
#include "domain/DateText.h"
#include "report/assessment/AssessmentReport.h"
#include "report/Output.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

#include <optional>

namespace kelvora {

namespace {

const QString DataFile = QStringLiteral("dados.json");
const QString ReadMeFile = QStringLiteral("LEIA-ME.txt");
const QString PhotoFolder = QStringLiteral("fotos/");
const QString ReportFolder = QStringLiteral("avaliacoes/");

QJsonValue jsonOf(const QVariant& value, ColumnType type)
{
    if (value.isNull())
        return QJsonValue::Null;
    switch (type) {
    case ColumnType::Date:
        return value.toDate().toString(Qt::ISODate);
    case ColumnType::Real:
        return value.toDouble();
    case ColumnType::Id:
    case ColumnType::Bit:
    case ColumnType::SmallInt:
    case ColumnType::Integer:
        return value.toLongLong();
    case ColumnType::Text:
    case ColumnType::Memo:
    case ColumnType::Blob:
        break;
    }
    return value.toString();
}

QString selectOf(const Table& table)
{
    QStringList columns;
    for (const Column& column : table.columns)
        columns << Schema::identifier(column.name);
    QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE MATRICULA = ?")
                      .arg(columns.join(QStringLiteral(", ")), Schema::identifier(table.name));
    if (!table.uniqueKey.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + table.uniqueKey.join(QStringLiteral(", "));
    return sql;
}

QString readMe(const QString& number, const QDateTime& made)
{
    return QStringLiteral(
               "Dossiê do aluno de matrícula %1, gravado pelo Kelvora em %2 às %3.\n"
               "\n"
               "Reúne tudo o que o programa guarda sobre o aluno, como a Lei Geral de Proteção\n"
               "de Dados (LGPD) garante ao titular dos dados. Contém dados de saúde: guarde-o\n"
               "e entregue-o com cuidado.\n"
               "\n"
               "avaliacoes/*.pdf\n"
               "    O relatório de cada avaliação, com todas as páginas que têm dados: um\n"
               "    arquivo por data de exame (Mt_matrícula-dia-mês-ano.pdf).\n"
               "\n"
               "dados.json\n"
               "    Todas as linhas que o programa guarda com a matrícula do aluno, tabela por\n"
               "    tabela e coluna por coluna, com os nomes do banco de dados. Datas no\n"
               "    formato ano-mês-dia; um campo vazio aparece como null. Tabelas:\n"
               "    Alunos (cadastro), FotosAlunos (foto do cadastro), Avaliacao (cabeçalho de\n"
               "    cada avaliação: peso, altura, fotos e observações posturais, VO2max),\n"
               "    Anamnese (anamnese e exame médico), Cardiaco (risco cardíaco), Corporal\n"
               "    (composição corporal), Muscular (perimetria), Exame (achados posturais),\n"
               "    TesteFlexao, TesteAbdominal e TesteFlexibilidade (flexão de braços,\n"
               "    abdominal e banco de Wells), FlexTeste (Flexiteste), Ergomatrico e\n"
               "    Recuperacao (teste ergométrico), Nutricional (avaliação nutricional) e\n"
               "    Prescricao (prescrição de exercícios).\n"
               "\n"
               "fotos/*.jpg\n"
               "    As fotos guardadas (a do cadastro e as posturais), exatamente como estão\n"
               "    no banco de dados. Em dados.json, cada coluna de foto traz o nome do seu\n"
               "    arquivo (tabela-linha-coluna.jpg).\n")
        .arg(number, DateText::format(made.date()), DateText::formatTime(made.time()));
}

} // namespace

StudentDossier StudentDossier::collect(Connection& own, const Companion& companion,
                                       const QString& number)
{
    StudentDossier dossier;
    dossier.m_number = number;
    dossier.addRows(own, number);
    if (!dossier.isEmpty())
        dossier.addReports(own, companion, number);
    return dossier;
}

void StudentDossier::addRows(Connection& own, const QString& number)
{
    const QDateTime now = Clock::now();
    QJsonObject tables;
    m_archive.add(PhotoFolder, {}, now);
    for (const QString& name : Schema::studentTables()) {
        const Table& table = Schema::ownTable(name);
        QSqlQuery query = own.select(name, selectOf(table), {number});
        QJsonArray rows;
        while (query.next()) {
            QJsonObject row;
            for (int i = 0; i < table.columns.size(); ++i) {
                const Column& column = table.columns.at(i);
                const QVariant value = query.value(i);
                const QByteArray photo = value.toByteArray();
                if (column.type != ColumnType::Blob || photo.isEmpty()) {
                    row.insert(column.name, jsonOf(value, column.type));
                    continue;
                }
                const QString file =
                    PhotoFolder +
                    QStringLiteral("%1-%2-%3.jpg").arg(name).arg(rows.size() + 1).arg(column.name);
                m_archive.add(file, photo, now);
                row.insert(column.name, file);
                ++m_photos;
            }
            rows.append(row);
        }
        m_rows += int(rows.size());
        m_tables += rows.isEmpty() ? 0 : 1;
        tables.insert(name, rows);
    }
    const QJsonObject data{{QStringLiteral("matricula"), number},
                           {QStringLiteral("gravado_em"), now.toString(Qt::ISODate)},
                           {QStringLiteral("tabelas"), tables}};
    m_archive.add(DataFile, QJsonDocument(data).toJson(QJsonDocument::Indented), now);
    m_archive.add(ReadMeFile, readMe(number, now).toUtf8(), now);
}

void StudentDossier::addReports(Connection& own, const Companion& companion, const QString& number)
{
    m_archive.add(ReportFolder, {}, Clock::now());
    for (const QDate& date : AssessmentRecord::examDates(own, number)) {
        std::optional<AssessmentRecord> read;
        try {
            read = AssessmentRecord::read(own, companion, number, date);
        } catch (const NotFound&) {
            // A student deleted from the register keeps the assessments: their rows are
            // in the JSON, but a report needs the student's name, sex and age.
            ++m_unprinted;
            continue;
        }
        const AssessmentRecord& record = *read;
        const QDateTime now = Clock::now();
        const auto report = report::assessmentReport(record, record.pagesWithData());
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        if (!report::writePdf(report->paginate(now), pdf)) {
            m_failure =
                QStringLiteral("o relatório de %1 não pôde ser gerado").arg(DateText::format(date));
            return;
        }
        m_archive.add(ReportFolder + record.title() + QStringLiteral(".pdf"), pdf.data(), now);
        ++m_reports;
    }
}

QString StudentDossier::save(const QString& zipPath) const
{
    if (!m_failure.isEmpty())
        return m_failure;
    return ProtectedFiles::write(zipPath, m_archive.bytes());
}

QString StudentDossier::summary() const
{
    QString text = QStringLiteral("Dossiê da matrícula %1: %2 relatório(s) de avaliação em PDF, "
                                  "%3 linha(s) de %4 tabela(s) e %5 foto(s).")
                       .arg(m_number)
                       .arg(m_reports)
                       .arg(m_rows)
                       .arg(m_tables)
                       .arg(m_photos);
    if (m_unprinted > 0)
        text += QStringLiteral(" %1 avaliação(ões) sem relatório: o aluno não está no cadastro.")
                    .arg(m_unprinted);
    return text;
}

} // namespace kelvora

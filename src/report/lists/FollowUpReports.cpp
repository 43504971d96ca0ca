#include "report/lists/FollowUpReports.h"

#include "report/lists/ListFrame.h"

namespace kelvora::report {

namespace {

// A detail line's faint rule, under its texts.
void lineRule(Band& band, double width, double y)
{
    band.addShape({0, y, width, 1}, ShapeElement::Shape::HorizontalRule)
        .setLineWidth(0.1)
        .setColor(QColor(190, 190, 190));
}

TextSource labelled(const QString& label, TextSource value)
{
    return [label, value](const PrintContext& context) { return label + value(context); };
}

} // namespace

QString OverdueListReport::title(FollowUpLists::Kind kind)
{
    return kind == FollowUpLists::Kind::Medical
               ? QStringLiteral("Relatório de Avaliação Médica Vencida")
               : QStringLiteral("Relatório de Avaliação Funcional Vencida");
}

std::unique_ptr<Report>
OverdueListReport::build(const QString& gymName, FollowUpLists::Kind kind,
                         const QVector<FollowUpLists::OverdueStudent>& students)
{
    auto report = std::make_unique<Report>(title(kind));
    const double width = report->bandWidth();
    DataTable rows({QStringLiteral("MATRICULA"), QStringLiteral("NOME"), QStringLiteral("ULTIMA")});
    for (const FollowUpLists::OverdueStudent& student : students)
        rows.addRow({student.number, student.name,
                     student.lastAssessment ? QVariant(*student.lastAssessment) : QVariant()});
    report->setData(std::move(rows));

    frameList(*report, gymName, title(kind), {});
    columnCaptions(*report, {{2, QStringLiteral("Matrícula ")},
                             {32, QStringLiteral("Nome do Aluno")},
                             {width - 40, QStringLiteral("Última a Avaliação")}});
    Band& detail = report->detail();
    detail.setHeight(6.5);
    detail.addField({2, 1, 28, 5}, QStringLiteral("MATRICULA"));
    detail.addField({32, 1, width - 74, 5}, QStringLiteral("NOME"));
    detail.addField({width - 40, 1, 38, 5}, QStringLiteral("ULTIMA"));
    lineRule(detail, width, 6);
    return report;
}

std::unique_ptr<Report>
DoneListReport::build(const QString& gymName, const QString& first, const QString& last,
                      const QVector<FollowUpLists::DoneAssessment>& assessments)
{
    auto report = std::make_unique<Report>(Title);
    const double width = report->bandWidth();
    DataTable rows({QStringLiteral("USUARIO"), QStringLiteral("AVALIADOR"),
                    QStringLiteral("DATAEXAME"), QStringLiteral("MATRICULA"),
                    QStringLiteral("NOME")});
    for (const FollowUpLists::DoneAssessment& done : assessments)
        rows.addRow({done.assessor, done.assessorName, done.date, done.number,
                     done.studentName.value_or(QStringLiteral("Excluída"))});
    report->setData(std::move(rows));

    frameList(*report, gymName, Title, first + QStringLiteral(" à ") + last);
    columnCaptions(*report, {{6, QStringLiteral("Matrícula")},
                             {36, QStringLiteral("Nome do Aluno")},
                             {width - 24, QStringLiteral("Avaliador")}});

    Report::Group& assessor = report->addGroup(QStringLiteral("USUARIO"));
    assessor.header.setHeight(8);
    assessor.header
        .addText({0, 2, width, 5},
                 [](const PrintContext& context) {
                     return QStringLiteral("Avaliador : %1 - %2")
                         .arg(context.value(QStringLiteral("USUARIO")).toString(),
                              context.value(QStringLiteral("AVALIADOR")).toString());
                 })
        .setBold();
    assessor.footer.setHeight(9);
    assessor.footer
        .addText({2, 2, width - 2, 5},
                 labelled(QStringLiteral("Total Geral de Alunos : "), Source::rowCount()))
        .setBold();

    Report::Group& day = report->addGroup(QStringLiteral("DATAEXAME"));
    day.header.setHeight(6.5);
    day.header.addText({3, 1, width - 3, 5}, Source::column(QStringLiteral("DATAEXAME"))).setBold();
    day.footer.setHeight(7);
    day.footer.addText({6, 1, width - 6, 5},
                       labelled(QStringLiteral("Total de Alunos : "), Source::rowCount()));

    Band& detail = report->detail();
    detail.setHeight(6.5);
    detail.addField({6, 1, 28, 5}, QStringLiteral("MATRICULA"));
    detail.addField({36, 1, width - 62, 5}, QStringLiteral("NOME"));
    detail.addField({width - 24, 1, 22, 5}, QStringLiteral("USUARIO"));
    lineRule(detail, width, 6);

    Band& summary = report->summary();
    summary.setHeight(10);
    summary
        .addText({2, 3, width - 2, 5},
                 labelled(QStringLiteral("Total do Período : "), Source::rowCount()))
        .setBold();
    return report;
}

} // namespace kelvora::report

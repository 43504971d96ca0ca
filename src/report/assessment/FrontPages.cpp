#include "report/assessment/FrontPages.h"

#include "data/AssessmentRecord.h"
#include "report/assessment/AssessmentPage.h"
#include "report/Units.h"

namespace kelvora::report::FrontPages {

namespace {

QString setting(const AssessmentRecord& record, const char* column)
{
    return record.settings().value(QLatin1String(column)).toString();
}

QString studentValue(const AssessmentRecord& record, const char* column)
{
    return record.student().value(QLatin1String(column)).toString();
}

} // namespace

std::shared_ptr<const Printable> cover(const PageRequest& request)
{
    const AssessmentRecord& record = request.record;
    auto report = AssessmentPage::make(record, AssessmentPage::Header::None);
    const double width = report->bandWidth();
    Band& body = report->titleBand();
    body.setHeight(200);
    body.addText({0, 40, width, 14}, setting(record, "ACADEMIA"))
        .setPointSize(24)
        .setBold()
        .setAlignment(Qt::AlignCenter);
    body.addShape({width / 4, 58, width / 2, 1}, ShapeElement::Shape::HorizontalRule)
        .setLineWidth(0.5)
        .setColor(AssessmentPage::shade().darker(160));
    // The logo keeps its proportions: a gym's mark must not come out stretched.
    const QByteArray logo = record.logo();
    if (!logo.isEmpty())
        body.addImage({width / 2 - 60, 75, 120, 90}, ImageElement::fixed(logo))
            .setFit(ImageElement::Fit::KeepProportion);
    return report;
}

std::shared_ptr<const Printable> introduction(const PageRequest& request)
{
    const AssessmentRecord& record = request.record;
    auto report = AssessmentPage::make(record, AssessmentPage::Header::DatesOnly);
    const double width = report->bandWidth();
    constexpr double PhotoWidth = 36;

    Band& title = report->titleBand();
    title.setHeight(14);
    title.addText({0, 2, width, 9}, QStringLiteral("Introdução")).setPointSize(16).setBold();
    title.addShape({0, 11, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.4);

    Band& personal = report->detail();
    personal.setHeight(58);
    AssessmentPage::heading(personal, {0, 2, width - PhotoWidth - 6, 7},
                            QStringLiteral("DADOS PESSOAIS"));
    const QPair<QString, QString> lines[] = {
        {QStringLiteral("Matrícula"), record.registration()},
        {QStringLiteral("Nome"), studentValue(record, "NOME")},
        {QStringLiteral("Endereço"), studentValue(record, "ENDERECO")},
        {QStringLiteral("Idade"), record.ageText()},
        {QStringLiteral("Profissão"), studentValue(record, "PROFISSAO")},
        {QStringLiteral("Telefone"), studentValue(record, "TELEFONE")},
    };
    double y = 12;
    for (const auto& [label, value] : lines) {
        personal.addText({2, y, 26, 5}, label + QStringLiteral(" :")).setBold();
        personal.addText({30, y, width - PhotoWidth - 38, 5}, value);
        y += 7;
    }
    const QRectF photo(width - PhotoWidth, 2, PhotoWidth, 48);
    personal.addShape(photo, ShapeElement::Shape::Rectangle)
        .setLineWidth(0.2)
        .setColor(AssessmentPage::shade().darker(140));
    // Kept in proportion like the logo: a webcam's landscape picture must not come out
    // squeezed into the upright frame.
    if (!record.photo().isEmpty())
        personal.addImage(photo.adjusted(0.5, 0.5, -0.5, -0.5), ImageElement::fixed(record.photo()))
            .setFit(ImageElement::Fit::KeepProportion);
    personal.addShape({0, 55, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.3);

    // However long the gym made it, the text starts under the personal data.
    Band& text = personal.addChild(5);
    text.setKeptTogether(false);
    text.addRichText({0, 2, width, 3}, Source::fixed(setting(record, "MEMOINTRODUCAO")))
        .setFont(defaultFont(11));
    return report;
}

} // namespace kelvora::report::FrontPages

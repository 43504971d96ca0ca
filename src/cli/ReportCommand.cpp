#include "cli/CliCommand.h"

#include "data/AssessmentRecord.h"
#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataLink.h"
#include "data/FollowUpLists.h"
#include "data/TrainingSheet.h"
#include "data/Users.h"
#include "domain/Clock.h"
#include "domain/DateText.h"
#include "domain/MessageTexts.h"
#include "domain/Period.h"
#include "domain/YesNo.h"
#include "report/assessment/AssessmentReport.h"
#include "report/lists/FollowUpReports.h"
#include "report/Output.h"
#include "report/training/TrainingSheetReport.h"
#include "report/users/UserListReport.h"

#include <QCommandLineParser>
#include <QSqlQuery>

namespace kelvora::cli {

namespace {

using namespace kelvora::report;

struct ReportOptions {
    QString from;
    QString to;
    QString type;
    QString order;
    QString user;
    QString student;
    QString routine;
    QString date;
    QString pages;
};

// The gym's name as the reports print it.
QString gymName(const Connection& own)
{
    QSqlQuery query =
        own.select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT ACADEMIA FROM Moxcvar"));
    return query.next() ? query.value(0).toString() : QString();
}

// Builds the user list, or explains on err() why not (returning nothing).
std::shared_ptr<Printable> usersReport(Connection& own, const ReportOptions& options)
{
    const Users::Interval interval = Users::settle(own, options.from, options.to);
    if (!interval.refusal.isEmpty()) {
        err() << interval.refusal << ' ' << interval.refusalDetail << '\n';
        return nullptr;
    }
    return UserListReport::build(gymName(own), interval, Users::list(own, interval));
}

std::shared_ptr<Printable> nothingFound()
{
    err() << Msg::NenhumResultado << '\n';
    return nullptr;
}

std::shared_ptr<Printable> overdueReport(Connection& own, const ReportOptions& options)
{
    const auto kind = options.type == QLatin1String("funcional") ? FollowUpLists::Kind::Functional
                                                                 : FollowUpLists::Kind::Medical;
    const auto order = options.order == QLatin1String("nome") ? FollowUpLists::Order::ByName
                                                              : FollowUpLists::Order::ByNumber;
    const auto students =
        FollowUpLists::overdueStudents(own, *brandelBeside(own), kind, order, Clock::today());
    if (students.isEmpty())
        return nothingFound();
    return OverdueListReport::build(gymName(own), kind, students);
}

std::shared_ptr<Printable> doneReport(Connection& own, const ReportOptions& options)
{
    const Period period = Period::settle(options.from, options.to);
    if (!period.refusal.isEmpty()) {
        err() << period.refusal << ' ' << period.detail << '\n';
        return nullptr;
    }
    const auto done = FollowUpLists::assessmentsDone(own, *brandelBeside(own), period.first,
                                                     period.last, options.user);
    if (done.isEmpty())
        return nothingFound();
    return DoneListReport::build(gymName(own), DateText::format(period.first),
                                 DateText::format(period.last), done);
}

std::shared_ptr<Printable> trainingReport(Connection& own, const ReportOptions& options)
{
    const auto brandel = brandelBeside(own);
    const auto corvun = besideOwn(own, Connection::Corvun, DataLinkFile::Corvun);
    // Any student ever registered, from the register the settings choose.
    const std::optional<QSqlRecord> student =
        Companion::fromSettings(own, *brandel, Nao).student(options.student);
    if (!student) {
        err() << Msg::MatriculaIncorreta << ' ' << options.student << '\n';
        return nullptr;
    }
    const auto sheet = TrainingSheet::read(*corvun, *brandel, options.student, options.routine);
    if (!sheet) {
        err() << Msg::DadoIncorreto << ' ' << TrainingSheet::noExercises(options.routine) << '\n';
        return nullptr;
    }
    return TrainingSheetReport::build(
        gymName(own), {options.student, student->value(QStringLiteral("NOME")).toString()}, *sheet);
}

// The pages named in `names` (comma-separated), or the default ticks of the settings
// among those the assessment offers; nothing, after saying why, for a name unknown.
std::optional<reportpages::PageSet> chosenPages(const QString& names,
                                                const AssessmentRecord& record)
{
    if (names.isEmpty()) // as the selection dialog ticks them for a user who may change assessments
        return reportpages::defaultTicks(offeredPages(record, true), record.settings());
    const reportpages::PageSet printable = printablePages();
    reportpages::PageSet ticks;
    for (const QString& name : names.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const std::optional<reportpages::PageBox> page = reportpages::pageBoxNamed(name.trimmed());
        if (!page || !printable.count(*page)) {
            err() << Msg::DadoIncorreto << " --pages " << name.trimmed() << '\n';
            return std::nullopt;
        }
        ticks = reportpages::withTick(ticks, *page);
    }
    return ticks;
}

std::shared_ptr<Printable> assessmentDocument(Connection& own, const ReportOptions& options)
{
    const QDate date = DateText::parse(options.date);
    if (options.student.isEmpty() || !date.isValid()) {
        err() << Msg::DadoIncorreto << " --student MATRÍCULA --date DD/MM/AAAA\n";
        return nullptr;
    }
    const auto brandel = brandelBeside(own);
    const Companion companion = Companion::fromSettings(own, *brandel, Nao);
    std::optional<AssessmentRecord> record;
    try {
        record = AssessmentRecord::read(own, companion, options.student, date);
    } catch (const NotFound& missing) {
        if (missing.table() == QLatin1String("Exame"))
            err() << Msg::NenhumResultado << " Exame\n";
        else
            err() << Msg::MatriculaNaoCadastrada << '\n';
        return nullptr;
    }
    const std::optional<reportpages::PageSet> ticks = chosenPages(options.pages, *record);
    if (!ticks)
        return nullptr;
    if (ticks->empty()) {
        err() << Msg::SelecioneItem << '\n';
        return nullptr;
    }
    // Said page by page, so that nobody takes a missing page for a forgotten tick.
    for (const reportpages::PageBox page : pagesLeftOut(*record, *ticks))
        err() << Msg::NenhumResultado << ' '
              << QString::fromUtf8(reportpages::info(page).caption).trimmed() << '\n';
    return report::assessmentReport(*record, *ticks);
}

struct Document {
    const char* name;
    const char* summary;
    std::shared_ptr<Printable> (*build)(Connection& own, const ReportOptions& options);
};

const Document documents[] = {
    {"users", "lista de usuários (código e nome), com --from e --to", usersReport},
    {"overdue", "avaliações vencidas, com --type medica|funcional e --order matricula|nome",
     overdueReport},
    {"done", "avaliações feitas de --from a --to (dd/mm/aaaa), com --user CÓDIGO", doneReport},
    {"training", "ficha de exercício do aluno --student, treino --routine A a E", trainingReport},
    {"assessment", "avaliação do aluno --student na data --date DD/MM/AAAA, com --pages PÁGINA,...",
     assessmentDocument},
};

} // namespace

int runReport(const QStringList& arguments)
{
    QCommandLineParser parser;
    QString description =
        QStringLiteral("Grava um relatório num arquivo PDF, sem janela.\n\nRelatórios:\n");
    for (const Document& document : documents)
        description += QStringLiteral("  %1  %2\n")
                           .arg(QLatin1String(document.name), QString::fromUtf8(document.summary));
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("relatório"),
                                 QStringLiteral("Qual relatório gravar."));
    const QCommandLineOption dir = dataFolderOption();
    const QCommandLineOption outFile(QStringLiteral("out"),
                                     QStringLiteral("Arquivo PDF a gravar (obrigatório)."),
                                     QStringLiteral("ARQUIVO"));
    const QCommandLineOption from(
        QStringLiteral("from"),
        QStringLiteral("users: código inicial (vazio: o primeiro); done: data inicial."),
        QStringLiteral("INÍCIO"));
    const QCommandLineOption to(
        QStringLiteral("to"),
        QStringLiteral("users: código final (vazio: o último); done: data final."),
        QStringLiteral("FIM"));
    const QCommandLineOption type(QStringLiteral("type"),
                                  QStringLiteral("overdue: medica (padrão) ou funcional."),
                                  QStringLiteral("TIPO"), QStringLiteral("medica"));
    const QCommandLineOption order(QStringLiteral("order"),
                                   QStringLiteral("overdue: matricula (padrão) ou nome."),
                                   QStringLiteral("ORDEM"), QStringLiteral("matricula"));
    const QCommandLineOption user(QStringLiteral("user"),
                                  QStringLiteral("done: só as avaliações deste avaliador."),
                                  QStringLiteral("CÓDIGO"));
    const QCommandLineOption student(QStringLiteral("student"),
                                     QStringLiteral("training, assessment: a matrícula do aluno."),
                                     QStringLiteral("MATRÍCULA"));
    const QCommandLineOption date(QStringLiteral("date"),
                                  QStringLiteral("assessment: a data do exame (DD/MM/AAAA)."),
                                  QStringLiteral("DATA"));
    QString pageNames;
    for (const reportpages::PageBox page : printablePages())
        pageNames += (pageNames.isEmpty() ? QString() : QStringLiteral(", ")) +
                     QLatin1String(reportpages::info(page).name);
    const QCommandLineOption pageList(
        QStringLiteral("pages"),
        QStringLiteral("assessment: as páginas, separadas por vírgulas (padrão: as marcadas "
                       "nas configurações): ") +
            pageNames + QLatin1Char('.'),
        QStringLiteral("PÁGINAS"));
    const QCommandLineOption routine(QStringLiteral("routine"),
                                     QStringLiteral("training: o treino, de A a E (padrão A)."),
                                     QStringLiteral("TREINO"), QStringLiteral("A"));
    parser.addOptions(
        {dir, outFile, from, to, type, order, user, student, routine, date, pageList});

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    const QStringList names = parser.positionalArguments();
    const Document* chosen = nullptr;
    for (const Document& document : documents)
        if (names.size() == 1 && names.first() == QLatin1String(document.name))
            chosen = &document;
    const bool choicesKnown =
        QStringList{QStringLiteral("medica"), QStringLiteral("funcional")}.contains(
            parser.value(type)) &&
        QStringList{QStringLiteral("matricula"), QStringLiteral("nome")}.contains(
            parser.value(order)) &&
        QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                    QStringLiteral("D"), QStringLiteral("E")}
            .contains(parser.value(routine));
    if (!chosen || !parser.isSet(outFile) || !choicesKnown) {
        err() << "report precisa do nome de um relatório e de --out.\n\n" << parser.helpText();
        return ExitUsage;
    }

    return onOwnDatabase(parser.value(dir), [&](Connection& own) {
        const std::shared_ptr<Printable> report =
            chosen->build(own, {parser.value(from), parser.value(to), parser.value(type),
                                parser.value(order), parser.value(user), parser.value(student),
                                parser.value(routine), parser.value(date), parser.value(pageList)});
        if (!report)
            return int(ExitRefused);
        const Pages pages = report->paginate(Clock::now());
        if (pages.count() == 0) { // every page asked for was left out
            nothingFound();
            return int(ExitRefused);
        }
        const QString failure = writePdf(pages, parser.value(outFile));
        if (!failure.isEmpty()) {
            err() << "Não foi possível gravar " << parser.value(outFile) << ": " << failure << '\n';
            return int(ExitFailed);
        }
        out() << "Relatório gravado em " << parser.value(outFile) << " (" << pages.count()
              << (pages.count() == 1 ? " página)\n" : " páginas)\n");
        return int(ExitOk);
    });
}

} // namespace kelvora::cli

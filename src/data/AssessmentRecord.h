#pragma once

#include "domain/report/ReportPages.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

namespace kelvora {

class Companion;
class Connection;

// Everything the assessment report prints about one assessment of one student, read
// once with bound parameters: the student, the settings, the rows of every test table
// for the exam date, the photos and the comparison histories. The report's pages read
// only this, so a report renders the same with or without a window.
class AssessmentRecord {
public:
    // A row by column name in upper case, whatever case the server answers with.
    using Row = QHash<QString, QVariant>;

    // Throws OpenFailed naming the table that could not be read, and NotFound when the
    // student (NotFound naming the student table) or the assessment of that date
    // (NotFound naming "Exame") does not exist.
    static AssessmentRecord read(Connection& own, const Companion& companion,
                                 const QString& registration, const QDate& examDate);
    // The exam dates of the student's assessments, oldest first. Throws OpenFailed.
    static QList<QDate> examDates(Connection& own, const QString& registration);

    QString registration() const;
    QDate examDate() const;
    // "Mt_" + registration + "-" + the exam date as dd-mm-yyyy: the document's title
    // and the name proposed for its PDF file.
    QString title() const;
    // The gym's name, address and complement, printed at the foot of every page.
    QString footer() const;
    QString studentEmail() const;
    const reportpages::Settings& settings() const;
    // `G_TIPOPROTOCOLO` of the assessment's body-composition row; nothing without one.
    std::optional<QString> protocolMarkers() const;
    // The pages whose data this assessment holds: the cover and the introduction
    // always, a test's page when its row exists, a protocol's page when the protocol's
    // letter is in the markers, a comparison when its page is there and its history has a
    // row. The report
    // prints those of them it has a page for.
    reportpages::PageSet pagesWithData() const;

    // The student's row (from the register the settings choose).
    const Row& student() const;
    // The student's age in whole years today, as the assessment hub shows it; empty
    // without a birth date.
    QString ageText() const;
    // The bytes of the student's photo (a JPEG file); empty when there is none.
    QByteArray photo() const;
    // The gym's logo from the settings; empty when there is none.
    QByteArray logo() const;

    // The rows of `table` (an assessment table: "Avaliacao", "Corporal", "Anamnese",
    // "Recuperacao", ...) for this student and date. The postural findings ("Exame")
    // come in their `ORDEM` with the catalogue's `DESCRICAO`; the ergometric readings
    // in their `TEMPO`.
    const QList<Row>& rows(const QString& table) const;
    // The one row of `table` for this student and date; nullptr when there is none.
    const Row* row(const QString& table) const;
    // The student's body-composition rows of `protocol` up to this exam date, oldest
    // first, at most the six latest.
    QList<Row> bodyCompositionHistory(bodycomp::Protocol protocol) const;
    // The student's perimetry rows up to this exam date, oldest first, at most six.
    const QList<Row>& perimetryHistory() const;

private:
    struct Data;
    std::shared_ptr<const Data> m_data;
};

} // namespace kelvora

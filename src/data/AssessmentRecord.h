#pragma once

#include "domain/report/ReportPages.h"

#include <QDate>
#include <QList>
#include <QString>

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
    // Throws OpenFailed naming the table that could not be read, and NotFound when the
    // student or the assessment of that date does not exist.
    static AssessmentRecord read(Connection& own, const Companion& companion,
                                 const QString& registration, const QDate& examDate);
    // The exam dates of the student's assessments, oldest first.
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
    // The pages whose data this assessment holds.
    reportpages::PageSet pagesWithData() const;

private:
    struct Data;
    std::shared_ptr<const Data> m_data;
};

} // namespace kelvora

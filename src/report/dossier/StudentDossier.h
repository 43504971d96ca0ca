#pragma once

#include "data/ZipArchive.h"

#include <QString>

namespace kelvora {

class Companion;
class Connection;

// Everything the program holds about one student, as the student may ask for it: a
// ZIP archive with the report of every assessment in PDF (every page that has data),
// every row of the student from each own table in JSON with the photos as JPEG files
// beside it, and a text in Portuguese saying what each file is. Shared by the
// register and `kelvora-cli students dossier`.
class StudentDossier {
public:
    // Reads the rows of student `number` from each table of Schema::studentTables
    // and renders the report of each of the student's assessments. Throws the
    // DataError of a table that could not be read.
    static StudentDossier collect(Connection& own, const Companion& companion,
                                  const QString& number);

    // No row of the student in any table: there is nothing to give.
    bool isEmpty() const { return m_rows == 0; }

    // Writes the archive to `zipPath`, readable by its owner only, replacing the file
    // only once all of it is written. Returns the reason of a failure, or nothing.
    QString save(const QString& zipPath) const;

    // What the archive holds, in one sentence.
    QString summary() const;

private:
    void addRows(Connection& own, const QString& number);
    void addReports(Connection& own, const Companion& companion, const QString& number);

    ZipArchive m_archive;
    QString m_number;
    int m_rows = 0;
    int m_tables = 0;
    int m_photos = 0;
    int m_reports = 0;
    int m_unprinted = 0; // assessments of a student no longer in the register
    QString m_failure;
};

} // namespace kelvora

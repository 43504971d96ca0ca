#pragma once

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>

#include <functional>
#include <optional>

namespace kelvora {

class Connection;

// The dates of a student's last assessments, kept on the student's row.
enum class AssessmentDate { Functional, Medical, Nutritional };

// A student's schedule for one day in the gym-management database: the date of the
// scheduled functional and medical assessments, when there are any.
struct Schedule {
    std::optional<QDate> functional;
    std::optional<QDate> medical;
};

// Months until a student is due for the next assessment of each kind.
struct ReassessmentPeriods {
    int medicalMonths = 0;
    int functionalMonths = 0;
};

// Where the students and the gym's working day come from: the program's own
// register, or (companion mode, PATH_AVALIA "Não") the gym-management database. Every screen asks
// here, so none of them spells companion SQL, and in own mode nothing is ever sent to the cash
// register, schedules or Qebvar. Registration numbers are always bound text.
class Companion {
public:
    enum class Order { ByNumber, ByName };

    // `activeStudents` is the in-memory AlunosAtivos setting: "Sim" reads the
    // companion table AlunosAtivos, anything else the table Alunos.
    Companion(Connection& own, Connection& brandel, bool ownRegister,
              const QString& activeStudents);
    // The own register is kept unless PATH_AVALIA says "Não": the same rule decides
    // which register items the main menu shows, so screens and menu always agree.
    static bool ownRegisterSetting(const QVariant& pathAvalia);
    // The mode as the settings row says now. Throws OpenFailed("Moxcvar").
    static Companion fromSettings(Connection& own, Connection& brandel,
                                  const QString& activeStudents);

    bool ownRegister() const { return m_ownRegister; }
    // The database and table the students are read from.
    Connection& studentDatabase() const;
    QString studentTable() const { return m_studentTable; }

    // Throw OpenFailed naming the table that could not be read.
    QSqlQuery students(Order order) const;
    std::optional<QSqlRecord> student(const QString& number) const;
    QByteArray photo(const QString& number) const; // empty: no photo
    // The date of new assessments: today in own mode; in companion mode the day of
    // the latest cash-register opening, nothing when no register was ever opened.
    std::optional<QDate> workingDay() const;
    // Own mode: no schedule (nothing is asked).
    Schedule schedule(const QString& number, const QDate& day) const;
    ReassessmentPeriods periods() const;

    // Records a new assessment: `write` runs in one transaction on the own
    // database. The student's date `which` becomes `date` in the same transaction
    // in own mode; in companion mode in both companion student tables, and only
    // once the own transaction has committed, so that no companion date names an
    // assessment that was never stored. Throws the DataError of whatever failed
    // (WriteFailed("Alunos") when the write-back did, after the commit).
    void recordAssessment(AssessmentDate which, const QString& number, const QDate& date,
                          const std::function<void()>& write);

private:
    Connection& m_own;
    Connection& m_brandel;
    bool m_ownRegister;
    QString m_studentTable;
};

// Whether the training database answers: it connects when needed and reads the
// training product's settings row. Never throws.
bool trainingDatabaseAnswers(Connection& corvun);

} // namespace kelvora

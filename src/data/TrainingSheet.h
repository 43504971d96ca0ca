#pragma once

#include <QDate>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace kelvora {

class Connection;

// A student's exercise sheet in the training database: the latest sheet of one
// routine ("A" to "E"), the aerobic programme that goes with routine "A", and the
// stretches ticked for the routine. Nothing is written.
struct TrainingSheet {
    using WeekDays = std::array<bool, 7>; // Sunday to Saturday

    struct Exercise {
        QString code;
        QString name; // with the note, when there is one, in lower case
        QString series;
        QString repetitions;
        QString weight;
        QString interval;
        QString setting;
    };
    struct AerobicExercise {
        QString code;
        QString name;
        double speed = 0;
        int minutes = 0;
        double difficulty = 0;
    };
    struct Aerobic {
        QDate start;
        WeekDays days{};
        QVector<AerobicExercise> exercises;
    };
    struct Stretching {
        std::array<bool, 23> ticked{};
        QString notes;
    };

    QString routine;
    QDate start;
    std::optional<QDate> reassessment; // none: the training product keeps no period
    WeekDays days{};
    QString teacher; // "Excluído" when the teacher is no longer on the staff
    QVector<Exercise> exercises;
    std::optional<Aerobic> aerobic;       // routine "A" with a programme only
    std::optional<Stretching> stretching; // none: nothing ticked for the routine
    bool stretchChart = true;             // the chart of the 23 stretches is printed

    // The sheet of `routine` for the student, or none when the routine has no
    // exercise. The teacher is looked up in the gym-management database when the
    // training product says so (PATH_EXERCICIO "Sim"), else in the training one.
    // Throws OpenFailed naming the table that could not be read ("Wufvar" first).
    static std::optional<TrainingSheet> read(Connection& corvun, Connection& brandel,
                                             const QString& number, const QString& routine);

    // What is told when a routine has no exercise: "Nenhum TREINO 'B' Cadastrado".
    static QString noExercises(const QString& routine)
    {
        return QStringLiteral("Nenhum TREINO '%1' Cadastrado").arg(routine);
    }
};

} // namespace kelvora

#pragma once

#include "support/TestDatabase.h"

#include <QByteArray>
#include <QDate>

#include <memory>

namespace kelvora::test {

// A student of the own register with four assessments, for the assessment report:
// - 05/03/2020: Pollock 3 only;
// - 10/09/2020: Pollock 3, Pollock 7 and the body-mass index, and a perimetry row;
// - 15/03/2021: all eight protocols (the report's date), with "Outras Dobras";
// - 20/01/2022: Pollock 3 again, later than the report's date.
// The gym has a logo and an introduction, the student a photo.
struct AssessmentFixture {
    explicit AssessmentFixture(const QString& backend);

    static inline const QString Number = QStringLiteral("0000001234");
    static inline const QString Name = QStringLiteral("ANA PEREIRA LIMA");
    static inline const QString Introduction =
        QStringLiteral("Esta avaliação mostra a sua composição corporal.");
    static inline const QDate First{2020, 3, 5};
    static inline const QDate Second{2020, 9, 10};
    static inline const QDate Third{2021, 3, 15};
    static inline const QDate Later{2022, 1, 20};

    // A small JPEG picture of one colour.
    static QByteArray jpeg(const QColor& color, int width = 120, int height = 90);

    // Sets `column` of the report's date's `Corporal` row.
    void setBodyComposition(const QString& column, const QVariant& value);

    TestDatabase db;
    std::unique_ptr<Connection> own;
};

} // namespace kelvora::test

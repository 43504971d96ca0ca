#pragma once

#include "domain/DateText.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelvora::StudentRules {

// Registration numbers made by the program are decimal digits padded with "0" to ten.
inline constexpr int NumberLength = 10;

// "99" becomes "0000000099"; a number of ten characters or more stays as it is.
QString paddedNumber(const QString& number);

// A number the user may give a student: digits that make a non-zero 32-bit integer.
bool isAcceptableNumber(const QString& number);

// The number after `last`, the highest number stored (empty: none yet), padded.
// Empty when `last` is not a number, so nothing can be proposed.
QString nextNumber(const QString& last);

// A CEP as the register's mask leaves it complete: "00000-000".
bool isCompleteCep(const QString& cep);

// The states a student's address may name.
const QStringList& states();

// A student as typed into the register or read from an import file: the text of every
// text column and the entry of every date column, by column name.
struct Student {
    QHash<QString, QString> texts;
    QHash<QString, DateEntry> dates;

    QString text(const QString& column) const { return texts.value(column); }
    DateEntry date(const QString& column) const { return dates.value(column); }
};

// Why a student cannot be stored: the message, its detail and the column to correct.
struct Refusal {
    QString text;
    QString detail;
    QString column;
};

// The checks of a confirmation, in the order the user meets them; the first that
// fails is returned. The number is checked as given (before padding).
std::optional<Refusal> check(const Student& student);

} // namespace kelvora::StudentRules

#pragma once

#include "report/Report.h"

#include <memory>

namespace kelvora {
class Connection;
}

namespace kelvora::report {

// The printed list of users: code and name per line, under a page header with the
// gym's name and the two codes of the interval listed.
namespace UserListReport {

inline const QString Title = QStringLiteral("Consulta de Usuários");

// An interval of user codes, settled as the user listing settles what is typed:
// an empty first code takes the first user's, an empty last code the last user's,
// a one-digit code gets a leading "0"; both codes must be registered and the last
// may not lie below the first. When it cannot be listed, `refusal` holds the
// message and `refusalDetail` names the code.
struct Interval {
    QString first;
    QString last;
    QString refusal;
    QString refusalDetail;
};
Interval settle(const Connection& own, const QString& first, const QString& last);

// CODIGO and NOME of the users of the interval, in code order. Throws OpenFailed.
DataTable read(const Connection& own, const Interval& interval);

std::unique_ptr<Report> build(const QString& gymName, const Interval& interval, DataTable users);

} // namespace UserListReport
} // namespace kelvora::report

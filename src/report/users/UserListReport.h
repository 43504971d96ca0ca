#pragma once

#include "data/Users.h"
#include "report/Report.h"

#include <memory>

namespace kelvora::report {

// The printed list of users: code and name per line, under a page header with the
// gym's name and the two codes of the interval listed.
namespace UserListReport {

inline const QString Title = QStringLiteral("Consulta de Usuários");

// `users` are those of `interval`, in code order (Users::list).
std::unique_ptr<Report> build(const QString& gymName, const Users::Interval& interval,
                              const QVector<Users::Entry>& users);

} // namespace UserListReport
} // namespace kelvora::report

#pragma once

#include <QString>

namespace herd {

// The database's name from the settings file goes into statements that take
// no placeholders (CREATE DATABASE): only letters, digits and '_' pass.
namespace DatabaseName {

// The Slovak refusal for a name that is not an identifier, empty when it is.
QString problem(const QString& name);
// The name when it passes; throws SqlError with the refusal otherwise.
QString checked(const QString& name);
// `name`, for a name that passed.
QString quoted(const QString& name);

} // namespace DatabaseName

} // namespace herd

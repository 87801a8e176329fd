#pragma once

#include "CliCommand.h"

#include <QDate>
#include <QVariantMap>
#include <optional>

namespace cli {

// A day as typed: YYYY-MM-DD or DD.MM.YYYY; invalid otherwise.
QDate typedDate(const QString& text);

// The "--FIELD VALUE" pairs of a correction, FIELD one of `columns` (any
// case); date columns (named Datum_…) become days. Nothing, after a message
// on io.err, when a pair is wrong.
std::optional<QVariantMap> corrections(const QStringList& args, const QStringList& columns, Io& io);

} // namespace cli

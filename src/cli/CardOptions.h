#pragma once

#include "CliCommand.h"
#include "common/Notice.h"

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

// "--date D --reason CODE" of a culling, in either order; the reason padded
// to two digits, empty when blank. Nothing when the arguments do not read.
struct Culling {
    QDate day;
    QString reason;
};
std::optional<Culling> culling(const QStringList& args);

// Prints the card operation's notice; 1 when it refused.
int finish(const herd::Notice& notice, Io& io);

} // namespace cli

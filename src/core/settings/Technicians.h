#pragma once

#include "common/Notice.h"

#include <QList>
#include <QString>
#include <optional>

namespace herd {

// The insemination technicians and mating methods (csposprip): a two-digit
// code and who performs it.
struct Technician {
    QString code;
    QString performer;
};

class Technicians {
public:
    static QList<Technician> list();
    // The refusal of a row that cannot be stored; the code comes back padded.
    static std::optional<Notice> check(Technician& row, const QString& originalCode);
    // Inserts a new row (originalCode empty) or replaces the row originalCode.
    static void save(const Technician& row, const QString& originalCode);
    static void remove(const QString& code);
    static QString title() { return QStringLiteral("Inseminační technici - spôsob plemenitby"); }
};

} // namespace herd

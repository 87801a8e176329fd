#pragma once

#include "common/Notice.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

namespace herd {

// What leaving a field of the enrolment entry panel does.
struct FieldOutcome {
    // The field's refusal: shown, and the focus goes back into the field.
    // The row itself is never refused here; the batch check decides.
    std::optional<Notice> error;
    // Values to put into the panel's fields (padding, defaults).
    QVariantMap set;
    // The rest of the row needs no typing: the focus goes to the navigator.
    bool toNavigator = false;
};

// The entry panel PanelZar of the enrolment batch: its fields in the order
// of the Enter key and the checks that run when the focus leaves a field.
// Values are the panel's texts by column name; Datum_narodenia is a QDate
// (NULL or invalid when empty).
class EnrolmentFields {
public:
    // The 23 columns in Enter order.
    static const QStringList& order();
    // The column after which Enter ends the row (Register_otcaMatky).
    static QString pedigreeEnd() { return QStringLiteral("Register_otcaMatky"); }

    // The check of a field when the focus leaves it. aktChov is the current
    // farm's first herd.
    static FieldOutcome leave(const QString& column, const QVariantMap& values,
                              const QString& aktChov);
    // The message of a field's check; empty for a field that is never refused.
    static QString message(const QString& column);
    // Enter in the last pedigree field fills the farm block.
    static QVariantMap farmBlock(const QVariantMap& values);
    // The values filled in for a sow outside the registered herds (herd above "19").
    static QVariantMap outsideHerdDefaults(const QVariantMap& values);
};

} // namespace herd

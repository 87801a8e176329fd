#pragma once

#include <QPageLayout>
#include <QString>
#include <optional>

namespace herd {

// The page a user set up for a report ("Nastavenia": paper, orientation,
// margins), remembered for the next print of that report: for the rest of
// the run, and across runs in the settings file of the data root
// ([tlac] group of wgravolenta.ini).
namespace ReportPageSetup {

// The page last set up for the report; nothing when the user never changed it.
std::optional<QPageLayout> remembered(const QString& report);
void remember(const QString& report, const QPageLayout& layout);

} // namespace ReportPageSetup
} // namespace herd

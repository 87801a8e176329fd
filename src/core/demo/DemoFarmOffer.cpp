#include "demo/DemoFarmOffer.h"

#include "db/Sql.h"
#include "demo/HerdGenerator.h"

namespace herd {

bool DemoFarmOffer::due() {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM tfarmy")).toInt() == 0;
}

FarmChoiceResult DemoFarmOffer::create(const Progress& progress) {
    const DemoSummary summary = HerdGenerator::generate(DemoOptions::demonstration(), progress);
    return FarmChoice::choose(summary.farms.first(), progress);
}

} // namespace herd

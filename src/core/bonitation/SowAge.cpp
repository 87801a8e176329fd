#include "bonitation/SowAge.h"

#include "common/Rounding.h"

#include <cmath>

namespace herd {

SowAge SowAge::of(const QDate& born, const QDate& today) {
    SowAge age;
    if (born.isValid()) {
        const double days = double(born.daysTo(today));
        age.months = roundHalfEven(days / 30.5, 1);
        age.years = roundHalfEven(days / 364.0, 1);
    }
    age.classFrom = classOf(age.years);
    age.classLabel = labelOf(age.classFrom);
    return age;
}

double SowAge::classOf(const std::optional<double>& years) {
    if (!years)
        return 10;
    // In tenths, so that 0.5 is exactly the top of the first class.
    const long tenths = std::lround(*years * 10);
    if (tenths <= 0 || tenths > 100)
        return 10;
    return double((tenths - 1) / 5) * 0.5;
}

QString SowAge::labelOf(double classFrom) {
    static const char* const labels[] = {
        "0   - 0,5", "0,5 - 1  ", "1   - 1,5", "1,5 - 2  ", "2   - 2,5", "2,5 - 3  ", "3   - 3,5",
        "3,5 - 4  ", "4   - 4,5", "4,5 - 5  ", "5   - 5,5", "5,5 - 6  ", "6   - 6,5", "6,5 - 7  ",
        "7   - 7,5", "7,5 - 8  ", "8   - 8,5", "8,5 - 9  ", "9   - 9,5", "9,5 - 10 ", "nad - 10 "};
    const long index = std::lround(classFrom * 2);
    return QString::fromLatin1(labels[index >= 0 && index <= 20 ? index : 20]);
}

} // namespace herd

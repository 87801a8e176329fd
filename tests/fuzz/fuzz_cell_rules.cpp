// libFuzzer target: the batches' cell rules. The first bytes choose a rule
// (kind, width, range) as the batches' rule tables define them, the rest is
// the typed text. What a rule lets through must be storable as the rule
// promises: no control characters, within the width, digits for a code, in
// range for a count, a section's form; otherwise the fuzzer reports a crash.
#include "batch/CellRule.h"

#include <QRegularExpression>
#include <cstdint>
#include <cstdlib>

using herd::CellRule;

namespace {

void require(bool ok) {
    if (!ok)
        std::abort();
}

bool digitsOnly(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    CellRule rule;
    rule.column = QStringLiteral("Cell");
    rule.kind = CellRule::Kind(data[0] % 6);
    rule.width = data[1] % 20;
    rule.min = data[2] % 4;
    rule.max = rule.kind == CellRule::Kind::Code && data[3] % 2 ? 0 : rule.min + data[3];
    rule.message = QStringLiteral("* Nekorektne uvedená hodnota !");
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));
    const herd::CellVerdict v = herd::CellRules::check(rule, typed);
    if (!v.good()) {
        require(v.message == rule.message);
        return 0;
    }
    const QString kept = v.value.toString();
    if (rule.kind == CellRule::Kind::Date || kept.isEmpty())
        return 0;
    require(!herd::CellRules::hasControl(kept));
    switch (rule.kind) {
    case CellRule::Kind::Code:
        require(digitsOnly(kept));
        require(rule.width == 0 || kept.size() == rule.width);
        require(rule.max == 0 || kept.toInt() <= rule.max);
        break;
    case CellRule::Kind::Count: {
        bool ok = false;
        const int n = kept.toInt(&ok);
        require(ok && n >= rule.min && n <= rule.max && digitsOnly(kept));
        require(rule.width == 0 || kept.size() <= rule.width);
        break;
    }
    case CellRule::Kind::Weight:
        require(herd::CellRules::decimal(kept).has_value());
        require(rule.width == 0 || kept.size() <= rule.width);
        break;
    case CellRule::Kind::Section:
        require(QRegularExpression(QStringLiteral("^[A-Z][0-9]{2}$")).match(kept).hasMatch());
        break;
    case CellRule::Kind::Text:
        require(kept == typed && kept.size() <= rule.width);
        break;
    case CellRule::Kind::Date:
        break;
    }
    return 0;
}

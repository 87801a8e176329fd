#include "farms/HousingPanels.h"

namespace herd::HousingPanels {

namespace {
struct Panel {
    const char* frame;
    const char* group;
    const char* sectionPrefix; // "Sekcia -K" …; nullptr: no sections
    int lastSection;
    const char* boxPrefix; // the gilt house's individual boxes
    int lastBox;
};

const Panel panels[] = {
    {"FrameKarantena", "Karanténa", "Sekcia -K", 4, nullptr, 0},
    {"FrameJalovaren", "Jalováreň", "Sekcia -J", 4, "IndBox -B", 10},
    {"FrameMatecnik", "Matečník", "Sekcia -M", 4, nullptr, 0},
    {"FrameSkolka", "Škôlka", "Sekcia -S", 20, nullptr, 0},
    {"FrameOdchovna", "Odchovňa", "Sekcia -P", 20, nullptr, 0},
    {"FrameKancin", "Kančín", nullptr, 0, nullptr, 0},
    {"FrameUVykrm", "Výkrm", "Sekcia -V", 20, nullptr, 0},
};

// "Sekcia -K03" with prefix "Sekcia -K" and last 4: true.
bool inRange(const QString& text, const char* prefix, int last) {
    if (!prefix)
        return false;
    const QString p = QString::fromUtf8(prefix);
    if (!text.startsWith(p) || text.size() != p.size() + 2)
        return false;
    bool ok = false;
    const int n = text.mid(p.size()).toInt(&ok);
    return ok && text.at(p.size()).isDigit() && n >= 1 && n <= last;
}
} // namespace

QString frameOf(const QString& nodeText) {
    for (const Panel& p : panels) {
        if (nodeText == QString::fromUtf8(p.group) ||
            inRange(nodeText, p.sectionPrefix, p.lastSection) ||
            inRange(nodeText, p.boxPrefix, p.lastBox))
            return QString::fromLatin1(p.frame);
    }
    return {};
}

} // namespace herd::HousingPanels

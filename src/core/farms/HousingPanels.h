#pragma once

#include <QString>

namespace herd {

// Which housing panel a node of the housing tree shows: its group node
// ("Karanténa") or one of its sections in the panel's range ("Sekcia -K01" to
// "Sekcia -K04", "IndBox -B01" to "IndBox -B10"). Empty for any other node
// (a section outside the range, the boar house's blank section, animals).
namespace HousingPanels {
QString frameOf(const QString& nodeText);
// The caption of the panel's group boxes: the node text between blanks.
inline QString captionOf(const QString& nodeText) {
    return QLatin1Char(' ') + nodeText + QLatin1Char(' ');
}
} // namespace HousingPanels

} // namespace herd

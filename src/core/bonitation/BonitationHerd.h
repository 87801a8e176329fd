#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <optional>

namespace herd {

// A herd of the breeding register as the bonitation chooses it: the breeder
// codes region, district, plant and herd, and the herd's name. The chooser
// keeps these codes as its items' data, never cut out of the shown text.
struct BonitationHerd {
    QString kraj;
    QString okres;
    QString zavod;
    QString chov;
    QString name;

    // No herd is chosen while the region is '00' (or empty).
    bool chosen() const { return !kraj.isEmpty() && kraj != QLatin1String("00"); }
    // "24-02-581-01"
    QString code() const;
    // "24-02-581-01 Name", the chooser's line.
    QString text() const { return code() + QLatin1Char(' ') + name; }

    // "a.chovatel_kraj = ? AND a.chovatel_okres = ? AND …" (alias may be
    // empty) and the four values to bind to it, in that order.
    static QString where(const QString& alias);
    QVariantList values() const { return {kraj, okres, zavod, chov}; }

    // The herds of the current farm's work table chov_far, in its order.
    static QList<BonitationHerd> ofChovFar();
    // The herds of a farm's record (the rule of chov_far), for the CLI.
    static QList<BonitationHerd> ofFarm(const QString& farm);
    // "KRAJ-OKRES-ZAVOD-CHOV" among the herds; nothing when none has it.
    static std::optional<BonitationHerd> find(const QList<BonitationHerd>& herds,
                                              const QString& code);
};

} // namespace herd

#include "BenchReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

std::optional<bool> BenchReport::Figure::met() const {
    if (!goal)
        return std::nullopt;
    return better == Better::Higher ? value >= *goal : value < *goal;
}

double BenchReport::floorRate(const QString& key) const {
    for (const Figure& f : m_floors)
        if (f.key == key)
            return f.value;
    return 0;
}

void BenchReport::addFloor(const QString& key, const QString& label, double perSecond) {
    Figure f;
    f.key = key;
    f.label = label;
    f.value = perSecond;
    f.unit = QStringLiteral("/s");
    m_floors.append(f);
}

void BenchReport::addRate(const QString& key, const QString& label, double perSecond,
                          const QString& unit, const QString& floorKey, std::optional<double> goal,
                          const QString& note) {
    Figure f{key, label, perSecond, unit, floorKey, 0, goal, Better::Higher, note};
    const double floor = floorRate(floorKey);
    f.ratio = floor > 0 ? perSecond / floor : 0;
    m_figures.append(f);
}

void BenchReport::addTime(const QString& key, const QString& label, double ms,
                          const QString& floorKey, std::optional<double> goal,
                          const QString& note) {
    Figure f{key, label, ms, QStringLiteral("ms"), floorKey, 0, goal, Better::Lower, note};
    f.ratio = ms / 1000.0 * floorRate(floorKey);
    m_figures.append(f);
}

void BenchReport::addPlain(const QString& key, const QString& label, double value,
                           const QString& unit, std::optional<double> goal, Better better,
                           const QString& note) {
    m_figures.append(Figure{key, label, value, unit, {}, 0, goal, better, note});
}

namespace {
QString number(double v) {
    return v >= 100 ? QString::number(v, 'f', 0) : QString::number(v, 'f', 2);
}
} // namespace

QString BenchReport::table() const {
    QStringList lines;
    lines << QStringLiteral("Floors (this machine, this run)");
    for (const Figure& f : m_floors)
        lines << QStringLiteral("  %1 %2 /s").arg(f.label.leftJustified(48), number(f.value));
    lines << QString()
          << QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(QStringLiteral("Figure").leftJustified(48),
                      QStringLiteral("Value").rightJustified(14),
                      QStringLiteral("vs floor").rightJustified(14),
                      QStringLiteral("Goal").rightJustified(12), QStringLiteral("Met"));
    for (const Figure& f : m_figures) {
        const QString ratio =
            f.floorKey.isEmpty()
                ? QStringLiteral("-")
                : (f.unit == QLatin1String("ms") ? number(f.ratio) + QStringLiteral(" rt")
                                                 : number(f.ratio * 100) + QStringLiteral(" %"));
        const QString goal =
            f.goal ? (f.better == Better::Higher ? QStringLiteral(">= ") : QStringLiteral("< ")) +
                         number(*f.goal)
                   : QStringLiteral("-");
        const std::optional<bool> met = f.met();
        lines << QStringLiteral("%1 %2 %3 %4 %5%6")
                     .arg(f.label.leftJustified(48),
                          (number(f.value) + QLatin1Char(' ') + f.unit).rightJustified(14),
                          ratio.rightJustified(14), goal.rightJustified(12),
                          met ? (*met ? QStringLiteral("yes") : QStringLiteral("NO"))
                              : QStringLiteral("-"),
                          f.note.isEmpty() ? QString() : QStringLiteral("  (") + f.note + ')');
    }
    lines << QString()
          << QStringLiteral(
                 "vs floor: a rate as a share of its floor rate; a time as the number of "
                 "floor operations (rt) that fit in it. Floors: rt = SELECT 1 round "
                 "trips, ins = single-row prepared inserts, multi = rows of 1,000-row "
                 "prepared inserts.");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString BenchReport::json() const {
    QJsonObject floors;
    for (const Figure& f : m_floors)
        floors.insert(f.key, f.value);
    QJsonArray figures;
    for (const Figure& f : m_figures) {
        QJsonObject o{{QStringLiteral("key"), f.key},
                      {QStringLiteral("label"), f.label},
                      {QStringLiteral("value"), f.value},
                      {QStringLiteral("unit"), f.unit}};
        if (!f.floorKey.isEmpty()) {
            o.insert(QStringLiteral("floor"), f.floorKey);
            o.insert(QStringLiteral("ratio"), f.ratio);
        }
        if (f.goal) {
            o.insert(QStringLiteral("goal"), *f.goal);
            o.insert(QStringLiteral("better"), f.better == Better::Higher
                                                   ? QStringLiteral("higher")
                                                   : QStringLiteral("lower"));
            o.insert(QStringLiteral("met"), *f.met());
        }
        if (!f.note.isEmpty())
            o.insert(QStringLiteral("note"), f.note);
        figures.append(o);
    }
    return QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("floors"), floors},
                                                       {QStringLiteral("figures"), figures}})
                                 .toJson(QJsonDocument::Indented));
}

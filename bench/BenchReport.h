#pragma once

#include <QList>
#include <QString>
#include <optional>

// The figures of one benchmark run: each beside the floor it is weighed
// against (the ratio makes runs on different machines comparable) and the
// goal it should meet. Printed as a table and written as JSON.
class BenchReport {
public:
    enum class Better { Higher, Lower };
    struct Figure {
        QString key;
        QString label;
        double value = 0;
        QString unit;
        QString floorKey; // empty when no floor applies
        double ratio = 0; // value / floor (rates) or value * floor rate (times)
        std::optional<double> goal;
        Better better = Better::Higher;
        QString note;

        std::optional<bool> met() const;
    };

    void addFloor(const QString& key, const QString& label, double perSecond);
    // A rate (per second) weighed against a floor rate: ratio = value / floor.
    void addRate(const QString& key, const QString& label, double perSecond, const QString& unit,
                 const QString& floorKey, std::optional<double> goal, const QString& note = {});
    // A time in ms weighed against a floor rate: ratio = the floor's operations in that time.
    void addTime(const QString& key, const QString& label, double ms, const QString& floorKey,
                 std::optional<double> goal, const QString& note = {});
    // A figure without a floor (memory).
    void addPlain(const QString& key, const QString& label, double value, const QString& unit,
                  std::optional<double> goal, Better better, const QString& note = {});

    QString table() const;
    QString json() const;

private:
    double floorRate(const QString& key) const;

    QList<Figure> m_floors;
    QList<Figure> m_figures;
};

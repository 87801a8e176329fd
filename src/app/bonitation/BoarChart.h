#pragma once

#include "bonitation/BoarPerformance.h"

#include <QWidget>

class QChartView;
class QLabel;

// The chart "Relatívna úžitkovosť kanca" of one boar: three bar series
// ("všetky" red, "živé" green, "dochované" yellow) over the litter classes,
// the boar's average minus the farm's, values on the bars, the axes "vrh" and
// "počet", the legend, and under the chart the note on classes without farm
// litters. Needs the widget application (the CLI makes one, offscreen).
class BoarChart : public QWidget {
    Q_OBJECT
public:
    explicit BoarChart(QWidget* parent = nullptr);

    void setBars(const QList<herd::BoarPerformance::Bar>& bars, const QString& line,
                 const QString& reg);
    QChartView* view() const { return m_view; }
    QString note() const;

    // Draws the chart of the boar at the size and saves it as PNG.
    static bool savePng(const QList<herd::BoarPerformance::Bar>& bars, const QString& line,
                        const QString& reg, const QString& path, QSize size = QSize(800, 520));

signals:
    // A click on the chart (the panel hides it).
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QChartView* m_view;
    QLabel* m_note;
};

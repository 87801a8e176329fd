#pragma once

#include "views/SowPerformance.h"
#include "views/SowTab.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

// "&Úžitkovosť": counts and averages over the sow's litters and the bar
// chart "Vrhy prasnice" (all, alive and reared piglets per litter).
class SowPerformanceTab : public SowTab {
    Q_OBJECT
public:
    explicit SowPerformanceTab(QWidget* parent = nullptr);
    void load(const herd::SowKey& key) override;

    QChartView* chartView() const { return m_chart; }

private:
    static constexpr int DefaultTicks = 5; // QValueAxis' own default

    // The chart, its three bar sets and axes are made once and refilled.
    void buildChart();
    void showLitters(const QList<herd::SowPerformance::Litter>& litters);

    QChartView* m_chart;
    QBarSet* m_all = nullptr;
    QBarSet* m_alive = nullptr;
    QBarSet* m_reared = nullptr;
    QBarCategoryAxis* m_orders = nullptr;
    QValueAxis* m_counts = nullptr;
    QList<herd::SowPerformance::Litter> m_shown;
};

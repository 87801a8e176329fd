#pragma once

#include "views/SowTab.h"

#include <QtCharts/QChartView>

// "&Úžitkovosť": counts and averages over the sow's litters and the bar
// chart "Vrhy prasnice" (all, alive and reared piglets per litter).
class SowPerformanceTab : public SowTab {
    Q_OBJECT
public:
    explicit SowPerformanceTab(QWidget* parent = nullptr);
    void load(const herd::SowKey& key) override;

    QChartView* chartView() const { return m_chart; }

private:
    void drawChart(const herd::SowKey& key);

    QChartView* m_chart;
};

#include "views/SowPerformanceTab.h"

#include "shell/Dialogs.h"
#include "views/SowPerformance.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSqlQuery>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QValueAxis>

using namespace herd;

SowPerformanceTab::SowPerformanceTab(QWidget* parent)
    : SowTab(QStringLiteral("GroupBoxPrasniceUzitkovost"), parent)
    , m_chart(new QChartView(m_box)) {
    auto* layout = new QVBoxLayout(m_box);
    auto* header = new QGridLayout;
    m_fields.addRow(m_box, header, 0,
                    {{"prasnica :", "prasnica_farma", 6},
                     {"narodená :", "datum_narodenia", 10},
                     {"ušné číslo :", "usne_cislo", 24}});
    header->setColumnStretch(6, 1);
    layout->addLayout(header);

    auto* figures = new QGroupBox(QStringLiteral(" úžitkovosť :"), m_box);
    figures->setObjectName(QStringLiteral("GroupBoxUzitkovost"));
    auto* grid = new QGridLayout(figures);
    grid->addWidget(new QLabel(QStringLiteral("nápočet :"), figures), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("priemer :"), figures), 1, 0);
    m_fields.addAt(figures, grid, 0, 1, {"vrhy", "poc_vrh", 4});
    m_fields.addAt(figures, grid, 0, 3, {"zmet.", "poc_zm", 4});
    m_fields.addAt(figures, grid, 0, 5, {"Vš-nar", "poc_vs", 5});
    m_fields.addAt(figures, grid, 0, 7, {"Ži-nar", "poc_zi", 5});
    m_fields.addAt(figures, grid, 0, 9, {"Dochov", "poc_do", 5});
    m_fields.addAt(figures, grid, 1, 5, {"Vš-nar", "poc_vspr", 5});
    m_fields.addAt(figures, grid, 1, 7, {"Ži-nar", "poc_zipr", 5});
    m_fields.addAt(figures, grid, 1, 9, {"Dochov", "poc_dopr", 5});
    m_fields.addAt(figures, grid, 1, 11, {"Medzidobie", "medz", 6});
    for (const char* f : {"poc_vspr", "poc_zipr", "poc_dopr", "medz"})
        m_fields.setDecimals(QString::fromLatin1(f), 1);
    grid->setColumnStretch(13, 1);
    layout->addWidget(figures);

    m_chart->setObjectName(QStringLiteral("DBChartVrhy"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(260);
    layout->addWidget(m_chart, 1);
    buildChart();
    m_chart->hide();
}

void SowPerformanceTab::load(const SowKey& key) {
    QSqlQuery figures = SowPerformance::figures(key);
    if (!fillHeader(figures)) {
        m_chart->hide();
        Dialogs::instance().show(SowPerformance::noLitters());
        return;
    }
    showLitters(SowPerformance::litters(key));
    m_chart->show();
}

void SowPerformanceTab::buildChart() {
    auto* series = new QBarSeries;
    auto bars = [series](const char* name, Qt::GlobalColor color) {
        auto* set = new QBarSet(QString::fromUtf8(name));
        set->setColor(color);
        set->setBorderColor(Qt::black);
        set->setLabelColor(Qt::black);
        series->append(set);
        return set;
    };
    m_all = bars("všetky", Qt::red);
    m_alive = bars("živé", Qt::green);
    m_reared = bars("dochované", Qt::yellow);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Vrhy prasnice"));
    chart->addSeries(series);
    m_orders = new QBarCategoryAxis;
    m_orders->setTitleText(QStringLiteral("Poradie vrhu"));
    m_counts = new QValueAxis;
    m_counts->setLabelFormat(QStringLiteral("%d"));
    m_counts->setTitleText(QStringLiteral("Počet ks."));
    chart->addAxis(m_orders, Qt::AlignBottom);
    chart->addAxis(m_counts, Qt::AlignLeft);
    series->attachAxis(m_orders);
    series->attachAxis(m_counts);
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart->setChart(chart);
}

void SowPerformanceTab::showLitters(const QList<SowPerformance::Litter>& litters) {
    // Building a chart costs more than reading the sow: re-entering the tab
    // redraws only what has changed.
    if (litters == m_shown)
        return;
    m_shown = litters;
    QList<qreal> all, alive, reared;
    QStringList orders;
    int top = 0;
    for (const SowPerformance::Litter& litter : litters) {
        orders.append(QString::number(litter.order));
        all.append(litter.all);
        alive.append(litter.alive);
        reared.append(litter.reared);
        top = std::max({top, litter.all, litter.alive, litter.reared});
    }
    for (QBarSet* set : {m_all, m_alive, m_reared})
        set->remove(0, set->count());
    m_all->append(all);
    m_alive->append(alive);
    m_reared->append(reared);
    m_orders->setCategories(orders);
    // The nice numbers depend on the tick count they start from: start each
    // sow from the axis' default, as a new axis would.
    m_counts->setTickCount(DefaultTicks);
    m_counts->setRange(0, top + 2);
    m_counts->applyNiceNumbers(); // whole ticks that a count can be read against
}

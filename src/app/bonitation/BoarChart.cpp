#include "bonitation/BoarChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

using namespace herd;

BoarChart::BoarChart(QWidget* parent)
    : QWidget(parent)
    , m_view(new QChartView(this))
    , m_note(new QLabel(this)) {
    setObjectName(QStringLiteral("DBChartKanec"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->viewport()->installEventFilter(this);
    m_note->setObjectName(QStringLiteral("LabelGrafPoznamka"));
    m_note->setStyleSheet(QStringLiteral("color: #800000;"));
    m_note->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_note);
}

void BoarChart::setBars(const QList<BoarPerformance::Bar>& bars, const QString& line,
                        const QString& reg) {
    auto* chart = new QChart;
    chart->setTitle(BoarPerformance::chartTitle() + QStringLiteral(" – ") +
                    BoarPerformance::boarLabel(line, reg).simplified());
    chart->setAnimationOptions(QChart::NoAnimation);
    // Values on the bars and the axis with a decimal comma.
    chart->setLocale(QLocale(QLocale::Slovak, QLocale::Slovakia));
    chart->setLocalizeNumbers(true);
    auto* series = new QBarSeries(chart);
    const struct {
        const char* name;
        QColor color;
        double BoarPerformance::Bar::*value;
    } sets[] = {{"všetky", Qt::red, &BoarPerformance::Bar::born},
                {"živé", Qt::green, &BoarPerformance::Bar::alive},
                {"dochované", Qt::yellow, &BoarPerformance::Bar::reared}};
    QStringList categories;
    double low = 0, high = 0;
    for (const BoarPerformance::Bar& b : bars)
        categories.append(b.label);
    for (const auto& s : sets) {
        auto* set = new QBarSet(QString::fromUtf8(s.name));
        set->setColor(s.color);
        set->setBorderColor(s.color.darker(150));
        set->setLabelColor(Qt::black);
        for (const BoarPerformance::Bar& b : bars) {
            set->append(b.*(s.value));
            low = std::min(low, b.*(s.value));
            high = std::max(high, b.*(s.value));
        }
        series->append(set);
    }
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(3);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis(chart);
    x->append(categories);
    x->setTitleText(QStringLiteral("vrh"));
    auto* y = new QValueAxis(chart);
    y->setTitleText(QString::fromUtf8("počet"));
    // Room above and below for the values on the bars; a flat chart still
    // shows its zero line.
    const double span = std::max(1.0, high - low);
    y->setRange(std::floor(low - span * 0.15), std::ceil(high + span * 0.15));
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.1f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* old = m_view->chart();
    m_view->setChart(chart);
    delete old;
    const QString note = BoarPerformance::chartNote(bars);
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

QString BoarChart::note() const {
    return m_note->isVisible() || !m_note->text().isEmpty() ? m_note->text() : QString();
}

bool BoarChart::savePng(const QList<BoarPerformance::Bar>& bars, const QString& line,
                        const QString& reg, const QString& path, QSize size) {
    BoarChart chart;
    chart.setBars(bars, line, reg);
    chart.resize(size);
    chart.setAttribute(Qt::WA_DontShowOnScreen);
    chart.show();
    return chart.grab().save(path, "PNG");
}

bool BoarChart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        emit clicked();
    return QWidget::eventFilter(watched, event);
}

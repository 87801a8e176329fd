// The tab "Kance" of the bonitation frame driven as its user drives it:
// culling a boar, the catalogue's preview, the performance grid beside the
// farm's averages, the chart refused before a boar is chosen and drawn after
// a double click.
#include "BoarFixture.h"
#include "QueryText.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "bonitation/BoarBonitationTab.h"
#include "bonitation/BoarChart.h"
#include "bonitation/FrameBonit.h"
#include "farms/ChovFar.h"
#include "reports/ReportPreviewDialog.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace herd;
using namespace BoarFixture;

class TestBoarPanel : public QObject {
    Q_OBJECT

    template <typename T> T* child(QWidget* w, const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        if (!c)
            qFatal("no %s", name);
        return c;
    }

    // Runs the action and returns the pages of the preview it opens (0: none).
    template <typename Action> int previewPages(Action action, const QString& shot) {
        int pages = 0;
        QTimer answer;
        answer.setInterval(20);
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* d = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                pages = d->preview()->pageCount();
                d->resize(1100, 800);
                shoot(d, shot);
                d->reject();
            }
        });
        answer.start();
        action();
        return pages;
    }

    void clickOutput(QWidget* frame, int row) {
        auto* list = child<QListWidget>(frame, "ListBoxZostavyUz");
        emit list->itemClicked(list->item(row));
    }

private slots:
    void cullPrintCompareAndChart() {
        TestDatabase db;
        threeBoars();
        ChovFar::rebuild(farm);
        ScriptedDialogs dialogs;
        dialogs.answers = {false}; // no workbook after the catalogue
        ShellState state;
        state.aktFarma = farm;
        QString message;
        FrameBonit frame(state, [&message](const QString& t) { message = t; }, {});
        frame.resize(1100, 900);
        frame.show();
        frame.nodeChosen(QString::fromUtf8("Bonitácie kancov"));
        auto* tabs = child<QTabWidget>(&frame, "PageControlBonit");
        QVERIFY(!tabs->isTabVisible(0) && tabs->isTabVisible(1));
        QCOMPARE(child<QLabel>(&frame, "LabelFarmaKance")->text(),
                 QString::fromUtf8("Bonitácia na farme: 900001"));
        auto* grid = child<QueryGrid>(&frame, "DBGridKance");
        QVERIFY(!grid->isVisible());

        // The culling grid lists every boar of the farm, culled ones included.
        QTest::mouseClick(child<QPushButton>(&frame, "BitBtnVyradenieKancov"), Qt::LeftButton);
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->rows(), 4);
        QCOMPARE(message, QString::fromUtf8(" vlastné kance na farme = 3"));
        // A click in the grid shows that boar in the fields (5501/00005, culled).
        auto* navigator = child<RecordNavigator>(&frame, "DBNavigatorKance");
        auto clickRow = [grid](int row) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(row, 0)).center());
        };
        clickRow(3);
        QCOMPARE(child<QLineEdit>(&frame, "DBEditVyradenyKanec")->text(),
                 QStringLiteral("01.12.2025"));
        // Cull boar C (4401/00003, the third row): moved to by the navigator,
        // then clicked, so the click's row is the one culled.
        QTest::mouseClick(navigator->button(RecordNavigator::First), Qt::LeftButton);
        QTest::mouseClick(navigator->button(RecordNavigator::Next), Qt::LeftButton);
        QCOMPARE(grid->currentIndex().row(), 1);
        clickRow(2);
        QTest::mouseClick(navigator->button(RecordNavigator::Edit), Qt::LeftButton);
        child<QLineEdit>(&frame, "DBEditVyradenyKanec")->setText(QStringLiteral("01.06.2026"));
        auto* reason = child<QComboBox>(&frame, "DBLookupComboBoxDovodKanca");
        reason->setCurrentIndex(reason->findData(QStringLiteral("05")));
        QTest::mouseClick(navigator->button(RecordNavigator::Post), Qt::LeftButton);
        // The boar card's culling: told, and reported to the register.
        QCOMPARE(dialogs.texts(),
                 QStringList{QString::fromUtf8("Korektné vyradenie kanca z KÚ !")});
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM dos1 WHERE DI = '14'")),
                 QStringLiteral("1"));
        dialogs.shown.clear();
        QCOMPARE(message, QString::fromUtf8(" vlastné kance na farme = 2"));
        QCOMPARE(QueryText::one(QStringLiteral("SELECT CONCAT(datum_vyradenia, ' ', kod_vyrKU) "
                                               "FROM tkance WHERE register_kanca = '00003'")),
                 QStringLiteral("2026-06-01 05"));
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM tkanhist WHERE "
                                               "register_kanca = '00003' AND kod_akcie = '03'")),
                 QStringLiteral("1"));
        shoot(&frame, QStringLiteral("i28-culling.png"));

        // The catalogue of the two boars left, and the workbook offered.
        QCOMPARE(previewPages(
                     [&] {
                         QTest::mouseClick(child<QPushButton>(&frame, "BitBtnKatalogKancov"),
                                           Qt::LeftButton);
                     },
                     QStringLiteral("i28-catalogue-preview.png")) >= 1,
                 true);
        QCOMPARE(dialogs.asked,
                 QStringList{QString::fromUtf8("Chceš previesť katalóg do Excel-u ? ")});

        // The performance grid beside the farm's averages.
        auto* reports = child<QListWidget>(&frame, "ListBoxZostavyKance");
        emit reports->itemClicked(reports->item(0));
        auto* perf = child<QueryGrid>(&frame, "DBGridUzKan");
        QVERIFY(perf->isVisible());
        QCOMPARE(perf->rows(), 2);
        QVERIFY(!grid->isVisible());
        auto* farmBox = child<QGroupBox>(&frame, "GroupBoxUzFarmy");
        QStringList cells;
        for (QLabel* l : farmBox->findChildren<QLabel*>())
            cells.append(l->text());
        QVERIFY2(cells.contains(QStringLiteral("9,8")) && cells.contains(QStringLiteral("10,5")),
                 qPrintable(cells.join(QLatin1Char(' '))));

        // No chart before a boar is chosen.
        clickOutput(&frame, 2);
        QCOMPARE(dialogs.shown.value(0).text,
                 QString::fromUtf8("Vyber kanca /dvojklik na riadok kanca !"));
        QCOMPARE(dialogs.shown.value(0).title, QStringLiteral("Graf"));
        BoarChart* chart = frame.boarTab()->chart();
        QVERIFY(!chart->isVisible());

        // A double click on boar B, then the chart.
        emit perf->doubleClicked(perf->model()->index(1, 0));
        clickOutput(&frame, 2);
        QVERIFY(chart->isVisible());
        QCOMPARE(child<QLabel>(&frame, "LabelGrafKanec")->text(),
                 QStringLiteral("Kanec:  3301 00002"));
        QChart* c = chart->view()->chart();
        QVERIFY(c->title().contains(QString::fromUtf8("Relatívna úžitkovosť kanca")));
        auto* series = qobject_cast<QBarSeries*>(c->series().value(0));
        QVERIFY(series && series->count() == 3 && series->isLabelsVisible());
        QCOMPARE(series->barSets()[0]->label(), QString::fromUtf8("všetky"));
        QCOMPARE(series->barSets()[0]->at(2), 1.0);
        QCOMPARE(series->barSets()[1]->at(2), 0.5);
        QVERIFY(c->legend()->isVisible());
        shoot(&frame, QStringLiteral("i28-performance-chart.png"));
        chart->grab().save(QStringLiteral("/tmp/i28-chart-panel.png"));

        QCOMPARE(previewPages([&] { clickOutput(&frame, 0); },
                              QStringLiteral("i28-performance-preview.png")),
                 1);
        // A click on the chart hides it.
        emit chart->clicked();
        QVERIFY(!chart->isVisible());
    }
};

QTEST_MAIN(TestBoarPanel)
#include "test_boar_panel.moc"

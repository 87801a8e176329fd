// The quick selections window and the report window as the user drives them:
// kinds and columns, the condition builder, the result with its titles and
// sort, saving, renaming, running and deleting saved selections, printing
// and the workbook export.
#include "QueryText.h"
#include "ScriptedDialogs.h"
#include "Shots.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "reports/FormRychleVybery.h"
#include "reports/FormUniZostava.h"
#include "reports/ReportPreviewDialog.h"
#include "selections/SavedSelections.h"
#include "shell/MainWindow.h"
#include "widgets/RowsModel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

using namespace herd;

namespace {

// Four sows whose texts, decimals and dates a condition tells apart.
void sows() {
    Sql::exec(QStringLiteral(
        "INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma, farma_povodu, "
        "linia_otca, linia_otcaMatky, priem_medzidobie, datum_narodenia, cecky) VALUES "
        "('100001', '01', '00001', 'O''Brien', '1111', '2222', 150.25, '2020-03-01', '14'),"
        "('100001', '01', '00002', '1; DROP TABLE', '1111', '3333', 7.5, '2021-06-15', '12'),"
        "('100001', '01', '00003', 'Obrien', '4444', '2222', 7.25, '2020-12-31', '14'),"
        "('100001', '01', '00004', 'Iná', NULL, NULL, NULL, NULL, '16')"));
}

// Runs `open` and hands the modal window it opens to `inside` (which closes it).
template <typename Window>
bool whileModal(const std::function<void()>& open, const std::function<void(Window*)>& inside) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
            seen = true;
            inside(window);
            window->reject();
        }
    });
    open();
    return seen;
}

} // namespace

class TestQuickSelections : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<FormRychleVybery> m_window;

    template <typename T = QWidget> T* child(const char* name) const {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    void chooseItem(const char* list, const QString& text) {
        auto* tree = child<QTreeWidget>(list);
        const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly, 0);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        tree->setCurrentItem(found.first());
    }
    QStringList chosen() {
        QStringList names;
        auto* tree = child<QTreeWidget>("ListViewVybrane");
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            names.append(tree->topLevelItem(i)->text(0));
        return names;
    }
    // Chooses "Prasnice" and adds the columns in order.
    void sowColumns(const QStringList& columns) {
        click("RadioButtonTyp3");
        for (const QString& c : columns) {
            chooseItem("ListViewStlpce", c);
            click("ButtonPridat");
        }
    }
    void addCondition(const QString& column, const QString& op, const QString& value,
                      const char* connector = "RadioButtonBezSpojenia") {
        chooseItem("ListViewStlpcePodmienky", column);
        chooseItem("ListViewOperatory", op);
        child<QLineEdit>("EditHodnota")->setText(value);
        click(connector);
        click("ButtonPridatPodmienku");
    }
    QStringList gridColumn(int column) const {
        QStringList values;
        const RowsModel* rows = m_window->output();
        for (int r = 0; r < rows->rowCount(); ++r)
            values.append(rows->index(r, column).data().toString());
        return values;
    }
    QString header(int column) const {
        return m_window->output()->headerData(column, Qt::Horizontal).toString();
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        sows();
        m_window = std::make_unique<FormRychleVybery>();
        m_window->show();
    }
    void cleanup() {
        m_window.reset();
        m_dialogs.reset();
        m_db.reset();
    }

    void kindsColumnsAndTabs() {
        QCOMPARE(
            m_window->findChildren<QRadioButton*>(QRegularExpression("^RadioButtonTyp")).size(),
            11);
        QVERIFY(child<QRadioButton>("RadioButtonTyp0")->isChecked());
        QTreeWidgetItem* first = child<QTreeWidget>("ListViewStlpce")->currentItem();
        QCOMPARE(QStringList({first->text(0), first->text(1), first->text(2)}),
                 (QStringList{"cislo_farmy", "Znakový", "6"}));
        QVERIFY(!child<QPushButton>("ButtonSpat")->isEnabled());
        QVERIFY(child<QPushButton>("ButtonDalej")->isEnabled());
        shoot(m_window.get(), "i22-tab-typ.png");

        // "Ďalej >" without a chosen column stays.
        click("ButtonDalej");
        QCOMPARE(m_dialogs->texts(), QStringList{"Neboli vybraté stĺpce pre zostavu."});
        QCOMPARE(m_window->tabs()->currentIndex(), 0);

        // A column chosen twice is refused and listed once.
        sowColumns({"prasnica_farma", "farma_povodu", "cecky", "prasnica_farma"});
        QCOMPARE(m_dialogs->texts().last(), QStringLiteral("Stĺpec prasnica_farma je už vybratý."));
        QCOMPARE(chosen(), (QStringList{"prasnica_farma", "farma_povodu", "cecky"}));

        // The arrows move the chosen entry, which stays chosen.
        auto* list = child<QTreeWidget>("ListViewVybrane");
        list->setCurrentItem(list->topLevelItem(0));
        QVERIFY(!child<QToolButton>("SpeedButtonHore")->isEnabled());
        click("SpeedButtonDole");
        QCOMPARE(chosen(), (QStringList{"farma_povodu", "prasnica_farma", "cecky"}));
        QCOMPARE(list->currentItem()->text(0), QStringLiteral("prasnica_farma"));
        click("SpeedButtonDole");
        QVERIFY(!child<QToolButton>("SpeedButtonDole")->isEnabled());
        QVERIFY(child<QToolButton>("SpeedButtonHore")->isEnabled());
        click("ButtonOdobrat");
        QCOMPARE(chosen(), (QStringList{"farma_povodu", "cecky"}));
        QCOMPARE(m_window->selection().columns.size(), 2);
        shoot(m_window.get(), "i22-tab-typ-vybrane.png");

        click("ButtonDalej");
        QCOMPARE(m_window->tabs()->currentIndex(), 1);
        QVERIFY(child<QPushButton>("ButtonSpat")->isEnabled());
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Akcie);
        QVERIFY(!child<QPushButton>("ButtonSpat")->isEnabled());
        QVERIFY(!child<QPushButton>("ButtonDalej")->isEnabled());

        // Another kind clears the chosen columns and the condition.
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Podmienka);
        addCondition("cecky", "=", "14");
        QVERIFY(!child<QPlainTextEdit>("MemoPodmienka")->toPlainText().isEmpty());
        click("RadioButtonTyp1");
        QVERIFY(chosen().isEmpty());
        QVERIFY(child<QPlainTextEdit>("MemoPodmienka")->toPlainText().isEmpty());
        QCOMPARE(m_window->selection().table, QStringLiteral("tkance"));
        QVERIFY(m_window->selection().conditions.isEmpty());
    }

    // Values are bound: a quote and a statement are data; the parts join by
    // their connectors; the shown text, once edited, runs as typed, read-only.
    void conditionBuilder() {
        sowColumns({"prasnica_farma", "farma_povodu"});
        click("ButtonDalej");
        QCOMPARE(child<QTreeWidget>("ListViewOperatory")->currentItem()->text(0),
                 QStringLiteral("="));
        addCondition("farma_povodu", "=", "");
        QCOMPARE(m_dialogs->texts().last(), QStringLiteral("Nezadaná hodnota výrazu."));
        addCondition("farma_povodu", "=", "O'Brien");
        addCondition("farma_povodu", "=", "1; DROP TABLE tpraspev");
        QVERIFY(m_dialogs->texts().last().startsWith(
            QStringLiteral("Nebolo vybraté logické spojenie")));
        addCondition("farma_povodu", "=", "1; DROP TABLE tpraspev", "RadioButtonOr");
        addCondition("priem_medzidobie", "BETWEEN", "7;7,5", "RadioButtonOr");
        QCOMPARE(child<QPlainTextEdit>("MemoPodmienka")->toPlainText(),
                 QStringLiteral("farma_povodu = 'O''Brien' OR farma_povodu = '1; DROP TABLE "
                                "tpraspev' OR priem_medzidobie BETWEEN 7 AND 7.5"));
        shoot(m_window.get(), "i22-tab-podmienka.png");
        m_dialogs->shown.clear();

        click("ButtonDalej");
        QCOMPARE(m_window->tabs()->currentIndex(), int(FormRychleVybery::Vystup));
        QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
        QCOMPARE(gridColumn(0), (QStringList{"00001", "00002", "00003"}));
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM tpraspev")),
                 QStringLiteral("4"));

        // The user's own text: edited, it replaces the parts and runs as typed.
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Podmienka);
        child<QPlainTextEdit>("MemoPodmienka")->setPlainText(QStringLiteral("cecky = '16'"));
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Vystup);
        QCOMPARE(gridColumn(0), QStringList{"00004"});

        // A second statement or a write never runs; the previous result stays.
        for (const char* text : {"1=1; UPDATE tpraspev SET cecky = '99'",
                                 "1=1 /*!; UPDATE tpraspev SET cecky = '99' */"}) {
            m_dialogs->shown.clear();
            m_window->tabs()->setCurrentIndex(FormRychleVybery::Podmienka);
            child<QPlainTextEdit>("MemoPodmienka")->setPlainText(QString::fromUtf8(text));
            m_window->tabs()->setCurrentIndex(FormRychleVybery::Vystup);
            QCOMPARE(m_dialogs->shown.size(), 1);
            QCOMPARE(m_dialogs->shown.first().kind, Notice::Kind::Error);
            QCOMPARE(gridColumn(0), QStringList{"00004"});
        }
        QCOMPARE(QueryText::lines(QStringLiteral("SELECT cecky FROM tpraspev ORDER BY 1")),
                 (QStringList{"12", "14", "14", "16"}));
    }

    // The grid: the remembered column highlighted, a title renamed by its
    // place ("linia_otca" leaves "linia_otcaMatky" alone), the sort.
    void outputTitlesAndSort() {
        sowColumns({"linia_otcaMatky", "linia_otca", "prasnica_farma"});
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Vystup);
        RowsModel* rows = m_window->output();
        QCOMPARE(rows->rowCount(), 4);
        QCOMPARE(rows->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(230, 230, 255));
        QVERIFY(!rows->index(0, 1).data(Qt::BackgroundRole).isValid());
        auto* title = child<QLineEdit>("EditNazovStlpca");
        QCOMPARE(title->text(), QStringLiteral("linia_otcaMatky"));

        QHeaderView* head = child<QTableView>("DBGridVystup")->horizontalHeader();
        QTest::mouseClick(head->viewport(), Qt::LeftButton, {},
                          QPoint(head->sectionViewportPosition(1) + 5, head->height() / 2));
        QCOMPARE(m_window->rememberedColumn(), 1);
        QCOMPARE(title->text(), QStringLiteral("linia_otca"));
        QVERIFY(!rows->index(0, 0).data(Qt::BackgroundRole).isValid());
        // Enter in the box renames; it presses no button of the window.
        QApplication::setActiveWindow(m_window.get());
        title->setFocus();
        title->setText(QStringLiteral("Línia 'otca'"));
        m_dialogs->shown.clear();
        QTest::keyClick(title, Qt::Key_Return);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_dialogs->texts(), QStringList{});
        QCOMPARE(m_window->selection().columns.size(), 3);
        QCOMPARE(header(1), QStringLiteral("Línia 'otca'"));
        QCOMPARE(header(0), QStringLiteral("linia_otcaMatky"));

        auto* sortColumn = child<QComboBox>("ComboBoxTriedenie");
        auto* direction = child<QComboBox>("ComboBoxSmer");
        direction->setCurrentIndex(1); // zostupne
        sortColumn->setCurrentIndex(2);
        emit sortColumn->activated(2);
        QCOMPARE(gridColumn(2), (QStringList{"00004", "00003", "00002", "00001"}));
        QCOMPARE(header(1), QStringLiteral("Línia 'otca'"));
        QCOMPARE(m_window->rememberedColumn(), 1);
        shoot(m_window.get(), "i22-tab-vystup.png");

        // Showing the tab again lists each column once and keeps the sort.
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Podmienka);
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Vystup);
        QCOMPARE(sortColumn->count(), 3);
        QCOMPARE(sortColumn->currentText(), QStringLiteral("prasnica_farma"));
        QCOMPARE(gridColumn(2), (QStringList{"00004", "00003", "00002", "00001"}));
    }

    void savingRunningAndDeleting() {
        sowColumns({"prasnica_farma", "farma_povodu", "priem_medzidobie", "datum_narodenia"});
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Podmienka);
        addCondition("farma_povodu", "LIKE", "O'");
        addCondition("farma_povodu", "=", "1; DROP TABLE tpraspev", "RadioButtonOr");
        addCondition("farma_povodu", "LIKE", "1; DROP", "RadioButtonOr");
        m_window->tabs()->setCurrentIndex(FormRychleVybery::Ulozenie);
        const QString name = QStringLiteral("Prasnice O'Brien \"A\"");
        const QString description = QStringLiteral("Pôvod 'O'Brien'; a \"iné\"");
        child<QLineEdit>("EditNazov")->setText(name);
        child<QLineEdit>("EditPopis")->setText(description);
        click("ButtonUlozit");
        QCOMPARE(m_dialogs->texts(), QStringList{"Výber bol uložený."});
        click("ButtonUlozit");
        QVERIFY(m_dialogs->texts().last().startsWith(QStringLiteral("Výber s názvom")));
        QCOMPARE(QueryText::lines(QStringLiteral("SELECT nazov, popis FROM sys_zostavy")),
                 QStringList{name + '|' + description});
        auto* savedGrid = child<QTableView>("DBGridVybery");
        QCOMPARE(savedGrid->model()->rowCount(), 1);
        shoot(m_window.get(), "i22-tab-ulozenie.png");

        // Renamed through the grid's row.
        savedGrid->setCurrentIndex(savedGrid->model()->index(0, 1));
        emit savedGrid->clicked(savedGrid->currentIndex());
        QCOMPARE(child<QLineEdit>("EditNazov")->text(), name);
        child<QLineEdit>("EditNazov")->setText(name + QStringLiteral(" 2"));
        click("ButtonPremenovat");
        QCOMPARE(m_dialogs->texts().last(), QStringLiteral("Výber bol premenovaný."));

        m_window->tabs()->setCurrentIndex(FormRychleVybery::Akcie);
        auto* runChoice = child<QComboBox>("ComboBoxSpracovanie");
        auto* deleteChoice = child<QComboBox>("ComboBoxVymazanie");
        QCOMPARE(runChoice->count(), 1);
        QCOMPARE(deleteChoice->currentIndex(), -1);
        shoot(m_window.get(), "i22-tab-akcie.png");

        // Nothing chosen: nothing runs, nothing is asked or deleted.
        m_dialogs->shown.clear();
        QVERIFY(!whileModal<FormUniZostava>([&] { click("ButtonVykonajSpracovanie"); },
                                            [](FormUniZostava*) {}));
        click("ButtonVykonajVymazanie");
        QVERIFY(m_dialogs->asked.isEmpty());
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM sys_zostavy")),
                 QStringLiteral("1"));

        // The report window runs it, prints it and exports it.
        runChoice->setCurrentIndex(0);
        QTemporaryDir dir;
        const QString book = dir.filePath(QStringLiteral("vyber.xlsx"));
        m_dialogs->saveFileAnswer = book;
        int pages = 0;
        QPageLayout::Orientation orientation = QPageLayout::Landscape;
        QVERIFY(whileModal<FormUniZostava>(
            [&] { click("ButtonVykonajSpracovanie"); },
            [&](FormUniZostava* report) {
                QCOMPARE(report->windowTitle(), '[' + name + QStringLiteral(" 2] ") + description);
                QCOMPARE(report->findChild<QLabel*>("StatusPanelZaznamov")->text(),
                         QStringLiteral("Záznamov: 2"));
                QCOMPARE(report->findChild<QLabel*>("StatusPanelNazov")->text(),
                         QStringLiteral("Názov: ") + name + QStringLiteral(" 2"));
                QVERIFY(report->findChild<QLabel*>("StatusPanelVytvorena")
                            ->text()
                            .startsWith(QDate::currentDate().toString("'Vytvorená: 'dd.MM.yyyy")));
                QCOMPARE(report->rows()->rows().rows.size(), 2);
                shoot(report, "i22-zostava.png");
                report->exportWorkbook();
                QVERIFY(whileModal<ReportPreviewDialog>(
                    [&] { report->print(); },
                    [&](ReportPreviewDialog* preview) {
                        pages = preview->preview()->pageCount();
                        orientation = preview->printer()->pageLayout().orientation();
                        shoot(preview, "i22-nahlad.png");
                    }));
            }));
        QCOMPARE(pages, 1);
        QCOMPARE(orientation, QPageLayout::Portrait);
        QVERIFY(QFile::exists(book));
        QVERIFY(m_dialogs->texts().join('\n').contains(QStringLiteral("vyber.xlsx")));

        deleteChoice->setCurrentIndex(0);
        m_dialogs->answers = {false};
        click("ButtonVykonajVymazanie");
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM sys_zostavy")),
                 QStringLiteral("1"));
        deleteChoice->setCurrentIndex(0);
        click("ButtonVykonajVymazanie");
        QCOMPARE(m_dialogs->asked.last(), SavedSelections::deleteQuestion());
        QCOMPARE(m_dialogs->shown.last(), Notice::information(SavedSelections::deleteTitle(),
                                                              "Zostava je vymazaná z ponuky !"));
        QCOMPARE(runChoice->count(), 0);
        QCOMPARE(savedGrid->model()->rowCount(), 0);
    }

    // The report window on its own: a statement that fails, and the grid's
    // row limit that the user lifts.
    void reportWindowFaultAndRowLimit() {
        Sql::exec(QStringLiteral(
            "INSERT INTO sys_zostavy (nazov, popis, sqlvyraz, modifikovana) VALUES "
            "('zlý', '', 'SELECT nic FROM tpraspev', NOW()),"
            "('dva príkazy', '', 'SELECT 1; UPDATE tpraspev SET cecky = ''99''', NOW())"));
        for (const char* name : {"zlý", "dva príkazy"}) {
            m_dialogs->shown.clear();
            FormUniZostava report(SavedSelections::findByName(QString::fromUtf8(name))->id);
            QCOMPARE(m_dialogs->shown.size(), 1);
            QVERIFY2(m_dialogs->shown.first().text.startsWith(QStringLiteral("Chyba: ")),
                     qPrintable(m_dialogs->shown.first().text));
            QCOMPARE(report.rows()->rowCount(), 0);
        }
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE cecky = '99'")),
                 QStringLiteral("0"));

        Sql::exec(QStringLiteral(
            "INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma) "
            "WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL SELECT i + 1 FROM n WHERE i < 1009) "
            "SELECT '100002', '01', LPAD(i, 5, '0') FROM n"));
        Selection all;
        all.table = QStringLiteral("tpraspev");
        all.columns = {{QStringLiteral("prasnica_farma"), {}}};
        QCOMPARE(SavedSelections::save(QStringLiteral("všetky"), {}, all).kind,
                 Notice::Kind::Information);
        m_dialogs->shown.clear();
        FormUniZostava report(SavedSelections::findByName(QStringLiteral("všetky"))->id);
        report.show();
        QVERIFY(m_dialogs->shown.isEmpty());
        QCOMPARE(report.rows()->rowCount(), 1000);
        QCOMPARE(report.findChild<QLabel*>("StatusPanelZaznamov")->text(),
                 QStringLiteral("Záznamov: 1000 (zobrazených prvých 1000, ďalšie načíta „Všetky "
                                "záznamy“)"));
        auto* lift = report.findChild<QToolButton*>("ToolButtonVsetky");
        QVERIFY(lift->isEnabled());
        QTest::mouseClick(lift, Qt::LeftButton);
        QCOMPARE(report.rows()->rowCount(), 1004);
        QCOMPARE(report.findChild<QLabel*>("StatusPanelZaznamov")->text(),
                 QStringLiteral("Záznamov: 1004"));
        QVERIFY(!lift->isEnabled());
    }

    // The menu entry opens a new window each time.
    void openedFromTheMenu() {
        m_window.reset();
        MainWindow main(m_db->settings());
        QAction* entry = main.action(QStringLiteral("ActionRychleVybery"));
        QList<FormRychleVybery*> opened;
        for (int i = 0; i < 2; ++i)
            QVERIFY(whileModal<FormRychleVybery>([&] { entry->trigger(); },
                                                 [&](FormRychleVybery* w) { opened.append(w); }));
        QCOMPARE(opened.size(), 2);
    }
};

QTEST_MAIN(TestQuickSelections)
#include "test_quick_selections.moc"

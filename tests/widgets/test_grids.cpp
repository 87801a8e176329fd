// What every grid shares: dates shown and typed as dd.mm.yyyy whatever the
// machine's locale (the suite runs under C.UTF-8), and the export of what the
// grid shows to a workbook or CSV.
#include "HerdFixture.h"
#include "ScriptedDialogs.h"
#include "TestDatabase.h"
#include "common/FileNames.h"
#include "db/Sql.h"
#include "litter/FrameNahlPrip.h"
#include "register/MatingDocument.h"
#include "register/WarehouseWindow.h"
#include "widgets/FormatDelegate.h"
#include "widgets/GridExportMenu.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace herd;

namespace {

const QString farm = QStringLiteral("123456");

// The text a grid's cell shows, through the grid's own delegate.
QString shown(QTableView* grid, int row, int column) {
    const QModelIndex index = grid->model()->index(row, column);
    auto* delegate = qobject_cast<QStyledItemDelegate*>(grid->itemDelegateForIndex(index));
    return delegate ? delegate->displayText(index.data(), QLocale()) : QString();
}

QLineEdit* openEditor(QTableView* grid) {
    for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible())
            return e;
    return nullptr;
}

} // namespace

class TestGrids : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_dir;

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        m_dialogs.reset();
        m_db.reset();
    }

    void datesAreSlovakInTheBatchGrid_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("stored");
        QTest::newRow("dd.mm.yyyy") << "01.08.2026" << QDate(2026, 8, 1);
        QTest::newRow("d.m.yy") << "1.8.26" << QDate(2026, 8, 1);
        QTest::newRow("ddmmyy") << "010826" << QDate(2026, 8, 1);
        QTest::newRow("emptied") << "" << QDate();
    }
    // The mating grid's date column: the editor shows the stored date as
    // dd.mm.yyyy (not "1 Jan 2000"), takes what the user types, and Enter
    // still moves on to the next column.
    void datesAreSlovakInTheBatchGrid() {
        QFETCH(QString, typed);
        QFETCH(QDate, stored);
        ShellState state;
        state.aktFarma = farm;
        HerdFixture::insertFarm(farm, QStringLiteral("Farma Dolné Vestenice"));
        FrameNahlPrip panel(state, {});
        panel.resize(900, 520);
        panel.show();
        panel.ComboBoxVstupDatPonukaChange(0);
        panel.findChild<RecordNavigator*>(QStringLiteral("DBNavigatorVstup"))
            ->button(RecordNavigator::Insert)
            ->click();
        auto* grid = panel.findChild<QTableView*>(QStringLiteral("DBGridVstup"));
        const int dateColumn = 2; // Datum_pripustenia
        const QModelIndex cell = grid->model()->index(0, dateColumn);
        QVERIFY(grid->model()->setData(cell, QDate(2026, 3, 2)));
        QCOMPARE(shown(grid, 0, dateColumn), QStringLiteral("02.03.2026"));
        m_dialogs->shown.clear();

        grid->setCurrentIndex(cell);
        grid->edit(cell);
        QLineEdit* editor = openEditor(grid);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("02.03.2026"));
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(grid->currentIndex().column(), dateColumn + 1);
        const QVariant value = grid->model()->index(0, dateColumn).data(Qt::EditRole);
        QCOMPARE(value.toDate(), stored);
        QCOMPARE(value.isNull(), !stored.isValid());
    }

    // An unreadable date is refused; the cell keeps its value and the editor
    // the text, for the user to mend.
    void unreadableDateStaysInTheEditor() {
        ShellState state;
        state.aktFarma = farm;
        FrameNahlPrip panel(state, {});
        panel.show();
        panel.ComboBoxVstupDatPonukaChange(0);
        panel.findChild<RecordNavigator*>(QStringLiteral("DBNavigatorVstup"))
            ->button(RecordNavigator::Insert)
            ->click();
        auto* grid = panel.findChild<QTableView*>(QStringLiteral("DBGridVstup"));
        const QModelIndex cell = grid->model()->index(0, 2);
        grid->model()->setData(cell, QDate(2026, 3, 2));
        m_dialogs->shown.clear();
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        QLineEdit* editor = openEditor(grid);
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("32.13.2026"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(m_dialogs->texts(), QStringList{FormatDelegate::badDateText()});
        QCOMPARE(openEditor(grid), editor);
        QCOMPARE(editor->text(), QStringLiteral("32.13.2026"));
        QCOMPARE(grid->currentIndex().column(), 2);
        QCOMPARE(cell.data(Qt::EditRole).toDate(), QDate(2026, 3, 2));
    }

    // A read-only grid over a query (the warehouse) shows its dates the same way.
    void warehouseGridShowsSlovakDates() {
        MatingDocument::writeMating({QStringLiteral("000001"),
                                     {},
                                     QStringLiteral("1"),
                                     {},
                                     QDate(2026, 12, 10),
                                     QStringLiteral("343"),
                                     QStringLiteral("1199"),
                                     QStringLiteral("4039"),
                                     0});
        QTemporaryDir root;
        const Config config = Config::load(root.path());
        config.ensureFolders();
        WarehouseWindow window(config, Progress{});
        window.show();
        window.chooseActivity(WarehouseWindow::BrowseAll);
        window.chooseType(3); // dos3
        auto* model = qobject_cast<QSqlQueryModel*>(window.grid()->model());
        const int column = model->record().indexOf(QStringLiteral("datum_vytvorenia"));
        QVERIFY(column >= 0);
        QCOMPARE(shown(window.grid(), 0, column), QDate::currentDate().toString(u"dd.MM.yyyy"));
    }

    // The export writes what the grid shows: visible columns in the user's
    // order, under the grid's captions, every row; the proposed file is named
    // after the grid's title and the day, in the documents folder.
    void exportWritesWhatTheGridShows() {
        Sql::exec(QStringLiteral("CREATE TABLE probe (prasnica CHAR(5), vrhy INT, narodena DATE, "
                                 "skryte INT)"));
        for (int i = 1; i <= 300; ++i)
            Sql::exec(QStringLiteral("INSERT INTO probe VALUES (LPAD(?, 5, '0'), ?, ?, 0)"),
                      {i, i % 7, QDate(2024, 1, 1).addDays(i)});
        QueryGrid grid(QStringLiteral("DBGridProbe"));
        grid.setTitles({{"prasnica", "prasnica"}, {"narodena", "narodená"}});
        grid.setExportTitle(QStringLiteral("Aktívne podľa plemena/ CPH – 12000000 BU x L"));
        grid.display(Sql::execScrollable(QStringLiteral(
            "SELECT prasnica, vrhy, narodena, skryte FROM probe ORDER BY prasnica")));
        grid.setColumnHidden(3, true);
        grid.horizontalHeader()->moveSection(2, 0); // narodená first
        const QString path = m_dir.filePath(QStringLiteral("zoznam"));
        m_dialogs->saveFileAnswer = path;

        QCOMPARE(GridExportMenu::exportGrid(&grid, GridExportMenu::Kind::Csv),
                 path + QStringLiteral(".csv"));
        QCOMPARE(m_dialogs->savesAsked,
                 QStringList{FileNames::inDocuments(
                     QStringLiteral("Aktívne podľa plemena_ CPH – 12000000 BU x L ") +
                     QDate::currentDate().toString(u"yyyy-MM-dd") + QStringLiteral(".csv"))});
        QFile f(path + QStringLiteral(".csv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QCOMPARE(lines.size(), 302); // header, 300 rows, the last line's end
        QCOMPARE(lines[0], QByteArray("\xEF\xBB\xBFnarodená;prasnica;vrhy\r"));
        QCOMPARE(lines[1], QByteArray("02.01.2024;00001;1\r"));
        QCOMPARE(lines[300], QByteArray("27.10.2024;00300;6\r"));
        QCOMPARE(m_dialogs->shown.last().title, QStringLiteral("Export do súboru"));

        // A cancelled file choice writes nothing.
        m_dialogs->saveFileAnswer.clear();
        QVERIFY(GridExportMenu::exportGrid(&grid, GridExportMenu::Kind::Workbook).isEmpty());
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".xlsx")));
    }
};

QTEST_MAIN(TestGrids)
#include "test_grids.moc"

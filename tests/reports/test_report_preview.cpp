// The print preview window: pages, page label, saving as PDF and refusals.
// With WGRAVOLENTA_SHOTS set to a folder it also saves pictures of the window.
#include "PdfText.h"
#include "ScriptedDialogs.h"
#include "TestDatabase.h"
#include "common/FileNames.h"
#include "db/Config.h"
#include "db/Sql.h"
#include "db/Transaction.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPageSetup.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/QtTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace herd;

namespace {

const QStringList names{"Žofka", "Ľudmila", "Šárka", "Čierna", "Bela", "Dáša", "Ťapka", "Zora"};

// A sow list of a farm; the aliases are the captions of the generic layout.
ReportData sowList(int count) {
    Sql::exec(QStringLiteral("CREATE TABLE probe_sows (prasnica CHAR(5), meno VARCHAR(30), "
                             "plemeno CHAR(3), narodena DATE, sekcia CHAR(3), vrhy INT, "
                             "zivo DECIMAL(5,1), hmotnost DECIMAL(6,1))"));
    Transaction t;
    for (int i = 1; i <= count; ++i)
        Sql::exec(QStringLiteral("INSERT INTO probe_sows VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {QStringLiteral("%1").arg(1000 + i * 7, 5, 10, QLatin1Char('0')),
                   names[i % names.size()], i % 3 ? QStringLiteral("BU") : QStringLiteral("L"),
                   QDate(2021, 1, 1).addDays(i * 5),
                   QStringLiteral("K%1").arg(1 + i % 4, 2, 10, QLatin1Char('0')), 1 + i % 6,
                   10.0 + (i % 9) / 2.0, 180.0 + i % 40});
    t.commit();
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT prasnica AS `Prasnica`, meno AS `Meno`, plemeno AS `Plemeno`, "
        "narodena AS `Dátum narodenia`, sekcia AS `Sekcia`, vrhy AS `Počet vrhov`, "
        "zivo AS `Živo narodené ⌀`, hmotnost AS `Hmotnosť kg` FROM probe_sows ORDER BY prasnica"));
    return ReportData::fromQuery(q);
}

QAction* action(QWidget* w, const char* name) {
    return w->findChild<QAction*>(QLatin1String(name));
}

void shoot(QWidget* w, const QString& name) {
    const QString folder = qEnvironmentVariable("WGRAVOLENTA_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    w->grab().save(QDir(folder).filePath(name));
}

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { installQtTexts(); }
    void init() { m_db = std::make_unique<TestDatabase>(); }
    void cleanup() { m_db.reset(); }

    void previewShowsThePagesAndSavesThePdf() {
        ScriptedDialogs dialogs;
        ReportEngine engine(ReportEngine::herdProject());
        engine.setParameter(QStringLiteral("Farma"),
                            QStringLiteral("100234 Farma Horné Košariská"));
        ReportPreviewDialog dialog(engine, QStringLiteral("ReportPrasniceZoznam"), sowList(95));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Náhľad tlače"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.preview()->pageCount(), 3);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("LabelStrana"))->text(),
                 QStringLiteral("Strana 1 / 3"));
        shoot(&dialog, QStringLiteral("preview-100.png"));
        action(&dialog, "ActionCelaStrana")->trigger();
        action(&dialog, "ActionDalsiaStrana")->trigger();
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("LabelStrana"))->text(),
                 QStringLiteral("Strana 2 / 3"));
        QTest::qWait(50);
        shoot(&dialog, QStringLiteral("preview-page2.png"));

        // The page setup is modal: picture it, then cancel it.
        QTimer::singleShot(300, [] {
            if (QWidget* setup = QApplication::activeModalWidget()) {
                QCOMPARE(setup->windowTitle(), QStringLiteral("Nastavenia"));
                shoot(setup, QStringLiteral("page-setup.png"));
                setup->close();
            }
        });
        action(&dialog, "ActionNastavenia")->trigger();

        dialogs.saveFileAnswer = m_dir.filePath(QStringLiteral("zoznam.pdf"));
        action(&dialog, "ActionUlozitPdf")->trigger();
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, Notice::Kind::Information);
        QVERIFY(dialogs.shown[0].text.contains(QStringLiteral("zoznam.pdf")));
        const QStringList pages = pdfPages(dialogs.saveFileAnswer);
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages[2].contains(QStringLiteral("Strana 3 / 3")));
        QVERIFY(pages[2].contains(QStringLiteral("Počet záznamov: 95")));
    }

    void savedPdfFollowsThePageSetup() {
        ScriptedDialogs dialogs;
        ReportEngine engine(ReportEngine::herdProject());
        ReportPreviewDialog dialog(engine, QStringLiteral("ReportPrasniceZoznam"), sowList(5));
        QCOMPARE(dialog.printer()->pageLayout().orientation(), QPageLayout::Landscape);
        dialog.printer()->setPageOrientation(QPageLayout::Portrait); // as chosen in "Nastavenia"
        dialogs.saveFileAnswer = m_dir.filePath(QStringLiteral("na_vysku.pdf"));
        action(&dialog, "ActionUlozitPdf")->trigger();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {dialogs.saveFileAnswer});
        QVERIFY(info.waitForFinished(60000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Page size:\\s+595 x 842 pts"))),
                 qPrintable(text));
    }

    void saveProposesTheTitleAndDayInTheDocumentsFolder() {
        ScriptedDialogs dialogs;
        ReportEngine engine(ReportEngine::herdProject());
        ReportPreviewDialog dialog(engine, QStringLiteral("ReportPrasniceZoznam"), sowList(2));
        action(&dialog, "ActionUlozitPdf")->trigger();
        QCOMPARE(dialogs.savesAsked, QStringList{FileNames::inDocuments(
                                         QStringLiteral("Zoznam prasníc %1.pdf")
                                             .arg(QDate::currentDate().toString(Qt::ISODate)))});
    }

    // The page chosen in "Nastavenia" comes back at the report's next print
    // (a report no other test prints: the choice outlives the test).
    void pageSetupIsRemembered() {
        ScriptedDialogs dialogs;
        ReportEngine engine(ReportEngine::herdProject());
        // As a first print: the report's own page (a remembered one from an
        // earlier run of the tests would stand in its place).
        ReportPageSetup::remember(QStringLiteral("ReportDAktOpr"),
                                  ReportEngine::pageLayout(QPageLayout::Portrait));
        {
            ReportPreviewDialog dialog(engine, QStringLiteral("ReportDAktOpr"), sowList(2));
            QCOMPARE(dialog.printer()->pageLayout().orientation(), QPageLayout::Portrait);
            QTimer::singleShot(300, [] {
                QWidget* setup = QApplication::activeModalWidget();
                QVERIFY(setup);
                for (QRadioButton* b : setup->findChildren<QRadioButton*>())
                    if (b->text() == QStringLiteral("Na šírku"))
                        b->click();
                qobject_cast<QDialog*>(setup)->accept();
            });
            action(&dialog, "ActionNastavenia")->trigger();
            QCOMPARE(dialog.printer()->pageLayout().orientation(), QPageLayout::Landscape);
        }
        ReportPreviewDialog again(engine, QStringLiteral("ReportDAktOpr"), ReportData());
        QCOMPARE(again.printer()->pageLayout().orientation(), QPageLayout::Landscape);
        // Kept for the next run in the data root's settings file.
        const QSettings ini(Config::load().settingsPath(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("tlac/ReportDAktOpr_orientacia")).toString(),
                 QStringLiteral("na sirku"));
        // Another report keeps its own page.
        ReportPreviewDialog other(engine, QStringLiteral("ReportDAktPre"), ReportData());
        QCOMPARE(other.printer()->pageLayout().orientation(), QPageLayout::Portrait);
    }

    // Qt's own dialogs in Slovak under C.UTF-8 (the test's locale): none of
    // the texts the distribution's translation lacks stays English.
    void qtDialogsAreSlovak() {
        QPrinter printer(QPrinter::HighResolution);
        QPageSetupDialog setup(&printer);
        QPrintDialog print(&printer);
        QFileDialog file(nullptr, QStringLiteral("Uložiť ako PDF"));
        file.setOption(QFileDialog::DontUseNativeDialog);
        file.setAcceptMode(QFileDialog::AcceptSave);
        const QStringList english{"Page Layout",
                                  "Pages per sheet:",
                                  "Page order:",
                                  "Cancel",
                                  "Double Sided Printing",
                                  "Page Set:",
                                  "All Pages",
                                  "Pages",
                                  "Left to Right, Top to Bottom",
                                  "Paper",
                                  "Orientation",
                                  "Portrait",
                                  "Landscape",
                                  "Margins",
                                  "Print",
                                  "Save",
                                  "File name:",
                                  "&Save",
                                  "&Cancel"};
        for (QDialog* d : std::initializer_list<QDialog*>{&setup, &print, &file}) {
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            QStringList texts{d->windowTitle()};
            for (QWidget* w : d->findChildren<QWidget*>()) {
                if (auto* l = qobject_cast<QLabel*>(w))
                    texts << l->text();
                else if (auto* b = qobject_cast<QAbstractButton*>(w))
                    texts << b->text();
                else if (auto* g = qobject_cast<QGroupBox*>(w))
                    texts << g->title();
                else if (auto* c = qobject_cast<QComboBox*>(w))
                    for (int i = 0; i < c->count(); ++i)
                        texts << c->itemText(i);
            }
            for (const QString& text : texts)
                QVERIFY2(!english.contains(text), qPrintable(text));
        }
        shoot(&setup, QStringLiteral("qt-page-setup.png"));
        shoot(&print, QStringLiteral("qt-print.png"));
        shoot(&file, QStringLiteral("qt-file.png"));
    }

    void cancelledSaveWritesNothing() {
        ScriptedDialogs dialogs;
        ReportEngine engine(ReportEngine::herdProject());
        ReportPreviewDialog dialog(engine, QStringLiteral("ReportKanceZoznam"), sowList(2));
        action(&dialog, "ActionUlozitPdf")->trigger();
        QCOMPARE(dialogs.savesAsked.size(), 1);
        QVERIFY(dialogs.shown.isEmpty());
    }

    void missingReportShowsTheEngineMessageAndNoWindow() {
        ScriptedDialogs dialogs;
        ReportEngine engine(ReportEngine::herdProject());
        ReportPreviewDialog::run(engine, QStringLiteral("ReportNeznama"), ReportData());
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, Notice::Kind::Error);
        QVERIFY(dialogs.shown[0].text.contains(QStringLiteral("ReportNeznama")));
        QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"

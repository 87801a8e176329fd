#include "batch/BatchSteps.h"

#include "db/SqlError.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"

namespace BatchSteps {

namespace {

void showAll(const herd::Notices& notices) {
    for (const herd::Notice& n : notices)
        Dialogs::instance().show(n);
}

} // namespace

herd::FarmKeys farmKeys(const QString& farm) {
    const std::optional<herd::FarmKeys> keys = herd::FarmKeys::read(farm);
    if (!keys)
        throw herd::SqlError(QString::fromUtf8("Farma %1 nie je evidovaná.").arg(farm));
    return *keys;
}

void startEditing(herd::CheckedBatch& batch) {
    if (batch.table().count() == 0)
        return;
    if (Dialogs::instance().ask(batch.texts().editTitle, batch.texts().restartQuestion))
        batch.clear();
}

bool check(herd::CheckedBatch& batch, const QString& farm, const herd::Progress& progress) {
    return check(batch.texts(), farm,
                 [&](const herd::FarmKeys& keys) { return batch.check(keys, progress); });
}

bool apply(herd::CheckedBatch& batch, const QString& farm, const herd::Progress& progress) {
    return apply(
        batch.texts(), farm,
        [&](const herd::FarmKeys& keys) { return batch.apply(keys, progress); },
        [&] { batch.clear(); });
}

bool check(const herd::BatchTexts& t, const QString& farm, const Step& step) {
    try {
        const herd::BatchOutcome outcome = step(farmKeys(farm));
        showAll(outcome.notices);
        return outcome.done;
    } catch (const herd::SqlError& e) {
        FailureBox::show(t.checkTitle, e, t.checkFailed);
        return false;
    }
}

bool apply(const herd::BatchTexts& t, const QString& farm, const Step& step,
           const std::function<void()>& clear) {
    herd::BatchOutcome outcome;
    try {
        outcome = step(farmKeys(farm));
    } catch (const herd::SqlError& e) {
        FailureBox::show(t.applyTitle, e, t.applyFailed);
        return false;
    }
    showAll(outcome.notices);
    if (!outcome.done)
        return false;
    if (Dialogs::instance().ask(t.applyTitle, t.clearQuestion)) {
        try {
            clear();
        } catch (const herd::SqlError& e) {
            FailureBox::show(t.applyTitle, e);
        }
    }
    return true;
}

void printDay(const herd::DayPrintout& printout, const QString& farm, QWidget* parent) {
    printDay(QList<herd::DayPrintout>{printout}, farm, parent);
}

void printDay(const QList<herd::DayPrintout>& printouts, const QString& farm, QWidget* parent) {
    if (printouts.isEmpty())
        return;
    const std::optional<QDate> day = Dialogs::instance().askDate(printouts.first().dateCaption);
    if (!day)
        return;
    for (const herd::DayPrintout& printout : printouts) {
        herd::ReportData data;
        try {
            data = printout.read(farm, *day);
        } catch (const herd::SqlError& e) {
            FailureBox::show(printout.none.title, e);
            return;
        }
        if (data.rows.isEmpty()) {
            Dialogs::instance().show(printout.none);
            continue;
        }
        herd::ReportEngine engine(herd::ReportEngine::herdProject());
        printout.setParameters(engine, farm, *day);
        ReportPreviewDialog::run(engine, printout.report, std::move(data), parent);
    }
}

} // namespace BatchSteps

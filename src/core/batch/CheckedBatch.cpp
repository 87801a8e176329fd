#include "batch/CheckedBatch.h"

#include "db/Transaction.h"

namespace herd {

CheckedBatch::CheckedBatch(BatchTable table, BatchTexts texts)
    : m_table(std::move(table))
    , m_texts(std::move(texts)) {}

BatchOutcome CheckedBatch::check(const FarmKeys& farm, const Progress& progress) {
    if (m_table.count() == 0)
        return {{Notice::error(m_texts.checkTitle, m_texts.empty)}, false};
    ProgressEnd end{progress};
    Transaction transaction;
    const QList<BatchRow> rows = normalise(farm);
    report(progress, int(rows.size()), 0);
    beginCheck(rows, farm);
    int step = 0;
    bool complete = true;
    for (const BatchRow& row : rows) {
        if (!checkRow(row, farm)) {
            complete = false;
            break;
        }
        report(progress, int(rows.size()), ++step);
    }
    finishCheck(farm);
    transaction.commit();
    if (!complete) {
        m_state.clear();
        return {{Notice::error(m_texts.checkTitle, m_texts.incomplete)}, false};
    }
    m_state.markChecked(farm.farm);
    if (m_table.faultyCount() > 0)
        return {{Notice::error(m_texts.checkTitle, m_texts.faulty)}, true};
    return {{Notice::information(m_texts.checkTitle, m_texts.clean)}, true};
}

BatchOutcome CheckedBatch::apply(const FarmKeys& farm, const Progress& progress) {
    if (m_table.count() == 0)
        return {{Notice::error(m_texts.checkTitle, m_texts.empty)}, false};
    if (!m_state.isCheckedFor(farm.farm) || m_table.uncheckedCount() > 0)
        return {{Notice::error(m_texts.applyTitle, m_texts.notChecked)}, false};
    if (m_table.faultyCount() > 0)
        return {{Notice::error(m_texts.applyTitle, m_texts.faulty)}, false};
    ProgressEnd end{progress};
    Transaction transaction;
    const QList<BatchRow> rows = rowsToApply();
    report(progress, int(rows.size()), 0);
    beginApply(rows, farm);
    int step = 0;
    for (const BatchRow& row : rows) {
        applyRow(row, farm);
        report(progress, int(rows.size()), ++step);
    }
    finishApply(farm);
    transaction.commit();
    // The rows are in the herd now; applying them again needs a new check.
    m_state.clear();
    return {{Notice::information(m_texts.applyTitle, m_texts.applied)}, true};
}

void CheckedBatch::clear() {
    m_table.clear();
    m_state.clear();
}

} // namespace herd

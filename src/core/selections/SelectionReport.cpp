#include "selections/SelectionReport.h"

#include "reports/ReportEngine.h"
#include "selections/SelectionPrint.h"

namespace herd {

QString SelectionReport::caption(const SavedSelection& saved) {
    return QLatin1Char('[') + saved.name + QStringLiteral("] ") + saved.description;
}

QString SelectionReport::nameText(const SavedSelection& saved) {
    return QStringLiteral("Názov: ") + saved.name;
}

QString SelectionReport::descriptionText(const SavedSelection& saved) {
    return QStringLiteral("Popis: ") + saved.description;
}

QString SelectionReport::savedText(const SavedSelection& saved) {
    return QStringLiteral("Vytvorená: ") + saved.saved.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
}

QString SelectionReport::countText(const SelectionRows& rows) {
    const qsizetype count = rows.data.rows.size();
    if (!rows.limited)
        return QStringLiteral("Záznamov: %1").arg(count);
    return QStringLiteral("Záznamov: %1 (zobrazených prvých %1, ďalšie načíta „%2“)")
        .arg(count)
        .arg(allRowsCaption());
}

SelectionRows SelectionReport::read(const SavedSelection& saved, const ReadOnlyLimits& limits) {
    return SelectionRows::read(SavedSelections::statementOf(saved), limits);
}

int SelectionReport::printToPdf(const SavedSelection& saved, const ReportData& data,
                                const QString& path, const QList<int>& widths) {
    ReportEngine engine(ReportEngine::selectionProject());
    SelectionPrint::prepare(engine, saved.name, saved.description, data, widths);
    return engine.printToPdf(SelectionPrint::report(), data, path);
}

} // namespace herd

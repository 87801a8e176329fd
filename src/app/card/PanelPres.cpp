#include "card/PanelPres.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

BatchGridSetup setup() {
    BatchGridSetup s;
    s.frameName = QStringLiteral("PanelPres");
    s.caption = u(" Presun prasníc ");
    s.groupName = QStringLiteral("GroupBoxPresun");
    s.pagesName = QStringLiteral("PageControlPresun");
    s.titles =
        QStringList{u("P- podnik"), u("P- okres"), u("P- závod"), u("P- chov"), u("Prasnica"),
                    u("N- podnik"), u("N- okres"), u("N- závod"), u("N- chov"), u("chybový oznam")};
    s.cell = [](const QString& column, const herd::BatchRow& row) {
        const std::optional<QVariant> kept =
            herd::TransferBatch::cellValue(column, row.value(column));
        return kept
                   ? herd::CellVerdict{*kept, {}}
                   : herd::CellVerdict{row.value(column), herd::TransferBatch::cellMessage(column)};
    };
    s.faultyReport = herd::TransferBatch::faultyReport();
    s.faultyRows = herd::TransferBatch::faultyRows;
    s.days = {herd::TransferBatch::day()};
    return s;
}

} // namespace

PanelPres::PanelPres(const herd::ShellState& state, herd::Progress progress, QWidget* parent)
    : BatchGridPanel(state, std::move(progress), std::make_unique<herd::TransferBatch>(), setup(),
                     parent) {}

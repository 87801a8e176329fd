#include "litter/FrameNahlPrip.h"

#include "litter/MatingPrintout.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

BatchGridSetup setup() {
    BatchGridSetup s;
    s.frameName = QStringLiteral("FrameNahlPrip");
    s.caption = u(" Nahlásenie pripustenia  ");
    s.groupName = QStringLiteral("GroupBoxNahlPrip");
    s.pagesName = QStringLiteral("PageControlNahlPrip");
    s.titles =
        QStringList{u("prasnica"),    u("chov"),           u("pripustená"), u("technik/prir"),
                    u("línia kanca"), u("register kanca"), u("počet RE"),   u("chybový oznam")};
    s.cell = [](const QString& column, const herd::BatchRow& row) {
        const std::optional<QVariant> kept =
            herd::MatingBatch::cellValue(column, row.value(column));
        return kept ? herd::CellVerdict{*kept, {}}
                    : herd::CellVerdict{row.value(column), herd::MatingBatch::cellMessage(column)};
    };
    s.newRow = {{QStringLiteral("Pocet_REIns"), 0}};
    s.faultyReport = herd::MatingPrintout::faultyReport();
    s.faultyRows = herd::MatingPrintout::faultyRows;
    s.days = {herd::MatingPrintout::day()};
    return s;
}

} // namespace

FrameNahlPrip::FrameNahlPrip(const herd::ShellState& state, herd::Progress progress,
                             QWidget* parent)
    : BatchGridPanel(state, std::move(progress), std::make_unique<herd::MatingBatch>(), setup(),
                     parent) {}

#include "litter/FrameNahlVrhu.h"

#include "litter/LitterCells.h"
#include "litter/LitterPrintout.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

BatchGridSetup setup() {
    BatchGridSetup s;
    s.frameName = QStringLiteral("FrameNahlVrhu");
    s.caption = u(" Nahlásenie uzavretého vrhu  ");
    s.groupName = QStringLiteral("GroupBoxNahlVrhu");
    s.pagesName = QStringLiteral("PageControlNahlVrhu");
    s.titles = QStringList{u("prasnica"),  u("chov"),        u("oprasená"),     u("charVrh"),
                           u("VŠn"),       u("ŽIn"),         u("DOch"),         u("Hmot. vrhu"),
                           u("odstavená"), u("Vyrovnanosť"), u("chybový oznam")};
    s.cell = herd::LitterCells::check;
    s.faultyReport = herd::LitterPrintout::faultyReport();
    s.faultyRows = herd::LitterPrintout::faultyRows;
    s.days = {herd::LitterPrintout::farrowings(), herd::LitterPrintout::weanings()};
    return s;
}

} // namespace

FrameNahlVrhu::FrameNahlVrhu(const herd::ShellState& state, herd::Progress progress,
                             QWidget* parent)
    : BatchGridPanel(state, std::move(progress), std::make_unique<herd::LitterBatch>(), setup(),
                     parent) {}

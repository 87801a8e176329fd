#pragma once

#include "bonitation/BonitationHerd.h"
#include "common/Notice.h"
#include "common/Progress.h"
#include "reports/ReportData.h"

#include <QDate>
#include <optional>

namespace herd {

class ReportEngine;

// The sow bonitation of a herd: the checks before every printout, the
// rebuild of fbonit and the rows of the four printouts.
class SowBonitation {
public:
    enum class Printout { Catalogue, Evaluation, Age, SireLine };

    // The printout's report name and the title of its message boxes.
    static QString report(Printout printout);
    static QString title(Printout printout);
    // The CLI's names: the report names, case aside.
    static std::optional<Printout> printoutNamed(const QString& reportName);

    // The herd is chosen and every active sow has her gene-pool class ('1',
    // '2' or '3'; a sow without any code is unclassified too). The refusal,
    // titled for the printout, or nothing.
    static std::optional<Notice> check(const BonitationHerd& herd, Printout printout);
    // The herd's sows not culled (the status bar's count).
    static int activeSows(const BonitationHerd& herd);
    // " aktívne prasnice/čky v chove = n"
    static QString activeText(int count);

    // What a printout command does after the check: rebuild fbonit, read the
    // printout's rows. A refusal (a fault of the rebuild, a herd without
    // sows to evaluate) comes back instead of rows; nothing is printed then.
    struct Prepared {
        std::optional<Notice> refusal;
        int sows = 0;
        ReportData data;
    };
    static Prepared prepare(const BonitationHerd& herd, Printout printout,
                            const QDate& today = QDate::currentDate(),
                            const Progress& progress = {});

    // The rows of a printout from fbonit as it stands.
    static ReportData rows(Printout printout);

    // The report parameters Kraj, Okres, Zavod, Chov, Nazch, Nazf, and the
    // page header's farm and herd line.
    static void setParameters(ReportEngine& engine, const BonitationHerd& herd,
                              const QString& farm);

    static QString noHerd() { return QString::fromUtf8("Nie je vybraný chov na bonitáciu !"); }
    static QString unclassified() {
        return QString::fromUtf8("V chove sú ešte nezatriedené (genofond) aktívne prasnice !");
    }
    static QString noSows() {
        return QString::fromUtf8("V uvedenom chove nie sú prasnice na bonitáciu !");
    }
    static QString rebuildFailed() {
        return QString::fromUtf8("Chybné vytvorenie tabulky Fbonit: ");
    }
    static QString exportQuestion() {
        return QString::fromUtf8("Chceš previesť katalóg do Excel-u ? ");
    }
    static QString panelTitle() { return QString::fromUtf8("Bonitácie prasníc"); }
    static QString noChovFar() { return QString::fromUtf8("Nie je vytvorená tabulka Chov_far !"); }
    static QString chovFarFailed() {
        return QString::fromUtf8("Chybné vytvorenie tabulky Chov_far: ");
    }
};

} // namespace herd

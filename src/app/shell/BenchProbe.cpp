#include "shell/BenchProbe.h"

#include "farms/FarmChoice.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTreeWidget>
#include <cstdio>

namespace BenchProbe {

namespace {

// The peak resident memory of this process in kB, from /proc.
long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

bool asked(const QStringList& args) {
    return args.contains(QStringLiteral("--bench-start")) ||
           args.contains(QStringLiteral("--bench-farm"));
}

int run(MainWindow& window, const QStringList& args, qint64 sinceStartMs) {
    QApplication::processEvents();
    std::printf("start_ms %lld\n", static_cast<long long>(sinceStartMs));
    const qsizetype at = args.indexOf(QStringLiteral("--bench-farm"));
    if (at >= 0) {
        QElapsedTimer timer;
        timer.start();
        const herd::FarmChoiceResult result = herd::FarmChoice::choose(args.value(at + 1));
        if (!result.chosen)
            return 1;
        window.applyFarmChoice(result);
        const qint64 choice = timer.elapsed();
        for (int i = 0; i < TreePane::TreeCount; ++i)
            window.treePane()->tree(static_cast<TreePane::Tree>(i))->expandAll();
        QApplication::processEvents();
        std::printf("choice_ms %lld\nexpanded_ms %lld\nvmhwm_kb %ld\n",
                    static_cast<long long>(choice), static_cast<long long>(timer.elapsed()),
                    peakResidentKb());
    }
    std::fflush(stdout);
    return 0;
}

} // namespace BenchProbe

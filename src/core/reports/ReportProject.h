#pragma once

#include "reports/ReportDefinition.h"

#include <QList>
#include <QString>

namespace herd {

// A report project: a JSON file that lists named reports (see
// resources/reports). The program's projects are built in; a file of the same
// name beside the program replaces the built-in one, so layouts can be
// adjusted on a farm without a new build.
class ReportProject {
public:
    // The path a project file name resolves to: a path with a folder as given;
    // otherwise the file beside the program when there is one, else the
    // built-in copy.
    static QString locate(const QString& fileName);
    // Reads a project; throws ReportError naming the file when it is missing
    // or not a valid project.
    static ReportProject load(const QString& path);

    const QString& path() const { return m_path; }
    // The file's own name, as messages name it.
    QString fileName() const;
    QStringList reportNames() const;
    // nullptr when the project has no report of that name.
    const ReportDefinition* report(const QString& name) const;
    ReportDefinition* report(const QString& name);

private:
    QString m_path;
    QList<ReportDefinition> m_reports;
};

} // namespace herd

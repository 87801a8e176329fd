#pragma once

#include "common/Notice.h"

#include <QString>
#include <stdexcept>

namespace herd {

// A report that cannot be printed: a missing or unreadable project file, a
// report name the project lacks, an output that cannot be written. text() is
// the Slovak message for the user.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& text)
        : std::runtime_error(text.toStdString())
        , m_text(text) {}

    const QString& text() const { return m_text; }
    Notice notice() const { return Notice::error(title(), m_text); }
    static QString title() { return QStringLiteral("Tlač zostavy"); }

private:
    QString m_text;
};

} // namespace herd

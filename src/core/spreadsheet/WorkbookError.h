#pragma once

#include <QString>
#include <stdexcept>

namespace herd {

// A workbook that cannot be written, or a cell address that does not parse;
// text() is the Slovak message.
class WorkbookError : public std::runtime_error {
public:
    explicit WorkbookError(const QString& text)
        : std::runtime_error(text.toStdString())
        , m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

} // namespace herd

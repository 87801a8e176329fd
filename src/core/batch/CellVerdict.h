#pragma once

#include <QString>
#include <QVariant>

namespace herd {

// The verdict of one cell of a batch grid when it is left: the value the
// cell keeps, or the message it is refused with (the value then stays as
// typed).
struct CellVerdict {
    QVariant value;
    QString message;
    bool good() const { return message.isEmpty(); }
};

} // namespace herd

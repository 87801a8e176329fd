#pragma once

#include <QString>

namespace herd::ControlChars {

// The text with every control character written out, for a terminal or a log:
// "\t", "\n", "\r", "\e", others as "\xHH" (C1 controls "\u0085"); a backslash
// is doubled, so the escaped text reads back unambiguously. A carriage return
// or an escape sequence of a typed value thus never acts on the terminal.
QString escaped(const QString& text);

} // namespace herd::ControlChars

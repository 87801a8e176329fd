#pragma once

#include <QString>

// Qt's own dialogs (print, page setup, file, the standard buttons) in Slovak,
// whatever the machine's locale: the distribution's qtbase_sk translation,
// and our own fixed table for the texts it lacks (QtTexts.cpp).
void installQtTexts();

// Our own Slovak for a Qt text the distribution leaves untranslated (any
// context); empty when the table has none.
QString slovakQtText(const char* sourceText);

#include "shell/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installQtTexts() {
    static QTranslator texts;
    if (texts.load(QLocale(QLocale::Slovak, QLocale::Slovakia), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&texts);
}

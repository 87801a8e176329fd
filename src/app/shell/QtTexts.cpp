#include "shell/QtTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The texts of Qt's dialogs that the distribution's qtbase_sk lacks (Qt 6.4):
// the standard buttons, the page setup's page layout and the print dialog's
// duplex and page set. Kept here as a table, so that a missing text is one
// line to add; they hold for every context in which Qt asks for them.
const QHash<QString, QString>& table() {
    static const QHash<QString, QString> texts{
        // QPlatformTheme: the standard buttons of every dialog and button box
        {QStringLiteral("OK"), QStringLiteral("OK")},
        {QStringLiteral("Save"), QStringLiteral("Uložiť")},
        {QStringLiteral("Save All"), QStringLiteral("Uložiť všetko")},
        {QStringLiteral("Open"), QStringLiteral("Otvoriť")},
        {QStringLiteral("&Yes"), QStringLiteral("&Áno")},
        {QStringLiteral("Yes to &All"), QStringLiteral("Áno &všetkým")},
        {QStringLiteral("&No"), QStringLiteral("&Nie")},
        {QStringLiteral("N&o to All"), QStringLiteral("N&ie všetkým")},
        {QStringLiteral("Abort"), QStringLiteral("Prerušiť")},
        {QStringLiteral("Retry"), QStringLiteral("Skúsiť znova")},
        {QStringLiteral("Ignore"), QStringLiteral("Ignorovať")},
        {QStringLiteral("Close"), QStringLiteral("Zavrieť")},
        {QStringLiteral("Cancel"), QStringLiteral("Zrušiť")},
        {QStringLiteral("Discard"), QStringLiteral("Zahodiť")},
        {QStringLiteral("Help"), QStringLiteral("Pomocník")},
        {QStringLiteral("Apply"), QStringLiteral("Použiť")},
        {QStringLiteral("Reset"), QStringLiteral("Obnoviť")},
        {QStringLiteral("Restore Defaults"), QStringLiteral("Obnoviť predvolené")},
        {QStringLiteral("Don't Save"), QStringLiteral("Neukladať")},
        {QStringLiteral("Close without Saving"), QStringLiteral("Zavrieť bez uloženia")},
        // QPageSetupWidget
        {QStringLiteral("Page Layout"), QStringLiteral("Rozloženie strán")},
        {QStringLiteral("Page order:"), QStringLiteral("Poradie strán:")},
        {QStringLiteral("Pages per sheet:"), QStringLiteral("Strán na hárok:")},
        {QStringLiteral("Left to Right, Top to Bottom"),
         QStringLiteral("Zľava doprava, zhora nadol")},
        {QStringLiteral("Left to Right, Bottom to Top"),
         QStringLiteral("Zľava doprava, zdola nahor")},
        {QStringLiteral("Right to Left, Bottom to Top"),
         QStringLiteral("Sprava doľava, zdola nahor")},
        {QStringLiteral("Right to Left, Top to Bottom"),
         QStringLiteral("Sprava doľava, zhora nadol")},
        {QStringLiteral("Bottom to Top, Left to Right"),
         QStringLiteral("Zdola nahor, zľava doprava")},
        {QStringLiteral("Bottom to Top, Right to Left"),
         QStringLiteral("Zdola nahor, sprava doľava")},
        {QStringLiteral("Top to Bottom, Left to Right"),
         QStringLiteral("Zhora nadol, zľava doprava")},
        {QStringLiteral("Top to Bottom, Right to Left"),
         QStringLiteral("Zhora nadol, sprava doľava")},
        {QStringLiteral("Custom"), QStringLiteral("Vlastná")},
        // QPrintDialog
        {QStringLiteral("Double Sided Printing"), QStringLiteral("Obojstranná tlač")},
        {QStringLiteral("Off"), QStringLiteral("Vypnutá")},
        {QStringLiteral("Long side binding"), QStringLiteral("Väzba po dlhšej strane")},
        {QStringLiteral("Short side binding"), QStringLiteral("Väzba po kratšej strane")},
        {QStringLiteral("Pages"), QStringLiteral("Strany")},
        {QStringLiteral("Page Set:"), QStringLiteral("Výber strán:")},
        {QStringLiteral("All Pages"), QStringLiteral("Všetky strany")},
    };
    return texts;
}

// Answers from the table; every other text goes on to the next translator.
class SupplementTranslator : public QTranslator {
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return slovakQtText(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

QString slovakQtText(const char* sourceText) {
    return sourceText ? table().value(QString::fromUtf8(sourceText)) : QString();
}

void installQtTexts() {
    static QTranslator distribution;
    static SupplementTranslator supplement;
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    if (distribution.load(QLocale(QLocale::Slovak, QLocale::Slovakia), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&distribution);
    // Installed last, so asked first: its few texts stand above the distribution's.
    QCoreApplication::installTranslator(&supplement);
}

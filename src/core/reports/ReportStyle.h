#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace herd {

// The fonts and measures of a printed report on one output device. The
// report font is built into the program (DejaVu Sans Condensed), so the
// output looks the same and keeps its diacritics on every machine.
class ReportStyle {
public:
    explicit ReportStyle(QPaintDevice* device);

    // Millimetres in the device's units.
    double mm(double millimetres) const;
    // The height of a text wrapped into the width.
    double textHeight(const QFont& font, const QString& text, double width) const;
    double lineHeight(const QFont& font) const;

    QPaintDevice* device() const { return m_device; }

    QFont body;     // data rows
    QFont bold;     // column captions, groups and totals
    QFont small;    // page header and footer
    QFont title;    // the report's title
    QFont subtitle; // subtitle and parameters

    // Registers the built-in font once; returns its family.
    static QString family();

private:
    QPaintDevice* m_device;
    double m_dpi;
};

} // namespace herd

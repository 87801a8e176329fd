#pragma once

#include <QHash>
#include <QSize>
#include <QStyledItemDelegate>

// Shows a grid's cells in the views' formats: dates dd.mm.yyyy, decimals with
// the decimal comma, or a fixed number of decimals ("0.#" is 1).
class FormatDelegate : public QStyledItemDelegate {
public:
    // decimals < 0: the views' general text of the value.
    FormatDelegate(QObject* parent, int decimals, int minWhole);

    QString displayText(const QVariant& value, const QLocale& locale) const override;

    // While measuring, a text repeated down a column is measured once: a cell's
    // size follows from its text and the room the view offers, since the query
    // models behind the grids give no fonts or icons.
    void setMeasuring(bool measuring);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    struct Measure {
        QString text;
        QSize room;
        bool operator==(const Measure&) const = default;
        friend size_t qHash(const Measure& m, size_t seed = 0) {
            return qHashMulti(seed, m.text, m.room.width(), m.room.height());
        }
    };

    int m_decimals;
    int m_minWhole;
    bool m_measuring = false;
    mutable QHash<Measure, QSize> m_sizes;
};

#pragma once

#include <QHash>
#include <QSize>
#include <QStyledItemDelegate>

// The one delegate of every grid: shows the cells in the views' formats
// (dates dd.mm.yyyy whatever the machine's locale, decimals with the decimal
// comma, or a fixed number of decimals: "0.#" is 1), and edits a date cell
// as dd.mm.yyyy text, so that "01.08.2026" (or "1.8.26", "010826") can be
// typed. An emptied date cell holds no date; an unreadable one is refused
// with a box and the editor stays open with the text typed.
class FormatDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // decimals < 0: the views' general text of the value.
    FormatDelegate(QObject* parent, int decimals = -1, int minWhole = 1);

    QString displayText(const QVariant& value, const QLocale& locale) const override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // The message for a date that cannot be read.
    static QString badDateText();
    static QString dateTitle() { return QStringLiteral("Dátum"); }

    // While measuring, a text repeated down a column is measured once: a cell's
    // size follows from its text and the room the view offers, since the query
    // models behind the grids give no fonts or icons.
    void setMeasuring(bool measuring);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void warnBadDate(class QLineEdit* edit) const;

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
    mutable bool m_warning = false; // the box about an unreadable date is coming
    mutable QHash<Measure, QSize> m_sizes;
};

#include "widgets/FormatDelegate.h"

#include "views/DisplayFormat.h"

FormatDelegate::FormatDelegate(QObject* parent, int decimals, int minWhole)
    : QStyledItemDelegate(parent)
    , m_decimals(decimals)
    , m_minWhole(minWhole) {}

QString FormatDelegate::displayText(const QVariant& value, const QLocale&) const {
    return m_decimals < 0 ? herd::DisplayFormat::text(value)
                          : herd::DisplayFormat::decimal(value, m_decimals, m_minWhole);
}

void FormatDelegate::setMeasuring(bool measuring) {
    m_measuring = measuring;
    m_sizes.clear();
}

QSize FormatDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (!m_measuring)
        return QStyledItemDelegate::sizeHint(option, index);
    const Measure key{displayText(index.data(), option.locale), option.rect.size()};
    auto found = m_sizes.constFind(key);
    if (found == m_sizes.cend())
        found = m_sizes.insert(key, QStyledItemDelegate::sizeHint(option, index));
    return found.value();
}

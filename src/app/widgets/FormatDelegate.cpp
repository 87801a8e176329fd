#include "widgets/FormatDelegate.h"

#include "common/DateText.h"
#include "shell/Dialogs.h"
#include "views/DisplayFormat.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

const char* dateEditorName = "DateCellEditor";

bool isDateCell(const QModelIndex& index) {
    const int type = index.data(Qt::EditRole).typeId();
    return type == QMetaType::QDate || type == QMetaType::QDateTime;
}

QLineEdit* dateEditor(QObject* object) {
    auto* edit = qobject_cast<QLineEdit*>(object);
    return edit && edit->objectName() == QLatin1String(dateEditorName) ? edit : nullptr;
}

bool readable(const QLineEdit* edit) {
    const QString text = edit->text().trimmed();
    return text.isEmpty() || herd::DateText::typed(text).isValid();
}

} // namespace

FormatDelegate::FormatDelegate(QObject* parent, int decimals, int minWhole)
    : QStyledItemDelegate(parent)
    , m_decimals(decimals)
    , m_minWhole(minWhole) {}

QString FormatDelegate::displayText(const QVariant& value, const QLocale&) const {
    return m_decimals < 0 ? herd::DisplayFormat::text(value)
                          : herd::DisplayFormat::decimal(value, m_decimals, m_minWhole);
}

QString FormatDelegate::badDateText() {
    return QStringLiteral("Nekorektne uvedený dátum ! (dd.mm.rrrr)");
}

QWidget* FormatDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    if (!isDateCell(index))
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(dateEditorName));
    edit->setFrame(false);
    edit->setPlaceholderText(QStringLiteral("dd.mm.rrrr"));
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9.\\-]{0,10}")), edit));
    return edit;
}

void FormatDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (QLineEdit* edit = dateEditor(editor)) {
        edit->setText(herd::DateText::dotted(index.data(Qt::EditRole).toDate()));
        edit->selectAll();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void FormatDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    QLineEdit* edit = dateEditor(editor);
    if (!edit) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const QString text = edit->text().trimmed();
    if (text.isEmpty()) {
        model->setData(index, QVariant(QMetaType::fromType<QDate>()), Qt::EditRole);
        return;
    }
    const QDate date = herd::DateText::typed(text);
    // An unreadable date never replaces the cell's value.
    if (date.isValid())
        model->setData(index, date, Qt::EditRole);
    else
        warnBadDate(edit);
}

void FormatDelegate::warnBadDate(QLineEdit* edit) const {
    if (m_warning)
        return;
    m_warning = true;
    // The box comes once the event is over, so it never interrupts the view's
    // own handling; the editor, when still open, gets the focus back.
    QTimer::singleShot(0, const_cast<FormatDelegate*>(this), [this, edit = QPointer(edit)] {
        Dialogs::error(dateTitle(), badDateText());
        m_warning = false;
        if (edit)
            edit->setFocus();
    });
}

bool FormatDelegate::eventFilter(QObject* object, QEvent* event) {
    QLineEdit* edit = dateEditor(object);
    if (edit && !readable(edit)) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
                key == Qt::Key_Backtab) {
                // The text stays in the open editor for the user to mend.
                warnBadDate(edit);
                return true;
            }
        }
        // The box takes the focus; the editor stays.
        if (event->type() == QEvent::FocusOut && m_warning)
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
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

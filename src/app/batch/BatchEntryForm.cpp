#include "batch/BatchEntryForm.h"

#include "batch/BatchTableModel.h"
#include "common/DateText.h"
#include "db/SqlError.h"
#include "shell/Dialogs.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

BatchEntryForm::BatchEntryForm(herd::BatchTableModel* model, RecordNavigator* navigator,
                               QTableView* grid, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_navigator(navigator)
    , m_grid(grid) {
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (!m_editing)
            moveTo(index.row());
    });
    // The navigator's buttons never take the focus from a field: posting
    // works while a field's check keeps the focus in it.
    for (int i = 0; i < RecordNavigator::Count; ++i)
        m_navigator->button(RecordNavigator::Button(i))->setFocusPolicy(Qt::NoFocus);
    m_navigator->button(RecordNavigator::Refresh)->hide();
    // Enter on the navigator's post button (where the row's end puts the
    // focus) posts the row, so a row is typed with the keyboard alone.
    m_navigator->button(RecordNavigator::Post)->installEventFilter(this);
    connect(m_navigator, &RecordNavigator::clicked, this, &BatchEntryForm::onNavigator);
}

void BatchEntryForm::bind(const QString& column, QWidget* widget, Kind kind) {
    m_fields.insert(column, widget);
    m_kinds.insert(column, kind);
    m_columns.append(column);
    m_columnOf.insert(widget, column);
    widget->installEventFilter(this);
}

void BatchEntryForm::addText(const QString& column, QLineEdit* edit) {
    bind(column, edit, Kind::Text);
    connect(edit, &QLineEdit::textEdited, this, &BatchEntryForm::typed);
}

void BatchEntryForm::addDate(const QString& column, QLineEdit* edit) {
    bind(column, edit, Kind::Date);
    edit->setPlaceholderText(QStringLiteral("dd.mm.rrrr"));
    connect(edit, &QLineEdit::textEdited, this, &BatchEntryForm::typed);
}

void BatchEntryForm::addLookup(const QString& column, QComboBox* combo) {
    bind(column, combo, Kind::Lookup);
    connect(combo, &QComboBox::activated, this, &BatchEntryForm::typed);
}

void BatchEntryForm::setLookupEntries(const QString& column,
                                      const QList<herd::LookupEntry>& entries) {
    auto* combo = qobject_cast<QComboBox*>(m_fields.value(column));
    const QVariant kept = value(column);
    m_loading = true;
    combo->clear();
    combo->addItem(QString(), QVariant());
    for (const herd::LookupEntry& e : entries)
        combo->addItem(e.text, e.key);
    m_loading = false;
    setValue(column, kept);
}

QVariant BatchEntryForm::value(const QString& column) const {
    QWidget* w = m_fields.value(column);
    switch (m_kinds.value(column)) {
    case Kind::Text: {
        const QString text = static_cast<QLineEdit*>(w)->text();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case Kind::Date: {
        // An empty (or unreadable) date is no date: NULL in the batch.
        const QDate date = herd::DateText::parse(static_cast<QLineEdit*>(w)->text().trimmed());
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case Kind::Lookup:
        return static_cast<QComboBox*>(w)->currentData();
    }
    return {};
}

QVariantMap BatchEntryForm::values() const {
    QVariantMap map;
    for (const QString& column : m_columns)
        map.insert(column, value(column));
    return map;
}

void BatchEntryForm::setValue(const QString& column, const QVariant& v) {
    QWidget* w = m_fields.value(column);
    if (!w)
        return;
    switch (m_kinds.value(column)) {
    case Kind::Text:
        static_cast<QLineEdit*>(w)->setText(v.isNull() ? QString() : v.toString());
        break;
    case Kind::Date:
        static_cast<QLineEdit*>(w)->setText(herd::DateText::dotted(v.toDate()));
        break;
    case Kind::Lookup: {
        auto* combo = static_cast<QComboBox*>(w);
        const QString key = v.isNull() ? QString() : v.toString().trimmed();
        int index = key.isEmpty() ? 0 : combo->findData(key);
        if (index < 0) { // a code the list lacks is still shown
            combo->addItem(key, key);
            index = combo->count() - 1;
        }
        combo->setCurrentIndex(index);
        break;
    }
    }
}

void BatchEntryForm::setValues(const QVariantMap& values) {
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        setValue(it.key(), it.value());
}

void BatchEntryForm::setEditable(bool editable) {
    m_editable = editable;
    if (!editable && m_editing)
        cancel();
    for (auto b : {RecordNavigator::Insert, RecordNavigator::Delete, RecordNavigator::Edit,
                   RecordNavigator::Post, RecordNavigator::Cancel})
        m_navigator->button(b)->setVisible(editable);
    for (QWidget* w : std::as_const(m_fields)) {
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setReadOnly(!editable);
        else
            w->setEnabled(editable);
    }
    updateState();
}

void BatchEntryForm::reload() {
    m_editing = m_inserting = false;
    m_model->reload();
    m_row = m_model->rowCount() > 0 ? 0 : -1;
    showRow();
}

void BatchEntryForm::typed() {
    if (m_loading || m_editing || !m_editable)
        return;
    m_editing = true;
    m_inserting = m_row < 0;
    updateState();
}

void BatchEntryForm::startInsert() {
    if (!m_editable)
        return;
    m_editing = m_inserting = true;
    clearFields();
    updateState();
    if (!m_columns.isEmpty())
        m_fields.value(m_columns.first())->setFocus();
}

void BatchEntryForm::startEdit() {
    if (!m_editable || m_row < 0)
        return;
    m_editing = true;
    m_inserting = false;
    updateState();
}

bool BatchEntryForm::post() {
    if (!m_editing)
        return true;
    // A value no cell of its column may hold stays in the form for mending.
    if (const QString message = m_model->refusal(values()); !message.isEmpty()) {
        Dialogs::error(QStringLiteral("Dávka"), message);
        return false;
    }
    try {
        if (m_inserting)
            m_row = m_model->insertValues(values());
        else
            m_model->updateValues(m_row, values());
    } catch (const herd::SqlError& e) {
        Dialogs::error(QStringLiteral("Chyba"), QStringLiteral("Chyba: ") + e.text());
        return false;
    }
    m_editing = m_inserting = false;
    showRow();
    return true;
}

void BatchEntryForm::cancel() {
    m_editing = m_inserting = false;
    showRow();
}

void BatchEntryForm::removeCurrent() {
    if (m_row < 0)
        return;
    if (!Dialogs::instance().ask(QStringLiteral("Dávka"), QString::fromUtf8("Zmazať záznam ?")))
        return;
    try {
        m_model->removeAt(m_row);
    } catch (const herd::SqlError& e) {
        Dialogs::error(QStringLiteral("Chyba"), QStringLiteral("Chyba: ") + e.text());
        return;
    }
    m_row = std::min(m_row, m_model->rowCount() - 1);
    showRow();
}

void BatchEntryForm::moveTo(int row) {
    if (m_editing || row < 0 || row >= m_model->rowCount())
        return;
    m_row = row;
    showRow();
}

void BatchEntryForm::onNavigator(RecordNavigator::Button which) {
    switch (which) {
    case RecordNavigator::First:
        moveTo(0);
        break;
    case RecordNavigator::Prior:
        moveTo(m_row - 1);
        break;
    case RecordNavigator::Next:
        moveTo(m_row + 1);
        break;
    case RecordNavigator::Last:
        moveTo(m_model->rowCount() - 1);
        break;
    case RecordNavigator::Insert:
        startInsert();
        break;
    case RecordNavigator::Delete:
        removeCurrent();
        break;
    case RecordNavigator::Edit:
        startEdit();
        break;
    case RecordNavigator::Post:
        post();
        break;
    case RecordNavigator::Cancel:
        cancel();
        break;
    case RecordNavigator::Refresh:
    case RecordNavigator::Count:
        break;
    }
}

void BatchEntryForm::clearFields() {
    m_loading = true;
    for (const QString& column : std::as_const(m_columns))
        setValue(column, QVariant());
    m_loading = false;
}

void BatchEntryForm::showRow() {
    if (m_row >= m_model->rowCount())
        m_row = m_model->rowCount() - 1;
    m_loading = true;
    if (m_row < 0) {
        clearFields();
    } else {
        const herd::BatchRow& row = m_model->row(m_row);
        for (const QString& column : std::as_const(m_columns))
            setValue(column, row.value(column));
        m_grid->selectRow(m_row);
    }
    m_loading = false;
    updateState();
}

void BatchEntryForm::updateState() {
    m_navigator->setState(m_editing, m_row, m_model->rowCount());
    emit positionChanged(m_inserting ? -1 : m_row, m_model->rowCount());
    if (m_editable)
        m_navigator->button(RecordNavigator::Insert)->setEnabled(!m_editing);
}

bool BatchEntryForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_navigator->button(RecordNavigator::Post)) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                post();
                return true;
            }
        }
        return false;
    }
    const QString column = m_columnOf.value(watched);
    if (column.isEmpty())
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit enterPressed(column);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A box or a menu taking the focus for a moment is no leaving.
        if (m_editing && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            emit fieldLeft(column);
    }
    return false;
}

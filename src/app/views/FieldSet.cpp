#include "views/FieldSet.h"

#include "views/DisplayFormat.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSqlRecord>

void FieldSet::addRow(QWidget* parent, QGridLayout* grid, int row,
                      std::initializer_list<Field> fields) {
    int column = 0;
    QHBoxLayout* cell = nullptr;
    for (const Field& f : fields) {
        const QString caption = QString::fromUtf8(f.caption);
        if (!cell || !caption.isEmpty()) {
            if (cell)
                cell->addStretch(1);
            auto* label = new QLabel(caption, parent);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(label, row, column++);
            cell = new QHBoxLayout;
            cell->setSpacing(3);
            grid->addLayout(cell, row, column++);
        }
        cell->addWidget(make(parent, f));
    }
    if (cell)
        cell->addStretch(1);
}

QLineEdit* FieldSet::make(QWidget* parent, const Field& f) {
    auto* edit = new QLineEdit(parent);
    const QString name = QString::fromLatin1(f.name);
    edit->setObjectName(QStringLiteral("DBEdit") + name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * f.chars + 8);
    edit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_fields.insert(name.toLower(), edit);
    return edit;
}

QLineEdit* FieldSet::addAt(QWidget* parent, QGridLayout* grid, int row, int column,
                           const Field& f) {
    auto* label = new QLabel(QString::fromUtf8(f.caption), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, column);
    QLineEdit* edit = make(parent, f);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

void FieldSet::fill(const QSqlRecord& record) {
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const int index = record.indexOf(it.key());
        if (index < 0)
            continue;
        const QVariant value = record.value(index);
        const auto decimals = m_decimals.constFind(it.key());
        it.value()->setText(decimals == m_decimals.cend()
                                ? herd::DisplayFormat::text(value)
                                : herd::DisplayFormat::decimal(value, decimals.value()));
        it.value()->setCursorPosition(0);
    }
}

void FieldSet::clear() {
    for (QLineEdit* edit : std::as_const(m_fields))
        edit->clear();
}

void FieldSet::set(const QString& name, const QString& text) {
    if (QLineEdit* edit = field(name))
        edit->setText(text);
}

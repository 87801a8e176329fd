#include "settings/VeterinaryPlanWindow.h"

#include "db/SqlError.h"
#include "shell/Dialogs.h"
#include "widgets/UnsavedChanges.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

using herd::PlannedAction;
using herd::VeterinaryPlan;

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}

void fill(QComboBox* combo, const QList<VeterinaryPlan::Choice>& choices) {
    combo->clear();
    combo->addItem(QString(), QString());
    for (const auto& [value, name] : choices)
        combo->addItem(name, value);
}

// A stored value the list lacks (a housing kind this farm does not have) is
// added as it is, so that saving another field keeps it.
void select(QComboBox* combo, const QString& value) {
    int index = combo->findData(value);
    if (index < 0 && !value.isEmpty()) {
        combo->addItem(value, value);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(qMax(0, index));
}
} // namespace

VeterinaryPlanWindow::VeterinaryPlanWindow(QWidget* parent)
    : QDialog(parent)
    , m_navigator(new RecordNavigator(this))
    , m_name(new QLineEdit(this))
    , m_vaccine(new QLineEdit(this))
    , m_housing(new QComboBox(this))
    , m_action(new QComboBox(this))
    , m_day(new QSpinBox(this)) {
    setObjectName(QStringLiteral("FormVeterinarneUkony"));
    setWindowTitle(VeterinaryPlan::title());
    m_navigator->setObjectName(QStringLiteral("DBNavigatorUkony"));
    m_name->setObjectName(QStringLiteral("DBEditNazovUkonu"));
    m_vaccine->setObjectName(QStringLiteral("DBEditVakcina"));
    m_housing->setObjectName(QStringLiteral("DBLookupUstajnenie"));
    m_action->setObjectName(QStringLiteral("DBLookupAkcia"));
    m_day->setObjectName(QStringLiteral("DBEditDen"));
    m_name->setMaxLength(40);
    m_vaccine->setMaxLength(40);
    m_day->setRange(0, 999);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(u("názov úkonu:"), this), 0, 0);
    form->addWidget(m_name, 0, 1, 1, 3);
    form->addWidget(new QLabel(u("vakcína:"), this), 1, 0);
    form->addWidget(m_vaccine, 1, 1, 1, 3);
    form->addWidget(new QLabel(u("vykonáva sa v :"), this), 2, 0);
    form->addWidget(m_housing, 2, 1, 1, 3);
    form->addWidget(new QLabel(u("po zootechnickej akcii :"), this), 3, 0);
    form->addWidget(m_action, 3, 1, 1, 3);
    form->addWidget(new QLabel(u("na :"), this), 4, 0);
    form->addWidget(m_day, 4, 1);
    form->addWidget(new QLabel(u("- tí deň"), this), 4, 2);
    form->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_navigator);
    layout->addLayout(form);
    layout->addStretch(1);
    resize(520, 260);

    m_fields = {m_name, m_vaccine, m_housing, m_action, m_day};
    for (QWidget* field : m_fields)
        field->installEventFilter(this);
    const auto changed = [this] {
        if (!m_loading)
            setEditing(true);
    };
    connect(m_name, &QLineEdit::textEdited, this, changed);
    connect(m_vaccine, &QLineEdit::textEdited, this, changed);
    connect(m_housing, &QComboBox::activated, this, changed);
    connect(m_action, &QComboBox::activated, this, changed);
    connect(m_day, &QSpinBox::valueChanged, this, changed);
    connect(m_navigator, &RecordNavigator::clicked, this, &VeterinaryPlanWindow::onNavigator);
}

bool VeterinaryPlanWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        move(135, 250);
    return QDialog::event(event);
}

bool VeterinaryPlanWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter moves to the next field.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const qsizetype index = m_fields.indexOf(static_cast<QWidget*>(watched));
        if (index >= 0 && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            m_fields[(index + 1) % m_fields.size()]->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void VeterinaryPlanWindow::showEvent(QShowEvent* event) {
    m_loading = true;
    try {
        fill(m_housing, VeterinaryPlan::housings());
        m_housingChoices = m_housing->count();
        fill(m_action, VeterinaryPlan::actions());
    } catch (const herd::SqlError& e) {
        Dialogs::error(windowTitle(), QStringLiteral("Chyba: ") + e.text());
    }
    m_loading = false;
    reload();
    QDialog::showEvent(event);
}

void VeterinaryPlanWindow::reload(int selectId) {
    try {
        m_rows = VeterinaryPlan::list();
    } catch (const herd::SqlError& e) {
        Dialogs::error(windowTitle(), QStringLiteral("Chyba: ") + e.text());
        m_rows.clear();
    }
    m_row = m_rows.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == selectId)
            m_row = i;
    m_inserting = false;
    showRecord();
    setEditing(false);
}

void VeterinaryPlanWindow::showRecord() {
    m_loading = true;
    const PlannedAction a = m_row >= 0 ? m_rows[m_row] : PlannedAction{};
    m_name->setText(a.name);
    m_vaccine->setText(a.vaccine);
    while (m_housing->count() > m_housingChoices)
        m_housing->removeItem(m_housing->count() - 1);
    select(m_housing, a.housing);
    select(m_action, a.action);
    m_day->setValue(a.day);
    m_loading = false;
}

void VeterinaryPlanWindow::setEditing(bool editing) {
    m_editing = editing;
    m_navigator->setState(editing, m_row, m_rows.size());
}

bool VeterinaryPlanWindow::post() {
    if (!m_editing)
        return true;
    PlannedAction a;
    a.id = m_inserting || m_row < 0 ? 0 : m_rows[m_row].id;
    a.name = m_name->text();
    a.vaccine = m_vaccine->text();
    a.housing = m_housing->currentData().toString();
    a.action = m_action->currentData().toString();
    a.day = m_day->value();
    try {
        if (const auto refusal = VeterinaryPlan::check(a)) {
            Dialogs::instance().show(*refusal);
            return false;
        }
        reload(VeterinaryPlan::save(a));
    } catch (const herd::SqlError& e) {
        Dialogs::error(windowTitle(), QStringLiteral("Chyba: ") + e.text());
        return false;
    }
    return true;
}

void VeterinaryPlanWindow::onNavigator(RecordNavigator::Button which) {
    const int rows = m_rows.size();
    switch (which) {
    case RecordNavigator::First:
    case RecordNavigator::Prior:
    case RecordNavigator::Next:
    case RecordNavigator::Last:
        if (rows == 0)
            break;
        m_row = which == RecordNavigator::First  ? 0
                : which == RecordNavigator::Last ? rows - 1
                : which == RecordNavigator::Next ? qMin(rows - 1, m_row + 1)
                                                 : qMax(0, m_row - 1);
        showRecord();
        setEditing(false);
        break;
    case RecordNavigator::Insert:
        m_inserting = true;
        m_loading = true;
        for (QLineEdit* edit : {m_name, m_vaccine})
            edit->clear();
        m_housing->setCurrentIndex(0);
        m_action->setCurrentIndex(0);
        m_day->setValue(0);
        m_loading = false;
        setEditing(true);
        m_name->setFocus();
        break;
    case RecordNavigator::Delete:
        if (m_row < 0 || !Dialogs::instance().ask(windowTitle(),
                                                  u("Zmazať úkon „%1“ ?").arg(m_rows[m_row].name)))
            break;
        try {
            VeterinaryPlan::remove(m_rows[m_row].id);
        } catch (const herd::SqlError& e) {
            Dialogs::error(windowTitle(), QStringLiteral("Chyba: ") + e.text());
        }
        reload();
        break;
    case RecordNavigator::Edit:
        setEditing(true);
        m_name->setFocus();
        break;
    case RecordNavigator::Post:
        post();
        break;
    case RecordNavigator::Cancel:
    case RecordNavigator::Refresh:
        reload(m_row >= 0 && !m_inserting ? m_rows[m_row].id : 0);
        break;
    case RecordNavigator::Count:
        break;
    }
}

void VeterinaryPlanWindow::done(int result) {
    if (!mayCloseWithChanges(m_editing, windowTitle(), QStringLiteral("Uložiť zmeny ?"),
                             [this] { return post(); }))
        return;
    m_editing = false;
    QDialog::done(result);
}

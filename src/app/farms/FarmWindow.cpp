#include "farms/FarmWindow.h"

#include "db/SqlError.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "widgets/GridSetup.h"
#include "widgets/UnsavedChanges.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using herd::FarmColumn;
using herd::FarmRecord;
using herd::FarmRegistry;

namespace {

const QString windowName = QStringLiteral("Farmy");

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The edit box width in characters of a column.
int boxChars(const FarmColumn& c) {
    return c.number() ? 4 : std::clamp(c.width, 2, 30);
}

} // namespace

FarmWindow::FarmWindow(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormFarmy"));
    setWindowTitle(windowName);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildRecordForm());

    m_navigator = new RecordNavigator(this);
    m_navigator->setObjectName(QStringLiteral("DBNavigatorFarmy"));
    connect(m_navigator, &RecordNavigator::clicked, this, &FarmWindow::onNavigator);
    layout->addWidget(m_navigator);

    m_grid = new QTableWidget(0, 4, this);
    m_grid->setObjectName(QStringLiteral("DBGridFarmy"));
    m_grid->setToolTip(u("Zoznam evidovaných fariem"));
    m_grid->setHorizontalHeaderLabels(
        {u("register farmy"), u("číslo farmy OŠ"), u("názov farmy"), u("Aktuálna")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSetup::prepare(m_grid, QStringLiteral("Farmy"));
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(2, 260);
    m_grid->setMinimumHeight(120);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != m_row) {
            m_row = row;
            showRecord();
        }
    });
    layout->addWidget(m_grid, 1);

    auto* choice = new QHBoxLayout;
    m_comboLabel = new QLabel(u("Vyber aktuálnu farmu"), this);
    m_comboLabel->setObjectName(QStringLiteral("LabelVyberFarmy"));
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("ComboBoxFarmy"));
    m_combo->setToolTip(u("Výber aktuálnej farmy"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMinimumWidth(320);
    m_combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_combo->completer()->setFilterMode(Qt::MatchContains);
    m_comboLabel->setBuddy(m_combo);
    connect(m_combo, &QComboBox::activated, this, &FarmWindow::chooseEntry);
    choice->addWidget(m_comboLabel);
    choice->addWidget(m_combo, 1);
    layout->addLayout(choice);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBarFarmy"));
    m_progress->setRange(0, herd::FarmChoice::Steps);
    m_progress->setFixedWidth(0);
    m_progress->hide();
    layout->addWidget(m_progress);
}

QLineEdit* FarmWindow::addEdit(const QString& column) {
    const auto& columns = FarmRegistry::columns();
    const auto it = std::find_if(columns.cbegin(), columns.cend(),
                                 [&](const FarmColumn& c) { return c.name == column; });
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("DBEdit") + column);
    if (it->number())
        edit->setValidator(new QIntValidator(0, 9999, edit));
    else
        edit->setMaxLength(it->width);
    edit->setFixedWidth(
        edit->fontMetrics().horizontalAdvance(QString(boxChars(*it), QLatin1Char('W'))) * 3 / 4 +
        16);
    // Enter moves on to the next control.
    connect(edit, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    connect(edit, &QLineEdit::textEdited, this, [this] {
        if (m_mode == Mode::Editing && !m_editing)
            setEditing(true);
    });
    m_edits.insert(column, edit);
    return edit;
}

QWidget* FarmWindow::buildRecordForm() {
    auto* form = new QWidget(this);
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
    auto label = [form](const QString& text) { return new QLabel(text, form); };
    auto captionOf = [](const char* column) {
        for (const FarmColumn& c : FarmRegistry::columns())
            if (c.name == QLatin1String(column))
                return c.caption;
        return QString();
    };

    auto* head = new QGridLayout;
    const char* headColumns[] = {"Cislo_farmy", "Cislo_farmy_OS", "Nazov_farmy"};
    for (int i = 0; i < 3; ++i) {
        head->addWidget(label(captionOf(headColumns[i])), i, 0);
        head->addWidget(addEdit(QString::fromLatin1(headColumns[i])), i, 1, Qt::AlignLeft);
    }
    m_aktualna = new QCheckBox(u("Vybraná farma"), form);
    m_aktualna->setObjectName(QStringLiteral("DBCheckBoxAktualna"));
    m_aktualna->setEnabled(false); // only the farm choice sets it
    head->addWidget(m_aktualna, 0, 2);
    head->setColumnStretch(2, 1);
    layout->addLayout(head);

    auto* address = new QGroupBox(u("Adresa farmy:"), form);
    address->setObjectName(QStringLiteral("GroupBoxAdresa"));
    auto* a = new QGridLayout(address);
    a->addWidget(label(captionOf("Adresa_Ulica")), 0, 0);
    a->addWidget(addEdit(QStringLiteral("Adresa_Ulica")), 0, 1);
    a->addWidget(addEdit(QStringLiteral("Adresa_popCislo")), 0, 2);
    a->addWidget(label(captionOf("Telefon")), 0, 3);
    a->addWidget(addEdit(QStringLiteral("Telefon")), 0, 4);
    a->addWidget(addEdit(QStringLiteral("Adresa_PSC")), 1, 0);
    a->addWidget(addEdit(QStringLiteral("Adresa_obec")), 1, 1, 1, 2);
    a->addWidget(label(captionOf("Mobil")), 1, 3);
    a->addWidget(addEdit(QStringLiteral("Mobil")), 1, 4);
    a->setColumnStretch(5, 1);
    layout->addWidget(address);

    auto* middle = new QHBoxLayout;
    auto* registry = new QGroupBox(u("Plemenársky register chovov farmy:"), form);
    registry->setObjectName(QStringLiteral("GroupBoxRegister"));
    auto* r = new QGridLayout(registry);
    const char* breeder[] = {"Chovatel_kraj", "Chovatel_okres", "Chovatel_zavod"};
    auto* breederRow = new QHBoxLayout;
    for (const char* column : breeder) {
        breederRow->addWidget(label(captionOf(column)));
        breederRow->addWidget(addEdit(QString::fromLatin1(column)));
    }
    breederRow->addStretch(1);
    r->addLayout(breederRow, 0, 0, 1, 6);
    for (int herd = 1; herd <= 4; ++herd) {
        const QString n = QString::number(herd);
        r->addWidget(label(u("chov")), herd, 0);
        r->addWidget(addEdit(QStringLiteral("Chovatel_chov") + n), herd, 1);
        r->addWidget(label(u("názov")), herd, 2);
        r->addWidget(addEdit(QStringLiteral("Register_nazovChovu") + n), herd, 3);
        r->addWidget(label(u("v KÚ")), herd, 4);
        r->addWidget(addEdit(QStringLiteral("Register_chovKU") + n), herd, 5);
    }
    middle->addWidget(registry);

    auto* zoo = new QGroupBox(u("Zootechnické parametre:"), form);
    zoo->setObjectName(QStringLiteral("GroupBoxParametre"));
    auto* z = new QGridLayout(zoo);
    const char* days[] = {"Dni_odstavu", "Dni_skolka", "Dni_vykrm"};
    for (int i = 0; i < 3; ++i) {
        z->addWidget(label(captionOf(days[i])), i, 0);
        z->addWidget(addEdit(QString::fromLatin1(days[i])), i, 1);
    }
    z->setRowStretch(3, 1);
    middle->addWidget(zoo);
    layout->addLayout(middle);

    auto* housing = new QGroupBox(u("Ustajnenia ošípaných:"), form);
    housing->setObjectName(QStringLiteral("GroupBoxUstajnenia"));
    auto* h = new QGridLayout(housing);
    const struct {
        const char* kind;
        const char* range;
        const char* column;
    } sections[] = {
        {"Karanténa ", "K01 - 04", "Karantena_sekcie"},
        {"Jalováreň", "J01 - 04", "Jalovaren_sekcie"},
        {"", "B01 - 10", "Jalovaren_IndBox"},
        {"Matečník", "M01 - 04", "Matecnik_sekcie"},
        {"Škôlka", "S01 - 20", "Skolka_sekcie"},
        {"Výkrm", "V01 - 20", "Vykrm_sekcie"},
    };
    int row = 0;
    for (const auto& s : sections) {
        h->addWidget(label(u(s.kind)), row, 0);
        h->addWidget(label(u(s.range)), row, 1);
        h->addWidget(label(captionOf(s.column)), row, 2);
        h->addWidget(addEdit(QString::fromLatin1(s.column)), row, 3);
        ++row;
    }
    h->setColumnStretch(4, 1);
    layout->addWidget(housing);
    return form;
}

bool FarmWindow::prepare(Mode mode) {
    m_mode = mode;
    std::optional<herd::Notice> refusal;
    try {
        if (mode == Mode::List)
            refusal = FarmRegistry::listRefusal();
        else if (mode == Mode::Choice)
            refusal = FarmRegistry::choiceRefusal();
        if (refusal) {
            Dialogs::instance().show(*refusal);
            return false;
        }
        reload();
        if (mode == Mode::Choice) {
            QList<herd::FarmEntry> entries = FarmRegistry::entries();
            std::sort(entries.begin(), entries.end(),
                      [](const auto& a, const auto& b) { return a.text < b.text; });
            m_combo->clear();
            for (const herd::FarmEntry& e : entries)
                m_combo->addItem(e.text, e.number); // the number is the entry's key
            m_combo->setCurrentIndex(-1);
        }
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowName, e);
        return false;
    }

    static const char* titles[] = {"Farmy -aktualizácia fariem", "Farmy -zoznam fariem",
                                   "Farmy -aktuálna farma"};
    setWindowTitle(u(titles[static_cast<int>(mode)]));
    for (QLineEdit* edit : std::as_const(m_edits))
        edit->setEnabled(mode == Mode::Editing);
    m_navigator->setVisible(mode == Mode::Editing);
    m_grid->setVisible(mode == Mode::List);
    m_comboLabel->setVisible(mode == Mode::Choice);
    m_combo->setVisible(mode == Mode::Choice);
    setEditing(false);
    return true;
}

void FarmWindow::open(Mode mode) {
    if (prepare(mode))
        exec();
}

void FarmWindow::reload(const QString& number) {
    const QString keep = number.isEmpty() && m_row >= 0 && m_row < m_farms.size()
                             ? m_farms.at(m_row).value(QStringLiteral("Cislo_farmy")).toString()
                             : number;
    m_farms = FarmRegistry::all();
    m_row = m_farms.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_farms.size(); ++i)
        if (m_farms.at(i).value(QStringLiteral("Cislo_farmy")).toString() == keep)
            m_row = i;

    const QSignalBlocker blocker(m_grid);
    m_grid->setRowCount(m_farms.size());
    const char* shown[] = {"Cislo_farmy", "Cislo_farmy_OS", "Nazov_farmy", "Aktualna"};
    for (int i = 0; i < m_farms.size(); ++i)
        for (int c = 0; c < 4; ++c)
            m_grid->setItem(
                i, c,
                new QTableWidgetItem(m_farms.at(i).value(QLatin1String(shown[c])).toString()));
    if (m_row >= 0)
        m_grid->setCurrentCell(m_row, 0);
    showRecord();
}

void FarmWindow::showRecord() {
    const FarmRecord record = m_row >= 0 && !m_inserting ? m_farms.at(m_row) : FarmRecord();
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        it.value()->setText(record.value(it.key()).toString());
    m_aktualna->setChecked(record.value(QStringLiteral("Aktualna")).toInt() == 1);
    m_navigator->setState(m_editing, m_row, m_farms.size());
}

void FarmWindow::setEditing(bool editing) {
    m_editing = editing;
    if (!editing)
        m_inserting = false;
    m_navigator->setState(m_editing, m_row, m_farms.size());
}

FarmRecord FarmWindow::editedRecord() const {
    FarmRecord record = m_inserting || m_row < 0 ? FarmRecord() : m_farms.at(m_row);
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        record.insert(it.key(), it.value()->text());
    return record;
}

bool FarmWindow::post() {
    const FarmRecord record = editedRecord();
    const QString original =
        m_inserting ? QString() : m_farms.at(m_row).value(QStringLiteral("Cislo_farmy")).toString();
    try {
        if (const auto refusal = FarmRegistry::save(original, record)) {
            Dialogs::instance().show(*refusal);
            return false;
        }
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowName, e);
        return false;
    }
    setEditing(false);
    reload(record.value(QStringLiteral("Cislo_farmy")).toString());
    return true;
}

void FarmWindow::removeCurrent() {
    if (m_row < 0)
        return;
    const QString number = m_farms.at(m_row).value(QStringLiteral("Cislo_farmy")).toString();
    if (!Dialogs::instance().ask(windowName, u("Zmazať farmu %1 ?").arg(number)))
        return;
    // The neighbouring farm becomes the current row.
    const int neighbour = m_row > 0 ? m_row - 1 : m_row + 1;
    const QString next = neighbour < m_farms.size()
                             ? m_farms.at(neighbour).value(QStringLiteral("Cislo_farmy")).toString()
                             : QString();
    try {
        FarmRegistry::remove(number);
        reload(next);
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowName, e);
    }
}

void FarmWindow::onNavigator(RecordNavigator::Button which) {
    switch (which) {
    case RecordNavigator::First:
    case RecordNavigator::Prior:
    case RecordNavigator::Next:
    case RecordNavigator::Last:
        m_row = RecordNavigator::moved(which, m_row, static_cast<int>(m_farms.size()));
        break;
    case RecordNavigator::Insert:
        m_inserting = true;
        m_editing = true;
        showRecord();
        m_edits.value(QStringLiteral("Cislo_farmy"))->setFocus();
        return;
    case RecordNavigator::Delete:
        removeCurrent();
        return;
    case RecordNavigator::Edit:
        setEditing(true);
        m_edits.value(QStringLiteral("Nazov_farmy"))->setFocus();
        return;
    case RecordNavigator::Post:
        post();
        return;
    case RecordNavigator::Cancel:
        setEditing(false);
        showRecord();
        return;
    case RecordNavigator::Refresh:
        try {
            reload();
        } catch (const herd::SqlError& e) {
            FailureBox::show(windowName, e);
        }
        return;
    case RecordNavigator::Count:
        return;
    }
    showRecord();
}

void FarmWindow::chooseEntry(int index) {
    const QString number = m_combo->itemData(index).toString();
    if (number.isEmpty())
        return;
    m_progress->setFixedWidth(270);
    m_progress->setValue(0);
    m_progress->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const herd::FarmChoiceResult result =
        herd::FarmChoice::choose(number, [this](int total, int step) {
            if (total <= 0)
                return; // the bar stays full until the boxes are read
            m_progress->setValue(step);
            m_progress->repaint();
        });
    QApplication::restoreOverrideCursor();
    if (result.chosen)
        emit farmChosen(result);
    for (const herd::Notice& notice : result.notices)
        Dialogs::instance().show(notice);
    m_progress->setValue(0);
    m_progress->setFixedWidth(0);
    m_progress->hide();
    try {
        reload(number);
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowName, e);
    }
}

bool FarmWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        move(103, 15);
    return QDialog::event(event);
}

void FarmWindow::done(int result) {
    if (!mayCloseWithChanges(m_editing, windowName, u("Uložiť zmeny farmy ?"),
                             [this] { return post(); }))
        return;
    if (m_editing)
        setEditing(false);
    QDialog::done(result);
}

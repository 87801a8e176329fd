#include "card/FormAktPrasnica.h"

#include "batch/BatchEntryForm.h"
#include "batch/BatchSteps.h"
#include "batch/BatchTableModel.h"
#include "card/AnimalCorrectionPanel.h"
#include "card/CardMode.h"
#include "card/EnrolmentFields.h"
#include "card/EnrolmentPrintout.h"
#include "card/LitterCorrectionPanel.h"
#include "card/MatingCorrectionPanel.h"
#include "db/SqlError.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "widgets/GridSetup.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The grid's columns and titles.
const QStringList gridColumns = {"Prasnica_KrCislo", "Chovatel_Chov", "Datum_narodenia",
                                 "Linia_otca",       "Register_otca", "Povod_matka",
                                 "Povod_uscislo",    "Plemeno_KU",    "ERR_oznam"};
const QStringList gridTitles = {u("prasnica"),  u("chov"),     u("narodená"),
                                u("Lin-otca"),  u("Reg-otca"), u("matka"),
                                u("uš. číslo"), u("plemeno"),  u("chybový oznam")};

// The lookup lists of the entry panel and their code tables.
struct Lookup {
    const char* column;
    herd::LookupSource source;
};
const Lookup lookups[] = {
    {"Kod_kategorie", {"ckategos", "Kod_kategorie", "Nazov"}},
    {"Plemeno_KU", {"czplem", "Plemeno_KU", "Nazov_plemena"}},
    {"Kod_genofond", {"cgenofond", "Kod_genofond", "Nazov"}},
    {"Kod_krajiny_NUM", {"ckrajiny", "Kod_krajiny_NUM", "Nazov"}},
    // Sections of one kind share their name: the code goes first.
    {"Ustajnenie", {"cdruhustajnenia", "ustajnenie", "CONCAT(ustajnenie, ' ', druhustajnenia)"}},
};

} // namespace

FormAktPrasnica::FormAktPrasnica(herd::ShellState& state, herd::Progress progress, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_progress(std::move(progress)) {
    setObjectName(QStringLiteral("FormAktPrasnica"));
    resize(860, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("PanelHlavicka"));
    top->setFixedHeight(130);
    layout->addWidget(top);
    m_model = new herd::BatchTableModel(m_batch, gridColumns, gridTitles, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGridVstup"));
    layout->addWidget(m_grid, 1);
    // Holds the entry panel at the bottom while the grid is hidden.
    m_filler = new QWidget(this);
    layout->addWidget(m_filler, 1);
    m_navigator = new RecordNavigator(this);
    m_navigator->setObjectName(QStringLiteral("DBNavigator"));
    m_panelZar = buildPanelZar();
    m_panels.append(m_panelZar);
    layout->addWidget(m_panelZar);
    // The other work panels of the card (corrections, mating, farrowing,
    // boar corrections) come with their modes.
    for (const char* name : {"PanelUpd", "PanelKUpd", "PanelPrip", "PanelOpr"}) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QString::fromLatin1(name));
        panel->hide();
        layout->addWidget(panel);
        m_panels.append(panel);
    }
    auto* navRow = new QHBoxLayout;
    navRow->setContentsMargins(8, 4, 8, 8);
    navRow->addWidget(m_navigator);
    auto* position = new QLabel(this);
    position->setObjectName(QStringLiteral("LabelPozicia"));
    navRow->addWidget(position, 1);
    layout->addLayout(navRow);
    buildTop();
    m_form = new BatchEntryForm(m_model, m_navigator, m_grid, this);
    GridSetup::prepare(m_grid, u("Dávka zaradenia prasníc"));
    for (const QString& column : herd::EnrolmentFields::order()) {
        QWidget* w = m_panelZar->findChild<QWidget*>(QStringLiteral("DB") + column);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            m_form->addLookup(column, combo);
        else if (column == QLatin1String("Datum_narodenia"))
            m_form->addDate(column, static_cast<QLineEdit*>(w));
        else
            m_form->addText(column, static_cast<QLineEdit*>(w));
    }
    // Narrow code columns leave the message its room.
    m_grid->horizontalHeader()->setDefaultSectionSize(76);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_form, &BatchEntryForm::positionChanged, position, [position](int row, int rows) {
        position->setText(row < 0 ? u("  nový záznam (%1 v dávke)").arg(rows)
                                  : u("  záznam %1 z %2").arg(row + 1).arg(rows));
    });
    connect(m_form, &BatchEntryForm::enterPressed, this, &FormAktPrasnica::onEnter);
    connect(m_form, &BatchEntryForm::fieldLeft, this, &FormAktPrasnica::onFieldLeft);
    // The correction mode's work modes, one line each.
    addMode(new AnimalCorrectionPanel(AnimalCorrectionPanel::Kind::Sow, m_state, m_progress, this));
    addMode(
        new AnimalCorrectionPanel(AnimalCorrectionPanel::Kind::Boar, m_state, m_progress, this));
    addMode(new MatingCorrectionPanel(m_state, this));
    addMode(new LitterCorrectionPanel(m_state, this));
    hideWorkPanels();
}

void FormAktPrasnica::addMode(CardMode* mode) {
    auto* combo = findChild<QComboBox*>(mode->listName());
    Q_ASSERT(combo);
    combo->addItems(mode->items());
    combo->setCurrentIndex(-1);
    for (QFrame*& panel : m_panels) {
        if (panel->objectName() != mode->objectName())
            continue;
        delete layout()->replaceWidget(panel, mode);
        panel->deleteLater();
        panel = mode;
    }
    mode->hide();
    m_modes.append(mode);
    connect(combo, &QComboBox::activated, this, [this, combo, mode](int item) {
        m_steps->setCurrentIndex(-1);
        for (QComboBox* other : std::as_const(m_otherLists))
            if (other != combo)
                other->setCurrentIndex(-1);
        for (QFrame* panel : std::as_const(m_panels))
            if (panel != mode)
                panel->hide();
        m_navigator->hide();
        showGrid(false);
        m_filler->setVisible(false);
        mode->show();
        mode->choose(item);
    });
}

void FormAktPrasnica::chooseItem(const QString& list, int item) {
    auto* combo = findChild<QComboBox*>(list);
    combo->setCurrentIndex(item);
    emit combo->activated(item);
}

CardMode* FormAktPrasnica::mode(const QString& panel) const {
    for (CardMode* m : m_modes)
        if (m->objectName() == panel)
            return m;
    return nullptr;
}

FormAktPrasnica::~FormAktPrasnica() = default;

void FormAktPrasnica::buildTop() {
    QWidget* top = findChild<QWidget*>(QStringLiteral("PanelHlavicka"));
    auto label = [top](const char* name, const char* text, int x, int y) {
        auto* l = new QLabel(u(text), top);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, y);
        l->hide();
        return l;
    };
    m_sowLabel = label("LabelPrasnica", "karta prasnice - nahlásenie", 16, 12);
    QFont font = m_sowLabel->font();
    font.setBold(true);
    font.setItalic(true);
    font.setPointSize(font.pointSize() + 2);
    m_sowLabel->setFont(font);
    m_sowLabel->setStyleSheet(QStringLiteral("color: red;"));
    m_boarLabel = label("LabelKanec", "karta kanca - oprava", 16, 70);
    m_matingLabel = label("LabelPripustanie", "pripúšťanie ", 400, 12);
    m_farrowingLabel = label("LabelOprasenie", "oprasenie", 400, 70);
    for (QLabel* l : {m_boarLabel, m_matingLabel, m_farrowingLabel}) {
        l->setFont(font);
        l->setStyleSheet(QStringLiteral("color: red;"));
    }

    m_steps = new QComboBox(top);
    m_steps->setObjectName(QStringLiteral("ComboBoxKartaNah"));
    m_steps->addItems({u(" Vytvorenie /oprava dávky vstupných údajov"),
                       u(" Kontrola dávky vstupných údajov"), u(" Aktualizácia databázy "),
                       u(" Opis vstupných údajov dávky zaradení")});
    m_steps->setCurrentIndex(-1);
    m_steps->setGeometry(16, 40, 350, 24);
    connect(m_steps, &QComboBox::activated, this, [this](int index) {
        // Only one list of the card is in use at a time.
        for (QComboBox* other : std::as_const(m_otherLists))
            other->setCurrentIndex(-1);
        for (QFrame* panel : std::as_const(m_panels))
            if (panel != m_panelZar)
                panel->hide();
        runStep(static_cast<Step>(index));
    });
    // The correction mode's lists, filled when that mode is built.
    const struct {
        const char* name;
        int x, y;
    } others[] = {{"ComboBoxKartaOpr", 16, 40},
                  {"ComboBoxKartaKOpr", 16, 96},
                  {"ComboBoxPrip", 400, 40},
                  {"ComboBoxOpr", 400, 96}};
    for (const auto& o : others) {
        auto* combo = new QComboBox(top);
        combo->setObjectName(QString::fromLatin1(o.name));
        combo->setGeometry(o.x, o.y, 350, 24);
        combo->hide();
        m_otherLists.append(combo);
    }
}

QFrame* FormAktPrasnica::buildPanelZar() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("PanelZar"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(8, 6, 8, 6);
    rows->setSpacing(4);
    // Text fields allow more than their width where the check pads: a wrong
    // value stays visible until the batch check names it.
    auto edit = [panel](const QString& column, int width, int chars) -> QWidget* {
        auto* e = new QLineEdit(panel);
        e->setObjectName(QStringLiteral("DB") + column);
        e->setFixedWidth(width);
        e->setMaxLength(chars);
        return e;
    };
    auto combo = [panel](const QString& column, int width) -> QWidget* {
        auto* c = new QComboBox(panel);
        c->setObjectName(QStringLiteral("DB") + column);
        c->setFixedWidth(width);
        return c;
    };
    auto text = [panel](const char* t) -> QWidget* { return new QLabel(u(t), panel); };
    auto row = [rows](std::initializer_list<QWidget*> widgets) {
        auto* box = new QHBoxLayout;
        box->setSpacing(4);
        for (QWidget* w : widgets)
            box->addWidget(w);
        box->addStretch(1);
        rows->addLayout(box);
    };
    row({text("prasnica v KÚ:"), edit("Prasnica_vKU", 24, 1), text(" 1/0   "),
         text("evidenčné číslo prasnice:"), edit("Prasnica_KrCislo", 60, 10), text("chov:"),
         edit("Chovatel_Chov", 30, 4), text("narodená:"), edit("Datum_narodenia", 86, 10),
         text("cecky:"), edit("Cecky", 30, 2)});
    row({text("kategória:"), combo("Kod_kategorie", 150), text("plemeno:"),
         combo("Plemeno_KU", 160), text("genofond:"), combo("Kod_genofond", 150), text("import:"),
         combo("Kod_krajiny_NUM", 130)});
    row({text("otec:"), edit("Linia_otca", 44, 6), edit("Register_otca", 54, 7), text("matka:"),
         edit("Povod_kraj", 30, 4), edit("Povod_okres", 30, 4), edit("Povod_zavod", 38, 5),
         edit("Povod_chov", 30, 4), edit("Povod_matka", 54, 7), text("ušné číslo:"),
         edit("Povod_uscislo", 70, 9), text("otec matky:"), edit("Linia_otcaMatky", 44, 6),
         edit("Register_otcaMatky", 54, 7)});
    auto* group = new QLabel(u("farmová evidencia:"), panel);
    group->setObjectName(QStringLiteral("LabelFarmovaEvidencia"));
    QFont bold = group->font();
    bold.setBold(true);
    group->setFont(bold);
    row({group});
    row({text("číslo prasnice na farme:"), edit("Prasnica_farma", 60, 10), text("ustajnenie:"),
         combo("Ustajnenie", 130), text("farma prísunu:"), edit("Farma_prisunu", 60, 6),
         text("farma pôvodu:"), edit("Farma_povodu", 120, 14)});
    return panel;
}

void FormAktPrasnica::hideWorkPanels() {
    for (QFrame* panel : std::as_const(m_panels))
        panel->hide();
    m_navigator->hide();
    showGrid(false);
}

void FormAktPrasnica::showGrid(bool visible) {
    m_grid->setVisible(visible);
    m_filler->setVisible(!visible);
}

void FormAktPrasnica::prepare(Mode mode) {
    hideWorkPanels();
    m_steps->setCurrentIndex(-1);
    for (QComboBox* other : std::as_const(m_otherLists)) {
        other->setCurrentIndex(-1);
        other->hide();
    }
    for (CardMode* m : std::as_const(m_modes))
        m->reset();
    m_matingLabel->hide();
    m_farrowingLabel->hide();
    m_boarLabel->hide();
    if (mode == Mode::Enrolment) {
        setWindowTitle(u("Nahlásenie prasnice"));
        m_sowLabel->setText(u("karta prasnice - nahlásenie"));
        m_sowLabel->adjustSize();
        m_sowLabel->show();
        m_steps->show();
    } else {
        setWindowTitle(u("Oprava údajov ošípanej"));
        m_sowLabel->setText(u("karta prasnice - oprava"));
        m_sowLabel->adjustSize();
        m_sowLabel->show();
        m_steps->hide();
        for (QLabel* l : {m_matingLabel, m_farrowingLabel, m_boarLabel}) {
            l->adjustSize();
            l->show();
        }
        for (QComboBox* other : std::as_const(m_otherLists))
            other->show();
    }
}

void FormAktPrasnica::open(Mode mode) {
    prepare(mode);
    exec();
}

bool FormAktPrasnica::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        move(135, 20);
    return QDialog::event(event);
}

void FormAktPrasnica::farmChanged() {
    m_batch.state().clear();
}

void FormAktPrasnica::loadLookups() {
    for (const Lookup& l : lookups)
        m_form->setLookupEntries(QString::fromLatin1(l.column), l.source.entries());
}

void FormAktPrasnica::runStep(Step step) {
    if (m_steps->currentIndex() != step)
        m_steps->setCurrentIndex(step);
    const QString farm = m_state.aktFarma;
    try {
        switch (step) {
        case EditBatch:
            loadLookups();
            showGrid(false);
            m_panelZar->show();
            BatchSteps::startEditing(m_batch);
            m_batch.state().clear(); // editing starts a new round of checks
            m_form->setEditable(true);
            m_form->reload();
            m_grid->setColumnHidden(gridColumns.size() - 1, true);
            m_navigator->show();
            break;
        case CheckBatch:
            if (m_batch.table().count() == 0) {
                Dialogs::error(m_batch.texts().checkTitle, m_batch.texts().empty);
                return;
            }
            m_form->setEditable(false);
            m_grid->setColumnHidden(gridColumns.size() - 1, false);
            BatchSteps::check(m_batch, farm, m_progress);
            m_form->reload();
            showGrid(true);
            m_navigator->show();
            break;
        case ApplyBatch:
            m_navigator->hide();
            showGrid(false);
            m_form->setEditable(false);
            BatchSteps::apply(m_batch, farm, m_progress);
            m_form->reload();
            break;
        case PrintDay:
            m_navigator->hide();
            showGrid(false);
            BatchSteps::printDay(herd::enrolmentPrintout(), farm, this);
            break;
        }
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowTitle(), e);
    }
}

void FormAktPrasnica::focusNavigator() {
    // The navigator's buttons take no focus from a click; Enter gives it to Post.
    QTimer::singleShot(0, m_navigator, [this] {
        m_navigator->button(RecordNavigator::Post)->setFocus(Qt::OtherFocusReason);
    });
}

void FormAktPrasnica::onEnter(const QString& column) {
    const QStringList& order = herd::EnrolmentFields::order();
    if (column == herd::EnrolmentFields::pedigreeEnd()) {
        m_form->setValues(herd::EnrolmentFields::farmBlock(m_form->values()));
        focusNavigator();
        return;
    }
    const int next = order.indexOf(column) + 1;
    if (next >= order.size()) {
        focusNavigator();
        return;
    }
    m_form->field(order.at(next))->setFocus(Qt::TabFocusReason);
}

void FormAktPrasnica::onFieldLeft(const QString& column) {
    // Returning to a refused field passes through the field the focus had
    // gone to; that field was not left by the user.
    if (m_returning)
        return;
    const herd::FieldOutcome out =
        herd::EnrolmentFields::leave(column, m_form->values(), m_state.aktChov);
    m_form->setValues(out.set);
    if (out.error) {
        Dialogs::instance().show(*out.error);
        QWidget* field = m_form->field(column);
        m_returning = true;
        QTimer::singleShot(0, this, [this, field] {
            field->setFocus(Qt::OtherFocusReason);
            m_returning = false;
        });
        return;
    }
    if (out.toNavigator)
        focusNavigator();
}

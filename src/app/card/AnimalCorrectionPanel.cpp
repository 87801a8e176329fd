#include "card/AnimalCorrectionPanel.h"

#include "batch/BatchSteps.h"
#include "batch/LookupEntries.h"
#include "card/BoarCard.h"
#include "card/EnrolmentPrintout.h"
#include "card/PanelPres.h"
#include "card/SowCorrection.h"
#include "card/SowCulling.h"
#include "farms/FarmKeys.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"
#include "widgets/RowEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QToolButton>
#include <QVBoxLayout>

using namespace herd;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

constexpr int m0 = 1 << 0, m1 = 1 << 1, m3 = 1 << 3;

// One caption and its fields: column, width in characters, the modes it is
// open in, and for a code the table that names it.
struct Column {
    const char* name;
    int chars;
    int modes;
    LookupSource lookup = {nullptr, nullptr, nullptr};
};
struct Line {
    const char* caption;
    Column columns[5]; // up to five, the rest without a name
};

const LookupSource reasons{"cdovvyrku", "Kod_vyrKU", "Nazov"};
const LookupSource breeds{"czplem", "Plemeno_KU", "Nazov_plemena"};
const LookupSource countries{"ckrajiny", "Kod_krajiny_NUM", "Nazov"};

const Line sowLines[] = {
    {"evidenčné číslo prasnice:", {{"Prasnica_KrCislo", 6, 0}}},
    {"chov:", {{"Chovatel_Chov", 3, 0}}},
    {"prasnica v KÚ:", {{"Prasnica_vKU", 2, m0}}},
    {"narodená:", {{"Datum_narodenia", 10, m0}}},
    {"cecky:", {{"Cecky", 3, m0}}},
    {"kategória:", {{"Kod_kategorie", 16, m0, {"ckategos", "Kod_kategorie", "Nazov"}}}},
    {"plemeno:", {{"Plemeno_KU", 18, m0, breeds}}},
    {"genofond:", {{"Kod_genofond", 16, m0, {"cgenofond", "Kod_genofond", "Nazov"}}}},
    {"import:", {{"Kod_krajiny_NUM", 14, m0, countries}}},
    {"otec:", {{"Linia_otca", 5, m0}, {"Register_otca", 6, m0}}},
    {"matka:",
     {{"Povod_kraj", 3, m0},
      {"Povod_okres", 3, m0},
      {"Povod_zavod", 4, m0},
      {"Povod_chov", 3, m0},
      {"Povod_matka", 6, m0}}},
    {"ušné číslo:", {{"Povod_uscislo", 8, m0}}},
    {"otec matky:", {{"Linia_otcaMatky", 5, m0}, {"Register_otcaMatky", 6, m0}}},
    {"vyradená:", {{"Datum_vyradenia", 10, m1}, {"Kod_vyrKU", 18, m1, reasons}}},
    {"číslo prasnice na farme:", {{"Prasnica_farma", 6, 0}}},
    {"farma pôvodu:", {{"Farma_povodu", 14, m0}}},
};

const Line boarLines[] = {
    {"registračné číslo kanca:",
     {{"Linia_kanca", 5, 0}, {"Register_kanca", 6, 0}, {"Nazov_linie", 14, 0}}},
    {"narodený:", {{"Datum_narodenia", 10, m0}}},
    {"cecky:", {{"Cecky", 3, m0}}},
    {"plemeno:", {{"Plemeno_KU", 18, m0, breeds}}},
    {"import:", {{"Kod_krajiny_NUM", 14, m0, countries}}},
    {"chovateľ:",
     {{"Chovatel_kraj", 3, m3},
      {"Chovatel_okres", 3, m3},
      {"Chovatel_zavod", 4, m3},
      {"Chovatel_chov", 3, m3}}},
    {"otec:", {{"Linia_otca", 5, m0}, {"Register_otca", 6, m0}}},
    {"matka:",
     {{"Povod_kraj", 3, m0},
      {"Povod_okres", 3, m0},
      {"Povod_zavod", 4, m0},
      {"Povod_chov", 3, m0},
      {"Povod_matka", 6, m0}}},
    {"ušné číslo:", {{"Povod_usCislo", 8, m0}}},
    {"vyradený:", {{"Datum_vyradenia", 10, m1}, {"Kod_vyrKU", 18, m1, reasons}}},
};

bool isDate(const QString& column) {
    return column.startsWith(QLatin1String("Datum_"));
}

} // namespace

AnimalCorrectionPanel::AnimalCorrectionPanel(Kind kind, const ShellState& state, Progress progress,
                                             QWidget* parent)
    : CardMode(parent)
    , m_kind(kind)
    , m_state(state)
    , m_correction(new QWidget(this))
    , m_grid(new QueryGrid(kind == Kind::Sow ? QStringLiteral("DBGridUpd")
                                             : QStringLiteral("DBGridKUpd"),
                           m_correction))
    , m_navigator(new RecordNavigator(m_correction)) {
    setObjectName(kind == Kind::Sow ? QStringLiteral("PanelUpd") : QStringLiteral("PanelKUpd"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto* pages = new QVBoxLayout(this);
    pages->setContentsMargins(0, 0, 0, 0);
    pages->addWidget(m_correction);
    if (kind == Kind::Sow) {
        m_transfer = new PanelPres(state, std::move(progress), this);
        m_transfer->hide();
        pages->addWidget(m_transfer);
    }
    m_navigator->setObjectName(kind == Kind::Sow ? QStringLiteral("DBNavigatorUpd")
                                                 : QStringLiteral("DBNavigatorKUpd"));
    for (RecordNavigator::Button b :
         {RecordNavigator::Insert, RecordNavigator::Delete, RecordNavigator::Refresh})
        m_navigator->button(b)->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    if (kind == Kind::Sow)
        m_grid->setTitles({{"prasnica_krcislo", u("Prasnica-KÚ")},
                           {"prasnica_farma", u("Prasnica-farma")},
                           {"chovatel_chov", u("chov")},
                           {"datum_narodenia", u("narodená")},
                           {"datum_vyradenia", u("vyradená")}});
    else
        m_grid->setTitles({{"linia_kanca", u("Línia")},
                           {"register_kanca", u("Register")},
                           {"chovatel_kraj", u("Chov_kraj")},
                           {"chovatel_okres", u("Chov_okr")},
                           {"chovatel_zavod", u("Chov_zav")},
                           {"chovatel_chov", u("Chov_ch")},
                           {"datum_narodenia", u("narodený")},
                           {"datum_vyradenia", u("vyradený")}});
    build();
    m_editor = new RowEditor(m_grid, m_navigator,
                             {[this](const QSqlRecord& chosen) { load(chosen); },
                              [this](const QSqlRecord&, bool open) { openFields(open); },
                              [this] { post(); }},
                             this);
}

QString AnimalCorrectionPanel::listName() const {
    return m_kind == Kind::Sow ? QStringLiteral("ComboBoxKartaOpr")
                               : QStringLiteral("ComboBoxKartaKOpr");
}

QStringList AnimalCorrectionPanel::items() const {
    if (m_kind == Kind::Sow)
        return {u("Oprava základných údajov prasnice"), u("Vyradenie prasnice z KÚ"),
                u("Zrušenie vyradenia prasnice z KÚ"), u("Presun prasníc"),
                u("Opis vstupných údajov dávky opráv")};
    return {u("Oprava základných údajov kanca"), u("Vyradenie kanca z KÚ"),
            u("Zrušenie vyradenia kanca z KÚ"), u("Presun kanca"),
            u("Opis vstupných údajov dávky opráv")};
}

void AnimalCorrectionPanel::choose(int item) {
    if (item == printDayItem) { // the day's documents of enrolment, correction and culling
        m_correction->hide();
        if (m_transfer)
            m_transfer->hide();
        FailureBox::guard(window()->windowTitle(), [&] {
            BatchSteps::printDay(enrolmentPrintout(), m_state.aktFarma, this);
        });
        return;
    }
    const auto mode = static_cast<Mode>(item);
    window()->setWindowTitle(titleOf(m_kind, mode));
    const bool transfer = m_transfer && mode == Transfer;
    m_correction->setVisible(!transfer);
    if (m_transfer)
        m_transfer->setVisible(transfer);
    if (!transfer)
        setMode(mode);
}

void AnimalCorrectionPanel::reset() {
    m_grid->clearRows();
    m_editor->reload(-1);
}

void AnimalCorrectionPanel::build() {
    auto* layout = new QVBoxLayout(m_correction);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->addWidget(m_grid, 1);
    auto* form = new QGridLayout;
    form->setHorizontalSpacing(6);
    int row = 0, col = 0;
    const Line* first = m_kind == Kind::Sow ? std::begin(sowLines) : std::begin(boarLines);
    const Line* last = m_kind == Kind::Sow ? std::end(sowLines) : std::end(boarLines);
    for (const Line* it = first; it != last; ++it) {
        const Line& line = *it;
        auto* label = new QLabel(u(line.caption), m_correction);
        auto* box = new QHBoxLayout;
        box->setSpacing(3);
        for (const Column& c : line.columns) {
            if (!c.name)
                break;
            const QString name = QString::fromLatin1(c.name);
            QWidget* w;
            if (c.lookup.table) {
                auto* combo = new QComboBox(m_correction);
                for (const LookupEntry& e : c.lookup.entries())
                    combo->addItem(e.key + QStringLiteral("  ") + e.text, e.key);
                combo->setMinimumContentsLength(c.chars);
                w = combo;
            } else {
                auto* edit = new QLineEdit(m_correction);
                edit->setFixedWidth(
                    edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (c.chars + 1) + 10);
                w = edit;
            }
            w->setObjectName(QStringLiteral("DB") + name);
            m_fields.insert(name, w);
            m_modes.insert(name, c.modes);
            box->addWidget(w);
        }
        box->addStretch(1);
        form->addWidget(label, row, col * 2, Qt::AlignRight);
        form->addLayout(box, row, col * 2 + 1);
        if (++row == 6) {
            row = 0;
            ++col;
        }
    }
    form->setColumnStretch(5, 1);
    layout->addLayout(form);
    layout->addWidget(m_navigator, 0, Qt::AlignLeft);
}

QString AnimalCorrectionPanel::titleOf(Kind kind, Mode mode) {
    switch (mode) {
    case Correct:
        return u("Oprava základných údajov");
    case Cull:
        return u("Vyradenie z KÚ");
    case Uncull:
        return u("Zrušenie vyradenia z KÚ");
    case Transfer:
        return kind == Kind::Sow ? u("Presun prasníc") : u("Presun kanca");
    }
    return {};
}

void AnimalCorrectionPanel::setMode(Mode mode) {
    m_mode = mode;
    fill();
    m_editor->reload(0);
}

void AnimalCorrectionPanel::fill() {
    FailureBox::guard(titleOf(m_kind, m_mode), [&] {
        m_grid->display(m_kind == Kind::Sow
                            ? SowCorrection::candidates(m_state.aktFarma, m_mode == Uncull)
                            : BoarCard::candidates(m_mode == Uncull));
    });
}

void AnimalCorrectionPanel::load(const QSqlRecord& chosen) {
    m_loaded = {};
    if (!chosen.isEmpty()) {
        FailureBox::guard(titleOf(m_kind, m_mode), [&] {
            QSqlQuery q =
                m_kind == Kind::Sow
                    ? SowCorrection::row(m_state.aktFarma,
                                         chosen.value(QStringLiteral("chovatel_chov")).toString(),
                                         chosen.value(QStringLiteral("prasnica_farma")).toString())
                    : BoarCard::row(chosen.value(QStringLiteral("linia_kanca")).toString(),
                                    chosen.value(QStringLiteral("register_kanca")).toString());
            if (q.next())
                m_loaded = q.record();
        });
    }
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it) {
        const QVariant v = m_loaded.value(it.key());
        const QString text =
            isDate(it.key()) ? v.toDate().toString(QStringLiteral("dd.MM.yyyy")) : v.toString();
        setText(it.key(), text);
    }
}

void AnimalCorrectionPanel::setText(const QString& column, const QString& text) {
    QWidget* w = m_fields.value(column);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(combo->findData(text));
}

QString AnimalCorrectionPanel::textOf(const QString& column) const {
    QWidget* w = m_fields.value(column);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text().trimmed();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentData().toString();
    return {};
}

QVariant AnimalCorrectionPanel::valueOf(const QString& column) const {
    if (!isDate(column))
        return textOf(column);
    return QDate::fromString(textOf(column), QStringLiteral("d.M.yyyy"));
}

void AnimalCorrectionPanel::openFields(bool open) {
    for (auto it = m_fields.begin(); it != m_fields.end(); ++it)
        it.value()->setEnabled(open && !m_loaded.isEmpty() &&
                               (m_modes.value(it.key()) & (1 << m_mode)));
}

Notice AnimalCorrectionPanel::post() {
    if (m_loaded.isEmpty())
        return {};
    Notice notice;
    FailureBox::guard(titleOf(m_kind, m_mode), [&] {
        const std::optional<FarmKeys> farm = FarmKeys::read(m_state.aktFarma);
        if (!farm) {
            notice = Notice::error(u("Aktuálna farma"), u("Nebola vybraná aktuálna farma !"));
            return;
        }
        QVariantMap changes;
        for (auto it = m_fields.begin(); it != m_fields.end(); ++it) {
            if (!(m_modes.value(it.key()) & (1 << Correct)))
                continue;
            const QVariant before = m_loaded.value(it.key());
            const QString was = isDate(it.key())
                                    ? before.toDate().toString(QStringLiteral("dd.MM.yyyy"))
                                    : before.toString();
            if (textOf(it.key()) != was)
                changes.insert(it.key(), valueOf(it.key()));
        }
        const QDate culled = valueOf(QStringLiteral("Datum_vyradenia")).toDate();
        const QString reason = textOf(QStringLiteral("Kod_vyrKU"));
        if (m_kind == Kind::Sow) {
            const QString herd = m_loaded.value(QStringLiteral("Chovatel_Chov")).toString();
            const QString sow = m_loaded.value(QStringLiteral("Prasnica_farma")).toString();
            notice = m_mode == Correct ? SowCorrection::correct(*farm, herd, sow, changes)
                     : m_mode == Cull  ? SowCulling::cull(*farm, herd, sow, culled, reason)
                                       : SowCulling::uncull(*farm, herd, sow);
        } else {
            const QString line = m_loaded.value(QStringLiteral("Linia_kanca")).toString();
            const QString reg = m_loaded.value(QStringLiteral("Register_kanca")).toString();
            switch (m_mode) {
            case Correct:
                notice = BoarCard::correct(farm->farm, line, reg, changes);
                break;
            case Cull:
                notice = BoarCard::cull(farm->farm, line, reg, culled, reason);
                break;
            case Uncull:
                notice = BoarCard::uncull(farm->farm, line, reg);
                break;
            case Transfer:
                notice = BoarCard::transfer(farm->farm, line, reg,
                                            {textOf(QStringLiteral("Chovatel_kraj")),
                                             textOf(QStringLiteral("Chovatel_okres")),
                                             textOf(QStringLiteral("Chovatel_zavod"))},
                                            textOf(QStringLiteral("Chovatel_chov")));
                break;
            }
        }
    });
    if (notice.text.isEmpty())
        return notice;
    Dialogs::instance().show(notice);
    if (notice.kind != Notice::Kind::Error) {
        // The animal may have left the mode's list: the grid is read anew.
        const int row = m_editor->row();
        fill();
        m_editor->reload(row);
    }
    return notice;
}

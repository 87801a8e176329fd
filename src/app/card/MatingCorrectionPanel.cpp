#include "card/MatingCorrectionPanel.h"

#include "batch/LookupEntries.h"
#include "card/MatingCorrection.h"
#include "shell/Dialogs.h"
#include "widgets/RecordNavigator.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace herd;

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

MatingCorrectionPanel::MatingCorrectionPanel(ShellState& state, QWidget* parent)
    : CorrectionPanel(
          state,
          {"PanelPrip",
           "ComboBoxPrip",
           {u("Oprava pripustenia"), u("Zrušenie pripustenia"), u("Opis vstupných údajov dávky")},
           "pripustenia vybranej prasnice",
           "Datum_pripustenia",
           "pripustená:",
           {u("Oprava pripustenia"), u("Zrušenie pripustenia")}},
          parent) {
    QBoxLayout* row = fieldsRow();
    row->addWidget(new QLabel(u("kanec :"), this));
    m_boar = new QComboBox(this);
    m_boar->setObjectName(QStringLiteral("ComboBoxKanec"));
    m_boar->setMinimumWidth(260);
    row->addWidget(m_boar);
    row->addWidget(new QLabel(u("spôsob pripustenia :"), this));
    m_method = new QComboBox(this);
    m_method->setObjectName(QStringLiteral("DBLookupComboBoxKod_pripustenia"));
    m_method->setMinimumWidth(220);
    row->addWidget(m_method);
    row->addWidget(new QLabel(u("počet RE:"), this));
    m_count = new QLineEdit(this);
    m_count->setObjectName(QStringLiteral("DBEditPocer_REins"));
    m_count->setFixedWidth(40);
    row->addWidget(m_count);
    row->addStretch(1);
    connect(m_boar, &QComboBox::activated, this, [this] { m_boarChosen = true; });
    connect(m_method, &QComboBox::activated, this, [this] { m_methodChosen = true; });
    connect(m_count, &QLineEdit::textEdited, this, [this] { m_countTyped = true; });
    // Enter moves boar → method → count → navigator.
    connect(m_count, &QLineEdit::returnPressed, this,
            [this] { navigator()->button(RecordNavigator::Post)->setFocus(Qt::OtherFocusReason); });
}

QString MatingCorrectionPanel::detailSql() const {
    return QStringLiteral(
        "SELECT Prasnica_KrCislo, Prasnica_farma, Chovatel_chov, Datum_pripustenia, "
        "Poradie_pripustenia, Linia_kanca, Register_kanca, Kod_pripustenia, Pocer_REins "
        "FROM tprasins WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ? "
        "ORDER BY datum_pripustenia");
}

QList<std::pair<QString, QString>> MatingCorrectionPanel::detailTitles() const {
    return {{"Prasnica_KrCislo", u("Prasn-evČ")}, {"Prasnica_farma", u("Prasn-fa")},
            {"Chovatel_chov", u("chov")},         {"Datum_pripustenia", u("pripustená")},
            {"Poradie_pripustenia", u("por.")},   {"Linia_kanca", u("Línia")},
            {"Register_kanca", u("Register")}};
}

void MatingCorrectionPanel::fill(const QSqlRecord& r) {
    m_boarChosen = m_methodChosen = m_countTyped = false;
    const QString boar = r.value(QStringLiteral("Linia_kanca")).toString() + QStringLiteral("  ") +
                         r.value(QStringLiteral("Register_kanca")).toString();
    m_boar->setCurrentIndex(r.isEmpty() ? -1 : m_boar->findText(boar, Qt::MatchStartsWith));
    m_method->setCurrentIndex(
        r.isEmpty() ? -1
                    : m_method->findData(r.value(QStringLiteral("Kod_pripustenia")).toString()));
    m_count->setText(r.value(QStringLiteral("Pocer_REins")).toString());
}

void MatingCorrectionPanel::setFieldsEnabled(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_boar, m_method, m_count})
        w->setEnabled(enabled);
}

void MatingCorrectionPanel::prepareLookups() {
    m_boar->clear();
    for (const BoarChoice& b : MatingCorrection::boars())
        m_boar->addItem(b.text, b.line + QLatin1Char('|') + b.registerNumber);
    if (m_boar->count() == 0)
        Dialogs::instance().show(MatingCorrection::noBoars());
    m_method->clear();
    for (const LookupEntry& e :
         LookupSource{"csposprip", "Kod_pripustenia", "Vykonavatel"}.entries())
        m_method->addItem(e.text, e.key);
}

Notice MatingCorrectionPanel::save(const QSqlRecord& r) {
    MatingChange change;
    if (m_boarChosen && m_boar->currentIndex() >= 0) {
        const QStringList boar = m_boar->currentData().toString().split(QLatin1Char('|'));
        change.boarLine = boar.value(0);
        change.boarRegister = boar.value(1);
    }
    if (m_methodChosen && m_method->currentIndex() >= 0)
        change.method = m_method->currentData().toString();
    if (m_countTyped) {
        int count = 0;
        if (auto refused = MatingCorrection::checkReInseminations(m_count->text(), &count)) {
            m_count->setFocus(Qt::OtherFocusReason);
            return *refused;
        }
        change.reInseminations = count;
    }
    return MatingCorrection::correct({state().aktFarma,
                                      r.value(QStringLiteral("Chovatel_chov")).toString(),
                                      r.value(QStringLiteral("Prasnica_farma")).toString(),
                                      r.value(QStringLiteral("Datum_pripustenia")).toDate()},
                                     change);
}

Notice MatingCorrectionPanel::remove(const QSqlRecord& r) {
    return MatingCorrection::cancel({state().aktFarma,
                                     r.value(QStringLiteral("Chovatel_chov")).toString(),
                                     r.value(QStringLiteral("Prasnica_farma")).toString(),
                                     r.value(QStringLiteral("Datum_pripustenia")).toDate()});
}

DayPrintout MatingCorrectionPanel::dayPrintout() const {
    return MatingCorrection::dayPrintout();
}

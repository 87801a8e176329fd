#include "card/LitterCorrectionPanel.h"

#include "card/LitterCorrection.h"
#include "shell/Dialogs.h"
#include "views/DisplayFormat.h"
#include "widgets/RecordNavigator.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

using namespace herd;

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

LitterCorrectionPanel::LitterCorrectionPanel(ShellState& state, QWidget* parent)
    : CorrectionPanel(
          state,
          {"PanelOpr",
           "ComboBoxOpr",
           {u("Oprava oprasenia"), u("Zrušenie oprasenia"), u("Opis vstupných údajov dávky")},
           "oprasenia vybranej prasnice",
           "Datum_oprasenia",
           "oprasená:",
           {u("Oprava oprasenia"), u("Zrušenie oprasenia")}},
          parent) {
    const struct {
        const char* label;
        int width;
    } labels[] = {{"priebeh vrhu :", 24}, {"poč. VŠ:", 30}, {"poč. ŽI:", 30},
                  {"odstavená :", 86},    {"poč. DO:", 30}, {"hmot.vrhu:", 50},
                  {"vyrovnanosť:", 24}};
    const QStringList columns = LitterCorrection::fields();
    QBoxLayout* row = fieldsRow();
    for (int i = 0; i < columns.size(); ++i) {
        row->addWidget(new QLabel(u(labels[i].label), this));
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("DBEdit") + columns.at(i));
        e->setFixedWidth(labels[i].width);
        row->addWidget(e);
        m_fields.insert(columns.at(i), e);
        const QString column = columns.at(i);
        connect(e, &QLineEdit::textEdited, this, [this, column] {
            if (!m_typed.contains(column))
                m_typed.append(column);
        });
        // Leaving a typed field checks it against the row as edited so far.
        connect(e, &QLineEdit::editingFinished, this, [this, column] {
            if (editing() && m_typed.contains(column))
                leave(column);
        });
        // Enter moves on in the fields' order, from the last to the navigator.
        connect(e, &QLineEdit::returnPressed, this, [this, columns, i] {
            if (i + 1 < columns.size())
                m_fields.value(columns.at(i + 1))->setFocus(Qt::TabFocusReason);
            else
                navigator()->button(RecordNavigator::Post)->setFocus(Qt::OtherFocusReason);
        });
    }
    row->addStretch(1);
}

QString LitterCorrectionPanel::detailSql() const {
    return QStringLiteral(
        "SELECT Prasnica_KrCislo, Chovatel_chov, Datum_oprasenia, Poradie_vrhu, Kod_charVrh, "
        "Datum_odstavu, Prasnica_farma, Vsetky_nar, Zivo_nar, Pocet_dochov, Hmotnost_vrhu_dochov, "
        "Kod_VyV FROM tprasopr WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ? "
        "ORDER BY datum_oprasenia");
}

QList<std::pair<QString, QString>> LitterCorrectionPanel::detailTitles() const {
    return {{"Prasnica_KrCislo", u("Prasn-evČ")},
            {"Chovatel_chov", u("chov")},
            {"Datum_oprasenia", u("oprasená")},
            {"Poradie_vrhu", u("por.Vr")},
            {"Kod_charVrh", u("ChV")},
            {"Datum_odstavu", u("odstavená")}};
}

void LitterCorrectionPanel::fill(const QSqlRecord& r) {
    m_typed.clear();
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it) {
        const QVariant v = r.value(it.key());
        if (it.key() == QLatin1String("Datum_odstavu"))
            it.value()->setText(DisplayFormat::text(v));
        else if (it.key() == QLatin1String("Hmotnost_vrhu_dochov"))
            it.value()->setText(v.isNull() ? QString() : DisplayFormat::decimal(v, 1));
        else
            it.value()->setText(v.toString().trimmed());
    }
}

void LitterCorrectionPanel::leave(const QString& column) {
    const QSqlRecord r = current();
    std::optional<LitterValues> row =
        LitterValues{r.value(QStringLiteral("Kod_charVrh")).toString().trimmed(),
                     r.value(QStringLiteral("Vsetky_nar")).toInt(),
                     r.value(QStringLiteral("Zivo_nar")).toInt(),
                     r.value(QStringLiteral("Datum_odstavu")).toDate(),
                     r.value(QStringLiteral("Pocet_dochov")).toInt(),
                     r.value(QStringLiteral("Hmotnost_vrhu_dochov")).toDouble(),
                     r.value(QStringLiteral("Kod_VyV")).toString().trimmed()};
    const QDate farrowed = r.value(QStringLiteral("Datum_oprasenia")).toDate();
    // The fields typed before this one in Enter order hold their values.
    for (const QString& c : LitterCorrection::fields()) {
        if (!m_typed.contains(c))
            continue;
        const std::optional<Notice> refused =
            LitterCorrection::check(c, m_fields.value(c)->text(), farrowed, *row);
        if (c != column) {
            if (refused)
                return; // an earlier field is refused: its own leaving said so
            continue;
        }
        if (refused) {
            Dialogs::instance().show(*refused);
            QLineEdit* field = m_fields.value(column);
            QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
        }
        return;
    }
}

void LitterCorrectionPanel::setFieldsEnabled(bool enabled) {
    for (QLineEdit* e : std::as_const(m_fields))
        e->setEnabled(enabled);
}

Notice LitterCorrectionPanel::save(const QSqlRecord& r) {
    QList<std::pair<QString, QString>> typed;
    for (const QString& column : LitterCorrection::fields())
        if (m_typed.contains(column))
            typed.append({column, m_fields.value(column)->text()});
    return LitterCorrection::correct({state().aktFarma,
                                      r.value(QStringLiteral("Chovatel_chov")).toString(),
                                      r.value(QStringLiteral("Prasnica_farma")).toString(),
                                      r.value(QStringLiteral("Datum_oprasenia")).toDate()},
                                     typed);
}

Notice LitterCorrectionPanel::remove(const QSqlRecord& r) {
    return LitterCorrection::cancel({state().aktFarma,
                                     r.value(QStringLiteral("Chovatel_chov")).toString(),
                                     r.value(QStringLiteral("Prasnica_farma")).toString(),
                                     r.value(QStringLiteral("Datum_oprasenia")).toDate()});
}

DayPrintout LitterCorrectionPanel::dayPrintout() const {
    return LitterCorrection::dayPrintout();
}

#include "card/CorrectionPanel.h"

#include "batch/BatchSteps.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSqlQueryModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

CorrectionPanel::CorrectionPanel(herd::ShellState& state, Texts texts, QWidget* parent)
    : CardMode(parent)
    , m_state(state)
    , m_texts(std::move(texts)) {
    setObjectName(QString::fromLatin1(m_texts.panel));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(8, 6, 8, 6);
    auto* grids = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(u("prasnice"), this));
    m_sows = new QueryGrid(QStringLiteral("DBGridPrasnice"), this);
    m_sows->setTitles({{"Prasnica_KrCislo", u("Prasn-evČ")},
                       {"Prasnica_farma", u("Prasn-fa")},
                       {"Chovatel_chov", u("chov")},
                       {"Datum_narodenia", u("narodená")},
                       {"Plemeno_KU", u("Plemeno")}});
    left->addWidget(m_sows);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(u(m_texts.detail), this));
    m_detail = new QueryGrid(QString::fromLatin1(m_texts.panel)
                                 .replace(QStringLiteral("Panel"), QStringLiteral("DBGrid")),
                             this);
    right->addWidget(m_detail);
    grids->addLayout(left, 1);
    grids->addLayout(right, 1);
    rows->addLayout(grids, 1);
    for (QueryGrid* g : {m_sows, m_detail}) {
        g->setSelectionBehavior(QAbstractItemView::SelectRows);
        g->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    // The grids keep their models: one connection each for the whole life.
    connect(m_sows->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_loading)
            FailureBox::guard(m_texts.titles.value(m_item), [this] { loadDetail(); });
    });
    connect(m_detail->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_loading)
            showRecord();
    });

    auto* record = new QHBoxLayout;
    auto readOnly = [this, record](const char* label, const QString& name, int width) {
        record->addWidget(new QLabel(u(label), this));
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("DBEdit") + name);
        e->setReadOnly(true);
        e->setFixedWidth(width);
        record->addWidget(e);
        return e;
    };
    m_sowField = readOnly("evidenčné číslo prasnice:", QStringLiteral("Prasnica_KrCislo"), 70);
    m_herdField = readOnly("chov:", QStringLiteral("Chovatel_chov"), 34);
    m_dateField = readOnly(m_texts.dateLabel, QString::fromLatin1(m_texts.dateField), 90);
    record->addStretch(1);
    rows->addLayout(record);
    m_fieldsRow = new QHBoxLayout;
    rows->addLayout(m_fieldsRow);

    auto* navRow = new QHBoxLayout;
    m_navigator = new RecordNavigator(this);
    m_navigator->setObjectName(QStringLiteral("DBNavigator") +
                               QString::fromLatin1(m_texts.panel).mid(5));
    navRow->addWidget(m_navigator);
    m_position = new QLabel(this);
    navRow->addWidget(m_position, 1);
    rows->addLayout(navRow);
    connect(m_navigator, &RecordNavigator::clicked, this,
            [this](RecordNavigator::Button b) { onButton(b); });
}

void CorrectionPanel::reset() {
    m_item = -1;
    m_editing = false;
    m_sows->clearRows();
    m_detail->clearRows();
}

void CorrectionPanel::choose(int item) {
    m_item = item;
    m_editing = false;
    if (item == 2) {
        m_navigator->hide();
        BatchSteps::printDay(dayPrintout(), m_state.aktFarma, this);
        return;
    }
    window()->setWindowTitle(m_texts.titles.value(item));
    using B = RecordNavigator;
    for (int b = 0; b < B::Count; ++b) {
        const bool shown = b <= B::Last || b == B::Post || b == B::Cancel ||
                           (item == 0 ? b == B::Edit : b == B::Delete);
        m_navigator->button(static_cast<B::Button>(b))->setVisible(shown);
    }
    m_navigator->show();
    FailureBox::guard(m_texts.titles.value(item), [&] {
        if (item == 0)
            prepareLookups();
        loadSows();
    });
    setFieldsEnabled(false);
}

void CorrectionPanel::loadSows() {
    QScopedValueRollback<bool> quiet(m_loading, true);
    m_sows->display(herd::Sql::execScrollable(
        QStringLiteral("SELECT Prasnica_KrCislo, Prasnica_farma, Chovatel_chov, Datum_narodenia, "
                       "Plemeno_KU FROM tpraspev WHERE cislo_farmy = ? AND datum_vyradenia IS NULL "
                       "ORDER BY chovatel_chov, prasnica_farma"),
        {m_state.aktFarma}));
    if (m_sows->rows() > 0)
        m_sows->selectRow(0);
    loadDetail();
}

void CorrectionPanel::loadDetail() {
    QScopedValueRollback<bool> quiet(m_loading, true);
    const int row = m_sows->currentIndex().row();
    if (row < 0) {
        m_detail->clearRows();
    } else {
        const QSqlRecord sow = m_sows->queryModel()->record(row);
        m_detail->setTitles(detailTitles());
        m_detail->display(herd::Sql::execScrollable(
            detailSql(), {m_state.aktFarma, sow.value(QStringLiteral("Chovatel_chov")),
                          sow.value(QStringLiteral("Prasnica_farma"))}));
        // The columns after the titled ones feed the fields only.
        const int shown = int(detailTitles().size());
        for (int c = 0; c < m_detail->queryModel()->columnCount(); ++c)
            m_detail->setColumnHidden(c, c >= shown);
        if (m_detail->rows() > 0)
            m_detail->selectRow(0);
    }
    showRecord();
}

QSqlRecord CorrectionPanel::current() const {
    const int row = m_detail->currentIndex().row();
    return row < 0 || row >= m_detail->rows() ? QSqlRecord() : m_detail->queryModel()->record(row);
}

void CorrectionPanel::showRecord() {
    const QSqlRecord r = current();
    m_sowField->setText(r.value(QStringLiteral("Prasnica_KrCislo")).toString());
    m_herdField->setText(r.value(QStringLiteral("Chovatel_chov")).toString());
    const QDate day = r.value(QString::fromLatin1(m_texts.dateField)).toDate();
    m_dateField->setText(day.isValid() ? day.toString(QStringLiteral("dd.MM.yyyy")) : QString());
    fill(r);
    syncNavigator();
}

void CorrectionPanel::syncNavigator() {
    const int row = m_detail->currentIndex().row();
    m_navigator->setState(m_editing, row, m_detail->rows());
    m_sows->setEnabled(!m_editing);
    m_detail->setEnabled(!m_editing);
    m_position->setText(m_detail->rows() == 0
                            ? QString()
                            : u("  záznam %1 z %2").arg(row + 1).arg(m_detail->rows()));
}

void CorrectionPanel::onButton(int which) {
    using B = RecordNavigator;
    const auto button = static_cast<B::Button>(which);
    const QString title = m_texts.titles.value(m_item);
    switch (button) {
    case B::First:
    case B::Prior:
    case B::Next:
    case B::Last: {
        const int to = B::moved(button, m_detail->currentIndex().row(), m_detail->rows());
        if (to >= 0)
            m_detail->selectRow(to);
        break;
    }
    case B::Edit:
        if (current().isEmpty())
            return;
        m_editing = true;
        setFieldsEnabled(true);
        syncNavigator();
        break;
    case B::Cancel:
        m_editing = false;
        setFieldsEnabled(false);
        showRecord();
        break;
    case B::Post: {
        const herd::Notice n = save(current());
        Dialogs::instance().show(n);
        if (n.kind != herd::Notice::Kind::Information)
            return; // the edit stays open
        m_editing = false;
        setFieldsEnabled(false);
        const int row = m_detail->currentIndex().row();
        FailureBox::guard(title, [&] { loadDetail(); });
        if (row >= 0 && row < m_detail->rows())
            m_detail->selectRow(row);
        break;
    }
    case B::Delete: {
        const QSqlRecord r = current();
        if (r.isEmpty() || !Dialogs::instance().ask(title, u("Zrušiť vybraný záznam ?")))
            return;
        Dialogs::instance().show(remove(r));
        FailureBox::guard(title, [&] { loadDetail(); });
        break;
    }
    default:
        break;
    }
}

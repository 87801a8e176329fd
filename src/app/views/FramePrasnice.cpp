#include "views/FramePrasnice.h"

#include "farms/ShellState.h"
#include "views/HerdListTab.h"
#include "views/SowCardTab.h"
#include "views/SowLists.h"
#include "views/SowMovementsTab.h"
#include "views/SowPedigreeTab.h"
#include "views/SowPerformanceTab.h"
#include "views/SowStatusTab.h"
#include "views/SowVeterinaryTab.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace herd;

FramePrasnice::FramePrasnice(const ShellState& state, std::function<void(const QString&)> message,
                             QWidget* parent)
    : HerdPanel(parent)
    , m_state(state)
    , m_tabs(new QTabWidget(this))
    , m_herdLabel(new QLabel(QStringLiteral("prasnica je evidovaná v chovoch :"), this))
    , m_herds(new QComboBox(this)) {
    setObjectName(QStringLiteral("FramePrasnice"));
    m_tabs->setObjectName(QStringLiteral("PageControlPrasnice"));
    m_herds->setObjectName(QStringLiteral("ComboBoxChov"));
    m_cards = {new SowCardTab(m_tabs),       new SowStatusTab(m_tabs),
               new SowPedigreeTab(m_tabs),   new SowPerformanceTab(m_tabs),
               new SowVeterinaryTab(m_tabs), new SowMovementsTab(m_tabs)};
    const char* titles[] = {"&Karta ošípanej",    "&Status", "&Rodokmeň", "&Úžitkovosť",
                            "&Veterinárne úkony", "&Pohyby"};
    for (int i = 0; i < m_cards.size(); ++i)
        m_tabs->addTab(m_cards[i], QString::fromUtf8(titles[i]));
    m_lists = new HerdListTab(SowLists::catalog(), QStringLiteral("GroupBoxPrasniceZoznamy"),
                              {[this] { return m_state.aktFarma; }, std::move(message)}, m_tabs);
    m_tabs->addTab(m_lists, QStringLiteral("&Zoznamy"));

    auto* herdRow = new QHBoxLayout;
    herdRow->addWidget(m_herdLabel);
    herdRow->addWidget(m_herds);
    herdRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(herdRow);
    layout->addWidget(m_tabs, 1);
    m_herdLabel->hide();
    m_herds->hide();

    m_tabs->tabBar()->installEventFilter(this);
    m_tabs->installEventFilter(this);
    connect(m_tabs, &QTabWidget::currentChanged, this, &FramePrasnice::loadActive);
    connect(m_herds, &QComboBox::activated, this, [this] {
        m_key.chov = m_herds->currentText();
        loadActive();
    });
}

void FramePrasnice::setCaption(const QString& caption) {
    for (SowTab* card : std::as_const(m_cards))
        card->groupBox()->setTitle(caption);
    m_lists->groupBox()->setTitle(caption);
}

void FramePrasnice::showLists() {
    m_herdLabel->hide();
    m_herds->hide();
    QSignalBlocker quiet(m_tabs);
    m_tabs->setTabVisible(Zoznamy, true);
    m_tabs->setCurrentIndex(Zoznamy);
    for (int i = Karta; i < Zoznamy; ++i)
        m_tabs->setTabVisible(i, false);
    m_lists->reset();
}

void FramePrasnice::showCard() {
    {
        QSignalBlocker quiet(m_tabs);
        for (int i = Karta; i < Zoznamy; ++i)
            m_tabs->setTabVisible(i, true);
        m_tabs->setCurrentIndex(Karta);
        m_tabs->setTabVisible(Zoznamy, false);
    }
    m_key = {};
    m_tabs->tabBar()->setFocus(Qt::OtherFocusReason);
    loadActive();
}

bool FramePrasnice::eventFilter(QObject* watched, QEvent* event) {
    // Entering the tab set by mouse or keyboard reloads it, so the card shows
    // what other windows have changed meanwhile.
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason)
            loadActive();
    }
    return HerdPanel::eventFilter(watched, event);
}

void FramePrasnice::findSow() {
    const QString number = SowKey::numberOf(m_state.aktJedinec);
    if (m_key.farm == m_state.aktFarma && m_key.number == number)
        return; // the same sow: keep the herd chosen
    const QStringList herds = SowKey::herdsOf(m_state.aktFarma, number);
    m_key = {m_state.aktFarma, herds.value(0), number};
    m_herds->clear();
    m_herds->addItems(herds);
    // The same number in two herds of the farm: the user picks the herd.
    const bool several = herds.size() > 1;
    m_herdLabel->setVisible(several);
    m_herds->setVisible(several);
}

void FramePrasnice::loadActive() {
    const int index = m_tabs->currentIndex();
    if (m_state.aktJedinec.startsWith(QLatin1Char('P')) || index < 0 || index >= Zoznamy)
        return; // the category node: list mode loads nothing
    findSow();
    m_cards.at(index)->load(m_key);
}

#include "views/TabbedHerdPanel.h"

#include "farms/ShellState.h"
#include "shell/FailureBox.h"
#include "views/CardTab.h"
#include "views/HerdListTab.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

TabbedHerdPanel::TabbedHerdPanel(const herd::ShellState& state, const QString& objectName,
                                 const QString& tabsName, QWidget* parent)
    : HerdPanel(parent)
    , m_state(state)
    , m_tabs(new QTabWidget(this))
    , m_herdLabel(new QLabel(this))
    , m_herds(new QComboBox(this)) {
    setObjectName(objectName);
    m_tabs->setObjectName(tabsName);
    m_herds->setObjectName(QStringLiteral("ComboBoxChov"));
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
    connect(m_tabs, &QTabWidget::currentChanged, this, &TabbedHerdPanel::loadActive);
    connect(m_herds, &QComboBox::activated, this, [this] {
        m_chov = m_herds->currentText();
        loadActive();
    });
}

void TabbedHerdPanel::addCard(CardTab* tab, const char* title) {
    m_cards.append(tab);
    QSignalBlocker quiet(m_tabs); // the first tab added becomes current: nothing to load yet
    m_tabs->addTab(tab, QString::fromUtf8(title));
}

void TabbedHerdPanel::addLists(const herd::HerdListCatalog& catalog, const QString& groupBoxName,
                               std::function<void(const QString&)> message) {
    m_lists = new HerdListTab(catalog, groupBoxName,
                              {[this] { return m_state.aktFarma; }, std::move(message)}, m_tabs);
    QSignalBlocker quiet(m_tabs);
    m_tabs->addTab(m_lists, QStringLiteral("&Zoznamy"));
}

void TabbedHerdPanel::setHerdCaption(const QString& caption) {
    m_herdLabel->setText(caption);
}

void TabbedHerdPanel::setCaption(const QString& caption) {
    for (CardTab* card : std::as_const(m_cards))
        card->groupBox()->setTitle(caption);
    m_lists->groupBox()->setTitle(caption);
}

void TabbedHerdPanel::showLists() {
    m_herdLabel->hide();
    m_herds->hide();
    const int lists = cardCount();
    QSignalBlocker quiet(m_tabs);
    m_tabs->setTabVisible(lists, true);
    m_tabs->setCurrentIndex(lists);
    for (int i = 0; i < lists; ++i)
        m_tabs->setTabVisible(i, false);
    m_lists->reset();
}

void TabbedHerdPanel::showCard() {
    if (m_cards.isEmpty()) {
        showLists();
        return;
    }
    {
        QSignalBlocker quiet(m_tabs);
        for (int i = 0; i < cardCount(); ++i)
            m_tabs->setTabVisible(i, true);
        m_tabs->setCurrentIndex(0);
        m_tabs->setTabVisible(cardCount(), false);
    }
    m_identity.clear();
    m_tabs->tabBar()->setFocus(Qt::OtherFocusReason);
    loadActive();
}

bool TabbedHerdPanel::eventFilter(QObject* watched, QEvent* event) {
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

void TabbedHerdPanel::findAnimal() {
    const QString identity = identityOf(m_state.aktJedinec);
    if (m_farm == m_state.aktFarma && m_identity == identity && !identity.isEmpty())
        return; // the same animal: keep the herd chosen
    const QStringList herds = herdsOf(m_state.aktFarma, identity);
    m_farm = m_state.aktFarma;
    m_identity = identity;
    m_chov = herds.value(0);
    m_herds->clear();
    m_herds->addItems(herds);
    // The same identity in two herds of the farm: the user picks the herd.
    const bool several = herds.size() > 1;
    m_herdLabel->setVisible(several);
    m_herds->setVisible(several);
}

void TabbedHerdPanel::loadActive() {
    const int index = m_tabs->currentIndex();
    if (m_state.aktJedinec.startsWith(QLatin1Char('P')) || index < 0 || index >= cardCount())
        return; // the category node: list mode loads nothing
    // The tab stays as it was when the database fails; the box says why.
    FailureBox::guard(m_tabs->tabText(index).remove(QLatin1Char('&')).trimmed(), [&] {
        findAnimal();
        load(index, m_farm, m_chov, m_identity);
    });
}

QString TabbedHerdPanel::identityOf(const QString&) const {
    return {};
}

QStringList TabbedHerdPanel::herdsOf(const QString&, const QString&) const {
    return {};
}

void TabbedHerdPanel::load(int, const QString&, const QString&, const QString&) {}

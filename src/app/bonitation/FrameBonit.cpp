#include "bonitation/FrameBonit.h"

#include "bonitation/BoarBonitationTab.h"
#include "bonitation/SowBonitationTab.h"

#include <QTabWidget>
#include <QVBoxLayout>

FrameBonit::FrameBonit(const herd::ShellState& state, std::function<void(const QString&)> message,
                       herd::Progress progress, QWidget* parent)
    : NodePanel(parent)
    , m_tabs(new QTabWidget(this))
    , m_sows(new SowBonitationTab(state, message, std::move(progress), m_tabs))
    , m_boars(new BoarBonitationTab(state, std::move(message), m_tabs)) {
    setObjectName(QStringLiteral("FrameBonit"));
    m_tabs->setObjectName(QStringLiteral("PageControlBonit"));
    m_boars->setObjectName(QStringLiteral("TabSheetKance"));
    m_tabs->addTab(m_sows, QStringLiteral("Prasnice"));
    m_tabs->addTab(m_boars, QStringLiteral("Kance"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

void FrameBonit::showSows() {
    m_tabs->setTabVisible(1, false);
    m_tabs->setTabVisible(0, true);
    m_tabs->setCurrentIndex(0);
    m_sows->showTab();
}

void FrameBonit::showBoars() {
    m_tabs->setTabVisible(0, false);
    m_tabs->setTabVisible(1, true);
    m_tabs->setCurrentIndex(1);
    m_boars->showTab();
}

void FrameBonit::nodeChosen(const QString& text) {
    if (text == QString::fromUtf8("Bonitácie prasníc"))
        showSows();
    else
        showBoars();
}

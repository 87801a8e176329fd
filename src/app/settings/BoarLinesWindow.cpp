#include "settings/BoarLinesWindow.h"

#include "db/SqlError.h"
#include "settings/BreedingTables.h"
#include "settings/ReadOnlyGrid.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

BoarLinesWindow::BoarLinesWindow(QWidget* parent)
    : QDialog(parent)
    , m_byNumber(new QRadioButton(QStringLiteral("Podľa čísla línie"), this))
    , m_byName(new QRadioButton(QStringLiteral("Podľa názvu línie"), this))
    , m_grid(new ReadOnlyGrid("DBGridLinie", herd::BreedingTables::lineColumns(), this)) {
    setObjectName(QStringLiteral("FormLinieKancov"));
    setWindowTitle(QStringLiteral("Línie kancov"));
    resize(520, 520);
    auto* order = new QGroupBox(QStringLiteral("Poradie"), this);
    order->setObjectName(QStringLiteral("RadioGroupPoradie"));
    auto* row = new QHBoxLayout(order);
    m_byNumber->setObjectName(QStringLiteral("RadioCislo"));
    m_byName->setObjectName(QStringLiteral("RadioNazov"));
    row->addWidget(m_byNumber);
    row->addWidget(m_byName);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(order);
    layout->addWidget(m_grid, 1);
    connect(m_byNumber, &QRadioButton::clicked, this, [this] { showLines(false); });
    connect(m_byName, &QRadioButton::clicked, this, [this] { showLines(true); });
}

void BoarLinesWindow::showEvent(QShowEvent* event) {
    // No order is chosen and no grid shown until the user picks one.
    for (QRadioButton* b : {m_byNumber, m_byName}) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
    m_grid->hide();
    QDialog::showEvent(event);
}

void BoarLinesWindow::showLines(bool byName) {
    try {
        m_grid->load(herd::BreedingTables::lines(byName));
        m_grid->show();
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowTitle(), e);
    }
}

bool BoarLinesWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        move(180, 160);
    return QDialog::event(event);
}

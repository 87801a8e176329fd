#include "settings/BreedingWindow.h"

#include "db/SqlError.h"
#include "settings/BreedingTables.h"
#include "settings/ReadOnlyGrid.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

using herd::BreedingTables;

BreedingWindow::BreedingWindow(QWidget* parent)
    : QDialog(parent)
    , m_breedsBox(new QCheckBox(QStringLiteral("Plemená - hybridizácie"), this))
    , m_combinationsBox(new QCheckBox(QStringLiteral("Metódy plemenitby"), this))
    , m_breeds(new ReadOnlyGrid("DBGridPlemena", BreedingTables::breedColumns(), this))
    , m_combinations(new ReadOnlyGrid("DBGridMetody", BreedingTables::combinationColumns(), this)) {
    setObjectName(QStringLiteral("FormPlemenitba"));
    setWindowTitle(QStringLiteral("Plemenitba ..."));
    resize(820, 560);
    m_breedsBox->setObjectName(QStringLiteral("CheckBoxPlemena"));
    m_combinationsBox->setObjectName(QStringLiteral("CheckBoxMetody"));
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_breedsBox);
    boxes->addSpacing(24);
    boxes->addWidget(m_combinationsBox);
    boxes->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addWidget(m_breeds, 1);
    layout->addWidget(m_combinations, 1);
    layout->addStretch(0);
    connect(m_breedsBox, &QCheckBox::toggled, m_breeds, &QWidget::setVisible);
    connect(m_combinationsBox, &QCheckBox::toggled, m_combinations, &QWidget::setVisible);
}

void BreedingWindow::showEvent(QShowEvent* event) {
    // Each opening starts with both grids hidden and the tables read anew.
    m_breedsBox->setChecked(false);
    m_combinationsBox->setChecked(false);
    m_breeds->hide();
    m_combinations->hide();
    try {
        m_breeds->load(BreedingTables::breeds());
        m_combinations->load(BreedingTables::combinations());
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowTitle(), e);
    }
    QDialog::showEvent(event);
}

bool BreedingWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        move(120, 160);
    return QDialog::event(event);
}

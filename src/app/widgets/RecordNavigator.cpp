#include "widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

RecordNavigator::RecordNavigator(QWidget* parent)
    : QWidget(parent) {
    struct Info {
        const char* name;
        const char* glyph;
        const char* hint;
    };
    static const Info infos[Count] = {
        {"First", "|◀", "prechod na prvý záznam"},
        {"Prior", "◀", "prechod na predchádzajúci záznam"},
        {"Next", "▶", "prechod na nasledujúci záznam"},
        {"Last", "▶|", "prechod na posledný záznam"},
        {"Insert", "+", "pridať záznam"},
        {"Delete", "−", "zmazať záznam"},
        {"Edit", "▲", "prejsť do režimu opráv"},
        {"Post", "✔", "potvrdiť zmeny a uložť do databáze"},
        {"Cancel", "✘", "zrušiť zmeny"},
        {"Refresh", "↻", "obnoviť (znovunačítať) dáta"},
    };
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int i = 0; i < Count; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(infos[i].name));
        b->setText(QString::fromUtf8(infos[i].glyph));
        b->setToolTip(QString::fromUtf8(infos[i].hint));
        b->setFixedSize(26, 24);
        row->addWidget(b);
        m_buttons[i] = b;
        const auto which = static_cast<Button>(i);
        connect(b, &QToolButton::clicked, this, [this, which] { emit clicked(which); });
    }
    row->addStretch(1);
}

void RecordNavigator::setState(bool editing, int row, int rows) {
    m_buttons[First]->setEnabled(!editing && row > 0);
    m_buttons[Prior]->setEnabled(!editing && row > 0);
    m_buttons[Next]->setEnabled(!editing && row + 1 < rows);
    m_buttons[Last]->setEnabled(!editing && row + 1 < rows);
    m_buttons[Insert]->setEnabled(!editing);
    m_buttons[Delete]->setEnabled(!editing && rows > 0);
    m_buttons[Edit]->setEnabled(!editing && rows > 0);
    m_buttons[Post]->setEnabled(editing);
    m_buttons[Cancel]->setEnabled(editing);
    m_buttons[Refresh]->setEnabled(!editing);
}

int RecordNavigator::moved(Button which, int row, int rows) {
    const int last = rows - 1;
    switch (which) {
    case First:
        return std::min(0, last);
    case Prior:
        return std::max(std::min(0, last), row - 1);
    case Next:
        return std::min(last, row + 1);
    case Last:
        return last;
    default:
        return row;
    }
}

#include "shell/MainWindow.h"

#include "bonitation/FrameBonit.h"
#include "card/FormAktPrasnica.h"
#include "db/Database.h"
#include "db/Session.h"
#include "db/SqlError.h"
#include "db/WorkViews.h"
#include "farms/FarmWindow.h"
#include "farms/HousingPanels.h"
#include "litter/FrameNahlPrip.h"
#include "litter/FrameNahlVrhu.h"
#include "litter/FrameSelPotomstva.h"
#include "measurement/FrameMerVU.h"
#include "register/WarehouseWindow.h"
#include "reports/FormRychleVybery.h"
#include "settings/BoarLinesWindow.h"
#include "settings/BreedingWindow.h"
#include "settings/TechniciansWindow.h"
#include "settings/VeterinaryPlanWindow.h"
#include "shell/AboutWindow.h"
#include "shell/ContentArea.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "shell/HandbookWindow.h"
#include "shell/Icons.h"
#include "shell/NodePanel.h"
#include "shell/StatusPanels.h"
#include "views/FatteningLists.h"
#include "views/FrameHerdLists.h"
#include "views/FrameKance.h"
#include "views/FramePlemPotomstvo.h"
#include "views/FramePrasnice.h"
#include "views/GiltLists.h"
#include "views/ProgenyTestLists.h"
#include "widgets/Hourglass.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

using herd::Database;
using herd::SqlError;

namespace {

struct ModuleInfo {
    MainWindow::Module module;
    const char* actionName;
    const char* menuText;
    int image;
    const char* buttonName;
    const char* buttonHint;
    TreePane::Tree tree;
    bool searchStrip;
};

const ModuleInfo modules[] = {
    {MainWindow::Module::Osipane, "ActionModulOsipane", "Ošípané &na farme ", 20,
     "ToolButtonOsipane", "Modul - Ošípané na farme", TreePane::Osipane, true},
    {MainWindow::Module::VrhListok, "ActionModulVrhListok", "Operatíva &cez vrhový lístok ", 18,
     "ToolButtonOperVrhListok", "Modul - Operatíva cez vrhový lístok", TreePane::VrhListok, false},
    {MainWindow::Module::Ustajnenia, "ActionModulUstajnenia", "&Operatíva cez ustajnenia ", 17,
     "ToolButtonOperUstajnenia", "Modul - Operatíva cez ustajnenia", TreePane::Ustajnenia, true},
    {MainWindow::Module::Bonitacie, "ActionModulBonitacie", "&Bonitácie ošípaných", 25,
     "ToolButtonBonitacie", "Modul - Bonitácie ošípaných", TreePane::Bonit, true},
    {MainWindow::Module::MeranieVU, "ActionModulMeranieVU", "&Meranie vlastnej úžitkovosti", 24,
     "ToolButtonMeranieVU", "Modul - Meranie VÚ", TreePane::MerVU, true},
};

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The entry's text as a box title: without the accelerator mark and blanks.
QString plainText(const QString& text) {
    return QString(text).remove(QLatin1Char('&')).trimmed();
}

} // namespace

MainWindow::MainWindow(const herd::ConnectionSettings& settings, QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings) {
    setObjectName(QStringLiteral("FormHlavne"));
    setWindowTitle(QStringLiteral("wGravolenta OŠ"));
    setWindowIcon(Icons::image(5));

    m_trees = new TreePane(this);
    m_content = new ContentArea(this);
    m_status = new StatusPanels(statusBar());
    const auto message = [this](const QString& text) { m_status->setMessage(text); };
    m_content->setFrame(QStringLiteral("FramePrasnice"), new FramePrasnice(m_state, message));
    m_content->setFrame(QStringLiteral("FrameKance"), new FrameKance(m_state, message));
    m_content->setFrame(QStringLiteral("FramePlemPotomstvo"),
                        new FramePlemPotomstvo(m_state, message));
    const FrameHerdLists::Names lists[] = {
        {QStringLiteral("FramePrasnicky"), QStringLiteral("PageControlPrasnicky"),
         QStringLiteral("GroupBoxPrasnickyZoznamy"), u(" Prasničky  ")},
        {QStringLiteral("FrameSVJHPotomstvo"), QStringLiteral("PageControlSVJHPotomstvo"),
         QStringLiteral("GroupBoxSVJHPotomstvoZoznamy"), u("SVJH potomstvo ")},
        {QStringLiteral("FrameVykrm"), QStringLiteral("PageControlVykrm"),
         QStringLiteral("GroupBoxVykrmZoznamy"), u("Výkrmové ošípané ")},
    };
    const herd::HerdListCatalog* catalogs[] = {&herd::GiltLists::catalog(),
                                               &herd::ProgenyTestLists::catalog(),
                                               &herd::FatteningLists::catalog()};
    for (int i = 0; i < 3; ++i)
        m_content->setFrame(lists[i].frame,
                            new FrameHerdLists(m_state, *catalogs[i], lists[i], message));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitleStrip());
    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setObjectName(QStringLiteral("Splitter"));
    splitter->addWidget(m_trees);
    splitter->addWidget(m_content);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({185, 795});
    splitter->setChildrenCollapsible(false);
    m_trees->setMinimumWidth(120);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    m_farmWindow = new FarmWindow(this);
    connect(m_farmWindow, &FarmWindow::farmChosen, this, &MainWindow::applyFarmChoice);
    m_card = new FormAktPrasnica(m_state, m_status->progress(), this);
    m_matings = new FrameNahlPrip(m_state, m_status->progress());
    m_content->setFrame(QStringLiteral("FrameNahlPrip"), m_matings);
    m_litters = new FrameNahlVrhu(m_state, m_status->progress());
    m_content->setFrame(QStringLiteral("FrameNahlVrhu"), m_litters);
    m_offspring = new FrameSelPotomstva(m_state, m_status->progress());
    m_content->setFrame(QStringLiteral("FrameSelPotomstva"), m_offspring);
    m_measurement = new FrameMerVU(message);
    m_content->setFrame(QStringLiteral("FrameMerVU"), m_measurement);
    m_bonit = new FrameBonit(m_state, message, m_status->progress());
    m_content->setFrame(QStringLiteral("FrameBonit"), m_bonit);

    buildMenus();
    buildToolBar();
    syncModuleTicks();
    connect(m_trees, &TreePane::nodeChosen, this, &MainWindow::onNodeChosen);
    connect(m_trees->searchButton(), &QPushButton::clicked, this, &MainWindow::searchStrip);
    // A lost connection offers the login again.
    FailureBox::setReconnect([this] { reconnectDatabase(); });

    setGeometry(15, 10, 980, 720);
}

MainWindow::~MainWindow() {
    FailureBox::setReconnect({});
}

QWidget* MainWindow::buildTitleStrip() {
    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("PanelTitul"));
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip->setFixedHeight(20);
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, QColor(0xab, 0xab, 0xab)); // the workspace grey
    strip->setPalette(palette);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 0, 8, 0);
    m_title = new QLabel(strip);
    m_title->setObjectName(QStringLiteral("LabelModul"));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    m_title->setFont(font);
    m_title->setStyleSheet(QStringLiteral("color: #800000;"));
    row->addWidget(m_title);
    row->addStretch(1);
    return strip;
}

QAction* MainWindow::entry(QMenu* menu, const QString& name, const QString& text,
                           const QString& hint, int image) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    if (image >= 0)
        action->setIcon(Icons::image(image));
    menu->addAction(action);
    return action;
}

void MainWindow::onTriggered(QAction* action, std::function<void()> work) {
    // A failure of the entry's work is shown under the entry's name; the
    // program goes on.
    connect(action, &QAction::triggered, this, [action, work = std::move(work)] {
        FailureBox::guard(plainText(action->text()), work);
    });
}

void MainWindow::stub(QAction* action, bool needsFarm) {
    onTriggered(action, [this, action, needsFarm] { notAvailable(action->text(), needsFarm); });
}

void MainWindow::notAvailable(const QString& entryText, bool needsFarm) {
    if (needsFarm && !currentFarmTest())
        return;
    Dialogs::information(plainText(entryText), ContentArea::notAvailableText());
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* db = bar->addMenu(u("&Databáza"));
    db->setObjectName(QStringLiteral("MenuDatabaza"));
    db->setToolTip(u("Manipulácia s databázou Korbantix"));
    db->setToolTipsVisible(true);
    onTriggered(
        entry(db, "ActionPripojit", u("&Pripojiť databázu "), u("Pripojenie k databáze"), 14),
        [this] { connectDatabase(); });
    onTriggered(entry(db, "ActionOdpojit", u("&Odpojiť databázu "), u("Odpojenie od databázy")),
                [this] { disconnectDatabase(); });
    db->addSeparator();
    stub(entry(db, "ActionZaloha", u("&Záloha databázy "), u("Zálohovanie databázy")));
    stub(entry(db, "ActionObnova", u("&Obnova databázy "), u("Obnova databázy zo zálohy")));
    db->addSeparator();
    onTriggered(
        entry(db, "ActionKoniec", u("&Koniec"), u("Ukončenie práce s aplikáciou Korbantix"), 15),
        [this] { exitProgram(); });

    QMenu* farms = bar->addMenu(u("&Farmy"));
    farms->setObjectName(QStringLiteral("MenuFarmy"));
    const struct {
        const char* name;
        const char* text;
        int image;
        FarmWindow::Mode mode;
    } farmEntries[] = {
        {"ActionAktualizaciaFariem", "Aktualizácia &fariem ", -1, FarmWindow::Mode::Editing},
        {"ActionZoznamFariem", "&Zoznam fariem", -1, FarmWindow::Mode::List},
        {"ActionAktualnaFarma", "&Aktuálna farma ", 1, FarmWindow::Mode::Choice},
    };
    for (const auto& f : farmEntries) {
        if (f.mode == FarmWindow::Mode::Choice)
            farms->addSeparator();
        const FarmWindow::Mode mode = f.mode;
        onTriggered(entry(farms, QString::fromLatin1(f.name), u(f.text), {}, f.image),
                    [this, mode] { m_farmWindow->open(mode); });
    }

    QMenu* moduleMenu = bar->addMenu(u("&Moduly"));
    moduleMenu->setObjectName(QStringLiteral("MenuModuly"));
    for (const ModuleInfo& m : modules) {
        QAction* a =
            entry(moduleMenu, QString::fromLatin1(m.actionName), u(m.menuText), {}, m.image);
        a->setCheckable(true);
        m_moduleActions.insert(m.module, a);
        const Module module = m.module;
        onTriggered(a, [this, module] { switchModule(module); });
    }

    QMenu* pigs = bar->addMenu(u("&Ošípané"));
    pigs->setObjectName(QStringLiteral("MenuOsipane"));
    onTriggered(entry(pigs, "ActionNahlaseniePrasnice", u("&Nahlásenie prasnice"), {}, 11), [this] {
        if (currentFarmTest())
            m_card->open(FormAktPrasnica::Mode::Enrolment);
    });
    onTriggered(entry(pigs, "ActionOpravaUdajov", u("Oprava &údajov ošípanej")), [this] {
        if (currentFarmTest())
            m_card->open(FormAktPrasnica::Mode::Correction);
    });
    entry(pigs, "ActionNahlasenieKanca", u("Nahlásenie &kanca "), {}, 9)->setEnabled(false);
    pigs->addSeparator();
    stub(entry(pigs, "ActionKatalogyNT", u("&Katalógy na NT prasničiek")), true);

    QMenu* views = bar->addMenu(u("P&ohľady"));
    views->setObjectName(QStringLiteral("MenuPohlady"));
    QMenu* search = views->addMenu(u("&Hľadať"));
    search->setObjectName(QStringLiteral("MenuHladat"));
    // Each asks for the identifier and shows its card; cancelling asks with an empty key.
    const struct {
        const char* action;
        const char* text;
        int image;
        bool needsFarm;
        const char* title;
        const char* prompt;
        herd::AnimalSearch::Kind kind;
    } searches[] = {
        {"ActionHladatPrasnicu", "&Prasnicu ...", 5, true, "Zadaj prasnicu /čku", "v tvare: xxxxx",
         herd::AnimalSearch::Kind::Sow},
        {"ActionHladatKanca", "&Kanca ...", 4, false, "Zadaj kanca", "v tvare: xxxx xxxxx",
         herd::AnimalSearch::Kind::Boar},
        {"ActionHladatPotomstvo", "P&otomstvo ...", 3, true, "Zadaj potomstvo (jedinca)",
         "v tvare: xxxxx/xx", herd::AnimalSearch::Kind::Offspring},
    };
    for (const auto& s : searches) {
        const QString title = u(s.title), prompt = u(s.prompt);
        const bool needsFarm = s.needsFarm;
        const herd::AnimalSearch::Kind kind = s.kind;
        onTriggered(entry(search, s.action, u(s.text), {}, s.image),
                    [this, title, prompt, needsFarm, kind] {
                        if (needsFarm && !currentFarmTest())
                            return;
                        showSearched({kind, Dialogs::instance().askText(title, prompt)});
                    });
    }
    views->addSeparator();
    connect(entry(views, "ActionRychleVybery", u("&Rýchle výbery "), {}, 16), &QAction::triggered,
            this, [this] {
                // A new window for each opening, made under the hourglass.
                std::optional<FormRychleVybery> window;
                {
                    Hourglass wait;
                    window.emplace(this);
                }
                window->exec();
            });

    QMenu* settings = bar->addMenu(u("&Nastavenia"));
    settings->setObjectName(QStringLiteral("MenuNastavenia"));
    QAction* toolBarToggle = entry(settings, "ActionPanelNastrojov", u("&Panel s nástrojmi"));
    QAction* statusToggle = entry(settings, "ActionStavovyRiadok", u("&Stavový riadok"));
    for (QAction* toggle : {toolBarToggle, statusToggle}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(toolBarToggle, &QAction::toggled, this, [this](bool on) { m_toolBar->setVisible(on); });
    connect(statusToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    settings->addSeparator();
    onTriggered(entry(settings, "ActionPlemenitba", u("&Plemenitba ")),
                [this] { BreedingWindow(this).exec(); });
    onTriggered(entry(settings, "ActionLinieKancov", u("&Línie kancov ")),
                [this] { BoarLinesWindow(this).exec(); });
    onTriggered(entry(settings, "ActionInsTechnici", u("&Inseminační technici ")),
                [this] { TechniciansWindow(this).exec(); });
    stub(entry(settings, "ActionUstajnenia", u("&Ustajnenia aktuálnej farmy")), true);
    onTriggered(entry(settings, "ActionVeterinarneUkony", u("&Veterinárne úkony ")), [this] {
        if (currentFarmTest())
            VeterinaryPlanWindow(this).exec();
    });
    settings->addSeparator();
    stub(entry(settings, "ActionCiselniky", u("Čí&selníky ..."), {}, 23));

    QMenu* exchange = bar->addMenu(u("Výmena &dát"));
    exchange->setObjectName(QStringLiteral("MenuVymenaDat"));
    stub(entry(exchange, "ActionDataRBZ", u("&Dáta z databázy RBZ "), {}, 8));
    stub(entry(exchange, "ActionKatalogNT", u("Katalóg na NT")));
    onTriggered(entry(exchange, "ActionDatovySklad", u("Dátový &sklad "), {}, 12), [this] {
        if (!m_warehouse)
            m_warehouse = new WarehouseWindow(herd::Config::load(), m_status->progress(), this);
        m_warehouse->open();
    });
    exchange->addSeparator();
    stub(entry(exchange, "ActionTransformacia", u("&Transformácia  dát (Excel) "), {}, 21));

    QMenu* help = bar->addMenu(u("Po&moc"));
    help->setObjectName(QStringLiteral("MenuPomoc"));
    onTriggered(entry(help, "ActionPrirucka", u("&Príručka aplikácie ...")), [this] {
        if (!m_handbook)
            m_handbook = new HandbookWindow(this);
        m_handbook->open();
    });
    help->addSeparator();
    onTriggered(entry(help, "ActionOAplikacii", u("&O aplikácii"), {}, 22),
                [this] { AboutWindow(this).exec(); });

    for (QMenu* menu : bar->findChildren<QMenu*>())
        menu->setToolTipsVisible(true);

    // Clipboard commands for the focused edit box.
    const struct {
        const char* name;
        const char* text;
        QKeySequence::StandardKey key;
        const char* slot;
    } clipboard[] = {{"ActionVystrihnut", "&Vystrihnúť", QKeySequence::Cut, "cut"},
                     {"ActionKopirovat", "&Kopírovať", QKeySequence::Copy, "copy"},
                     {"ActionPrilepit", "&Prilepiť", QKeySequence::Paste, "paste"}};
    for (const auto& c : clipboard) {
        auto* a = new QAction(u(c.text), this);
        a->setObjectName(QString::fromLatin1(c.name));
        a->setShortcut(c.key);
        a->setShortcutContext(Qt::WindowShortcut);
        const char* slot = c.slot;
        connect(a, &QAction::triggered, this, [slot] {
            // Edit boxes, text boxes and grids that offer the command carry it out.
            QWidget* focused = QApplication::focusWidget();
            const QByteArray signature = QByteArray(slot) + "()";
            if (focused && focused->metaObject()->indexOfMethod(signature.constData()) >= 0)
                QMetaObject::invokeMethod(focused, slot);
        });
        addAction(a);
    }
}

void MainWindow::buildToolBar() {
    m_toolBar = addToolBar(u("Panel s nástrojmi"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(22, 22));
    m_toolBar->setFixedHeight(29 + 4);

    auto button = [this](const char* name, int image, const QString& hint, QAction* same) {
        auto* a = new QAction(Icons::image(image), hint, this);
        a->setToolTip(hint);
        a->setEnabled(same->isEnabled());
        connect(a, &QAction::triggered, same, &QAction::trigger);
        m_toolBar->addAction(a);
        m_toolBar->widgetForAction(a)->setObjectName(QString::fromLatin1(name));
        return a;
    };
    button("ToolButtonPripojenie", 14, u("Pripojenie k databáze"), action("ActionPripojit"));
    button("ToolButtonAktFarma", 1, u("Výber aktuálnej farmy"), action("ActionAktualnaFarma"));
    button("ToolButtonKoniec", 15, u("Ukončenie práce z aplikáciou"), action("ActionKoniec"));
    m_toolBar->addSeparator();
    for (const ModuleInfo& m : modules)
        button(m.buttonName, m.image, u(m.buttonHint), m_moduleActions.value(m.module));
    m_toolBar->addSeparator();
    button("ToolButtonDoplnenie", 11, u("Doplnenie prasnice do databázy"),
           action("ActionNahlaseniePrasnice"));
    button("ToolButtonZrusenie", 9, u("Nahlásenie kanca do databázy"),
           action("ActionNahlasenieKanca"));
    button("ToolButtonPrehlady", 16, u("Rýchle prehľady"), action("ActionRychleVybery"));
    m_toolBar->addSeparator();
    button("ToolButtonDataZhvk", 8, u("Dáta z databázy HVK"), action("ActionDataRBZ"));
    button("ToolButtonDataNaHvk", 12, u("Datový sklad / Dáta do databázy HVK"),
           action("ActionDatovySklad"));
    button("ToolButtonDataExcel", 21, u("Transformácia dát - Excel"),
           action("ActionTransformacia"));

    connect(m_toolBar, &QToolBar::visibilityChanged, this, [this](bool visible) {
        if (!isVisible())
            return; // hiding the window hides the bar too; keep the tick
        action(QStringLiteral("ActionPanelNastrojov"))->setChecked(visible);
    });
}

QAction* MainWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName, Qt::FindDirectChildrenOnly);
}

QString MainWindow::titleText() const {
    return m_title->text();
}

bool MainWindow::currentFarmTest() {
    if (m_state.hasFarm())
        return true;
    Dialogs::instance().show(herd::ShellState::noFarmNotice());
    return false;
}

void MainWindow::syncModuleTicks() {
    for (auto it = m_moduleActions.cbegin(); it != m_moduleActions.cend(); ++it)
        it.value()->setChecked(it.key() == m_ticked);
}

void MainWindow::switchModule(Module module) {
    if (!currentFarmTest()) {
        syncModuleTicks(); // undo the tick the menu entry gave itself
        return;
    }
    m_ticked = module;
    syncModuleTicks();
    for (const ModuleInfo& m : modules) {
        if (m.module != module)
            continue;
        m_title->setText(herd::ModuleTrees::title(static_cast<herd::ModuleTrees::Tree>(m.tree)));
        m_trees->showTree(m.tree, m.searchStrip);
    }
    m_content->hideFrames();
}

void MainWindow::applyFarmChoice(const herd::FarmChoiceResult& result) {
    static_assert(int(TreePane::TreeCount) == int(herd::ModuleTrees::Count));
    m_state.aktFarma = result.aktFarma;
    m_state.aktChov = result.aktChov;
    m_status->setFarmName(result.farmName);
    m_card->farmChanged();
    m_matings->farmChanged();
    m_litters->farmChanged();
    m_offspring->farmChanged();
    for (int i = 0; i < TreePane::TreeCount; ++i)
        m_trees->setNodes(static_cast<TreePane::Tree>(i), result.trees.roots[i]);
    // A panel of the previous farm must not stay on show.
    m_content->hideFrames();
}

void MainWindow::onNodeChosen(TreePane::Tree tree, QTreeWidgetItem* item) {
    // A failure of the panel the node shows is shown under the module's
    // title; the program goes on.
    FailureBox::guard(herd::ModuleTrees::title(static_cast<herd::ModuleTrees::Tree>(tree)), [&] {
        switch (tree) {
        case TreePane::Osipane:
            categoryNodeChosen(item);
            break;
        case TreePane::VrhListok:
            litterSheetNodeChosen(item);
            break;
        case TreePane::Ustajnenia:
            housingNodeChosen(item);
            break;
        case TreePane::Bonit:
            framedNodeChosen(item, QStringLiteral("FrameBonit"));
            break;
        case TreePane::MerVU:
            framedNodeChosen(item, QStringLiteral("FrameMerVU"));
            break;
        case TreePane::TreeCount:
            break;
        }
    });
}

bool MainWindow::isFarmNode(QTreeWidgetItem* item) {
    return !item->parent();
}

void MainWindow::framedNodeChosen(QTreeWidgetItem* item, const QString& frame) {
    m_content->hideFrames();
    if (isFarmNode(item))
        return;
    if (!m_content->offerFrame(frame, item->text(0)))
        return;
    if (auto* panel = qobject_cast<NodePanel*>(m_content->frame(frame)))
        panel->nodeChosen(item->text(0));
}

void MainWindow::housingNodeChosen(QTreeWidgetItem* item) {
    m_state.aktJedinec = item->text(0);
    m_content->hideFrames();
    const QString frame = herd::HousingPanels::frameOf(item->text(0));
    if (!frame.isEmpty()) {
        if (m_content->offerFrame(frame, item->text(0).trimmed()))
            if (auto* panel = qobject_cast<NodePanel*>(m_content->frame(frame)))
                panel->nodeChosen(herd::HousingPanels::captionOf(item->text(0)));
        return;
    }
    showAnimalCard(item, u("Plemenné potomstvo - jedinec "));
}

void MainWindow::categoryNodeChosen(QTreeWidgetItem* item) {
    m_state.aktJedinec = item->text(0);
    m_content->hideFrames();
    struct Shown {
        QString frame;
        QString caption; // empty: the panel keeps its captions
    };
    static const QHash<QString, Shown> groups = {
        {u("Kance"), {QStringLiteral("FrameKance"), u("Kance ")}},
        {u("Prasnice"), {QStringLiteral("FramePrasnice"), u("Prasnice ")}},
        {u("Prasničky"), {QStringLiteral("FramePrasnicky"), u("Prasničky ")}},
        {u("Plem. potomstvo"), {QStringLiteral("FramePlemPotomstvo"), u("Plemenné potomstvo ")}},
        {u("SVJH potomstvo"), {QStringLiteral("FrameSVJHPotomstvo"), u("SVJH potomstvo ")}},
        {u("Výkrm"), {QStringLiteral("FrameVykrm"), {}}},
    };
    const auto group = groups.constFind(item->text(0));
    if (group != groups.cend()) {
        if (!m_content->offerFrame(group->frame, item->text(0)))
            return;
        if (auto* panel = qobject_cast<HerdPanel*>(m_content->frame(group->frame))) {
            if (!group->caption.isEmpty())
                panel->setCaption(group->caption);
            panel->showLists();
        }
        return;
    }
    showAnimalCard(item, u("Potomstvo - jedinec "));
}

void MainWindow::showAnimalCard(QTreeWidgetItem* item, const QString& offspringCaption) {
    struct Card {
        QString frame;
        QString caption;
    };
    const QHash<int, Card> cards = {
        {3, {QStringLiteral("FramePlemPotomstvo"), offspringCaption}},
        {4, {QStringLiteral("FrameKance"), u("Kanec ")}},
        {5, {QStringLiteral("FramePrasnice"), u("Plemenná prasnica/ prasnička ")}}};
    const auto card = cards.constFind(item->data(0, TreePane::ImageRole).toInt());
    if (card == cards.cend())
        return; // the farm root, the boar house's blank section
    if (!m_content->offerFrame(card->frame, card->caption.trimmed()))
        return;
    if (auto* panel = qobject_cast<HerdPanel*>(m_content->frame(card->frame))) {
        panel->setCaption(card->caption);
        panel->showCard();
    }
}

void MainWindow::searchStrip() {
    QLineEdit* edit = m_trees->searchEdit();
    const herd::AnimalSearch::Key key = herd::AnimalSearch::parse(edit->text());
    if (key.kind == herd::AnimalSearch::Kind::Invalid)
        Dialogs::instance().show(herd::AnimalSearch::invalid());
    else
        showSearched(key);
    // A single blank waits for the next search.
    edit->setText(QStringLiteral(" "));
}

void MainWindow::showSearched(const herd::AnimalSearch::Key& key) {
    const QString frame = herd::AnimalSearch::frameOf(key.kind);
    const QString caption = herd::AnimalSearch::captionOf(key.kind);
    FailureBox::guard(u("Hľadaj ..."), [&] {
        if (const auto missing = herd::AnimalSearch::find(m_state.aktFarma, key)) {
            Dialogs::instance().show(*missing);
            return;
        }
        m_state.aktJedinec = key.text;
        m_content->hideFrames();
        if (!m_content->offerFrame(frame, caption.trimmed()))
            return;
        if (auto* panel = qobject_cast<HerdPanel*>(m_content->frame(frame))) {
            panel->setCaption(caption);
            panel->showCard();
        }
    });
}

void MainWindow::litterSheetNodeChosen(QTreeWidgetItem* item) {
    m_content->hideFrames();
    static const QHash<QString, QString> batches = {
        {u("Nahlásenie pripustenia"), QStringLiteral("FrameNahlPrip")},
        {u("Nahlásenie vrhu"), QStringLiteral("FrameNahlVrhu")},
        {u("Selekcia potomstva"), QStringLiteral("FrameSelPotomstva")},
    };
    const auto batch = batches.constFind(item->text(0));
    if (batch != batches.cend())
        m_content->showFrame(batch.value());
}

void MainWindow::reconnectDatabase() {
    Database::close(); // the lost connection is of no use any more
    connectDatabase();
}

void MainWindow::connectDatabase() {
    if (Database::isOpen() && !Database::isAlive())
        Database::close(); // dropped by the server: connect anew
    if (Database::isOpen()) {
        Dialogs::information(u("Pripojiť databázu"), u("Databáza je už pripojená !"));
        return;
    }
    LoginValues values{m_settings.database, m_settings.user, m_settings.password};
    if (!Dialogs::instance().login(values))
        return; // cancelled: the connection stays closed
    herd::ConnectionSettings settings = m_settings;
    settings.database = values.database;
    settings.user = values.user;
    settings.password = values.password;
    try {
        herd::Session::connect(settings);
        m_settings = settings;
    } catch (const SqlError& e) {
        Database::close();
        Dialogs::error(u("Pripojiť databázu"), FailureBox::defaultPrefix() + e.text());
    }
}

void MainWindow::disconnectDatabase() {
    if (!Database::isOpen())
        return;
    Database::close();
    m_startupBoxDue = true;
    Dialogs::information(u("Odpojiť databázu"), u("Databáza odpojená !"));
}

void MainWindow::exitProgram() {
    if (Database::isOpen()) {
        try {
            herd::WorkViews::dropAll();
        } catch (const SqlError& e) {
            // A lost connection has no views to drop: the program ends.
            if (!e.connectionLost()) {
                FailureBox::show(u("Koniec"), e);
                return;
            }
        }
    }
    emit exitRequested();
    close();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        onActivated();
    return QMainWindow::event(event);
}

void MainWindow::onActivated() {
    // The window returns to its place whenever it is activated, unless the
    // user has maximised it.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        setGeometry(15, 10, 980, 720);
    if (Database::isOpen() || !m_startupBoxDue)
        return;
    // Once per start and once after each disconnect: closing the box
    // reactivates the window, which must not bring the box back.
    m_startupBoxDue = false;
    QMetaObject::invokeMethod(
        this,
        [] {
            Dialogs::information(u("Počiatočné parametre aplikácie Korbantix "),
                                 u("Pripoj sa k databáze a vyber aktuálnu farmu !"));
        },
        Qt::QueuedConnection);
}

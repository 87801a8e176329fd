#pragma once

#include "db/Config.h"
#include "farms/FarmChoice.h"
#include "farms/ShellState.h"
#include "shell/TreePane.h"
#include "views/AnimalSearch.h"

#include <QHash>
#include <QMainWindow>
#include <functional>

class ContentArea;
class FarmWindow;
class FrameBonit;
class FrameNahlPrip;
class FrameNahlVrhu;
class FrameSelPotomstva;
class FrameMerVU;
class FormAktPrasnica;
class HandbookWindow;
class WarehouseWindow;
class QLabel;
class QToolBar;
class StatusPanels;

// The main window: menu, toolbar, title strip, tree pane, content area and
// status bar; the five modules; connect, disconnect and exit.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Module { Osipane, VrhListok, Ustajnenia, Bonitacie, MeranieVU };

    // The settings are those the connect command opens the database with.
    explicit MainWindow(const herd::ConnectionSettings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    herd::ShellState& state() { return m_state; }
    ContentArea* content() const { return m_content; }
    TreePane* treePane() const { return m_trees; }
    StatusPanels* status() const { return m_status; }
    FarmWindow* farmWindow() const { return m_farmWindow; }
    FormAktPrasnica* cardWindow() const { return m_card; }
    FrameBonit* bonitation() const { return m_bonit; }
    QAction* action(const QString& objectName) const;

    // Returns false (after showing the refusal) when no farm is chosen.
    bool currentFarmTest();

    Module tickedModule() const { return m_ticked; }
    QString titleText() const;

public slots:
    void switchModule(MainWindow::Module module);
    // Takes over a committed farm choice: state values, farm name and trees.
    void applyFarmChoice(const herd::FarmChoiceResult& result);
    void connectDatabase();
    // After a lost connection: closes it and connects through the login.
    void reconnectDatabase();
    void disconnectDatabase();
    // "&Koniec": drops the work views, then closes the window.
    void exitProgram();

signals:
    void exitRequested();

protected:
    bool event(QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    QWidget* buildTitleStrip();
    QAction* entry(QMenu* menu, const QString& name, const QString& text, const QString& hint = {},
                   int image = -1);
    void notAvailable(const QString& entryText, bool needsFarm = false);
    void stub(QAction* action, bool needsFarm = false);
    void onTriggered(QAction* action, std::function<void()> work);
    void syncModuleTicks();
    void onActivated();
    void onNodeChosen(TreePane::Tree tree, QTreeWidgetItem* item);
    void categoryNodeChosen(QTreeWidgetItem* item);
    void litterSheetNodeChosen(QTreeWidgetItem* item);
    void housingNodeChosen(QTreeWidgetItem* item);
    // A node of a tree whose nodes all show one frame (bonitation, measurement).
    void framedNodeChosen(QTreeWidgetItem* item, const QString& frame);
    void showAnimalCard(QTreeWidgetItem* item, const QString& offspringCaption);
    // Shows the card of a searched animal; one not on record leaves the
    // shown card as it was.
    void showSearched(const herd::AnimalSearch::Key& key);
    void searchStrip();
    static bool isFarmNode(QTreeWidgetItem* item);

    herd::ConnectionSettings m_settings;
    herd::ShellState m_state;
    Module m_ticked = Module::Ustajnenia;
    bool m_startupBoxDue = true;

    QToolBar* m_toolBar = nullptr;
    QLabel* m_title = nullptr;
    TreePane* m_trees = nullptr;
    ContentArea* m_content = nullptr;
    StatusPanels* m_status = nullptr;
    FarmWindow* m_farmWindow = nullptr;
    FormAktPrasnica* m_card = nullptr;
    FrameNahlPrip* m_matings = nullptr;
    FrameNahlVrhu* m_litters = nullptr;
    FrameSelPotomstva* m_offspring = nullptr;
    FrameMerVU* m_measurement = nullptr;
    FrameBonit* m_bonit = nullptr;
    QHash<Module, QAction*> m_moduleActions;
    HandbookWindow* m_handbook = nullptr;
    WarehouseWindow* m_warehouse = nullptr;
};

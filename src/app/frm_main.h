// TfrmMain: the application's frame. The project tree at the left, the
// multiple-document area for child windows, the toolbar, the menus, the
// status line with its gauge, and the routing of every command.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/qt_command_host.h"
#include "project/app_state.h"
#include "settings/option_set.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QProgressBar;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace plumora {

class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // Item data of a tree node: the entry (RFile*), its state image, its image.
    static constexpr int kEntryRole = Qt::UserRole;
    static constexpr int kStateRole = Qt::UserRole + 1;
    static constexpr int kImageRole = Qt::UserRole + 2;

    // The commands that a button, a menu item and a pop-up item share.
    enum class Cmd {
        Open, Close, Options, Process, ViewProjFile, ViewSource, FormTree,
        Commentor, Charts, SelectAll, DeselectAll, Toggle, Help
    };

    // `answerer`, when given, replaces every message box from the start on
    // (tests); the settings file is read while the window is created.
    explicit TfrmMain(QWidget* parent = nullptr, TQtCommandHost::Answerer answerer = {});
    ~TfrmMain() override;

    TAppState& State() { return state_; }
    TOptionSet& Options() { return options_; }
    TQtCommandHost& Host() { return host_; }
    QTreeWidget* Tree() const { return treeProject_; }
    QMdiArea* Mdi() const { return mdi_; }

    // Open without the dialog (recent files, tests): OpenProject, then the
    // tree and the project controls. Returns true when the project is open.
    bool OpenProjectFile(const std::string& fileName);
    void CloseCurrentProject();

    void EnableProjectControls();
    void DisableProjectControls();
    void BuildProjectTree(const std::string& name);

    void SelectAll() { SetAllStates(true); }
    void DeselectAll() { SetAllStates(false); }
    // Toggles the selected node; the root and no selection change nothing.
    void ToggleSelection();

    // Captions of the recent-file entries at the end of the File menu.
    std::vector<std::string> RecentMenuCaptions() const;
    // Writes the recent files and the placement to the settings file.
    void SaveSettings();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct TCommandControls {
        QAction* Button = nullptr;
        QAction* Menu = nullptr;
        QAction* Popup = nullptr;
    };

    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateBottomBar();
    QAction* NewAction(const QString& name, const QString& text, const QString& hint);
    void SetCommandEnabled(Cmd cmd, bool enabled);
    void UpdateSelectionCommands(QTreeWidgetItem* item);
    void SetAllStates(bool selected);
    void SetNodeState(QTreeWidgetItem* item, int state);
    void RebuildRecentMenu();
    void RebuildWindowMenu();
    void LoadSettings();
    void RestorePlacement();
    void NotAvailable(const QString& what);

    void OpenClick();
    void RecentFileClick(const std::string& path);

    TAppState state_;
    TOptionSet options_;
    TQtCommandHost host_;

    QMdiArea* mdi_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QWidget* pnlOutline_ = nullptr;
    QTreeWidget* treeProject_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QProgressBar* gaugeMain_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QMenu* mnuFile_ = nullptr;
    QMenu* mnuProject_ = nullptr;
    QMenu* mnuWindow_ = nullptr;
    QMenu* mnuPopup_ = nullptr;
    QAction* mnuToolbar_ = nullptr;
    QAction* mnuProcessBar_ = nullptr;
    std::vector<QAction*> recentActions_;
    std::map<Cmd, TCommandControls> commands_;
    bool placementRestored_ = false;
    int outlineWidth_ = 189;
};

}  // namespace plumora

// TfrmMain: the application's frame. The project tree at the left, the
// multiple-document area for child windows, the toolbar, the menus, the
// status line with its gauge, and the routing of every command.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "app/qt_command_host.h"
#include "processing/qt_run_host.h"
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

class TfrmChartSelector;
class TfrmCopyFiles;
class TfrmLeftorRight;
class TfrmOptions;
class TfrmProcessing;
class TfrmSpellDialog;
class TfrmStaticProcessing;
class TfrmViewDual;

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
    // The processing run's host and windows, alive as long as this window.
    TQtRunHost& RunHost() { return *runHost_; }
    TfrmProcessing* ProcessingWindow() const { return frmProcessing_; }
    TfrmCopyFiles* CopyFilesWindow() const { return frmCopyFiles_; }
    // The options dialog, hidden while not shown; it mirrors options_.
    TfrmOptions* OptionsDialog() const { return frmOptions_; }
    QTreeWidget* Tree() const { return treeProject_; }
    QMdiArea* Mdi() const { return mdi_; }
    // The preview of the processing run, hidden between runs.
    TfrmViewDual* Preview() const { return frmViewDual_; }
    // The busy window of the side-by-side viewers' Diff.
    TfrmStaticProcessing* StaticProcessing() const { return frmStaticProcessing_; }
    // The spelling dialog with its speller, hidden between words.
    TfrmSpellDialog* SpellDialog() const { return frmSpellDialog_; }

    // The print-side question of the side-by-side viewers and the chart
    // selector, hidden while not shown.
    TfrmLeftorRight* PrintSideQuestion() const { return frmLeftorRight_; }
    TfrmChartSelector* ChartSelector() const { return frmChartSelector_; }
    // "Display Chart Selector", "View Charts": the selector, modally.
    void ShowChartSelector();

    // A new viewer child window for the entry: side by side with its styled
    // copy once processed, the file alone otherwise.
    void ShowFileViewer(const RFile& entry);
    // "View Project Source": the project file in a new viewer child window.
    void ViewProjectFile();
    // "View Current Source": ShowFileViewer of the selected node's entry; the
    // root or no selection does nothing.
    void ViewSelectedFile();
    // Drops on the frame are taken only from the project tree.
    static bool AcceptsDropFrom(const QObject* source);

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
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

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
    void CreateRunWindows();
    void CreateViewerWindows();
    void CreatePrintAndChartWindows();
    void btnProcessClick();
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
    TfrmProcessing* frmProcessing_ = nullptr;  // owned by this window, hidden between runs
    TfrmCopyFiles* frmCopyFiles_ = nullptr;    // owned by this window, hidden between runs
    TfrmOptions* frmOptions_ = nullptr;        // owned by this window, hidden between uses
    std::unique_ptr<TQtRunHost> runHost_;
    bool processing_ = false;    // inside btnProcessClick, from the question to the last message
    bool closeAfterRun_ = false;  // closing was asked for during a run
    TfrmViewDual* frmViewDual_ = nullptr;                  // owned by this window, hidden between runs
    TfrmStaticProcessing* frmStaticProcessing_ = nullptr;  // owned by this window, hidden between uses
    TfrmLeftorRight* frmLeftorRight_ = nullptr;      // owned by this window, hidden between uses
    TfrmChartSelector* frmChartSelector_ = nullptr;  // owned by this window, hidden between uses
    TfrmSpellDialog* frmSpellDialog_ = nullptr;            // owned by this window, hidden between words
};

}  // namespace plumora

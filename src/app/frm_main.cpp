// The main window: layout, commands, the project tree and the settings it
// keeps in sections RecentFiles and frmMain.
#include "app/frm_main.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTreeWidgetItemIterator>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/help_pages.h"
#include "app/project_tree_rules.h"
#include "app/qt_style_file_note.h"
#include "app/qt_tree_check_boxes.h"
#include "commentor/frm_commentor.h"
#include "formtree/frm_form_tree.h"
#include "processing/frm_copy_files.h"
#include "processing/frm_processing.h"
#include "processing/process_command.h"
#include "processing/process_project.h"
#include "project/open_project.h"
#include "settings/config_dir.h"
#include "settings/frm_options.h"
#include "settings/ini_file.h"
#include "settings/text_code_page.h"
#include "spelling/frm_spell_dialog.h"
#include "ui/about_box.h"
#include "ui/drag_starter.h"
#include "ui/help_window.h"
#include "ui/mdi_windows.h"
#include "ui/program_icon.h"
#include "ui/project_images.h"
#include "ui/text_encoding.h"
#include "viewers/frm_static_processing.h"
#include "viewers/frm_view_dual.h"
#include "viewers/frm_view_dual_mdi.h"
#include "viewers/frm_view_single.h"
#include "viewers/qt_side_by_side.h"

namespace plumora {

namespace {

constexpr const char* kTitle = "Plumora/VB 3.0";

QString Q(const std::string& s) { return QString::fromStdString(s); }

RFile* EntryOf(const QTreeWidgetItem* item) {
    if (!item) return nullptr;
    return reinterpret_cast<RFile*>(item->data(0, TfrmMain::kEntryRole).value<quintptr>());
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent, TQtCommandHost::Answerer answerer)
    : QMainWindow(parent), host_(this) {
    if (answerer) host_.SetAnswerer(std::move(answerer));
    InstallHelpPages();
    UseProgramIcon();
    setObjectName("frmMain");
    setWindowTitle(kTitle);
    setFont(QFont("Arial", 8));

    mdi_ = new QMdiArea;
    mdi_->setObjectName("mdiClient");
    // A textured brush tiles the picture over the whole client area.
    mdi_->setBackground(QBrush(BackgroundTile()));

    pnlOutline_ = new QWidget;
    pnlOutline_->setObjectName("pnlOutline");
    pnlOutline_->setMinimumWidth(60);
    auto* outlineLayout = new QVBoxLayout(pnlOutline_);
    outlineLayout->setContentsMargins(0, 0, 0, 0);
    treeProject_ = new QTreeWidget;
    treeProject_->setObjectName("treeProject");
    treeProject_->setHeaderHidden(true);
    // Long names scroll sideways instead of being cut short.
    treeProject_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    treeProject_->header()->setStretchLastSection(false);
    treeProject_->setIndentation(19);
    treeProject_->setIconSize(QSize(34, 16));
    treeProject_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    treeProject_->setExpandsOnDoubleClick(false);
    treeProject_->setContextMenuPolicy(Qt::CustomContextMenu);
    treeProject_->setEnabled(false);
    outlineLayout->addWidget(treeProject_);

    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setObjectName("grabBar");
    splitter_->setHandleWidth(5);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(pnlOutline_);
    splitter_->addWidget(mdi_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({kOutlineWidth, 443});
    setCentralWidget(splitter_);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateBottomBar();

    connect(treeProject_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) {
                treeProject_->setCurrentItem(item);
                ToggleSelection();
            });
    new TTreeCheckBoxes(
        treeProject_, [this](QTreeWidgetItem*) { ToggleSelection(); },
        [](QTreeWidgetItem* item) { return EntryOf(item) != nullptr; });
    connect(treeProject_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { UpdateSelectionCommands(current); });
    connect(treeProject_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* item = treeProject_->itemAt(pos)) treeProject_->setCurrentItem(item);
        mnuPopup_->popup(treeProject_->viewport()->mapToGlobal(pos));
    });

    resize(632, 434 + menuBar()->sizeHint().height());
    CreateRunWindows();
    CreateViewerWindows();
    CreatePrintAndChartWindows();
    frmOptions_ = new TfrmOptions(options_, host_, this);
    frmSpellDialog_ = new TfrmSpellDialog(host_, this);
    frmOptions_->SetSpellCheckerOptions([this] { frmSpellDialog_->ConfigureSpeller(); });
    LoadSettings();
    DisableProjectControls();
}

TfrmMain::~TfrmMain() = default;

QAction* TfrmMain::NewAction(const QString& name, const QString& text, const QString& hint) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!hint.isEmpty()) action->setStatusTip(hint);
    return action;
}

void TfrmMain::CreateActions() {
    struct TRow {
        Cmd Command;
        const char* Name;       // suffix of btn/mnu/pop
        const char* Tip;        // toolbar tool tip; empty: no button
        const char* Menu;       // main menu caption; empty: none
        const char* Popup;      // pop-up caption; empty: none
        const char* Hint;       // status-line hint of the menu item
        QStyle::StandardPixmap Glyph;
    };
    static const TRow kRows[] = {
        {Cmd::Open, "Open", "Open a VB Project", "&Open...", "", "Display the open file dialog",
         QStyle::SP_DialogOpenButton},
        {Cmd::Close, "Close", "Close Current Project", "", "", "", QStyle::SP_DialogCloseButton},
        {Cmd::Options, "Options", "Display Options Window", "&Options...", "Options",
         "Display the options window", QStyle::SP_FileDialogDetailedView},
        {Cmd::Process, "Process", "Begin Processing", "&Begin Processing", "Begin Processing", "",
         QStyle::SP_MediaPlay},
        {Cmd::ViewProjFile, "ViewProjFile", "View Project Source", "View Project Source",
         "View Project Source", "", QStyle::SP_FileDialogContentsView},
        {Cmd::ViewSource, "ViewSource", "View Selected File", "View Current Source",
         "View Current Source", "", QStyle::SP_FileIcon},
        {Cmd::FormTree, "BuildFormTree", "Build Form Tree", "View Form Structure",
         "View Form Structure", "", QStyle::SP_FileDialogListView},
        {Cmd::Commentor, "ShowCommentor", "Show Function/Module Commentor",
         "View Sub/Function Commentor", "View Sub/Function Commentor", "",
         QStyle::SP_FileDialogInfoView},
        {Cmd::Charts, "Charts", "Display Chart Selector", "View Charts", "View Charts", "",
         QStyle::SP_ComputerIcon},
        {Cmd::SelectAll, "SelectAll", "Select All Items", "&Select All", "Select All", "",
         QStyle::SP_DialogApplyButton},
        {Cmd::DeselectAll, "DeselectAll", "Deselect All Items", "&Deselect All", "Deselect All", "",
         QStyle::SP_DialogResetButton},
        {Cmd::Toggle, "Toggle", "", "", "Toggle Selection", "", QStyle::SP_CustomBase},
        {Cmd::Help, "Help", "Help", "&Contents", "", "Open the help file",
         QStyle::SP_DialogHelpButton},
    };

    for (const TRow& row : kRows) {
        TCommandControls controls;
        const QString name = row.Name;
        if (*row.Tip) {
            controls.Button = NewAction("btn" + name, row.Tip, row.Tip);
            controls.Button->setToolTip(row.Tip);
            controls.Button->setIcon(style()->standardIcon(row.Glyph));
        }
        if (*row.Menu) controls.Menu = NewAction("mnu" + name, row.Menu, row.Hint);
        if (*row.Popup) controls.Popup = NewAction("pop" + name, row.Popup, "");
        commands_[row.Command] = controls;
    }

    auto route = [this](Cmd cmd, auto handler) {
        const TCommandControls& c = commands_[cmd];
        for (QAction* a : {c.Button, c.Menu, c.Popup})
            if (a) connect(a, &QAction::triggered, this, handler);
    };
    commands_[Cmd::Help].Button->setIcon(HelpGlyph());
    route(Cmd::Open, [this] { OpenClick(); });
    route(Cmd::Close, [this] { CloseCurrentProject(); });
    route(Cmd::Options, [this] { frmOptions_->exec(); });
    route(Cmd::Process, [this] { btnProcessClick(); });
    route(Cmd::ViewProjFile, [this] { ViewProjectFile(); });
    route(Cmd::ViewSource, [this] { ViewSelectedFile(); });
    route(Cmd::FormTree, [this] {
        if (RFile* entry = EntryOf(treeProject_->currentItem()); entry && state_.Project)
            TfrmFormTree::ShowFormTree(mdi_, host_, *state_.Project, entry);
    });
    route(Cmd::Commentor, [this] {
        if (RFile* entry = EntryOf(treeProject_->currentItem()))
            TfrmCommentor::ShowCommentor(mdi_, host_, *entry, options_, state_.VBTabStops);
    });
    route(Cmd::Charts, [this] { ShowChartSelector(); });
    route(Cmd::SelectAll, [this] { SelectAll(); });
    route(Cmd::DeselectAll, [this] { DeselectAll(); });
    route(Cmd::Toggle, [this] { ToggleSelection(); });
    route(Cmd::Help, [this] { ShowHelpContext(this, 0); });
    commands_[Cmd::Help].Menu->setShortcut(QKeySequence::HelpContents);
}

void TfrmMain::CreateMenus() {
    const auto& c = commands_;
    mnuFile_ = menuBar()->addMenu("&File");
    mnuFile_->setObjectName("mnuFileMenu");
    mnuFile_->addAction(c.at(Cmd::Open).Menu);
    mnuFile_->addSeparator();
    QAction* exit = NewAction("mnuExit", "E&xit", "Exit Plumora/VB");
    connect(exit, &QAction::triggered, this, &QWidget::close);
    mnuFile_->addAction(exit);

    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("mnuViewMenu");
    view->addAction(c.at(Cmd::Options).Menu);
    view->addSeparator();
    mnuToolbar_ = NewAction("mnuToolbar", "&Toolbar", "Toggle the toolbar");
    mnuToolbar_->setCheckable(true);
    mnuToolbar_->setChecked(true);
    connect(mnuToolbar_, &QAction::triggered, this, [this](bool on) { toolBar_->setVisible(on); });
    view->addAction(mnuToolbar_);
    mnuProcessBar_ = NewAction("mnuProcessBar", "Process &Bar", "Toggle the process bar");
    mnuProcessBar_->setCheckable(true);
    mnuProcessBar_->setChecked(true);
    connect(mnuProcessBar_, &QAction::triggered, this, [this](bool on) { statusBar()->setVisible(on); });
    view->addAction(mnuProcessBar_);
    view->addSeparator();
    CreateEncodingMenu(view);

    mnuProject_ = menuBar()->addMenu("&Project");
    mnuProject_->setObjectName("mnuProjectMenu");
    mnuProject_->addAction(c.at(Cmd::Process).Menu);
    mnuProject_->addSeparator();
    for (Cmd cmd : {Cmd::ViewProjFile, Cmd::ViewSource, Cmd::FormTree, Cmd::Commentor, Cmd::Charts})
        mnuProject_->addAction(c.at(cmd).Menu);
    mnuProject_->addSeparator();
    mnuProject_->addAction(c.at(Cmd::SelectAll).Menu);
    mnuProject_->addAction(c.at(Cmd::DeselectAll).Menu);

    // The keys of a multiple-document frame: Ctrl+F4 closes the active child
    // window, Ctrl+Tab and Ctrl+Shift+Tab go to the next and the previous.
    // A child window with the focus has Ctrl+F4 in its own window menu; the
    // frame's is for the focus in the project tree.
    auto* closeChild = NewAction("actCloseChild", "Close Window", "");
    closeChild->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    closeChild->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(closeChild, &QAction::triggered, mdi_, &QMdiArea::closeActiveSubWindow);
    pnlOutline_->addAction(closeChild);
    auto* nextChild = NewAction("actNextChild", "Next Window", "");
    nextChild->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    connect(nextChild, &QAction::triggered, mdi_, &QMdiArea::activateNextSubWindow);
    addAction(nextChild);
    auto* previousChild = NewAction("actPreviousChild", "Previous Window", "");
    previousChild->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab));
    connect(previousChild, &QAction::triggered, mdi_, &QMdiArea::activatePreviousSubWindow);
    addAction(previousChild);

    mnuWindow_ = menuBar()->addMenu("&Window");
    mnuWindow_->setObjectName("mnuWindowMenu");
    connect(mnuWindow_, &QMenu::aboutToShow, this, [this] { RebuildWindowMenu(); });
    RebuildWindowMenu();

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelpMenu");
    help->addAction(c.at(Cmd::Help).Menu);
    help->addSeparator();
    QAction* about = NewAction("mnuAbout", "&About...", "Display the about box");
    connect(about, &QAction::triggered, this, [this] {
        TAboutBox(this).exec();
    });
    help->addAction(about);

    mnuPopup_ = new QMenu(this);
    mnuPopup_->setObjectName("mnuPopup");
    mnuPopup_->addAction(c.at(Cmd::Toggle).Popup);
    mnuPopup_->addSeparator();
    mnuPopup_->addAction(c.at(Cmd::SelectAll).Popup);
    mnuPopup_->addAction(c.at(Cmd::DeselectAll).Popup);
    mnuPopup_->addSeparator();
    for (Cmd cmd : {Cmd::ViewProjFile, Cmd::ViewSource, Cmd::FormTree, Cmd::Commentor, Cmd::Charts})
        mnuPopup_->addAction(c.at(cmd).Popup);
    mnuPopup_->addSeparator();
    mnuPopup_->addAction(c.at(Cmd::Process).Popup);
    mnuPopup_->addSeparator();
    mnuPopup_->addAction(c.at(Cmd::Options).Popup);

    // Until a file node is selected, there is no form to show the structure of.
    c.at(Cmd::FormTree).Menu->setEnabled(false);
    c.at(Cmd::FormTree).Popup->setEnabled(false);
}

void TfrmMain::CreateToolBar() {
    toolBar_ = new QToolBar("PL Toolbar", this);
    toolBar_->setObjectName("ToolBar");
    toolBar_->setIconSize(QSize(16, 16));
    for (Cmd cmd : {Cmd::Open, Cmd::Close, Cmd::Options, Cmd::Process, Cmd::ViewProjFile,
                    Cmd::ViewSource, Cmd::FormTree, Cmd::Commentor, Cmd::Charts, Cmd::SelectAll,
                    Cmd::DeselectAll, Cmd::Help})
        toolBar_->addAction(commands_.at(cmd).Button);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    // The toolbar has no close button; the View menu's check mark follows it.
    connect(toolBar_, &QToolBar::visibilityChanged, this, [this](bool on) {
        if (!isHidden()) mnuToolbar_->setChecked(on);
    });
}

void TfrmMain::CreateBottomBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("pnlBottom");
    bar->setSizeGripEnabled(false);
    gaugeMain_ = new QProgressBar;
    gaugeMain_->setObjectName("gaugeMain");
    gaugeMain_->setFixedWidth(212);
    gaugeMain_->setMaximumHeight(15);
    gaugeMain_->setTextVisible(true);
    gaugeMain_->hide();
    statusPanel_ = new QLabel;
    statusPanel_->setObjectName("StatusBar");
    statusPanel_->setMinimumWidth(100);
    bar->addWidget(gaugeMain_);
    bar->addWidget(statusPanel_, 1);
    host_.SetGauge(gaugeMain_);
}

bool TfrmMain::event(QEvent* event) {
    // Hints go to the status panel, beside the gauge, instead of covering it.
    if (event->type() == QEvent::StatusTip) {
        // A hint shows while the mouse is on its item; then the status is back.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        statusPanel_->setText(tip.isEmpty() ? status_ : tip);
        return true;
    }
    return QMainWindow::event(event);
}

void TfrmMain::SetStatusText(const QString& text) {
    status_ = text;
    statusPanel_->setText(text);
}

void TfrmMain::SetCommandEnabled(Cmd cmd, bool enabled) {
    const TCommandControls& c = commands_.at(cmd);
    for (QAction* a : {c.Button, c.Menu, c.Popup})
        if (a) a->setEnabled(enabled);
}

void TfrmMain::DisableProjectControls() {
    for (Cmd cmd : {Cmd::Close, Cmd::Process, Cmd::ViewProjFile, Cmd::ViewSource, Cmd::Commentor,
                    Cmd::Charts, Cmd::SelectAll, Cmd::DeselectAll, Cmd::FormTree})
        commands_.at(cmd).Button->setEnabled(false);
    if (!pnlOutline_->isHidden() && splitter_->sizes().value(0) > 0)
        outlineWidth_ = splitter_->sizes().value(0);
    pnlOutline_->hide();
    mnuProject_->menuAction()->setVisible(false);
}

void TfrmMain::EnableProjectControls() {
    for (Cmd cmd : {Cmd::Close, Cmd::Process, Cmd::ViewProjFile, Cmd::ViewSource, Cmd::Commentor,
                    Cmd::Charts, Cmd::SelectAll, Cmd::DeselectAll, Cmd::FormTree})
        commands_.at(cmd).Button->setEnabled(true);
    if (pnlOutline_->isHidden()) {
        pnlOutline_->show();
        // The panel comes back at the width the user left it, not collapsed.
        const int total = splitter_->width() - splitter_->handleWidth();
        splitter_->setSizes({outlineWidth_, std::max(total - outlineWidth_, 1)});
    }
    mnuProject_->menuAction()->setVisible(true);
}

void TfrmMain::UpdateSelectionCommands(QTreeWidgetItem* item) {
    const RFile* entry = EntryOf(item);
    SetCommandEnabled(Cmd::ViewSource, entry != nullptr);
    SetCommandEnabled(Cmd::Commentor, entry != nullptr);
    SetCommandEnabled(Cmd::FormTree, entry != nullptr && entry->Kind == fkForm);
}

void TfrmMain::BuildProjectTree(const std::string& name) {
    if (!state_.Project || !state_.Project->Head) {
        ShowInformation(host_, "Empty Project...");
        return;
    }
    treeProject_->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(treeProject_);
        treeProject_->clear();
    }
    auto* root = new QTreeWidgetItem(treeProject_, QStringList{Q(name)});
    root->setData(0, kStateRole, 0);
    root->setData(0, kImageRole, kRootImage);
    root->setIcon(0, TreeNodeIcon(0, kRootImage));
    for (RFile* f = state_.Project->Head.get(); f && f->Next; f = f->Next.get()) {
        const std::optional<int> image = KindImage(f->Kind);
        if (!image) continue;
        auto* node = new QTreeWidgetItem(root, QStringList{Q(f->Caption)});
        node->setData(0, kEntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(f)));
        node->setData(0, kImageRole, *image);
        SetNodeState(node, StateImage(f->Selected));
    }
    treeProject_->setUpdatesEnabled(true);
    treeProject_->setEnabled(true);
    treeProject_->expandAll();
    WidenOutlineForNames();
}

void TfrmMain::WidenOutlineForNames() {
    // Wide enough for the longest name (up to two fifths of the window), so
    // that "MODINVENTORY.BAS" is not cut to "MODINVENTORY.BA".
    const QFontMetrics metrics(treeProject_->font());
    int needed = 0;
    for (QTreeWidgetItemIterator it(treeProject_); *it; ++it) {
        int depth = 0;
        for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent()) ++depth;
        needed = std::max(needed, (depth + 1) * treeProject_->indentation() +
                                      treeProject_->iconSize().width() + 12 +
                                      metrics.horizontalAdvance((*it)->text(0)));
    }
    needed += treeProject_->verticalScrollBar()->sizeHint().width() + 2 * treeProject_->frameWidth();
    const int cap = std::max(width() * 2 / 5, kOutlineWidth);
    const int wanted = std::min(needed, cap);
    if (outlineWidth_ >= wanted) return;
    outlineWidth_ = wanted;
    if (!pnlOutline_->isHidden()) {
        const int total = splitter_->width() - splitter_->handleWidth();
        splitter_->setSizes({outlineWidth_, std::max(total - outlineWidth_, 1)});
    }
}

void TfrmMain::SetNodeState(QTreeWidgetItem* item, int state) {
    item->setData(0, kStateRole, state);
    item->setIcon(0, TreeNodeIcon(state, item->data(0, kImageRole).toInt()));
}

void TfrmMain::ToggleSelection() {
    QTreeWidgetItem* item = treeProject_->currentItem();
    RFile* entry = EntryOf(item);
    if (!entry) return;
    SetNodeState(item, plumora::ToggleSelection(*entry, item->data(0, kStateRole).toInt()));
}

void TfrmMain::SetAllStates(bool selected) {
    treeProject_->setUpdatesEnabled(false);
    for (int r = 0; r < treeProject_->topLevelItemCount(); ++r) {
        QTreeWidgetItem* root = treeProject_->topLevelItem(r);
        for (int i = 0; i < root->childCount(); ++i) {
            QTreeWidgetItem* node = root->child(i);
            if (RFile* entry = EntryOf(node)) {
                entry->Selected = selected;
                SetNodeState(node, StateImage(selected));
            }
        }
    }
    treeProject_->setUpdatesEnabled(true);
}

bool TfrmMain::OpenProjectFile(const std::string& fileName) {
    // The old tree points into the model that the open is about to free.
    {
        const QSignalBlocker block(treeProject_);
        treeProject_->clear();
    }
    DisableProjectControls();
    const bool opened = OpenProject(state_, options_, host_, fileName);
    if (opened) {
        // The open reloaded the options from the settings file.
        frmOptions_->SyncFromOptions();
        BuildProjectTree(state_.ProjectName);
        EnableProjectControls();
        RebuildRecentMenu();
    }
    if (opened)
        ShowStyleFileNote(statusBar(), state_.Project->ProjectDir);
    else
        HideStyleFileNote(statusBar());
    return opened;
}

void TfrmMain::CloseCurrentProject() {
    {
        const QSignalBlocker block(treeProject_);
        treeProject_->clear();
    }
    treeProject_->setEnabled(false);
    CloseProject(state_);
    DisableProjectControls();
    HideStyleFileNote(statusBar());
}

void TfrmMain::OpenClick() {
    QString start;
    if (!state_.RecentFiles.Entries().empty())
        start = QFileInfo(Q(state_.RecentFiles.Entries().front())).absolutePath();
    const QString file = QFileDialog::getOpenFileName(
        this, "Open Project", start, "Visual Basic Projects (*.MAK *.VBP *.mak *.vbp)");
    if (!file.isEmpty()) OpenProjectFile(file.toStdString());
}

void TfrmMain::RecentFileClick(const std::string& path) {
    // Copied: opening reorders the list that `path` may point into.
    const std::string copy = path;
    OpenProjectFile(copy);
}

std::vector<std::string> TfrmMain::RecentMenuCaptions() const {
    std::vector<std::string> captions;
    for (QAction* a : recentActions_)
        if (!a->isSeparator()) captions.push_back(a->text().toStdString());
    return captions;
}

void TfrmMain::RebuildRecentMenu() {
    for (QAction* a : recentActions_) {
        mnuFile_->removeAction(a);
        a->deleteLater();
    }
    recentActions_.clear();
    const std::vector<std::string>& entries = state_.RecentFiles.Entries();
    if (entries.empty()) return;
    recentActions_.push_back(mnuFile_->addSeparator());
    int number = 1;
    for (const std::string& path : entries) {
        QAction* a = mnuFile_->addAction(Q(RecentFileCaption(number++, path)));
        connect(a, &QAction::triggered, this, [this, path] { RecentFileClick(path); });
        recentActions_.push_back(a);
    }
}

void TfrmMain::RebuildWindowMenu() {
    mnuWindow_->clear();
    QAction* tile = NewAction("mnuTile", "&Tile", "Tile all visible windows");
    connect(tile, &QAction::triggered, mdi_, [this] { TileChildren(mdi_); });
    QAction* cascade = NewAction("mnuCascade", "&Cascade", "Cascade all visible windows");
    connect(cascade, &QAction::triggered, mdi_, [this] { CascadeChildren(mdi_); });
    mnuWindow_->addAction(tile);
    mnuWindow_->addAction(cascade);
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    if (!windows.isEmpty()) mnuWindow_->addSeparator();
    int number = 1;
    for (QMdiSubWindow* w : windows) {
        QAction* a = mnuWindow_->addAction(QString("&%1 %2").arg(number++).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, mdi_, [this, w] { mdi_->setActiveSubWindow(w); });
    }
}

void TfrmMain::LoadSettings() {
    TIniFile ini(SettingsFilePath());
    if (!ini.Load()) {
        ShowWarning(host_, "The settings file could not be read; defaults are used.\n" +
                               ini.LoadError());
        return;
    }
    state_.RecentFiles.Load(ini);
    RebuildRecentMenu();
    TTextEncoding::Instance().SetCodePage(LoadTextCodePage(ini));
}

void TfrmMain::PlaceOnFirstStart() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    QRect place(QPoint(0, 0), available.size() * 4 / 5);
    place.moveCenter(available.center());
    resize(place.size());
    move(place.topLeft());
}

void TfrmMain::RestorePlacement() {
    TIniFile ini(SettingsFilePath());
    const TWindowPlacement placement = ini.Load() ? LoadWindowPlacement(ini) : TWindowPlacement{};
    if (!placement.Usable() || placement.NormTop >= placement.NormBottom) {
        // Nothing stored: most of the screen, in its middle.
        PlaceOnFirstStart();
        return;
    }
    setGeometry(placement.NormLeft, placement.NormTop, placement.NormRight - placement.NormLeft,
                placement.NormBottom - placement.NormTop);
    if (placement.Flags & 2) setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmMain::SaveSettings() {
    TIniFile ini(SettingsFilePath());
    if (!ini.Load()) {
        // Never replace a settings file whose content could not be read.
        ShowError(host_, "Unable to write to " + ini.Path());
        return;
    }
    state_.RecentFiles.Save(ini);
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    TWindowPlacement placement;
    placement.Flags = isMaximized() ? 2 : 0;
    placement.NormLeft = normal.left();
    placement.NormTop = normal.top();
    placement.NormRight = normal.left() + normal.width();
    placement.NormBottom = normal.top() + normal.height();
    SaveWindowPlacement(ini, placement);
    std::string error;
    if (!ini.Save(&error)) ShowError(host_, error);
}

void TfrmMain::showEvent(QShowEvent* event) {
    if (!placementRestored_) {
        placementRestored_ = true;
        RestorePlacement();
    }
    QMainWindow::showEvent(event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (processing_) {
        // The run walks the project model; closing now would free it under
        // the walk. The run is cancelled instead and the window closes after.
        state_.ProcessingCancelled = true;
        closeAfterRun_ = true;
        event->ignore();
        return;
    }
    // Child windows close first, so that a commentor with changed comments
    // asks to save them; its Cancel keeps the program open.
    for (QMdiSubWindow* child : mdi_->subWindowList()) {
        if (!child->close()) {
            event->ignore();
            return;
        }
    }
    SaveSettings();
    CloseCurrentProject();
    event->accept();
}

void TfrmMain::CreateRunWindows() {
    frmProcessing_ = new TfrmProcessing([this] { state_.ProcessingCancelled = true; }, this);
    frmCopyFiles_ = new TfrmCopyFiles(this);
    runHost_ = std::make_unique<TQtRunHost>(host_, *frmProcessing_, *frmCopyFiles_,
                                            state_.ProcessingCancelled, this);
}

void TfrmMain::btnProcessClick() {
    // The window is disabled during a run, but a trigger that still arrives
    // (a queued signal, a script) must not start a second run under the first.
    if (processing_ || !state_.Project) return;
    processing_ = true;
    struct TRunEnd {
        TfrmMain& w;
        ~TRunEnd() {
            w.runHost_->EndRun();
            w.processing_ = false;
        }
    };
    {
        const TRunEnd end{*this};
        const TRunReport report = RunProcessCommand(state_, options_, *runHost_,
                                                    frmSpellDialog_->PrepareRun(options_, *state_.Project));
        const std::string status = RunStatusText(report);
        if (!status.empty()) SetStatusText(QString::fromStdString(status));
    }
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        close();
    }
}

namespace {
// What a drag of a tree node carries; the source widget tells the rest.
constexpr const char* kTreeDragType = "application/x-plumora-tree-node";
}  // namespace

void TfrmMain::CreateViewerWindows() {
    frmViewDual_ = new TfrmViewDual(host_, this);
    frmStaticProcessing_ = new TfrmStaticProcessing(this);
    runHost_->SetPreview([this](const std::string& name, const std::vector<std::string>& before,
                                const std::vector<TStyledLine>& after) {
        return frmViewDual_->ShowPreview(name, before, after);
    });
    // Dragging a file node onto the frame opens it like "View Current Source".
    new TDragStarter(treeProject_, kTreeDragType);
    setAcceptDrops(true);
}

void TfrmMain::ShowFileViewer(const RFile& entry) {
    if (entry.Processed)
        TfrmViewDualMDI::ShowStyledFile(mdi_, host_, entry, frmStaticProcessing_,
                                        state_.VBTabStops)
            ->Body()->SetPrintSideQuestion(frmLeftorRight_);
    else
        TfrmViewSingleMDI::ShowSourceFile(mdi_, host_, entry, state_.VBTabStops);
}

void TfrmMain::ViewProjectFile() {
    if (!state_.Project) return;
    TfrmViewSingleMDI::ShowProjectFile(mdi_, host_, state_.ProjectName, state_.ProjectFileName,
                                       state_.VBTabStops);
}

void TfrmMain::ViewSelectedFile() {
    if (const RFile* entry = EntryOf(treeProject_->currentItem())) ShowFileViewer(*entry);
}

bool TfrmMain::AcceptsDropFrom(const QObject* source) {
    return source && source->objectName() == "treeProject";
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (AcceptsDropFrom(event->source())) event->acceptProposedAction();
    else event->ignore();
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event) {
    if (AcceptsDropFrom(event->source())) event->acceptProposedAction();
    else event->ignore();
}

void TfrmMain::dropEvent(QDropEvent* event) {
    if (!AcceptsDropFrom(event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    ViewSelectedFile();
}

void TfrmMain::NotAvailable(const QString& what) {
    ShowInformation(host_, (what + " is not available yet.").toStdString());
}

}  // namespace plumora

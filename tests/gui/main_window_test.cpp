// The main window with the example project: the tree, the selection commands,
// the Project menu, recent files and placement through the settings file.
#include <filesystem>
#include <string>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "settings/config_dir.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ReadAll;
using testing::ScopedConfigDir;
using testing::TempDir;

const std::string kExample = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/Inventory.vbp";

struct TMessage {
    MsgKind Kind;
    std::string Text;
};

// A main window whose message boxes are answered by the test.
class MainWindowTest : public ::testing::Test {
protected:
    TempDir config;
    ScopedConfigDir scope{config.Str()};
    std::vector<TMessage> messages;

    std::unique_ptr<TfrmMain> NewWindow() {
        return std::make_unique<TfrmMain>(
            nullptr, [this](MsgKind kind, const std::string& text, MsgButtons) {
                messages.push_back({kind, text});
                return MsgResult::Ok;
            });
    }

    static QAction* Find(TfrmMain& w, const char* name) {
        QAction* a = w.findChild<QAction*>(name);
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    static QTreeWidgetItem* FileNode(TfrmMain& w, int i) {
        return w.Tree()->topLevelItem(0)->child(i);
    }
    static int State(QTreeWidgetItem* item) { return item->data(0, TfrmMain::kStateRole).toInt(); }
    static RFile* Entry(QTreeWidgetItem* item) {
        return reinterpret_cast<RFile*>(item->data(0, TfrmMain::kEntryRole).value<quintptr>());
    }
};

TEST_F(MainWindowTest, OpeningTheExampleFillsTheTreeInProjectOrder) {
    auto w = NewWindow();
    EXPECT_FALSE(w->findChild<QMenu*>("mnuProjectMenu")->menuAction()->isVisible());
    EXPECT_FALSE(Find(*w, "btnProcess")->isEnabled());

    ASSERT_TRUE(w->OpenProjectFile(kExample));
    EXPECT_TRUE(messages.empty()) << messages.front().Text;

    ASSERT_EQ(w->Tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* root = w->Tree()->topLevelItem(0);
    EXPECT_EQ(root->text(0).toStdString(), "Inventory.vbp");
    EXPECT_EQ(root->data(0, TfrmMain::kImageRole).toInt(), 0);
    EXPECT_EQ(State(root), 0);
    EXPECT_EQ(Entry(root), nullptr);
    EXPECT_TRUE(root->isExpanded());

    struct TRow {
        const char* Name;
        int Image;
    };
    const TRow expected[] = {{"frmMain.frm", 1}, {"MODINVENTORY.BAS", 4},
                             {"CItem.cls", 8}, {"ctlGauge.ctl", 7}};
    ASSERT_EQ(root->childCount(), 4);
    RFile* f = w->State().Project->Head.get();
    for (int i = 0; i < 4; ++i, f = f->Next.get()) {
        QTreeWidgetItem* node = FileNode(*w, i);
        SCOPED_TRACE(expected[i].Name);
        EXPECT_EQ(Entry(node), f);
        EXPECT_EQ(f->Name, expected[i].Name);
        EXPECT_EQ(node->text(0).toStdString(), f->Caption);
        EXPECT_EQ(node->data(0, TfrmMain::kImageRole).toInt(), expected[i].Image);
        EXPECT_EQ(State(node), 1);
        EXPECT_TRUE(f->Selected);
    }

    EXPECT_TRUE(w->findChild<QMenu*>("mnuProjectMenu")->menuAction()->isVisible());
    EXPECT_TRUE(Find(*w, "btnProcess")->isEnabled());
    EXPECT_TRUE(w->Tree()->isEnabled());

    w->CloseCurrentProject();
    EXPECT_FALSE(w->State().ProjectOpen);
    EXPECT_EQ(w->Tree()->topLevelItemCount(), 0);
    EXPECT_FALSE(w->findChild<QMenu*>("mnuProjectMenu")->menuAction()->isVisible());
    EXPECT_FALSE(Find(*w, "btnClose")->isEnabled());
}

TEST_F(MainWindowTest, ToggleSelectAllAndDeselectAllKeepSelectedInStep) {
    auto w = NewWindow();
    ASSERT_TRUE(w->OpenProjectFile(kExample));
    QTreeWidgetItem* module = FileNode(*w, 1);

    w->Tree()->setCurrentItem(module);
    w->ToggleSelection();
    EXPECT_EQ(State(module), 2);
    EXPECT_FALSE(Entry(module)->Selected);
    // Through the tree's own signal, as a double click delivers it.
    emit w->Tree()->itemDoubleClicked(module, 0);
    EXPECT_EQ(State(module), 1);
    EXPECT_TRUE(Entry(module)->Selected);

    QTreeWidgetItem* root = w->Tree()->topLevelItem(0);
    emit w->Tree()->itemDoubleClicked(root, 0);
    EXPECT_EQ(State(root), 0);

    Find(*w, "popDeselectAll")->trigger();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(State(FileNode(*w, i)), 2);
        EXPECT_FALSE(Entry(FileNode(*w, i))->Selected);
    }
    w->Tree()->setCurrentItem(FileNode(*w, 3));
    Find(*w, "popToggle")->trigger();
    EXPECT_TRUE(Entry(FileNode(*w, 3))->Selected);
    EXPECT_EQ(State(FileNode(*w, 3)), 1);

    Find(*w, "btnSelectAll")->trigger();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(State(FileNode(*w, i)), 1);
        EXPECT_TRUE(Entry(FileNode(*w, i))->Selected);
    }
}

TEST_F(MainWindowTest, FormStructureFollowsTheSelectedNodeInAllThreePlaces) {
    auto w = NewWindow();
    ASSERT_TRUE(w->OpenProjectFile(kExample));
    const char* formTree[] = {"btnBuildFormTree", "mnuBuildFormTree", "popBuildFormTree"};
    const char* view[] = {"btnViewSource", "mnuViewSource", "popViewSource",
                          "btnShowCommentor", "mnuShowCommentor", "popShowCommentor"};
    struct TCase {
        int Node;  // -1: the root
        bool Form;
        bool View;
    };
    for (const TCase c : {TCase{1, false, true}, TCase{0, true, true}, TCase{-1, false, false},
                          TCase{2, false, true}}) {
        SCOPED_TRACE(c.Node);
        w->Tree()->setCurrentItem(c.Node < 0 ? w->Tree()->topLevelItem(0) : FileNode(*w, c.Node));
        for (const char* name : formTree) EXPECT_EQ(Find(*w, name)->isEnabled(), c.Form) << name;
        for (const char* name : view) EXPECT_EQ(Find(*w, name)->isEnabled(), c.View) << name;
    }
}

TEST_F(MainWindowTest, HiddenBarsFollowTheirCheckMarksAndOpeningStillWorks) {
    auto w = NewWindow();
    w->show();
    QAction* toolbar = Find(*w, "mnuToolbar");
    QAction* processBar = Find(*w, "mnuProcessBar");
    EXPECT_TRUE(toolbar->isChecked());
    EXPECT_TRUE(processBar->isChecked());
    toolbar->trigger();
    processBar->trigger();
    EXPECT_FALSE(toolbar->isChecked());
    EXPECT_FALSE(w->findChild<QWidget*>("ToolBar")->isVisible());
    EXPECT_FALSE(w->findChild<QWidget*>("pnlBottom")->isVisible());
    ASSERT_TRUE(w->OpenProjectFile(kExample));
    EXPECT_EQ(w->Tree()->topLevelItem(0)->childCount(), 4);
    toolbar->trigger();
    EXPECT_TRUE(w->findChild<QWidget*>("ToolBar")->isVisible());
    EXPECT_TRUE(toolbar->isChecked());
}

TEST_F(MainWindowTest, AFileThatIsNoProjectLeavesNoProjectOpen) {
    auto w = NewWindow();
    const std::string binary = config.Write("junk.vbp", std::string("\x00\x01\x02\xff", 4));
    EXPECT_FALSE(w->OpenProjectFile(binary));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Invalid VB project file.  Unable to proceed.");
    EXPECT_FALSE(w->findChild<QMenu*>("mnuProjectMenu")->menuAction()->isVisible());
    EXPECT_EQ(w->Tree()->topLevelItemCount(), 0);
    // A failed open after a good one leaves no stale tree behind.
    ASSERT_TRUE(w->OpenProjectFile(kExample));
    EXPECT_FALSE(w->OpenProjectFile(config.Str() + "/missing.vbp"));
    EXPECT_EQ(w->Tree()->topLevelItemCount(), 0);
    EXPECT_FALSE(w->State().ProjectOpen);
}

// Seven small projects, each naming one module.
std::vector<std::string> SevenProjects(const TempDir& dir) {
    dir.Write("m.bas", "Attribute VB_Name = \"m\"\r\nSub A()\r\nEnd Sub\r\n");
    std::vector<std::string> paths;
    for (int i = 1; i <= 7; ++i)
        paths.push_back(dir.Write("p" + std::to_string(i) + ".mak", "m.bas\r\n"));
    return paths;
}

TEST_F(MainWindowTest, RecentFilesKeepSixAndMoveAReopenedOneToTheTop) {
    TempDir projects;
    const std::vector<std::string> p = SevenProjects(projects);
    auto w = NewWindow();
    for (const std::string& path : p) ASSERT_TRUE(w->OpenProjectFile(path)) << path;

    std::vector<std::string> captions = w->RecentMenuCaptions();
    ASSERT_EQ(captions.size(), 6u);
    EXPECT_EQ(captions[0], "&1  " + p[6]);
    EXPECT_EQ(captions[5], "&6  " + p[1]);  // p1 dropped

    ASSERT_TRUE(w->OpenProjectFile(p[3]));
    captions = w->RecentMenuCaptions();
    ASSERT_EQ(captions.size(), 6u);
    EXPECT_EQ(captions[0], "&1  " + p[3]);
    EXPECT_EQ(captions[1], "&2  " + p[6]);
    EXPECT_EQ(captions[4], "&5  " + p[2]);
    EXPECT_EQ(captions[5], "&6  " + p[1]);

    // Choosing an entry from the menu opens it and moves it up.
    QMenu* file = w->findChild<QMenu*>("mnuFileMenu");
    QAction* last = file->actions().back();
    EXPECT_EQ(last->text().toStdString(), "&6  " + p[1]);
    last->trigger();
    EXPECT_EQ(w->State().ProjectFileName, p[1]);
    EXPECT_EQ(w->RecentMenuCaptions()[0], "&1  " + p[1]);

    w->close();
    auto again = NewWindow();
    EXPECT_EQ(again->RecentMenuCaptions(), w->RecentMenuCaptions());
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, PlacementRoundTripsThroughSectionFrmMain) {
    {
        auto w = NewWindow();
        w->show();
        w->setGeometry(40, 50, 700, 480);
        w->close();
    }
    const std::string ini = ReadAll(SettingsFilePath());
    EXPECT_NE(ini.find("[frmMain]"), std::string::npos);
    EXPECT_NE(ini.find("PlaceNormPosR=740"), std::string::npos) << ini;
    auto w = NewWindow();
    w->show();
    EXPECT_EQ(w->geometry(), QRect(40, 50, 700, 480));
}

TEST_F(MainWindowTest, AnUnreadableSettingsFileIsReportedAndNeverOverwritten) {
    const std::string garbage("[RecentFiles]\r\nItem1=\x00\x01zz\r\n", 24);
    config.Write("VBPLUMO3.INI", garbage);
    auto w = NewWindow();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Kind, MsgKind::Warning);
    EXPECT_TRUE(w->RecentMenuCaptions().empty());
    messages.clear();
    w->close();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Text, "Unable to write to " + SettingsFilePath());
    EXPECT_EQ(ReadAll(SettingsFilePath()), garbage);
}

TEST_F(MainWindowTest, GrabsTheWindowWithTheExampleOpen) {
    auto w = NewWindow();
    w->show();
    ASSERT_TRUE(w->OpenProjectFile(kExample));
    w->Tree()->setCurrentItem(FileNode(*w, 0));
    const QPixmap shot = w->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_GE(shot.width(), 600);
    const char* dir = std::getenv("PLUMORA_GRAB_DIR");
    const std::string out = (dir ? std::string(dir) : config.Str()) + "/main_window.png";
    EXPECT_TRUE(shot.save(QString::fromStdString(out)));
}

}  // namespace
}  // namespace plumora

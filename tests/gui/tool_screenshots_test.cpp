// The pictures of the form tree and the commentor: taken from the main
// window's own commands, with a "Properties" node selected and the
// commentor on its first and second routine.
#include <map>
#include <string>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "app/tool_screenshots.h"
#include "commentor/frm_commentor.h"
#include "formtree/frm_form_tree.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

struct TShot {
    QString Caption;
    QString Detail;  // what the window showed when it was grabbed
    QSize Size;
};

TEST(ToolScreenshots, FormTreeWithPropertiesAndCommentorOnTwoRoutines) {
    testing::TempDir config;
    testing::ScopedConfigDir scope(config.Str());
    TfrmMain main(nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; });
    main.resize(1024, 700);
    main.show();
    ASSERT_TRUE(main.OpenProjectFile(std::string(PLUMORA_SOURCE_DIR) +
                                     "/examples/Inventory/Inventory.vbp"));
    std::map<QString, TShot> shots;
    const bool done = RenderToolWindows(main, [&](QWidget* w, const QString& name) {
        auto* sub = qobject_cast<QMdiSubWindow*>(w);
        if (!sub) return false;
        TShot shot{sub->windowTitle(), {}, w->grab().size()};
        if (auto* tree = qobject_cast<TfrmFormTree*>(sub->widget())) {
            shot.Detail = tree->treeForm()->currentItem()->text(0) + "/" +
                          QString::number(tree->lvProperties()->topLevelItemCount());
        } else if (auto* commentor = qobject_cast<TfrmCommentor*>(sub->widget())) {
            shot.Detail = commentor->memoComment()->toPlainText();
        }
        shots[name] = shot;
        return true;
    });
    EXPECT_TRUE(done);
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_EQ(shots["25-form-tree"].Caption, "Form tree for Inventory.vbp");
    EXPECT_EQ(shots["25-form-tree"].Detail, "Properties/10");  // the form's own ten lines
    EXPECT_TRUE(shots["26-commentor"].Caption.startsWith("Module: "));
    EXPECT_EQ(shots["26-commentor"].Detail, "Public Sub InitInventory()");
    EXPECT_EQ(shots["27-commentor-next-routine"].Detail, "Public Function LastError() As String");
    for (const auto& [name, shot] : shots) EXPECT_GT(shot.Size.width(), 600) << name.toStdString();
    // Each window is closed after its pictures.
    EXPECT_TRUE(main.Mdi()->subWindowList().isEmpty());
}

}  // namespace
}  // namespace plumora

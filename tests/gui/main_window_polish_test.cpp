// The frame as a new user meets it: most of the screen on a first start,
// a tree wide enough for the project's names, check boxes that answer a
// click and Space, the program's own icon everywhere, message boxes whose
// title is never cut.
#include <string>

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "app/qt_tree_check_boxes.h"
#include "gui/modal_answers.h"
#include "support/temp_dir.h"
#include "ui/about_box.h"
#include "ui/program_icon.h"

namespace plumora {
namespace {

using testing::ScopedConfigDir;
using testing::TempDir;

const std::string kExample = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/Inventory.vbp";

class MainWindowPolishTest : public ::testing::Test {
protected:
    TempDir config;
    ScopedConfigDir scope{config.Str()};
    TfrmMain w{nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; }};
};

TEST_F(MainWindowPolishTest, AFirstStartTakesMostOfTheScreenInItsMiddle) {
    w.show();
    const QRect screen = w.screen()->availableGeometry();
    EXPECT_NEAR(w.width(), screen.width() * 0.8, screen.width() * 0.05);
    EXPECT_NEAR(w.height(), screen.height() * 0.8, screen.height() * 0.05);
    EXPECT_NEAR(w.frameGeometry().center().x(), screen.center().x(), 20);
}

TEST_F(MainWindowPolishTest, TheTreeShowsWholeNames) {
    w.resize(1000, 700);
    w.show();
    ASSERT_TRUE(w.OpenProjectFile(kExample));
    QApplication::processEvents();
    QTreeWidget* tree = w.Tree();
    for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i) {
        QTreeWidgetItem* node = tree->topLevelItem(0)->child(i);
        const int textRight = tree->visualItemRect(node).left() + tree->iconSize().width() + 8 +
                              tree->fontMetrics().horizontalAdvance(node->text(0));
        EXPECT_LE(textRight, tree->viewport()->width()) << node->text(0).toStdString();
    }
}

TEST_F(MainWindowPolishTest, AClickOnTheCheckBoxOrSpaceTogglesTheNode) {
    w.resize(1000, 700);
    w.show();
    ASSERT_TRUE(w.OpenProjectFile(kExample));
    QApplication::processEvents();
    QTreeWidget* tree = w.Tree();
    QTreeWidgetItem* node = tree->topLevelItem(0)->child(1);
    auto state = [&] { return node->data(0, TfrmMain::kStateRole).toInt(); };
    ASSERT_EQ(state(), 1);

    const QPoint box = TTreeCheckBoxes::BoxRect(tree, node).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, box);
    EXPECT_EQ(state(), 2);
    EXPECT_EQ(tree->currentItem(), node);
    // A click on the name only selects.
    const QRect name = tree->visualItemRect(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(name.left() + tree->iconSize().width() + 20, name.center().y()));
    EXPECT_EQ(state(), 2);
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_EQ(state(), 1);
    // The root has no box.
    tree->setCurrentItem(tree->topLevelItem(0));
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_EQ(tree->topLevelItem(0)->data(0, TfrmMain::kStateRole).toInt(), 0);
}

TEST_F(MainWindowPolishTest, TheProgramsOwnIconIsEverywhere) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().size(), 7);
    EXPECT_EQ(QApplication::windowIcon().cacheKey(), w.windowIcon().cacheKey());
    EXPECT_FALSE(w.windowIcon().isNull());
    w.show();
    ASSERT_TRUE(w.OpenProjectFile(kExample));
    w.ViewProjectFile();
    QMdiSubWindow* child = w.Mdi()->activeSubWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->windowIcon().pixmap(16).toImage(), icon.pixmap(16).toImage());
    TAboutBox about(&w);
    auto* picture = about.findChild<QLabel*>("imgProgramIcon");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().toImage(), icon.pixmap(64).toImage());
}

TEST(MessageBoxes, AShortTextStillShowsTheWholeTitle) {
    TQtCommandHost host;
    int width = 0;
    int titleWidth = 0;
    testing::AnswerModals([&] { ShowInformation(host, "Not Found"); },
                          {[&](QWidget* modal) {
                              width = modal->width();
                              titleWidth = modal->fontMetrics().horizontalAdvance(modal->windowTitle());
                              EXPECT_EQ(modal->windowTitle(), "Plumora/VB 3.0");
                              modal->close();
                          }});
    EXPECT_GT(width, titleWidth + 100);
}

}  // namespace
}  // namespace plumora

// The child windows of the frame: they open wholly inside the client area,
// Tile puts them side by side at full height, Cascade gives them one size;
// the keys of a multiple-document frame; the side-by-side viewer keeps its
// halves and its first visible line; the Find dialog belongs to its viewer.
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "support/scripted_hosts.h"
#include "support/temp_dir.h"
#include "ui/big_text.h"
#include "ui/find_dialog.h"
#include "ui/mdi_windows.h"
#include "viewers/frm_view_dual_mdi.h"
#include "viewers/frm_view_single.h"
#include "viewers/qt_side_by_side.h"
#include "viewers/qt_view_search.h"

namespace plumora {
namespace {

using testing::ScopedConfigDir;
using testing::TempDir;

const std::string kExample = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/Inventory.vbp";
const std::string kModule = std::string(PLUMORA_SOURCE_DIR) + "/examples/Inventory/modInventory.bas";

class ChildWindowsTest : public ::testing::Test {
protected:
    TempDir config;
    ScopedConfigDir scope{config.Str()};
    TfrmMain w{nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; }};

    void SetUp() override {
        w.resize(1000, 700);
        w.show();
        ASSERT_TRUE(w.OpenProjectFile(kExample));
        QApplication::processEvents();
    }

    QRect ClientArea() const { return QRect(QPoint(0, 0), w.Mdi()->viewport()->size()); }
    std::vector<QMdiSubWindow*> Children() const {
        std::vector<QMdiSubWindow*> v;
        for (QMdiSubWindow* s : w.Mdi()->subWindowList(QMdiArea::CreationOrder)) v.push_back(s);
        return v;
    }
};

TEST_F(ChildWindowsTest, EveryNewWindowOpensWhollyInsideTheClientArea) {
    ASSERT_GT(ClientArea().width(), 400);
    for (int i = 1; i <= 10; ++i) {
        w.ViewProjectFile();
        QMdiSubWindow* last = Children().back();
        EXPECT_TRUE(ClientArea().contains(last->geometry())) << "window " << i << " at "
                                                              << last->geometry().x() << ","
                                                              << last->geometry().y();
        EXPECT_EQ(w.Mdi()->activeSubWindow(), last);
    }
    // The second does not sit on the first, and a useful size is kept.
    EXPECT_NE(Children()[0]->pos(), Children()[1]->pos());
    EXPECT_GE(Children()[1]->width(), ClientArea().width() / 2);
}

TEST_F(ChildWindowsTest, TileIsSideBySideAtFullHeightAndCascadeGivesOneSize) {
    for (int i = 0; i < 4; ++i) w.ViewProjectFile();
    Children()[1]->showMaximized();
    emit w.findChild<QMenu*>("mnuWindowMenu")->aboutToShow();
    w.findChild<QAction*>("mnuTile")->trigger();
    const std::vector<QMdiSubWindow*> tiled = Children();
    int right = 0;
    for (QMdiSubWindow* s : tiled) {
        EXPECT_FALSE(s->isMaximized());
        EXPECT_EQ(s->y(), 0);
        EXPECT_EQ(s->height(), ClientArea().height());
        EXPECT_EQ(s->x(), right);
        EXPECT_NEAR(s->width(), ClientArea().width() / 4, 1);
        right = s->geometry().right() + 1;
    }
    EXPECT_EQ(right, ClientArea().width());

    w.findChild<QAction*>("mnuCascade")->trigger();
    const QSize size = Children()[0]->size();
    EXPECT_GE(size.width(), ClientArea().width() * 2 / 3);
    for (std::size_t i = 0; i < Children().size(); ++i) {
        EXPECT_EQ(Children()[i]->size(), size);
        EXPECT_TRUE(ClientArea().contains(Children()[i]->geometry()));
        if (i) {
            EXPECT_GT(Children()[i]->y(), Children()[i - 1]->y());
        }
    }
}

TEST(MdiGeometry, CascadesStartAgainBeforeLeavingTheArea) {
    const QRect area(0, 0, 600, 400);
    for (int n = 0; n < 30; ++n)
        EXPECT_TRUE(area.contains(NewChildGeometry(area, QSize(500, 300), n, 24))) << n;
    EXPECT_EQ(NewChildGeometry(area, QSize(900, 900), 3, 24), area);  // too large: shrinks
    const std::vector<QRect> places = CascadeGeometries(area, 40, 24);
    for (const QRect& r : places) {
        EXPECT_TRUE(area.contains(r));
        EXPECT_EQ(r.size(), places.front().size());
    }
    EXPECT_EQ(TileGeometries(area, 3).back().right(), area.right());
    EXPECT_TRUE(TileGeometries(area, 0).empty());
}

TEST_F(ChildWindowsTest, CtrlF4ClosesTheActiveWindowAndCtrlTabMovesOn) {
    for (int i = 0; i < 3; ++i) w.ViewProjectFile();
    std::vector<QMdiSubWindow*> children = Children();
    w.Mdi()->setActiveSubWindow(children[1]);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w, 2000));
    QTest::keyClick(w.Mdi()->activeSubWindow()->widget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w.Mdi()->activeSubWindow(), children[2]);
    QTest::keyClick(w.Mdi()->activeSubWindow()->widget(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Children().size(), 2u);
    EXPECT_EQ(Children().back(), children[1]);
    // From the project tree too.
    w.Tree()->setFocus();
    QTest::keyClick(w.Tree(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Children().size(), 1u);
}

TEST_F(ChildWindowsTest, SideBySideKeepsItsHalvesAndItsFirstLine) {
    TQtCommandHost host;
    auto* dual = new TfrmViewDualMDI(host, nullptr);
    QMdiSubWindow* sub = w.Mdi()->addSubWindow(dual);
    PlaceNewChild(w.Mdi(), sub);
    dual->OpenFiles(kModule, kModule);
    QApplication::processEvents();
    auto half = [&] {
        const QList<int> sizes = dual->Body()->Splitter()->sizes();
        return std::abs(sizes[0] - sizes[1]);
    };
    EXPECT_LE(half(), 1);
    dual->ScrollBothBar()->setValue(40);
    EXPECT_EQ(dual->memoCodeBefore()->TopLine(), 40);

    for (const QSize size : {QSize(300, 200), QSize(900, 650)}) {
        sub->resize(size);
        QApplication::processEvents();
        EXPECT_LE(half(), 1) << size.width();
        EXPECT_EQ(dual->memoCodeBefore()->TopLine(), 40) << size.width();
        EXPECT_EQ(dual->memoCodeAfter()->TopLine(), 40) << size.width();
    }
    sub->showMaximized();
    QApplication::processEvents();
    EXPECT_LE(half(), 1);
    EXPECT_EQ(dual->memoCodeBefore()->TopLine(), 40);
    sub->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(dual->memoCodeAfter()->TopLine(), 40);

    // A share the user chose is kept too.
    dual->Body()->SetLeftShare(0.25);
    sub->resize(800, 500);
    QApplication::processEvents();
    const QList<int> sizes = dual->Body()->Splitter()->sizes();
    EXPECT_NEAR(double(sizes[0]) / (sizes[0] + sizes[1]), 0.25, 0.01);
}

TEST_F(ChildWindowsTest, TheFindDialogGoesWithItsViewerAndSearchesNothingHidden) {
    w.ViewProjectFile();
    auto* viewer = qobject_cast<TfrmViewSingleMDI*>(Children().back()->widget());
    ASSERT_NE(viewer, nullptr);
    viewer->btnSearchClick();
    QPointer<TFindDialog> dialog = viewer->Search()->Dialog();
    EXPECT_TRUE(dialog->isVisible());

    Children().back()->showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(viewer->Search()->dlgFindFind("Form", true, false), -1);

    Children().back()->showNormal();
    viewer->btnSearchClick();
    EXPECT_TRUE(dialog->isVisible());
    Children().back()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
}  // namespace plumora

// The pictures `plumora --screenshots` takes of the printing and chart
// windows: every one taken, none empty, and the windows left as they were.
#include <string>
#include <vector>

#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include "app/frm_main.h"
#include "app/screenshots_print_charts.h"
#include "charts/frm_chart.h"
#include "charts/frm_chart_selector.h"
#include "project/source_mgt.h"
#include "support/temp_dir.h"
#include "viewers/frm_leftor_right.h"

namespace plumora {
namespace {

TEST(ScreenshotsPrintCharts, QuestionPreviewSelectorAndBothKindsOfChart) {
    testing::TempDir config;
    testing::ScopedConfigDir scope(config.Str());
    TfrmMain main(nullptr, [](MsgKind, const std::string&, MsgButtons) { return MsgResult::Ok; });
    main.resize(1024, 700);
    main.show();
    ASSERT_TRUE(main.OpenProjectFile(std::string(PLUMORA_SOURCE_DIR) +
                                     "/examples/Inventory/Inventory.vbp"));
    RFile* first = main.State().Project->Head.get();
    first->NewPath = first->FullPath;  // as if styled without a change
    first->Processed = true;
    main.ShowFileViewer(*first);

    std::vector<std::string> names;
    const bool ok = ShootPrintingAndCharts(main, [&](QWidget* w, const QString& name) {
        const QImage image = w->grab().toImage();
        EXPECT_GT(image.width(), 200) << name.toStdString();
        EXPECT_GT(image.height(), 50) << name.toStdString();
        names.push_back(name.toStdString());
        return true;
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(names, (std::vector<std::string>{"20-print-left-or-right", "21-listing-preview",
                                               "22-chart-selector", "23-bar-chart", "24-pie-chart"}));
    EXPECT_FALSE(main.PrintSideQuestion()->isVisible());
    EXPECT_FALSE(main.ChartSelector()->isVisible());
    int charts = 0;
    for (QMdiSubWindow* sub : main.Mdi()->subWindowList())
        if (qobject_cast<TfrmChart*>(sub->widget())) ++charts;
    EXPECT_EQ(charts, 2);

    // A picture that cannot be written stops the series there.
    names.clear();
    EXPECT_FALSE(ShootPrintingAndCharts(main, [&](QWidget*, const QString& name) {
        names.push_back(name.toStdString());
        return false;
    }));
    EXPECT_EQ(names, std::vector<std::string>{"20-print-left-or-right"});
}

}  // namespace
}  // namespace plumora

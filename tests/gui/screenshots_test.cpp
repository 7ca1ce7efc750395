// The screenshot command drives every window from opening the example to
// viewing its styled files; each picture must be a real, non-empty image.
#include <filesystem>

#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

#include "app/screenshots.h"
#include "support/example_project.h"
#include "support/temp_dir.h"

namespace plumora {
namespace {

TEST(Screenshots, EveryWindowOfTheExampleIsRendered) {
    testing::TempDir out;
    ASSERT_FALSE(FindExampleProject(QString(PLUMORA_SOURCE_DIR) + "/build").isEmpty());
    testing::CopyExampleProject("Inventory", "Inventory.vbp", out.Path() / "src");
    const QString project = QString::fromStdString(out.Str()) + "/src/Inventory.vbp";
    QString error;
    const QStringList written = RenderScreenshots(QString::fromStdString(out.Str()) + "/shots", project, error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    for (const char* name : {"01-main-window", "02-options-1-general", "02-options-11-user",
                             "04-processing", "05-backing-up-files", "06-preview",
                             "07-side-by-side", "08-single-viewer", "09-main-window-with-viewers",
                             "10-help", "11-about", "12-spelling-dialog", "13-spell-checker-options",
                             "28-options-with-help-in-front", "29-four-tiled-viewers",
                             "30-shift-jis-viewer-code-page-932"}) {
        const QString file = QString::fromStdString(out.Str()) + "/shots/" + name + ".png";
        EXPECT_TRUE(written.contains(file)) << name;
        const QImage image(file);
        EXPECT_GT(image.width(), 100) << name;
        EXPECT_GT(image.height(), 50) << name;
    }
    // Nothing is written beside the original project.
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(out.Str()) + "/src/STYLED"));
}

TEST(Screenshots, AMissingProjectIsReported) {
    testing::TempDir out;
    QString error;
    const QStringList written =
        RenderScreenshots(QString::fromStdString(out.Str()), QString::fromStdString(out.Str()) + "/none.vbp", error);
    EXPECT_TRUE(written.isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace plumora

// The screenshot command. It drives the real windows the way a user would
// (open, options, process with a preview, view) and grabs each one.
#include "app/screenshots.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>

#include "app/frm_main.h"
#include "app/tool_screenshots.h"
#include "app/screenshots_print_charts.h"
#include "formatter/formatter.h"
#include "processing/frm_copy_files.h"
#include "processing/frm_processing.h"
#include "settings/frm_options.h"
#include "settings/frm_save_or_load.h"
#include "spelling/frm_spell_dialog.h"
#include "spelling/qt_spelling_pictures.h"
#include "ui/about_box.h"
#include "ui/big_text.h"
#include "ui/help_window.h"
#include "viewers/frm_view_dual.h"
#include "viewers/frm_view_dual_mdi.h"

namespace plumora {

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the life of the object.
class TScopedEnv {
public:
    TScopedEnv(const char* name, const QString& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        setenv(name, value.toLocal8Bit().constData(), 1);
    }
    ~TScopedEnv() {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

class TShooter {
public:
    explicit TShooter(const QString& dir) : dir_(dir) {}

    bool Grab(QWidget* w, const QString& name) {
        Settle();
        const QString file = QDir(dir_).filePath(name + ".png");
        if (!w->grab().save(file)) {
            error = "Unable to write " + file;
            return false;
        }
        written.append(file);
        return true;
    }

    QStringList written;
    QString error;

private:
    QString dir_;
};

QString FileNameFor(const QString& caption) {
    QString name = caption.toLower();
    name.replace(QRegularExpression("[^a-z0-9]+"), "-");
    return name.remove(QRegularExpression("^-+|-+$"));
}

}  // namespace

QString FindExampleProject(const QString& programDir) {
    const QString relative = "examples/Inventory/Inventory.vbp";
    for (QString start : {programDir, QDir::currentPath()}) {
        QDir dir(start);
        for (int up = 0; up < 4; ++up) {
            if (QFileInfo::exists(dir.filePath(relative))) return dir.filePath(relative);
            if (!dir.cdUp()) break;
        }
    }
    return {};
}

QStringList RenderScreenshots(const QString& outputDir, const QString& projectFile, QString& error) {
    TShooter shoot(outputDir);
    if (!QDir().mkpath(outputDir)) {
        error = "Unable to create " + outputDir;
        return {};
    }
    QTemporaryDir work(QDir::tempPath() + "/plumora-screenshots-XXXXXX");
    if (!work.isValid()) {
        error = "Unable to create a temporary directory";
        return {};
    }
    // The project is styled in a copy so that nothing is written beside the original.
    const QFileInfo project(projectFile);
    const fs::path copyDir = fs::path(work.path().toStdString()) / "project";
    std::error_code ec;
    fs::copy(project.absolutePath().toStdString(), copyDir,
             fs::copy_options::recursive | fs::copy_options::skip_symlinks, ec);
    if (ec || !project.isFile()) {
        error = "Unable to copy the project " + projectFile + (ec ? ": " + QString::fromStdString(ec.message()) : "");
        return {};
    }
    const QString config = work.path() + "/config";
    QDir().mkpath(config);
    TScopedEnv scope("PLUMORA_CONFIG_DIR", config);

    TfrmMain frmMain(nullptr, [](MsgKind, const std::string&, MsgButtons buttons) {
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
                                                                                  : MsgResult::Ok;
    });
    frmMain.resize(1024, 700);
    frmMain.show();
    if (!frmMain.OpenProjectFile((copyDir / project.fileName().toStdString()).string())) {
        error = "Unable to open " + projectFile;
        return {};
    }
    QTreeWidget* tree = frmMain.Tree();
    tree->expandAll();
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    if (!shoot.Grab(&frmMain, "01-main-window")) return error = shoot.error, shoot.written;
    if (!RenderToolWindows(frmMain, [&](QWidget* w, const QString& name) { return shoot.Grab(w, name); }))
        return error = shoot.error, shoot.written;

    // The options dialog, every page and every tab of the Comments page.
    TfrmOptions* options = frmMain.OptionsDialog();
    options->show();
    int n = 0;
    for (const QString& page : TfrmOptions::PageCaptions()) {
        options->SelectPage(page);
        if (page == "Comments") {
            for (const QString& tab : TfrmOptions::CommentTabCaptions()) {
                options->SelectCommentTab(tab);
                if (!shoot.Grab(options, QString("02-options-%1-comments-%2").arg(++n).arg(FileNameFor(tab))))
                    return error = shoot.error, shoot.written;
            }
            options->SelectCommentTab(TfrmOptions::CommentTabCaptions().front());
        } else if (!shoot.Grab(options, QString("02-options-%1-%2").arg(++n).arg(FileNameFor(page)))) {
            return error = shoot.error, shoot.written;
        }
    }
    options->hide();
    TfrmSaveOrLoad saveOrLoad(&frmMain);
    saveOrLoad.show();
    if (!shoot.Grab(&saveOrLoad, "03-save-or-load")) return error = shoot.error, shoot.written;
    saveOrLoad.hide();

    // The processing run with its progress window and a preview of the first file.
    // The last file stays unselected so that it can be shown alone afterwards.
    QTreeWidgetItem* root = tree->topLevelItem(0);
    tree->setCurrentItem(root->child(root->childCount() - 1));
    frmMain.ToggleSelection();
    bool previewShot = false;
    bool progressShot = false;
    frmMain.RunHost().SetPreview([&](const std::string& name, const std::vector<std::string>& before,
                                     const std::vector<TStyledLine>& after) {
        if (!progressShot) {
            progressShot = shoot.Grab(frmMain.ProcessingWindow(), "04-processing");
            frmMain.CopyFilesWindow()->Start(4);
            frmMain.CopyFilesWindow()->Step(2, "Backing Up File: frmMain.frm");
            shoot.Grab(frmMain.CopyFilesWindow(), "05-backing-up-files");
            frmMain.CopyFilesWindow()->hide();
        }
        if (!previewShot) {
            TfrmViewDual* preview = frmMain.Preview();
            preview->FillPreview(name, before, after);
            preview->resize(1000, 640);
            preview->show();
            // Start a few lines above the first change, where the picture says most.
            for (std::size_t i = 0; i < after.size(); ++i) {
                if (!(after[i].Mark == TColorObject::Unchanged())) {
                    preview->ScrollBothBar()->setValue(int(i > 5 ? i - 5 : 0));
                    break;
                }
            }
            previewShot = shoot.Grab(preview, "06-preview");
            preview->hide();
        }
        return PreviewAnswer::Continue;
    });
    frmMain.findChild<QAction*>("btnProcess")->trigger();
    Settle();

    // After the run: the first file beside its styled copy, the last one alone,
    // and the project file.
    tree->setCurrentItem(root->child(0));
    frmMain.ViewSelectedFile();
    if (QMdiSubWindow* child = frmMain.Mdi()->activeSubWindow()) {
        child->resize(900, 520);
        shoot.Grab(child, "07-side-by-side");
        if (auto* dual = qobject_cast<TfrmViewDualMDI*>(child->widget())) {
            dual->btnDiffClick();
            TBigText* after = dual->memoCodeAfter();
            for (int i = 0; i < after->LineCount(); ++i) {
                if (after->LineBackColor(i) != TColor::SystemWindow()) {
                    dual->ScrollBothBar()->setValue(std::max(i - 5, 0));
                    break;
                }
            }
            shoot.Grab(child, "07-side-by-side-diff");
        }
    }
    tree->setCurrentItem(root->child(root->childCount() - 1));
    frmMain.ViewSelectedFile();
    if (QMdiSubWindow* child = frmMain.Mdi()->activeSubWindow()) {
        child->resize(700, 480);
        shoot.Grab(child, "08-single-viewer");
    }
    frmMain.ViewProjectFile();
    frmMain.Mdi()->tileSubWindows();
    if (!shoot.Grab(&frmMain, "09-main-window-with-viewers")) return error = shoot.error, shoot.written;
    if (!ShootPrintingAndCharts(frmMain, [&](QWidget* w, const QString& name) { return shoot.Grab(w, name); }))
        return error = shoot.error, shoot.written;

    ShowHelpContext(&frmMain, 11);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmHelp") {
            shoot.Grab(w, "10-help");
            w->hide();
        }
    }
    TAboutBox about(&frmMain);
    about.show();
    shoot.Grab(&about, "11-about");
    about.hide();

    if (!GrabSpellingWindows(*frmMain.SpellDialog(), *frmMain.State().Project,
                             [&](QWidget* w, const QString& name) { return shoot.Grab(w, name); }))
        return error = shoot.error, shoot.written;

    frmMain.close();
    error = shoot.error;
    return shoot.written;
}

}  // namespace plumora

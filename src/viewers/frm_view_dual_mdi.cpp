// The side-by-side child window: opening, Diff, the toolbar and pop-ups.
#include "viewers/frm_view_dual_mdi.h"

#include <exception>
#include <vector>

#include <QMenu>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "host/command_host.h"
#include "io/text_lines.h"
#include "project/source_mgt.h"
#include "ui/big_text.h"
#include "viewers/frm_static_processing.h"
#include "viewers/qt_side_by_side.h"
#include "viewers/qt_viewer_parts.h"
#include "viewers/vis_diff.h"

namespace plumora {

TfrmViewDualMDI::TfrmViewDualMDI(ICommandHost& host, TfrmStaticProcessing* busy, QWidget* parent)
    : QWidget(parent), host_(host), busy_(busy) {
    setObjectName("frmViewDualMDI");
    setWindowTitle("View Dual MDI");

    QToolBar* bar = NewViewerToolBar(this);
    connect(AddViewerButton(bar, "btnClose", "Close", QStyle::SP_DialogCloseButton),
            &QAction::triggered, this, &TfrmViewDualMDI::btnCloseClick);
    connect(AddViewerButton(bar, "btnPrint", "Print (preview)", QStyle::SP_FileDialogDetailedView),
            &QAction::triggered, this, &TfrmViewDualMDI::btnPrintClick);
    connect(AddViewerButton(bar, "btnDiff", "Diff", QStyle::SP_BrowserReload),
            &QAction::triggered, this, &TfrmViewDualMDI::btnDiffClick);

    body_ = new TSideBySide(host_, this);
    QAction* diffBefore = body_->LeftPopup()->addAction("&Diff");
    diffBefore->setObjectName("mnuDiffBefore");
    connect(diffBefore, &QAction::triggered, this, &TfrmViewDualMDI::btnDiffClick);
    QAction* diffAfter = body_->RightPopup()->addAction("&Diff");
    diffAfter->setObjectName("mnuDiffAfter");
    connect(diffAfter, &QAction::triggered, this, &TfrmViewDualMDI::btnDiffClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(body_, 1);
    body_->Splitter()->setSizes({350, 350});
}

TBigText* TfrmViewDualMDI::memoCodeBefore() const { return body_->memoCodeBefore(); }
TBigText* TfrmViewDualMDI::memoCodeAfter() const { return body_->memoCodeAfter(); }
QScrollBar* TfrmViewDualMDI::ScrollBothBar() const { return body_->ScrollBothBar(); }
TViewSearch* TfrmViewDualMDI::Search() const { return body_->Search(); }

TfrmViewDualMDI* TfrmViewDualMDI::ShowStyledFile(QMdiArea* mdi, ICommandHost& host,
                                                 const RFile& entry, TfrmStaticProcessing* busy,
                                                 int tabWidth) {
    auto* window = new TfrmViewDualMDI(host, busy);
    window->setWindowTitle(ToQ("File: " + entry.FullPath));
    window->memoCodeBefore()->SetTabWidth(tabWidth);
    window->memoCodeAfter()->SetTabWidth(tabWidth);
    ShowInMdi(mdi, window);
    window->Body()->Splitter()->setSizes({window->width() / 2, window->width() / 2});
    window->OpenFiles(entry.FullPath, entry.NewPath);
    return window;
}

void TfrmViewDualMDI::OpenFiles(const std::string& sourcePath, const std::string& styledPath) {
    sourcePath_ = sourcePath;
    styledPath_ = styledPath;
    const std::string leftError = memoCodeBefore()->LoadFromFile(sourcePath_);
    const std::string rightError = memoCodeAfter()->LoadFromFile(styledPath_);
    body_->RestartScrollBothBar();
    if (!leftError.empty()) ShowError(host_, leftError);
    if (!rightError.empty()) ShowError(host_, rightError);
}

TfrmStaticProcessing* TfrmViewDualMDI::Busy() {
    if (!busy_) busy_ = new TfrmStaticProcessing(this);
    return busy_;
}

void TfrmViewDualMDI::btnCloseClick() { CloseViewer(this); }

void TfrmViewDualMDI::btnPrintClick() { body_->PrintOneSide(windowTitle()); }

void TfrmViewDualMDI::btnDiffClick() {
    TfrmStaticProcessing* busy = Busy();
    busy->ShowBusy();
    std::vector<std::string> left;
    std::vector<std::string> right;
    TIoResult read = ReadTextLines(sourcePath_, left);
    if (read.Ok) read = ReadTextLines(styledPath_, right);
    if (!read.Ok) {
        busy->HideBusy();
        ShowError(host_, read.Error);
        return;
    }
    try {
        TVisDiff diff;
        diff.LeftView = memoCodeBefore();
        diff.RightView = memoCodeAfter();
        diff.Host = &host_;
        diff.CompareLists(left, right);
    } catch (const std::exception& e) {
        // Out of memory on a huge pair of files: say so instead of ending the
        // program; the views show what was drawn before the failure.
        busy->HideBusy();
        ShowError(host_, std::string("The comparison failed: ") + e.what());
        body_->RestartScrollBothBar();
        return;
    }
    body_->RestartScrollBothBar();
    busy->HideBusy();
}

}  // namespace plumora

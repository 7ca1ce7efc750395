// The single-file viewer: toolbar, line view, Find, opening a file or the
// project file into a new child window.
#include "viewers/frm_view_single.h"

#include <QMdiArea>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include "host/command_host.h"
#include "project/source_mgt.h"
#include "ui/big_text.h"
#include "viewers/frm_big_text_reporter.h"
#include "viewers/qt_view_search.h"
#include "viewers/qt_viewer_parts.h"

namespace plumora {

TfrmViewSingleMDI::TfrmViewSingleMDI(ICommandHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName("frmViewSingleMDI");
    setWindowTitle("View Single MDI");

    QToolBar* bar = NewViewerToolBar(this);
    connect(AddViewerButton(bar, "btnClose", "Close", QStyle::SP_DialogCloseButton),
            &QAction::triggered, this, &TfrmViewSingleMDI::btnCloseClick);
    connect(AddViewerButton(bar, "btnPrint", "Print (preview)", QStyle::SP_FileDialogDetailedView),
            &QAction::triggered, this, &TfrmViewSingleMDI::btnPrintClick);
    connect(AddViewerButton(bar, "btnSearch", "Search", QStyle::SP_FileDialogContentsView),
            &QAction::triggered, this, &TfrmViewSingleMDI::btnSearchClick);

    memoSource_ = new TBigText;
    memoSource_->setObjectName("memoSource");

    popup_ = new QMenu(this);
    popup_->setObjectName("popupSource");
    QAction* search = popup_->addAction("&Search");
    search->setObjectName("mnuSearch");
    connect(search, &QAction::triggered, this, &TfrmViewSingleMDI::btnSearchClick);
    memoSource_->SetPopupMenu(popup_);

    search_ = new TViewSearch(this, host_);
    search_->SetTarget(memoSource_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(memoSource_, 1);
}

bool TfrmViewSingleMDI::LoadFile(const std::string& localPath) {
    const std::string error = memoSource_->LoadFromFile(localPath);
    if (error.empty()) return true;
    ShowError(host_, error);
    return false;
}

TfrmViewSingleMDI* TfrmViewSingleMDI::ShowSourceFile(QMdiArea* mdi, ICommandHost& host,
                                                     const RFile& entry, int tabWidth) {
    auto* window = new TfrmViewSingleMDI(host);
    window->setWindowTitle(ToQ("File: " + entry.FullPath));
    window->memoSource()->SetTabWidth(tabWidth);
    ShowInMdi(mdi, window);
    window->LoadFile(entry.FullPath);
    return window;
}

TfrmViewSingleMDI* TfrmViewSingleMDI::ShowProjectFile(QMdiArea* mdi, ICommandHost& host,
                                                      const std::string& projectName,
                                                      const std::string& projectFileName,
                                                      int tabWidth) {
    auto* window = new TfrmViewSingleMDI(host);
    window->setWindowTitle(ToQ("Project File: " + projectName));
    window->memoSource()->SetTabWidth(tabWidth);
    ShowInMdi(mdi, window);
    window->LoadFile(projectFileName);
    return window;
}

void TfrmViewSingleMDI::btnCloseClick() { CloseViewer(this); }

void TfrmViewSingleMDI::btnPrintClick() { TfrmBigTextReporter::ShowListing(*memoSource_, windowTitle(), window()); }

void TfrmViewSingleMDI::btnSearchClick() { search_->Open(); }

}  // namespace plumora

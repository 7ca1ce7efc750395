// The preview: filling the two views, the modal showing and its answer.
#include "viewers/frm_view_dual.h"

#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "formatter/formatter.h"
#include "ui/big_text.h"
#include "viewers/qt_side_by_side.h"
#include "viewers/qt_viewer_parts.h"

namespace plumora {

TfrmViewDual::TfrmViewDual(ICommandHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName("frmViewDual");
    setWindowTitle("View Dual");
    setModal(true);
    setSizeGripEnabled(true);

    QToolBar* bar = NewViewerToolBar(this);
    connect(AddViewerButton(bar, "btnClose", "Close", QStyle::SP_DialogCloseButton),
            &QAction::triggered, this, &TfrmViewDual::btnCloseClick);
    connect(AddViewerButton(bar, "btnPrint", "Print (preview)", QStyle::SP_FileDialogDetailedView),
            &QAction::triggered, this, &TfrmViewDual::btnPrintClick);
    connect(AddViewerButton(bar, "btnCancel", "Cancel processing", QStyle::SP_BrowserStop),
            &QAction::triggered, this, &TfrmViewDual::btnCancelClick);

    body_ = new TSideBySide(host_, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(body_, 1);

    resize(800, 560);
    body_->Splitter()->setSizes({395, 400});
}

TBigText* TfrmViewDual::memoCodeBefore() const { return body_->memoCodeBefore(); }
TBigText* TfrmViewDual::memoCodeAfter() const { return body_->memoCodeAfter(); }
QScrollBar* TfrmViewDual::ScrollBothBar() const { return body_->ScrollBothBar(); }
TViewSearch* TfrmViewDual::Search() const { return body_->Search(); }

void TfrmViewDual::FillPreview(const std::string& name, const std::vector<std::string>& before,
                               const std::vector<TStyledLine>& after) {
    TBigText* left = memoCodeBefore();
    TBigText* right = memoCodeAfter();
    left->Clear();
    right->Clear();
    setWindowTitle(ToQ("File: " + name));
    for (const std::string& line : before)
        left->AppendLine(line, TColor::FromRgb(0, 0, 0), TColor::SystemWindow());
    for (const TStyledLine& line : after)
        right->AppendLine(line.Text, line.Mark.FontColor, line.Mark.BackColor);
    left->Refresh();
    right->Refresh();
    body_->RestartScrollBothBar();
}

PreviewAnswer TfrmViewDual::ShowPreview(const std::string& name,
                                        const std::vector<std::string>& before,
                                        const std::vector<TStyledLine>& after) {
    answer_ = PreviewAnswer::Continue;
    FillPreview(name, before, after);
    exec();
    return answer_;
}

void TfrmViewDual::btnCloseClick() { reject(); }

void TfrmViewDual::btnPrintClick() { body_->PrintOneSide(windowTitle()); }

void TfrmViewDual::btnCancelClick() {
    answer_ = PreviewAnswer::CancelProcessing;
    reject();
}

}  // namespace plumora

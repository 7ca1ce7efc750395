// The two views, their splitter, the shared scroll bar and the search target.
#include "viewers/qt_side_by_side.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QSplitter>

#include "ui/big_text.h"
#include "viewers/frm_big_text_reporter.h"
#include "viewers/frm_leftor_right.h"
#include "viewers/qt_view_search.h"
#include "viewers/scroll_both.h"

namespace plumora {

TSideBySide::TSideBySide(ICommandHost& host, QWidget* parent) : QWidget(parent) {
    memoCodeBefore_ = new TBigText;
    memoCodeBefore_->setObjectName("memoCodeBefore");
    memoCodeAfter_ = new TBigText;
    memoCodeAfter_->setObjectName("memoCodeAfter");

    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setObjectName("Splitter");
    splitter_->setHandleWidth(5);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(memoCodeBefore_);
    splitter_->addWidget(memoCodeAfter_);
    // The left view keeps its width; the right one takes what the window adds.
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);

    ScrollBothBar_ = new QScrollBar(Qt::Vertical);
    ScrollBothBar_->setObjectName("ScrollBothBar");
    connect(ScrollBothBar_, &QScrollBar::valueChanged, this, &TSideBySide::ScrollBothBigTexts);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(splitter_, 1);
    layout->addWidget(ScrollBothBar_);

    search_ = new TViewSearch(this, host);
    search_->SetTarget(memoCodeBefore_);

    popupBefore_ = new QMenu(this);
    popupBefore_->setObjectName("popupBefore");
    QAction* searchBefore = popupBefore_->addAction("&Search");
    searchBefore->setObjectName("mnuSearchBefore");
    connect(searchBefore, &QAction::triggered, this, &TSideBySide::mnuSearchBeforeClick);
    memoCodeBefore_->SetPopupMenu(popupBefore_);

    popupAfter_ = new QMenu(this);
    popupAfter_->setObjectName("popupAfter");
    QAction* searchAfter = popupAfter_->addAction("&Search");
    searchAfter->setObjectName("mnuSearchAfter");
    connect(searchAfter, &QAction::triggered, this, &TSideBySide::mnuSearchAfterClick);
    memoCodeAfter_->SetPopupMenu(popupAfter_);
}

void TSideBySide::UpdateScrollBothBar() {
    const TScrollBothRange range =
        ScrollBothRange(memoCodeBefore_->LineCount(), memoCodeBefore_->VisibleLineCount(),
                        memoCodeAfter_->LineCount(), memoCodeAfter_->VisibleLineCount());
    ScrollBothBar_->setRange(range.Min, range.Max);
    ScrollBothBar_->setSingleStep(range.SmallStep);
    ScrollBothBar_->setPageStep(range.LargeStep);
}

void TSideBySide::ScrollBothBigTexts(int position) {
    for (TBigText* view : {memoCodeBefore_, memoCodeAfter_})
        view->SetTopLine(ScrollBothTopLine(position, view->LineCount()));
}

void TSideBySide::mnuSearchBeforeClick() {
    search_->SetTarget(memoCodeBefore_);
    search_->Open();
}

void TSideBySide::mnuSearchAfterClick() {
    search_->SetTarget(memoCodeAfter_);
    search_->Open();
}

void TSideBySide::SetPrintSideQuestion(TfrmLeftorRight* question) { question_ = question; }

TfrmLeftorRight* TSideBySide::PrintSideQuestion() {
    if (!question_) question_ = new TfrmLeftorRight(this);
    return question_;
}

void TSideBySide::PrintOneSide(const QString& title) {
    TBigText* view = nullptr;
    switch (PrintSideQuestion()->Ask()) {
        case TPrintSide::Left: view = memoCodeBefore_; break;
        case TPrintSide::Right: view = memoCodeAfter_; break;
        case TPrintSide::Cancel: return;
    }
    TfrmBigTextReporter::ShowListing(*view, title, window());
}

void TSideBySide::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    RestartScrollBothBar();
}

void TSideBySide::RestartScrollBothBar() {
    const QSignalBlocker block(ScrollBothBar_);
    ScrollBothBar_->setValue(0);
    ScrollBothBigTexts(0);
    UpdateScrollBothBar();
}

void TSideBySide::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateScrollBothBar();
}

}  // namespace plumora

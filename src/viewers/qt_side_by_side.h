// TSideBySide: the body of both side-by-side viewers. Two line views split by
// a 5-pixel bar, the shared scroll bar at the right edge, and the pop-ups that
// pick which view the Find dialog searches.
#pragma once

#include <QPointer>
#include <QWidget>

class QMenu;
class QScrollBar;
class QSplitter;

namespace plumora {

class ICommandHost;
class TBigText;
class TViewSearch;
class TfrmLeftorRight;

class TSideBySide : public QWidget {
    Q_OBJECT

public:
    TSideBySide(ICommandHost& host, QWidget* parent = nullptr);

    TBigText* memoCodeBefore() const { return memoCodeBefore_; }
    TBigText* memoCodeAfter() const { return memoCodeAfter_; }
    QScrollBar* ScrollBothBar() const { return ScrollBothBar_; }
    QSplitter* Splitter() const { return splitter_; }
    TViewSearch* Search() const { return search_; }
    // Right-click menus of the two views; windows add their own commands.
    QMenu* LeftPopup() const { return popupBefore_; }
    QMenu* RightPopup() const { return popupAfter_; }

    // Recomputes the shared bar's range from the two views.
    void UpdateScrollBothBar();
    // Puts the bar and both views back at line 0, then recomputes the range
    // (after new contents and on every showing).
    void RestartScrollBothBar();
    // Moves both views so that the line at `position` is their first visible
    // line (limited to each view's line count).
    void ScrollBothBigTexts(int position);

    // The two Search commands: choose the target, open the Find dialog.
    void mnuSearchBeforeClick();
    void mnuSearchAfterClick();

    // The program's print-side question; without one the body asks with a
    // question of its own. Not owned.
    void SetPrintSideQuestion(TfrmLeftorRight* question);
    TfrmLeftorRight* PrintSideQuestion();
    // Print: asks which side, then previews the listing of that view with
    // `title` in its page header. Cancel prints nothing.
    void PrintOneSide(const QString& title);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TBigText* memoCodeBefore_ = nullptr;
    TBigText* memoCodeAfter_ = nullptr;
    QScrollBar* ScrollBothBar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QMenu* popupBefore_ = nullptr;
    QMenu* popupAfter_ = nullptr;
    TViewSearch* search_ = nullptr;
    QPointer<TfrmLeftorRight> question_;
};

}  // namespace plumora

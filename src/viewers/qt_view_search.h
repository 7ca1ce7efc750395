// TViewSearch: a viewer window's Find dialog and the search it drives in the
// window's current search target.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace plumora {

class ICommandHost;
class TBigText;
class TFindDialog;

class TViewSearch : public QObject {
    Q_OBJECT

public:
    // `owner` parents the dialog; the host shows "Not Found". Neither owned.
    TViewSearch(QWidget* owner, ICommandHost& host);

    void SetTarget(TBigText* view) { target_ = view; }
    TBigText* Target() const { return target_; }

    // The dialog, created on first use.
    TFindDialog* Dialog();
    // Shows the dialog (non-modal) and brings it to the front.
    void Open();

    // One Find Next: returns the found line, or -1 after "Not Found". A
    // target that is not on screen is not searched: the dialog closes.
    int dlgFindFind(const QString& text, bool down, bool matchCase);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* owner_;
    ICommandHost& host_;
    QPointer<TBigText> target_;
    TFindDialog* dlgFind_ = nullptr;  // child of owner_
};

}  // namespace plumora

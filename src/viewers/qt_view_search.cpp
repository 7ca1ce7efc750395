// Find Next in a viewer: search the target view, report a miss.
#include "viewers/qt_view_search.h"

#include <QEvent>
#include <QWidget>

#include "host/command_host.h"
#include "ui/big_text.h"
#include "ui/find_dialog.h"

namespace plumora {

TViewSearch::TViewSearch(QWidget* owner, ICommandHost& host)
    : QObject(owner), owner_(owner), host_(host) {
    // The dialog belongs to its viewer: it goes when the viewer is hidden
    // (the preview closed, a child window minimized) or closed.
    owner_->installEventFilter(this);
}

bool TViewSearch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == owner_ && dlgFind_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close))
        dlgFind_->hide();
    return QObject::eventFilter(watched, event);
}

TFindDialog* TViewSearch::Dialog() {
    if (!dlgFind_) {
        dlgFind_ = new TFindDialog(owner_);
        connect(dlgFind_, &TFindDialog::findNext, this, &TViewSearch::dlgFindFind);
    }
    return dlgFind_;
}

void TViewSearch::Open() {
    TFindDialog* dialog = Dialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

int TViewSearch::dlgFindFind(const QString& text, bool down, bool matchCase) {
    // A view out of sight is never searched.
    if (!target_ || !target_->isVisible()) {
        if (dlgFind_) dlgFind_->hide();
        return -1;
    }
    const int found = target_->Find(text, down, matchCase);
    if (found < 0) ShowInformation(host_, "Not Found");
    return found;
}

}  // namespace plumora

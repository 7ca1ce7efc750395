// Find Next in a viewer: search the target view, report a miss.
#include "viewers/qt_view_search.h"

#include <QWidget>

#include "host/command_host.h"
#include "ui/big_text.h"
#include "ui/find_dialog.h"

namespace plumora {

TViewSearch::TViewSearch(QWidget* owner, ICommandHost& host)
    : QObject(owner), owner_(owner), host_(host) {}

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
    const int found = target_ ? target_->Find(text, down, matchCase) : -1;
    if (found < 0) ShowInformation(host_, "Not Found");
    return found;
}

}  // namespace plumora

// The main window's windows for printing: the print-side question that
// every side-by-side viewer shares.
#include "app/frm_main.h"

#include "viewers/frm_leftor_right.h"
#include "viewers/frm_view_dual.h"
#include "viewers/qt_side_by_side.h"

namespace plumora {

void TfrmMain::CreatePrintAndChartWindows() {
    frmLeftorRight_ = new TfrmLeftorRight(this);
    frmViewDual_->Body()->SetPrintSideQuestion(frmLeftorRight_);
}

}  // namespace plumora

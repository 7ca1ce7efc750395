// The main window's windows for printing and charts: the print-side question
// that every side-by-side viewer shares, and the chart selector.
#include "app/frm_main.h"

#include "charts/frm_chart_selector.h"
#include "viewers/frm_leftor_right.h"
#include "viewers/frm_view_dual.h"
#include "viewers/qt_side_by_side.h"

namespace plumora {

void TfrmMain::CreatePrintAndChartWindows() {
    frmLeftorRight_ = new TfrmLeftorRight(this);
    frmViewDual_->Body()->SetPrintSideQuestion(frmLeftorRight_);
    frmChartSelector_ = new TfrmChartSelector(host_, mdi_, this);
}

void TfrmMain::ShowChartSelector() {
    frmChartSelector_->ShowFor(state_.Project.get());
}

}  // namespace plumora

// Drives the print-side question, the listing preview, the selector and two
// chart windows as a user would, and grabs each.
#include "app/screenshots_print_charts.h"

#include <QApplication>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/frm_main.h"
#include "charts/frm_chart_selector.h"
#include "ui/big_text.h"
#include "viewers/frm_big_text_reporter.h"
#include "viewers/frm_leftor_right.h"
#include "viewers/frm_view_dual_mdi.h"

namespace plumora {

namespace {

// The newest side-by-side viewer, whose left view is the listing shown.
TfrmViewDualMDI* SideBySideViewer(QMdiArea* mdi) {
    const QList<QMdiSubWindow*> windows = mdi->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (auto* viewer = qobject_cast<TfrmViewDualMDI*>((*it)->widget())) return viewer;
    return nullptr;
}

bool ShootChart(TfrmMain& frmMain, TfrmChartSelector* selector, int item, const QString& name,
                const TGrabWindow& grab) {
    selector->lbxChoices()->setCurrentRow(item);
    selector->btnCreateChartClick();
    QMdiSubWindow* child = frmMain.Mdi()->activeSubWindow();
    if (!child) return true;
    child->resize(720, 500);
    return grab(child, name);
}

}  // namespace

bool ShootPrintingAndCharts(TfrmMain& frmMain, const TGrabWindow& grab) {
    TfrmLeftorRight* question = frmMain.PrintSideQuestion();
    question->show();
    const bool asked = grab(question, "20-print-left-or-right");
    question->hide();
    if (!asked) return false;

    if (TfrmViewDualMDI* viewer = SideBySideViewer(frmMain.Mdi())) {
        TfrmBigTextReporter report(*viewer->memoCodeBefore(), viewer->windowTitle(), &frmMain);
        report.resize(760, 860);
        report.show();
        const bool previewed = grab(&report, "21-listing-preview");
        report.hide();
        if (!previewed) return false;
    }

    TfrmChartSelector* selector = frmMain.ChartSelector();
    selector->SetProject(frmMain.State().Project.get());
    selector->show();
    if (!grab(selector, "22-chart-selector")) return false;
    const bool charted = ShootChart(frmMain, selector, 0, "23-bar-chart", grab) &&
                         ShootChart(frmMain, selector, 1, "24-pie-chart", grab);
    selector->hide();
    return charted;
}

}  // namespace plumora

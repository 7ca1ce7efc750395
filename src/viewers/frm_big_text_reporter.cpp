// The report window: a print preview whose pages are the listing.
#include "viewers/frm_big_text_reporter.h"

#include <algorithm>

#include <QPrinter>
#include <QScreen>

namespace plumora {

TfrmBigTextReporter::TfrmBigTextReporter(const TBigText& view, const QString& title,
                                         QWidget* parent)
    : QPrintPreviewDialog(parent), view_(view), title_(title), report_(view, title) {
    setObjectName("frmBigTextReporter");
    setWindowTitle(TListingReport::kTitleBand);
    TListingReport::SetDefaultPageLayout(*printer());
    // The preview renders again after every page setup change, and printing
    // renders once more onto the chosen printer; each starts from line 0.
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { report_.Render(*target); });
    // A whole page at a readable size, on screens big and small.
    const QRect room = screen()->availableGeometry();
    resize(std::min(760, room.width() - 40), std::min(860, room.height() - 60));
}

void TfrmBigTextReporter::ShowListing(const TBigText& view, const QString& title,
                                      QWidget* parent) {
    TfrmBigTextReporter report(view, title, parent);
    report.exec();
}

}  // namespace plumora

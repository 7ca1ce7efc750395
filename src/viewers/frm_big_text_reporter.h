// TfrmBigTextReporter: the listing of one line view in a print preview, from
// which the user prints it (or saves it as a PDF file through the print
// dialog). Every rendering, the preview's and each print's, starts at the
// view's first line.
#pragma once

#include <QPrintPreviewDialog>
#include <QString>

#include "ui/listing_report.h"

namespace plumora {

class TBigText;

class TfrmBigTextReporter : public QPrintPreviewDialog {
    Q_OBJECT

public:
    // `view` is not owned and must outlive the window; `title` follows
    // "Filename: " in the page header.
    TfrmBigTextReporter(const TBigText& view, const QString& title, QWidget* parent = nullptr);

    // Shows the preview of `view` modally; the report goes when it closes.
    static void ShowListing(const TBigText& view, const QString& title, QWidget* parent);

    const TBigText& View() const { return view_; }
    const QString& Title() const { return title_; }
    TListingReport& Report() { return report_; }

private:
    const TBigText& view_;
    QString title_;
    TListingReport report_;
};

}  // namespace plumora

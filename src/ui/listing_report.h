// TListingReport: the printed listing of one line view, drawn on any paged
// device (a printer, the print preview's printer, a PDF file). Title band
// once, then on every page "Filename: " + title, "Printed at " + date and
// time and "Page N" at the right margin, then one row per line in a fixed
// pitch font.
#pragma once

#include <QDateTime>
#include <QFont>
#include <QString>

#include "viewers/listing_pages.h"

class QPagedPaintDevice;
class QPainter;

namespace plumora {

class TBigText;

class TListingReport {
public:
    static constexpr const char* kTitleBand = "Plumora/VB Report Generator";

    // `view` is not owned and must outlive the report.
    TListingReport(const TBigText& view, const QString& title);

    // Portrait with 15 mm margins on the device's own paper: what a listing
    // starts with before the user changes it in the page setup.
    static void SetDefaultPageLayout(QPagedPaintDevice& device);

    // Draws every page from the first line, whatever an earlier rendering
    // left in the row counter. Returns the pages drawn, 0 when the device
    // could not be painted on.
    int Render(QPagedPaintDevice& device, const QDateTime& printedAt = QDateTime::currentDateTime());

    // The band heights the pages of `device` are cut by.
    TListingBands Bands(QPagedPaintDevice& device) const;

    // The next line to print; after a rendering, the view's line count.
    int Row() const { return row_; }

    static QString PrintedAtText(const QDateTime& when);

private:
    void DrawTitle(QPainter& painter, int top, int width) const;
    void DrawHeader(QPainter& painter, int top, int width, int page, const QString& printedAt) const;

    const TBigText& view_;
    QString title_;
    QFont titleFont_;
    QFont headerFont_;
    QFont detailFont_;
    int row_ = 0;
};

}  // namespace plumora

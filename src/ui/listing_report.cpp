// Drawing the listing page by page.
#include "ui/listing_report.h"

#include <algorithm>

#include <QFontInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "ui/big_text.h"

namespace plumora {

namespace {

constexpr QColor kNavy(0, 0, 128);

QFont DetailFont() {
    QFont font("Courier New", 8);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) font.setFamily("Monospace");
    return font;
}

}  // namespace

TListingReport::TListingReport(const TBigText& view, const QString& title)
    : view_(view), title_(title), titleFont_("Arial", 14), headerFont_("Arial", 9),
      detailFont_(DetailFont()) {
    titleFont_.setItalic(true);
    titleFont_.setStyleHint(QFont::SansSerif);
    headerFont_.setStyleHint(QFont::SansSerif);
}

void TListingReport::SetDefaultPageLayout(QPagedPaintDevice& device) {
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString TListingReport::PrintedAtText(const QDateTime& when) {
    const QLocale locale;
    return "Printed at " + locale.toString(when.date(), QLocale::ShortFormat) + " " +
           when.time().toString("HH:mm:ss");
}

TListingBands TListingReport::Bands(QPagedPaintDevice& device) const {
    const QFontMetrics title(titleFont_, &device);
    const QFontMetrics header(headerFont_, &device);
    const QFontMetrics detail(detailFont_, &device);
    TListingBands bands;
    bands.PageHeight = device.height();
    // Half a line of air below the title and below the header's rule.
    bands.TitleHeight = title.lineSpacing() * 3 / 2;
    bands.HeaderHeight = header.lineSpacing() * 2 + header.lineSpacing() / 2 + 1;
    bands.RowHeight = std::max(detail.lineSpacing(), 1);
    return bands;
}

void TListingReport::DrawTitle(QPainter& painter, int top, int width) const {
    painter.setFont(titleFont_);
    painter.setPen(kNavy);
    const QFontMetrics metrics(titleFont_, painter.device());
    painter.drawText(QRect(0, top, width, metrics.lineSpacing()), Qt::AlignHCenter | Qt::AlignTop,
                     kTitleBand);
}

void TListingReport::DrawHeader(QPainter& painter, int top, int width, int page,
                                const QString& printedAt) const {
    painter.setFont(headerFont_);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(headerFont_, painter.device());
    const int line = metrics.lineSpacing();
    const QString pageText = QString("Page %1").arg(page);
    const int pageWidth = metrics.horizontalAdvance(pageText);
    // A long title is cut short before it would run into the page number.
    const QString file = metrics.elidedText("Filename: " + title_, Qt::ElideMiddle,
                                            std::max(width - pageWidth - line, line));
    painter.drawText(QRect(0, top, width, line), Qt::AlignLeft | Qt::AlignTop, file);
    painter.drawText(QRect(0, top, width, line), Qt::AlignRight | Qt::AlignTop, pageText);
    painter.drawText(QRect(0, top + line, width, line), Qt::AlignLeft | Qt::AlignTop, printedAt);
    const int rule = top + line * 2 + line / 4;
    painter.drawLine(0, rule, width, rule);
}

int TListingReport::Render(QPagedPaintDevice& device, const QDateTime& printedAt) {
    row_ = 0;
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const TListingBands bands = Bands(device);
    const TListingPages pages(bands, view_.LineCount());
    const int width = device.width();
    const QString stamp = PrintedAtText(printedAt);
    const QFontMetrics detail(detailFont_, &device);
    // Lines longer than the page are cut at the right margin.
    const int columns = std::max(width / std::max(detail.horizontalAdvance(QLatin1Char('M')), 1), 1);

    for (int page = 1; page <= pages.PageCount(); ++page) {
        if (page > 1 && !device.newPage()) {
            painter.end();
            return page - 1;
        }
        int y = 0;
        if (page == 1) {
            DrawTitle(painter, y, width);
            y += bands.TitleHeight;
        }
        DrawHeader(painter, y, width, page, stamp);
        y += bands.HeaderHeight;
        painter.setFont(detailFont_);
        painter.setPen(Qt::black);
        const TListingRows rows = pages.RowsOfPage(page);
        for (int i = 0; i < rows.Count; ++i, ++row_) {
            painter.drawText(0, y + detail.ascent(), view_.DisplayText(row_, 0, columns));
            y += bands.RowHeight;
        }
    }
    painter.end();
    return pages.PageCount();
}

}  // namespace plumora

// The line view: storage, scrolling, painting of the visible rows, search.
#include "ui/big_text.h"

#include <algorithm>
#include <climits>

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>

#include "formatter/line_ops.h"
#include "io/text_lines.h"
#include "viewers/line_search.h"
#include "viewers/windows_1252.h"

namespace plumora {

namespace {

constexpr int kLeftMargin = 2;

QFont ViewFont() {
    QFont font("Courier New", 8);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(8);
    }
    return font;
}

}  // namespace

TBigText::TBigText(QWidget* parent) : QAbstractScrollArea(parent) {
    setFont(ViewFont());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    UpdateMetrics();
    UpdateScrollRanges();
}

TBigText::~TBigText() = default;

void TBigText::Clear() {
    bytes_.clear();
    lines_.clear();
    colours_.clear();
    colourIndex_.clear();
    longest_ = 0;
    foundLine_ = -1;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

std::uint16_t TBigText::ColorIndex(TColor color) {
    const std::uint64_t key = (std::uint64_t(color.Kind == TColor::Kind::SystemWindow) << 32) |
                              color.Rgb;
    auto it = colourIndex_.find(key);
    if (it != colourIndex_.end()) return it->second;
    // More colour pairs than an index holds never come from the program's own
    // views; a stray one shares the last slot rather than failing.
    if (colours_.size() > 0xFFFF) return 0xFFFF;
    const auto index = static_cast<std::uint16_t>(colours_.size());
    colours_.push_back(color);
    colourIndex_.emplace(key, index);
    return index;
}

void TBigText::AppendLine(const std::string& text, TColor fontColor, TColor backColor) {
    std::string_view stored = text;
    if (text.find('\t') != std::string::npos) {
        expanded_.clear();
        TabsToSpacesInto(text, tabWidth_, expanded_);
        stored = expanded_;
    }
    if (stored.size() > UINT32_MAX) stored = stored.substr(0, UINT32_MAX);
    TLine line{bytes_.size(), static_cast<std::uint32_t>(stored.size()), ColorIndex(fontColor),
               ColorIndex(backColor)};
    bytes_.append(stored);
    lines_.push_back(line);
    longest_ = std::max<std::size_t>(longest_, stored.size());
}

void TBigText::Refresh() {
    UpdateScrollRanges();
    viewport()->update();
}

std::string TBigText::LoadFromFile(const std::string& localPath) {
    Clear();
    std::vector<std::string> lines;
    const TIoResult read = ReadTextLines(localPath, lines);
    bytes_.reserve(bytes_.size() + lines.size() * 40);
    lines_.reserve(lines.size());
    for (const std::string& line : lines)
        AppendLine(line, TColor::FromRgb(0, 0, 0), TColor::SystemWindow());
    Refresh();
    return read.Ok ? std::string() : read.Error;
}

std::string_view TBigText::Bytes(int n) const {
    if (n < 0 || n >= LineCount()) return {};
    const TLine& line = lines_[static_cast<std::size_t>(n)];
    return std::string_view(bytes_).substr(line.Start, line.Length);
}

std::string TBigText::LineText(int n) const { return std::string(Bytes(n)); }

TColor TBigText::LineFontColor(int n) const {
    if (n < 0 || n >= LineCount()) return TColor::FromRgb(0, 0, 0);
    return colours_[lines_[static_cast<std::size_t>(n)].Font];
}

TColor TBigText::LineBackColor(int n) const {
    if (n < 0 || n >= LineCount()) return TColor::SystemWindow();
    return colours_[lines_[static_cast<std::size_t>(n)].Back];
}

int TBigText::VisibleLineCount() const { return viewport()->height() / lineHeight_; }

int TBigText::TopLine() const { return verticalScrollBar()->value(); }

void TBigText::SetTopLine(int n) {
    n = std::clamp(n, 0, std::max(LineCount() - 1, 0));
    // A line near the end may become the first visible one even though the
    // ordinary range stops a page earlier.
    if (n > verticalScrollBar()->maximum()) verticalScrollBar()->setMaximum(n);
    verticalScrollBar()->setValue(n);
    viewport()->update();
}

int TBigText::Find(const std::string& text, bool down, bool matchCase) {
    const int found = FindLine(
        LineCount(), [this](int n) { return Bytes(n); }, TopLine(), text, down, matchCase);
    if (found < 0) return -1;
    foundLine_ = found;
    SetTopLine(found);
    return found;
}

int TBigText::Find(const QString& text, bool down, bool matchCase) {
    std::string bytes;
    const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    if (!Utf16ToWindows1252(utf16, bytes)) return -1;
    return Find(bytes, down, matchCase);
}

QColor TBigText::Resolve(TColor color) const {
    if (color.Kind == TColor::Kind::SystemWindow) return palette().color(QPalette::Base);
    return QColor((color.Rgb >> 16) & 0xFF, (color.Rgb >> 8) & 0xFF, color.Rgb & 0xFF);
}

QString TBigText::DisplayText(int n, int firstColumn, int columns) const {
    std::string_view bytes = Bytes(n);
    if (firstColumn < 0) firstColumn = 0;
    if (static_cast<std::size_t>(firstColumn) >= bytes.size() || columns <= 0) return {};
    bytes = bytes.substr(static_cast<std::size_t>(firstColumn), static_cast<std::size_t>(columns));
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) *out++ = QChar(Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return text;
}

void TBigText::UpdateMetrics() {
    const QFontMetrics metrics(font());
    lineHeight_ = std::max(metrics.lineSpacing(), 1);
    charWidth_ = std::max(metrics.horizontalAdvance(QLatin1Char('M')), 1);
    // With a proportional font most characters are narrower than M: paint
    // as many as the narrowest could fill, the view clips the rest.
    narrowWidth_ = std::max(std::min(metrics.horizontalAdvance(QLatin1Char('i')), charWidth_), 1);
    ascent_ = metrics.ascent();
}

void TBigText::UpdateScrollRanges() {
    const int count = LineCount();
    const int fit = VisibleLineCount();
    QScrollBar* v = verticalScrollBar();
    // Keep a line that a search moved to the top where it is.
    const int keep = count > 0 ? std::min(v->value(), count - 1) : 0;
    v->setRange(0, std::max({count - fit, 0, keep}));
    v->setPageStep(std::max(fit, 1));

    const int columns = std::max((viewport()->width() - kLeftMargin) / charWidth_, 1);
    const int longest = static_cast<int>(std::min<std::size_t>(longest_, INT_MAX / 2));
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(longest - columns + 1, 0));
    h->setPageStep(columns);
}

void TBigText::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(font());
    const QRect area = event->rect();
    const int width = viewport()->width();
    painter.fillRect(area, Resolve(TColor::SystemWindow()));

    const int top = TopLine();
    const int firstRow = std::max(area.top() / lineHeight_, 0);
    const int lastRow = area.bottom() / lineHeight_;
    const int firstColumn = horizontalScrollBar()->value();
    const int columns = width / narrowWidth_ + 2;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int n = top + row;
        if (n >= LineCount()) break;
        const TLine& line = lines_[static_cast<std::size_t>(n)];
        const bool found = n == foundLine_;
        const QColor back = Resolve(found ? kFoundBack : colours_[line.Back]);
        const QColor fore = Resolve(found ? kFoundFont : colours_[line.Font]);
        const int y = row * lineHeight_;
        painter.fillRect(QRect(0, y, width, lineHeight_), back);
        painter.setPen(fore);
        painter.drawText(kLeftMargin, y + ascent_, DisplayText(n, firstColumn, columns));
    }
}

void TBigText::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void TBigText::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_) popup_->popup(event->globalPos());
}

void TBigText::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateMetrics();
        UpdateScrollRanges();
    }
}

}  // namespace plumora

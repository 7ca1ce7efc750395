// TBigText: the read-only line view of the viewers. Lines are kept as bytes
// (Windows-1252) in one buffer with a colour pair each, and only the lines on
// screen are painted, so files of any length open and scroll at once.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QAbstractScrollArea>
#include <QColor>

#include "host/line_sink.h"

class QMenu;

namespace plumora {

class TBigText : public QAbstractScrollArea, public ILineSink {
    Q_OBJECT

public:
    // Colours of a line that the search found.
    static constexpr TColor kFoundFont = TColor::FromRgb(255, 255, 0);
    static constexpr TColor kFoundBack = TColor::FromRgb(0, 0, 128);

    explicit TBigText(QWidget* parent = nullptr);
    ~TBigText() override;

    // ILineSink. AppendLine does not repaint; Refresh does.
    void Clear() override;
    void AppendLine(const std::string& text, TColor fontColor, TColor backColor) override;
    void Refresh() override;

    // Replaces the lines with the file's, black on the window colour. On
    // failure returns the error text and keeps the lines read before it;
    // returns an empty text on success.
    std::string LoadFromFile(const std::string& localPath);

    // Blanks that a tab becomes when a line is stored (4 unless set).
    void SetTabWidth(int width) { tabWidth_ = width > 0 ? width : 1; }

    int LineCount() const { return static_cast<int>(lines_.size()); }
    // The bytes of line n as stored (tabs expanded); empty when out of range.
    std::string LineText(int n) const;
    TColor LineFontColor(int n) const;
    TColor LineBackColor(int n) const;
    // Whole lines that fit into the view's height.
    int VisibleLineCount() const;
    int TopLine() const;
    // Makes line n the first visible one (limited to the existing lines).
    void SetTopLine(int n);
    // The line the last successful search highlighted, or -1.
    int FoundLine() const { return foundLine_; }

    // Searches from the first visible line and makes the match the first
    // visible line, highlighted. Returns the line or -1; on -1 nothing moves.
    int Find(const std::string& text, bool down, bool matchCase);
    // The same with the text as typed; a character outside Windows-1252 can
    // occur in no line.
    int Find(const QString& text, bool down, bool matchCase);

    // The colour a stored colour paints with: SystemWindow becomes the
    // palette's base colour.
    QColor Resolve(TColor color) const;

    // The menu that a right click opens; not owned.
    void SetPopupMenu(QMenu* menu) { popup_ = menu; }

    // Text of the visible columns of line n, converted for display.
    QString DisplayText(int n, int firstColumn, int columns) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct TLine {
        std::uint64_t Start;
        std::uint32_t Length;
        std::uint16_t Font;  // index into colours_
        std::uint16_t Back;
    };

    std::uint16_t ColorIndex(TColor color);
    std::string_view Bytes(int n) const;
    void UpdateMetrics();
    void UpdateScrollRanges();

    std::string bytes_;
    std::vector<TLine> lines_;
    std::vector<TColor> colours_;
    std::map<std::uint64_t, std::uint16_t> colourIndex_;
    std::string expanded_;  // reused while storing a line
    std::size_t longest_ = 0;
    int tabWidth_ = 4;
    int foundLine_ = -1;
    int lineHeight_ = 1;
    int charWidth_ = 1;
    int narrowWidth_ = 1;
    int ascent_ = 0;
    QMenu* popup_ = nullptr;
};

}  // namespace plumora

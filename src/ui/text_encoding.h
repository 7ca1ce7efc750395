// The code page the desktop reads source text in: one setting for every
// line view, the preview, Diff, the commentor, the printed listing, the
// spelling dialog and the option fields. Text stays bytes; it is decoded
// only to be shown and encoded only where the user types.
#pragma once

#include <string>
#include <string_view>

#include <QObject>
#include <QString>

namespace plumora {

class TTextCodec;

class TTextEncoding : public QObject {
    Q_OBJECT

public:
    static TTextEncoding& Instance();

    int CodePage() const { return codePage_; }
    const TTextCodec& Codec() const { return *codec_; }
    // A number that is not offered falls back to Windows-1252.
    void SetCodePage(int codePage);

signals:
    // Every view repaints in the new code page.
    void codePageChanged(int codePage);

private:
    TTextEncoding();

    int codePage_;
    const TTextCodec* codec_;
};

// Bytes as text in the current code page.
QString DecodeText(std::string_view bytes);
// Text as bytes in the current code page; a character it cannot hold
// becomes "?".
std::string EncodeText(const QString& text);
// The same, false when a character had no bytes (`out` then holds "?").
bool EncodeText(const QString& text, std::string& out);

}  // namespace plumora

// The desktop's current code page.
#include "ui/text_encoding.h"

#include "text/code_page.h"

namespace plumora {

TTextEncoding::TTextEncoding()
    : codePage_(kDefaultCodePage), codec_(&TTextCodec::Of(kDefaultCodePage)) {}

TTextEncoding& TTextEncoding::Instance() {
    static TTextEncoding encoding;
    return encoding;
}

void TTextEncoding::SetCodePage(int codePage) {
    const TTextCodec& codec = TTextCodec::Of(codePage);
    if (codec.CodePage() == codePage_) return;
    codePage_ = codec.CodePage();
    codec_ = &codec;
    emit codePageChanged(codePage_);
}

QString DecodeText(std::string_view bytes) {
    std::u16string text;
    TTextEncoding::Instance().Codec().Decode(bytes, text);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

bool EncodeText(const QString& text, std::string& out) {
    out.clear();
    const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    return TTextEncoding::Instance().Codec().Encode(utf16, out);
}

std::string EncodeText(const QString& text) {
    std::string out;
    EncodeText(text, out);
    return out;
}

}  // namespace plumora

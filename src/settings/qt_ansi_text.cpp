// Settings values and source lines are bytes of the code page the desktop
// reads text in; widgets show Unicode.
#include "settings/qt_ansi_text.h"

#include "ui/text_encoding.h"

namespace plumora {

QString AnsiToQString(std::string_view bytes) { return DecodeText(bytes); }

std::string QStringToAnsi(const QString& text) { return EncodeText(text); }

}  // namespace plumora

// Settings values and template lines are bytes in the code page the desktop
// reads text in (Windows-1252 unless the user picks another, see
// ui/text_encoding); widgets show Unicode. Bytes that make no character come
// back unchanged, so a value that the user does not touch returns to the
// file as it was.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace plumora {

QString AnsiToQString(std::string_view bytes);
// Characters that the code page cannot hold become "?".
std::string QStringToAnsi(const QString& text);

}  // namespace plumora

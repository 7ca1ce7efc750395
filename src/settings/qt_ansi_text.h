// Settings values and template lines are Windows-1252 bytes; widgets show
// Unicode. Every byte maps to one character and back, so a value that the
// user does not touch returns to the file unchanged.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace plumora {

QString AnsiToQString(std::string_view bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string QStringToAnsi(const QString& text);

}  // namespace plumora

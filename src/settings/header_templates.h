// Header comment template files: reading one into template lines, writing
// template lines to a file, and where a relative template file name points.
#pragma once

#include <string>
#include <vector>

#include "io/text_lines.h"

namespace plumora {

// A template is a few dozen lines; anything larger is not a template file.
constexpr std::size_t kMaxTemplateFileSize = 256 * 1024;

// The file a template file name option refers to: an absolute name as it is,
// a relative one (with "\" read as "/") below the configuration directory,
// where the settings file that names it lives.
std::string ResolveTemplatePath(const std::string& name);

// Reads a template file into `lines` (bytes as they are; CR, LF or CR LF end
// a line). Fails, leaving `lines` unchanged, when the file cannot be read,
// holds NUL bytes or is larger than kMaxTemplateFileSize.
TIoResult ReadTemplateFile(const std::string& localPath, std::vector<std::string>& lines);

// Writes template lines to a file, each ending in CR LF, replacing the file
// atomically.
TIoResult WriteTemplateFile(const std::string& localPath, const std::vector<std::string>& lines);

}  // namespace plumora

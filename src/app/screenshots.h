// Renders every window of the desktop, with a project loaded and styled, to
// PNG files: a way to look at the program without a display.
#pragma once

#include <QString>
#include <QStringList>

namespace plumora {

// Copies `projectFile`'s directory into a temporary directory, opens the copy,
// styles it with a preview and writes one PNG per window into `outputDir`
// (created when missing). The user's settings are not touched: a temporary
// configuration directory is used. Returns the files written; on failure
// `error` says why and the list holds what was written before.
QStringList RenderScreenshots(const QString& outputDir, const QString& projectFile, QString& error);

// The bundled example project, looked for beside the program and in the
// directories above it and above the current directory; empty when not found.
QString FindExampleProject(const QString& programDir);
// A file of the repository (`relative` to its root) looked for the same way.
QString FindExampleFile(const QString& programDir, const QString& relative);

}  // namespace plumora

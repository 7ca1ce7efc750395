// Opening and closing a project: the one road from a project file name to an
// open project model, with every outcome reported through the command host.
#pragma once

#include <string>

namespace plumora {

class ICommandHost;
class TOptionSet;
struct TAppState;

// Closes any open project, reads `fileName` with the .VBP grammar (extension
// .VBP) or the .MAK grammar (any other), admits the listed text files and,
// when at least one was admitted, adds the file to the recent files, reloads
// `options` and reads the tab width from VB.INI. Returns true when the
// project is open; otherwise the user has been told why and no project is
// open. Building the project tree is left to the caller.
bool OpenProject(TAppState& state, TOptionSet& options, ICommandHost& host,
                 const std::string& fileName);

// Destroys the model, if any, and clears the open flag and the names.
void CloseProject(TAppState& state);

}  // namespace plumora

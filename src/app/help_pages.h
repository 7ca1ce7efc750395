// The help pages' generated parts: the option tables with their examples.
#pragma once

namespace plumora {

// Hands the help window the option tables of the catalogue; the main
// window does this when it is created.
void InstallHelpPages();

}  // namespace plumora

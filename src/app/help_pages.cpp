// The help window learns the option tables here, where both the component
// set and the catalogue are known.
#include "app/help_pages.h"

#include "help/option_pages.h"
#include "ui/help_window.h"

namespace plumora {

void InstallHelpPages() {
    SetHelpPageFiller([](int context) { return QString::fromStdString(OptionPageTable(context)); });
}

}  // namespace plumora

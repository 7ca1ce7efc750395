// The program's help: HTML pages shipped inside the program, one per help
// context number, shown in one help window that stays open beside the others.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace plumora {

// Shows the page for `context` (falling back to the contents page, context 0,
// for a number without a page of its own) in the help window, creating the
// window on first use. The window is a top-level window that lives until the
// program ends; opened while a modal dialog is open, it comes up in front of
// the dialog and takes input while the dialog stays open. Escape closes it.
void ShowHelpContext(QWidget* parent, int context);

// "Plumora/VB 3.0 Help - " and the page's title, the program's name once.
QString HelpWindowTitle(const QString& pageTitle);

// The text that takes the place of the marker <!--options--> of the page of
// a context (the option pages list their options from the catalogue, which
// this component set does not know). Set once at program start; without it
// the marker stays an HTML comment.
using THelpPageFiller = std::function<QString(int context)>;
void SetHelpPageFiller(THelpPageFiller filler);

// The resource path of a context's page, e.g. ":/help/11.html"; empty when the
// context has no page.
QString HelpPagePath(int context);

}  // namespace plumora

// The option tables of the help pages, built from the catalogue, with the
// before/after examples of option_examples.
#include "help/option_pages.h"

#include <map>
#include <string_view>
#include <vector>

#include "help/option_examples.h"
#include "settings/option_catalogue.h"

namespace plumora {

namespace {

// The option pages (and Comments tabs) each context number describes.
const std::map<int, std::vector<std::string_view>>& ContextPages() {
    static const std::map<int, std::vector<std::string_view>> pages{
        {11, {"General"}},
        {12, {"Indents"}},
        {13, {"Comments / Single Line", "Comments / Special"}},
        {14, {"Comments / In-line"}},
        {15, {"Blank Lines"}},
        {16, {"Spell Check"}},
        {17, {"Save"}},
        {29, {"Comments / Subroutines"}},
        {30, {"Comments / Functions"}},
        {71, {"User"}},
    };
    return pages;
}

// Catalogue texts and styled code are 8-bit; the pages are UTF-8. Bytes
// above 0x7F never occur in the catalogue and the samples, and would be
// shown as a character reference of their Windows-1252 reading otherwise.
std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x80)
                    out += "&#" + std::to_string(static_cast<unsigned char>(c)) + ";";
                else
                    out.push_back(c);
        }
    }
    return out;
}

std::string OptionCaption(const OptionDef& d) {
    std::string caption = Escaped(d.Caption);
    if (d.Kind == OptionKind::Number && *d.Label) {
        caption += " &mdash; " + Escaped(d.Label);
    } else if (*d.Label) {
        caption += " " + Escaped(d.Label);
    }
    if (caption.empty()) caption = Escaped(d.Key);
    if (*d.Box) caption = Escaped(d.Box) + ": " + caption;
    return caption;
}

std::string OptionDefault(const OptionDef& d) {
    switch (d.Kind) {
        case OptionKind::Check:
        case OptionKind::Radio: return d.Default ? "on" : "off";
        case OptionKind::Number:
            return std::to_string(d.Default) + " (" + std::to_string(d.Min) + " to " +
                   std::to_string(d.Max) + ")";
        case OptionKind::Choice:
            return d.Default >= 0 && d.Default < static_cast<int>(d.Choices.size())
                       ? Escaped(d.Choices[d.Default])
                       : std::string();
        case OptionKind::Text:
            return d.DefaultText && *d.DefaultText ? Escaped(d.DefaultText) : "(empty)";
    }
    return {};
}

// The example as a row of code blocks, one per value, under the row of the
// option it shows.
std::string ExampleRow(const TOptionExample& example) {
    std::string html = "<tr><td colspan=\"4\"><small>Example";
    if (!example.Needs.empty()) {
        html += " (with ";
        for (std::size_t i = 0; i < example.Needs.size(); ++i)
            html += (i ? ", " : "") + Escaped(example.Needs[i]);
        html += ")";
    }
    html += ":</small><table cellspacing=\"6\" cellpadding=\"4\"><tr>";
    for (const TExampleColumn& column : example.Columns)
        html += "<th align=\"left\"><small>" + Escaped(column.Caption) + "</small></th>";
    html += "</tr><tr>";
    for (const TExampleColumn& column : example.Columns)
        html += "<td valign=\"top\" bgcolor=\"#f4f4f4\"><pre>" + Escaped(column.Styled) + "</pre></td>";
    return html + "</tr></table></td></tr>";
}

}  // namespace

std::string OptionPageTable(int context) {
    const auto pages = ContextPages().find(context);
    if (pages == ContextPages().end()) return {};
    std::string html =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
        "<tr><th align=\"left\">Option</th><th align=\"left\">What it does</th>"
        "<th align=\"left\">Default</th><th align=\"left\">Stored as</th></tr>";
    for (const OptionDef& d : OptionCatalogue()) {
        bool shown = false;
        for (std::string_view page : pages->second) shown = shown || page == d.Page;
        if (!shown) continue;
        std::string what = Escaped(d.Help);
        if (d.Kind == OptionKind::Choice) {
            what += "<br>Choices:";
            for (const char* choice : d.Choices) what += " &ldquo;" + Escaped(choice) + "&rdquo;";
        }
        html += "<tr><td>" + OptionCaption(d) + "</td><td>" + what + "</td><td>" + OptionDefault(d) +
                "</td><td><code>" + Escaped(d.Section) + "/" + Escaped(d.Key) + "</code></td></tr>";
        if (const std::optional<TOptionExample> example = OptionExample(d.Id))
            html += ExampleRow(*example);
    }
    return html + "</table>";
}

}  // namespace plumora

// The live option set: the value of every stored option as the program uses
// it right now, plus the sub and function header templates. Every consumer
// reads values from here at the moment of use; the settings file is only its
// persistent image.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "settings/option_catalogue.h"

namespace plumora {

class ICommandHost;
class TIniFile;

class TOptionSet {
public:
    // Starts with the catalogue's defaults and the built-in templates.
    TOptionSet();

    // Readers. Check and Radio options read as Bool; Number and Choice as Int
    // (a choice is the 0-based caption index, -1 for none); Text as Text.
    // Bool and Int also serve every non-text option (a check reads as 0 or 1);
    // asking a text option for a number, or any other option for its text,
    // is a programming error and throws std::invalid_argument.
    bool Bool(Opt id) const;
    int Int(Opt id) const;
    const std::string& Text(Opt id) const;

    // The same by section and key (case-insensitive); unknown names throw
    // std::out_of_range.
    bool Bool(std::string_view section, std::string_view key) const;
    int Int(std::string_view section, std::string_view key) const;
    const std::string& Text(std::string_view section, std::string_view key) const;

    // Setters behave like the dialog's controls: numbers are clamped into their
    // range, choices into -1 .. captions-1, a radio button set on clears the
    // other buttons of its group, text is cut to the control's length limit
    // only when typed (SetText does not cut). The same kind rules as the
    // readers apply.
    void SetBool(Opt id, bool value);
    void SetInt(Opt id, int value);
    void SetText(Opt id, std::string value);

    // Sets an option from its stored form, by the INI encodings: text as is,
    // booleans and numbers as integers (clamped like any setter). Returns false
    // and leaves the option unchanged when a non-text value is not an integer.
    bool SetFromString(Opt id, std::string_view stored);
    // The option's value in its stored form ("1"/"0", decimal, or the text).
    std::string ValueString(Opt id) const;

    // Back to the catalogue's defaults and the built-in templates.
    void ResetToDefaults();

    // Copies every option from `ini` in catalogue order; a key that is missing
    // (or, for numbers, checks and choices, empty or not an integer) keeps the
    // live value.
    void Load(const TIniFile& ini);
    // Writes every option into `ini` (in memory; the caller saves the file).
    void Save(TIniFile& ini) const;

    // Header templates.
    std::vector<std::string> SubHeaderTemplate;
    std::vector<std::string> FunctionHeaderTemplate;
    static std::vector<std::string> BuiltInSubHeader();
    static std::vector<std::string> BuiltInFunctionHeader();

    // Reads the template files named by SubLevelCommentsFile and
    // FunctionLevelCommentsFile (when not empty; a relative name is taken
    // relative to the configuration directory); a file that cannot be read
    // shows the warning and leaves that template as it was.
    void LoadCommentHeaders(ICommandHost& host);

    // Reload: Load from the settings file (VBPLUMO3.INI in the configuration
    // directory), then LoadCommentHeaders. A missing settings file leaves the
    // live values as they are; one that exists but cannot be read does too,
    // after a warning naming it.
    void Reload(ICommandHost& host);

private:
    std::array<int, kOptionCount> ints_{};
    std::array<std::string, kOptionCount> texts_{};
};

}  // namespace plumora

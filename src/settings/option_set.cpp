// The live option set: typed access by id or by section and key, the setters
// that behave like the dialog's controls, and the copy to and from the INI.
#include "settings/option_set.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "host/command_host.h"
#include "settings/config_dir.h"
#include "settings/ini_file.h"

namespace plumora {

namespace {

std::size_t Index(Opt id) {
    auto i = static_cast<std::size_t>(id);
    if (i >= kOptionCount) throw std::out_of_range("no such option");
    return i;
}

const OptionDef& Lookup(std::string_view section, std::string_view key) {
    const OptionDef* def = FindOption(section, key);
    if (!def) {
        throw std::out_of_range("no option " + std::string(section) + "/" + std::string(key));
    }
    return *def;
}

[[noreturn]] void WrongKind(const OptionDef& def, const char* wanted) {
    throw std::invalid_argument(std::string(def.Section) + "/" + def.Key + " is not " + wanted);
}

const OptionDef& NonText(Opt id) {
    const OptionDef& def = OptionInfo(id);
    if (def.Kind == OptionKind::Text) WrongKind(def, "a number or a switch");
    return def;
}

const OptionDef& TextOnly(Opt id) {
    const OptionDef& def = OptionInfo(id);
    if (def.Kind != OptionKind::Text) WrongKind(def, "a text");
    return def;
}

}  // namespace

TOptionSet::TOptionSet() { ResetToDefaults(); }

void TOptionSet::ResetToDefaults() {
    for (const OptionDef& def : OptionCatalogue()) {
        std::size_t i = Index(def.Id);
        ints_[i] = def.Kind == OptionKind::Text ? 0 : def.Default;
        texts_[i] = def.DefaultText ? def.DefaultText : "";
    }
    SubHeaderTemplate = BuiltInSubHeader();
    FunctionHeaderTemplate = BuiltInFunctionHeader();
}

bool TOptionSet::Bool(Opt id) const {
    NonText(id);
    return ints_[Index(id)] != 0;
}

int TOptionSet::Int(Opt id) const {
    NonText(id);
    return ints_[Index(id)];
}

const std::string& TOptionSet::Text(Opt id) const {
    TextOnly(id);
    return texts_[Index(id)];
}

bool TOptionSet::Bool(std::string_view section, std::string_view key) const {
    return Bool(Lookup(section, key).Id);
}

int TOptionSet::Int(std::string_view section, std::string_view key) const {
    return Int(Lookup(section, key).Id);
}

const std::string& TOptionSet::Text(std::string_view section, std::string_view key) const {
    return Text(Lookup(section, key).Id);
}

void TOptionSet::SetBool(Opt id, bool value) {
    const OptionDef& def = NonText(id);
    if (def.Kind == OptionKind::Number || def.Kind == OptionKind::Choice) {
        SetInt(id, value ? 1 : 0);
        return;
    }
    ints_[Index(id)] = value ? 1 : 0;
    if (def.Kind == OptionKind::Radio && value) {
        for (const OptionDef& other : OptionCatalogue()) {
            if (other.Kind == OptionKind::Radio && other.Group == def.Group && other.Id != id) {
                ints_[Index(other.Id)] = 0;
            }
        }
    }
}

void TOptionSet::SetInt(Opt id, int value) {
    const OptionDef& def = NonText(id);
    if (def.Kind == OptionKind::Check || def.Kind == OptionKind::Radio) {
        SetBool(id, value != 0);
        return;
    }
    ints_[Index(id)] = std::clamp(value, def.Min, def.Max);
}

void TOptionSet::SetText(Opt id, std::string value) {
    TextOnly(id);
    texts_[Index(id)] = std::move(value);
}

bool TOptionSet::SetFromString(Opt id, std::string_view stored) {
    if (OptionInfo(id).Kind == OptionKind::Text) {
        SetText(id, std::string(stored));
        return true;
    }
    std::optional<int> value = ParseIniInteger(stored);
    if (!value) return false;
    SetInt(id, *value);
    return true;
}

std::string TOptionSet::ValueString(Opt id) const {
    if (OptionInfo(id).Kind == OptionKind::Text) return Text(id);
    return std::to_string(Int(id));
}

void TOptionSet::Load(const TIniFile& ini) {
    // Catalogue order is the dialog's creation order: the later of two radio
    // buttons stored as "1" wins, as it does in the dialog.
    for (const OptionDef& def : OptionCatalogue()) {
        std::optional<std::string> stored = ini.Value(def.Section, def.Key);
        if (stored) SetFromString(def.Id, *stored);
    }
}

void TOptionSet::Save(TIniFile& ini) const {
    for (const OptionDef& def : OptionCatalogue()) {
        switch (def.Kind) {
            case OptionKind::Check:
            case OptionKind::Radio:
                ini.WriteBool(def.Section, def.Key, Bool(def.Id));
                break;
            case OptionKind::Number:
            case OptionKind::Choice:
                ini.WriteInteger(def.Section, def.Key, Int(def.Id));
                break;
            case OptionKind::Text:
                ini.WriteString(def.Section, def.Key, Text(def.Id));
                break;
        }
    }
}

void TOptionSet::Reload(ICommandHost& host) {
    TIniFile ini(SettingsFilePath());
    if (ini.Load()) {
        Load(ini);
    } else {
        ShowWarning(host, "Unable to read the settings file " + ini.LoadError() +
                              ". The current settings stay in effect.");
    }
    LoadCommentHeaders(host);
}

}  // namespace plumora

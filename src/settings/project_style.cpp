// Finding the project style file and reading the option layers in order.
#include "settings/project_style.h"

#include <filesystem>
#include <system_error>

#include "io/paths.h"
#include "settings/config_dir.h"
#include "settings/ini_file.h"
#include "settings/option_set.h"

namespace plumora {

namespace fs = std::filesystem;

namespace {

std::string SourceComment(TOptionSource source, const TOptionLayers& layers) {
    switch (source) {
        case TOptionSource::Default: return "; default";
        case TOptionSource::UserFile: return "; user: " + layers.UserFile;
        case TOptionSource::ProjectFile: return "; project: " + layers.ProjectFile;
        case TOptionSource::IniArgument: return "; ini: " + layers.IniArgument;
    }
    return {};
}

bool IsTemplateFileOption(Opt id) {
    return id == Opt::SubLevelCommentsFile || id == Opt::FunctionLevelCommentsFile;
}

// A template named relative to the style file is written down with the
// style file's directory, so reading it does not depend on where the
// program was started or where the user's settings live.
std::string TemplateBesideStyleFile(const std::string& styleDir, const std::string& name) {
    if (name.empty() || IsLocalAbsolutePath(name)) return name;
    std::string relative = name;
    for (char& c : relative)
        if (c == '\\') c = '/';
    return (fs::path(styleDir) / relative).lexically_normal().string();
}

}  // namespace

std::string SourceDirectory(const std::string& path) {
    std::error_code ec;
    fs::path dir = fs::absolute(fs::path(path), ec).lexically_normal().parent_path();
    if (ec || dir.empty()) return ".";
    return dir.string();
}

std::string FindProjectStyleFile(const std::string& dir) {
    std::error_code ec;
    fs::path current = fs::absolute(fs::path(dir.empty() ? "." : dir), ec);
    if (ec) return {};
    current = current.lexically_normal();
    for (;;) {
        const fs::path candidate = current / kProjectStyleFileName;
        // Anything of that name counts, so a style file that cannot be read
        // is reported rather than silently passed over for one further up.
        if (fs::exists(fs::symlink_status(candidate, ec))) return candidate.string();
        fs::path parent = current.parent_path();
        if (parent.empty() || parent == current) return {};
        current = parent;
    }
}

TOptionLayers OptionLayersFor(const std::string& dir, const std::string& iniArgument) {
    TOptionLayers layers;
    layers.UserFile = SettingsFilePath();
    layers.ProjectFile = FindProjectStyleFile(dir);
    layers.IniArgument = iniArgument;
    return layers;
}

void LoadOptionLayer(const TIniFile& ini, TOptionSource source, const std::string& styleDir,
                     TOptionSet& options, TOptionSources* sources) {
    for (const OptionDef& def : OptionCatalogue()) {
        std::optional<std::string> stored = ini.Value(def.Section, def.Key);
        if (!stored) continue;
        const std::string before = options.ValueString(def.Id);
        if (!options.SetFromString(def.Id, *stored)) continue;
        if (!styleDir.empty() && IsTemplateFileOption(def.Id))
            options.SetText(def.Id, TemplateBesideStyleFile(styleDir, options.Text(def.Id)));
        if (!sources) continue;
        (*sources)[static_cast<std::size_t>(def.Id)] = source;
        // A radio button set on clears the others of its group: their new
        // values come from the same file.
        if (def.Kind == OptionKind::Radio && options.Bool(def.Id) && before != "1") {
            for (const OptionDef& other : OptionCatalogue())
                if (other.Kind == OptionKind::Radio && other.Group == def.Group)
                    (*sources)[static_cast<std::size_t>(other.Id)] = source;
        }
    }
}

bool LoadOptionLayers(const TOptionLayers& layers, TOptionSet& options, TOptionSources* sources,
                      std::string& error, std::string* warning) {
    if (sources) sources->fill(TOptionSource::Default);
    struct TLayer {
        const std::string& Path;
        TOptionSource Source;
    };
    const TLayer order[] = {{layers.UserFile, TOptionSource::UserFile},
                            {layers.ProjectFile, TOptionSource::ProjectFile},
                            {layers.IniArgument, TOptionSource::IniArgument}};
    for (const TLayer& layer : order) {
        if (layer.Path.empty()) continue;
        TIniFile ini(layer.Path);
        const bool read = ini.Load();
        if (!read && layer.Source == TOptionSource::UserFile) {
            // As everywhere else: the user is told, and the defaults stay.
            if (warning)
                *warning = "Unable to read the settings file " + ini.LoadError() +
                           ". The current settings stay in effect.";
            continue;
        }
        if (!read) {
            error = "cannot read the " +
                    std::string(layer.Source == TOptionSource::ProjectFile ? "project style file "
                                                                            : "settings file ") +
                    ini.LoadError();
            return false;
        }
        const std::string styleDir = layer.Source == TOptionSource::ProjectFile
                                         ? fs::path(layer.Path).parent_path().string()
                                         : std::string();
        LoadOptionLayer(ini, layer.Source, styleDir, options, sources);
    }
    return true;
}

std::string DumpOptions(const TOptionSet& options, const TOptionSources& sources,
                        const TOptionLayers& layers) {
    std::error_code ec;
    const bool userExists = fs::exists(layers.UserFile, ec);
    std::string out = "; Plumora/VB options: each key from the last of these that sets it\n";
    out += ";   default  built into the program\n";
    out += ";   user     " + layers.UserFile + (userExists ? "" : " (not found)") + "\n";
    out += ";   project  " + (layers.ProjectFile.empty() ? std::string("(no ") + kProjectStyleFileName + " found)"
                                                         : layers.ProjectFile) + "\n";
    out += ";   ini      " + (layers.IniArgument.empty() ? std::string("(no --ini)") : layers.IniArgument) + "\n";
    std::string section;
    bool first = true;
    TOptionSource last = TOptionSource::Default;
    for (const OptionDef& def : OptionCatalogue()) {
        const TOptionSource source = sources[static_cast<std::size_t>(def.Id)];
        if (section != def.Section) {
            section = def.Section;
            out += "\n[" + section + "]\n";
            first = true;
        }
        if (first || source != last) out += SourceComment(source, layers) + "\n";
        first = false;
        last = source;
        out += std::string(def.Key) + "=" + EncodeIniValue(options.ValueString(def.Id)) + "\n";
    }
    return out;
}

}  // namespace plumora

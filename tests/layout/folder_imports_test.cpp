// The folders of src/ import each other without a circle, and the desktop's
// component set (ui/) builds only on core code: a window may use the
// component set, never the other way round.
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct TImport {
    std::string Folder;  // the folder imported
    std::string Header;  // the header's file name
    std::string From;    // the file that imports it
};

// Every quoted include of another folder, by importing folder.
std::map<std::string, std::vector<TImport>> Imports() {
    std::map<std::string, std::vector<TImport>> imports;
    const std::regex include(R"re(^\s*#\s*include\s*"([a-z_]+)/([^"]+)")re");
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(PLUMORA_SOURCE_DIR) / "src")) {
        const fs::path& p = entry.path();
        if (p.extension() != ".cpp" && p.extension() != ".h") continue;
        const std::string folder = p.parent_path().filename().string();
        std::ifstream in(p);
        std::string line;
        std::smatch m;
        while (std::getline(in, line)) {
            if (std::regex_search(line, m, include) && m[1] != folder)
                imports[folder].push_back({m[1], m[2], p.filename().string()});
        }
    }
    return imports;
}

// A path from `from` back to `to` through the folder graph, or empty.
std::vector<std::string> PathBack(const std::map<std::string, std::set<std::string>>& graph,
                                  const std::string& from, const std::string& to,
                                  std::set<std::string>& seen) {
    if (from == to) return {to};
    if (!seen.insert(from).second) return {};
    const auto edges = graph.find(from);
    if (edges == graph.end()) return {};
    for (const std::string& next : edges->second) {
        std::vector<std::string> rest = PathBack(graph, next, to, seen);
        if (!rest.empty()) {
            rest.insert(rest.begin(), from);
            return rest;
        }
    }
    return {};
}

TEST(FolderImports, NoFolderReachesItselfAgain) {
    std::map<std::string, std::set<std::string>> graph;
    for (const auto& [folder, imports] : Imports())
        for (const TImport& i : imports) graph[folder].insert(i.Folder);
    ASSERT_FALSE(graph.empty());
    for (const auto& [folder, targets] : graph) {
        for (const std::string& target : targets) {
            std::set<std::string> seen;
            const std::vector<std::string> back = PathBack(graph, target, folder, seen);
            std::string circle = folder;
            for (const std::string& step : back) circle += " -> " + step;
            EXPECT_TRUE(back.empty()) << "circle of imports: " << circle;
        }
    }
}

TEST(FolderImports, TheComponentSetUsesNoWindowAndNoApplicationCode) {
    const auto imports = Imports();
    const auto ui = imports.find("ui");
    ASSERT_NE(ui, imports.end());
    for (const TImport& i : ui->second) {
        EXPECT_NE(i.Folder, "app") << i.From << " imports " << i.Header;
        EXPECT_FALSE(i.Header.starts_with("frm_") || i.Header.starts_with("qt_"))
            << i.From << " imports the window file " << i.Folder << "/" << i.Header;
    }
}

}  // namespace

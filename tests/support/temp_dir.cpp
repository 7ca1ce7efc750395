#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

namespace plumora::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    std::mt19937_64 gen(rd());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = fs::temp_directory_path() / ("plumora-test-" + std::to_string(gen()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ec;
    // Restore write permission first so read-only test directories go too.
    for (auto it = fs::recursive_directory_iterator(path_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& relative, std::string_view bytes) const {
    fs::path full = path_ / relative;
    fs::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + full.string());
    return full.string();
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ScopedConfigDir::ScopedConfigDir(const std::string& dir) {
    if (const char* old = std::getenv("PLUMORA_CONFIG_DIR")) {
        had_old_ = true;
        old_ = old;
    }
    setenv("PLUMORA_CONFIG_DIR", dir.c_str(), 1);
}

ScopedConfigDir::~ScopedConfigDir() {
    if (had_old_) {
        setenv("PLUMORA_CONFIG_DIR", old_.c_str(), 1);
    } else {
        unsetenv("PLUMORA_CONFIG_DIR");
    }
}

}  // namespace plumora::testing

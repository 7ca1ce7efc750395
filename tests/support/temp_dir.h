// A directory under the system's temporary directory, removed with its
// contents when the object goes away. Tests write every file they need here.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace plumora::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Str() const { return path_.string(); }

    // Writes `bytes` exactly as given to a file below the directory, creating
    // parent directories; returns its full path.
    std::string Write(const std::string& relative, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

// Reads a whole file as bytes; empty if it cannot be read.
std::string ReadAll(const std::filesystem::path& path);

// Sets PLUMORA_CONFIG_DIR for the lifetime of the object and restores it after.
class ScopedConfigDir {
public:
    explicit ScopedConfigDir(const std::string& dir);
    ~ScopedConfigDir();
    ScopedConfigDir(const ScopedConfigDir&) = delete;
    ScopedConfigDir& operator=(const ScopedConfigDir&) = delete;

private:
    bool had_old_ = false;
    std::string old_;
};

}  // namespace plumora::testing

// Where the configuration directory is, and the tab width read from VB.INI.
#include "settings/config_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "support/temp_dir.h"

namespace plumora {
namespace {

using testing::ScopedConfigDir;
using testing::TempDir;

// Sets or unsets one environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ConfigDir, Precedence) {
    ScopedEnv home("HOME", "/home/someone");
    {
        ScopedEnv config("PLUMORA_CONFIG_DIR", "/tmp/cfg");
        ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(ConfigDir(), "/tmp/cfg");
        EXPECT_EQ(SettingsFilePath(), "/tmp/cfg/VBPLUMO3.INI");
        EXPECT_EQ(VBIniPath(), "/tmp/cfg/VB.INI");
    }
    ScopedEnv config("PLUMORA_CONFIG_DIR", std::nullopt);
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(ConfigDir(), "/xdg/plumora");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/ignored");
        EXPECT_EQ(ConfigDir(), "/home/someone/.config/plumora");
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", "");
    EXPECT_EQ(ConfigDir(), "/home/someone/.config/plumora");
}

TEST(ConfigDir, WithoutHomeStillGivesADirectory) {
    ScopedEnv config("PLUMORA_CONFIG_DIR", std::nullopt);
    ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
    ScopedEnv home("HOME", std::nullopt);
    std::string dir = ConfigDir();
    EXPECT_FALSE(dir.empty());
    EXPECT_TRUE(dir.ends_with("/.config/plumora") || dir == ".plumora") << dir;
}

TEST(ReadVBTabStops, ValuesAndFallbacks) {
    struct Case {
        const char* Ini;  // nullptr: no VB.INI at all
        int Expected;
    };
    const Case cases[] = {
        {nullptr, 4},
        {"", 4},
        {"[Visual Basic]\r\nTabStops=2\r\n", 2},
        {"[visual basic]\ntabstops = 8\n", 8},
        {"[Visual Basic]\nTabStops=0x10\n", 16},
        {"[Visual Basic]\nTabStops=80\n", 80},
        {"[Visual Basic]\nTabStops=81\n", 4},
        {"[Visual Basic]\nTabStops=0\n", 4},
        {"[Visual Basic]\nTabStops=-3\n", 4},
        {"[Visual Basic]\nTabStops=wide\n", 4},
        {"[Visual Basic]\nTabStops=99999999999\n", 4},
        {"[Other]\nTabStops=2\n", 4},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ScopedConfigDir scoped(dir.Str());
        if (c.Ini) dir.Write("VB.INI", c.Ini);
        EXPECT_EQ(ReadVBTabStops(), c.Expected) << (c.Ini ? c.Ini : "(no file)");
    }
}

TEST(ReadVBTabStops, BinaryFileGivesTheDefault) {
    TempDir dir;
    ScopedConfigDir scoped(dir.Str());
    dir.Write("VB.INI", std::string("[Visual Basic]\nTabStops=2\n\0\xff", 28));
    EXPECT_EQ(ReadVBTabStops(), 4);
}

}  // namespace
}  // namespace plumora

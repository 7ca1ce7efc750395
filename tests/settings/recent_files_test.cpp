// The recent-files list and the window placement as kept in the settings file.
#include "settings/recent_files.h"

#include <gtest/gtest.h>

#include "settings/ini_file.h"

namespace plumora {
namespace {

using Paths = std::vector<std::string>;

TIniFile Parsed(std::string_view text) {
    TIniFile ini;
    ini.Parse(text);
    return ini;
}

TEST(RecentFiles, LoadPutsItem1FirstAndSkipsNothingFound) {
    struct Case {
        const char* Name;
        const char* Text;
        Paths Expected;
    };
    const Case cases[] = {
        {"none", "", {}},
        {"full", "[RecentFiles]\nItem1=a\nItem2=b\nItem3=c\nItem4=d\nItem5=e\nItem6=f\nItem7=g\n",
         {"a", "b", "c", "d", "e", "f"}},
        {"gaps", "[RecentFiles]\nItem5=/p/five.vbp\nItem2=/p/two.vbp\n",
         {"/p/two.vbp", "/p/five.vbp"}},
        {"placeholder", "[RecentFiles]\nItem1=Nothing Found\nItem2=b\nItem3=\n", {"b"}},
        {"duplicates", "[RecentFiles]\nItem1=a\nItem2=b\nItem3=a\n", {"a", "b"}},
        {"case kept apart", "[RecentFiles]\nItem1=A.VBP\nItem2=a.vbp\n", {"A.VBP", "a.vbp"}},
    };
    for (const Case& c : cases) {
        TRecentFiles recent;
        recent.Load(Parsed(c.Text));
        EXPECT_EQ(recent.Entries(), c.Expected) << c.Name;
    }
}

TEST(RecentFiles, SaveWritesFromItem1AndNeverDeletesKeys) {
    TIniFile ini = Parsed("[RecentFiles]\nItem2=two\nItem5=five\n");
    TRecentFiles recent;
    recent.Load(ini);
    recent.Save(ini);
    EXPECT_EQ(ini.Value("RecentFiles", "Item1"), "two");
    EXPECT_EQ(ini.Value("RecentFiles", "Item2"), "five");
    EXPECT_EQ(ini.Value("RecentFiles", "Item5"), "five");
    TRecentFiles again;
    again.Load(ini);
    EXPECT_EQ(again.Entries(), (Paths{"two", "five"}));
}

TEST(RecentFiles, AddMovesToTopAndKeepsSix) {
    TRecentFiles recent;
    for (const char* p : {"1", "2", "3", "4", "5", "6", "7"}) recent.Add(p);
    EXPECT_EQ(recent.Entries(), (Paths{"7", "6", "5", "4", "3", "2"}));
    recent.Add("4");
    EXPECT_EQ(recent.Entries(), (Paths{"4", "7", "6", "5", "3", "2"}));
    recent.Add("");
    EXPECT_EQ(recent.Entries().size(), 6u);
}

TEST(RecentFiles, RemovedPathDoesNotComeBackFromAStaleKey) {
    TIniFile ini = Parsed("[RecentFiles]\nItem1=a\nItem2=b\nItem3=c\n");
    TRecentFiles recent;
    recent.Load(ini);
    recent.Remove("c");
    recent.Save(ini);
    TRecentFiles again;
    again.Load(ini);
    EXPECT_EQ(again.Entries(), (Paths{"a", "b"}));
    EXPECT_TRUE(ini.Value("RecentFiles", "Item3").has_value()) << "keys are never deleted";
}

TEST(WindowPlacement, RoundTripAndDefaults) {
    TIniFile ini;
    TWindowPlacement none = LoadWindowPlacement(ini);
    EXPECT_EQ(none.NormLeft, 0);
    EXPECT_FALSE(none.Usable());

    TWindowPlacement p;
    p.Flags = 2;
    p.MinPosX = -1;
    p.MinPosY = -2;
    p.MaxPosX = 3;
    p.MaxPosY = 4;
    p.NormLeft = 10;
    p.NormTop = 20;
    p.NormRight = 810;
    p.NormBottom = 620;
    SaveWindowPlacement(ini, p);
    EXPECT_EQ(ini.Text(),
              "[frmMain]\r\nPlaceFlags=2\r\nPlaceMinPosX=-1\r\nPlaceMinPosY=-2\r\n"
              "PlaceMaxPosX=3\r\nPlaceMaxPosY=4\r\nPlaceNormPosL=10\r\nPlaceNormPosT=20\r\n"
              "PlaceNormPosR=810\r\nPlaceNormPosB=620\r\n");
    TWindowPlacement back = LoadWindowPlacement(ini);
    EXPECT_TRUE(back.Usable());
    EXPECT_EQ(back.NormRight, 810);
    EXPECT_EQ(back.MinPosY, -2);
    EXPECT_EQ(back.NormBottom, 620);
}

TEST(WindowPlacement, GarbageValuesReadAsZeroAndEmptyRectangleIsUnusable) {
    TWindowPlacement p = LoadWindowPlacement(
        Parsed("[frmMain]\nPlaceNormPosL=abc\nPlaceNormPosR=0x20\nPlaceFlags=99999999999\n"));
    EXPECT_EQ(p.NormLeft, 0);
    EXPECT_EQ(p.NormRight, 32);
    EXPECT_EQ(p.Flags, 0);
    EXPECT_TRUE(p.Usable());
    EXPECT_FALSE(LoadWindowPlacement(Parsed("[frmMain]\nPlaceNormPosL=5\nPlaceNormPosR=5\n")).Usable());
}

}  // namespace
}  // namespace plumora

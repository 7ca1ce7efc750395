// The option tables of the help pages.
#include <string>

#include <gtest/gtest.h>

#include "help/option_pages.h"

namespace plumora {
namespace {

TEST(OptionPages, EachContextListsItsOwnOptions) {
    EXPECT_EQ(OptionPageTable(0), "");
    EXPECT_EQ(OptionPageTable(4711), "");
    const std::string general = OptionPageTable(11);
    EXPECT_NE(general.find("General/MultiVarSplit"), std::string::npos);
    EXPECT_EQ(general.find("Indents/"), std::string::npos);
    // Both tabs that context 13 describes.
    EXPECT_NE(OptionPageTable(13).find("SingleLineComments/GrpSingleLineComments"), std::string::npos);
    EXPECT_NE(OptionPageTable(13).find("SpecialComments/SpecialRemoveComments"), std::string::npos);
}

}  // namespace
}  // namespace plumora

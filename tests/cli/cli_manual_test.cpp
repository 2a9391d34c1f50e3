// The manual page keeps up with the tool.

#include "cli/commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace pw {
namespace {

TEST(CliManualTest, EveryCommandIsDescribedInTheManualPage) {
    std::ifstream in(PW_MAN_PAGE);
    ASSERT_TRUE(in) << PW_MAN_PAGE;
    std::stringstream page;
    page << in.rdbuf();
    for (const CliCommand& command : Commands())
        EXPECT_NE(page.str().find(std::string("\n.BI ") + command.name + " "), std::string::npos)
            << command.name;
}

} // namespace
} // namespace pw

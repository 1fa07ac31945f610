#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "support/visible_text.h"

namespace qs::platform {
namespace {

struct LineCase {
    const char* commandLine;
    const char* arguments;
};

std::ostream& operator<<(std::ostream& out, const LineCase& c) {
    return out << test::VisibleText(c.commandLine);
}

class ArgumentsTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(ArgumentsTable, DropsTheProgramNameAndTheBlanksAfterIt) {
    const LineCase& c = GetParam();
    EXPECT_EQ(ArgumentsFromCommandLine(c.commandLine), c.arguments) << "command line: " << test::VisibleText(c.commandLine);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ArgumentsTable,
    ::testing::Values(LineCase{"", ""}, LineCase{"Q.SCR", ""}, LineCase{"Q.SCR /s", "/s"},
                      LineCase{"C:\\SAVERS\\Q.SCR /p 1234", "/p 1234"}, LineCase{"Q.SCR \t /c:99", "/c:99"},
                      LineCase{"\"C:\\My Savers\\Q.SCR\" /p 1234", "/p 1234"},
                      LineCase{"\"C:\\My Savers\\Q.SCR\"/s", "/s"}, LineCase{"\"C:\\My Savers\\Q.SCR\"", ""},
                      LineCase{"\"C:\\unterminated /s", ""}, LineCase{"Q.SCR /p  12 34 ", "/p  12 34 "},
                      LineCase{"Q.SCR\t/a 5", "/a 5"}, LineCase{"\"\" /s", "/s"}, LineCase{"Q.SCR   ", ""}));

} // namespace
} // namespace qs::platform

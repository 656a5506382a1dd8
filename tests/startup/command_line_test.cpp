// The command line: help and version answer at once, Qt's own options pass on, and
// anything else is refused.
#include "startup/command_line.h"

#include <gtest/gtest.h>

namespace quorelin {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, HelpVersionAndUnknownOptions) {
    struct Case {
        std::vector<std::string> args;
        Action action;
        std::string messageStart;
    };
    const Case cases[] = {
        {{}, Action::Run, ""},
        {{"-platform", "offscreen"}, Action::Run, ""},
        {{"-reverse"}, Action::Run, ""},
        {{"--help"}, Action::Help, "Usage: quorelin"},
        {{"-h"}, Action::Help, "Usage: quorelin"},
        {{"--version"}, Action::Version, "Quorelin 2023-12\n"},
        {{"-platform", "offscreen", "--version"}, Action::Version, "Quorelin 2023-12"},
        {{"--colour"}, Action::Error, "quorelin: unknown option '--colour'"},
        {{"-platform"}, Action::Error, "quorelin: unknown option '-platform'"},
        {{"level7"}, Action::Error, "quorelin: unknown option 'level7'"},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action) << ::testing::PrintToString(c.args);
        EXPECT_EQ(line.message.rfind(c.messageStart, 0), 0u) << line.message;
    }
}

}  // namespace
}  // namespace quorelin

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
        Action action;  // before the window system took its options; after
        Action refused;
        std::string messageStart;
    };
    const Case cases[] = {
        {{}, Action::Run, Action::Run, ""},
        {{"-platform", "offscreen"}, Action::Run, Action::Error, ""},
        {{"-reverse"}, Action::Run, Action::Error, ""},
        {{"--help"}, Action::Help, Action::Help, "Usage: quorelin"},
        {{"-h"}, Action::Help, Action::Help, "Usage: quorelin"},
        {{"--version"}, Action::Version, Action::Version, "Quorelin 2023-12\n"},
        {{"-platform", "offscreen", "--version"},
         Action::Version,
         Action::Version,
         "Quorelin 2023-12"},
        {{"--colour"}, Action::Run, Action::Error, "quorelin: unknown option '--colour'"},
        {{"level7"}, Action::Run, Action::Error, "quorelin: unknown option 'level7'"},
    };
    for (const Case& c : cases) {
        for (const auto unknown : {UnknownArguments::PassOn, UnknownArguments::Refuse}) {
            const CommandLine line = ParseCommandLine(c.args, unknown);
            const Action action = unknown == UnknownArguments::PassOn ? c.action : c.refused;
            EXPECT_EQ(line.action, action) << ::testing::PrintToString(c.args);
            if (action != Action::Run) {
                EXPECT_EQ(line.message.rfind(c.messageStart, 0), 0u) << line.message;
            }
        }
    }
}

}  // namespace
}  // namespace quorelin

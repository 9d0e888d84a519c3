#include "controls/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedDialogs, AnswersFromItsQueuesThenCautiously) {
    qw::ScriptedDialogs dialogs;
    dialogs.answers = {true};
    dialogs.inputs = {std::string("123456"), std::nullopt};
    EXPECT_TRUE(dialogs.askYesNo("Q1"));
    EXPECT_FALSE(dialogs.askOkCancel("Q2")); // queue empty: Cancel
    EXPECT_EQ(dialogs.inputLine({"Page:", "Go to", "", 3}), std::optional<std::string>("123"));
    EXPECT_EQ(dialogs.inputLine({"Page:", "Go to", "", 0}), std::nullopt);
    EXPECT_TRUE(dialogs.chooseOpenFiles({}).empty());
    dialogs.error("E");
    const std::vector<std::string> expected = {"Q1", "Q2", "E"};
    EXPECT_EQ(dialogs.messages(), expected);
}

} // namespace

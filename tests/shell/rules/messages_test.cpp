#include "shell/rules/messages.h"

#include <gtest/gtest.h>

namespace ocu {
namespace {

TEST(Messages, FollowTheRangeMessagesBlanks) {
    EXPECT_EQ(notANumberMessage("distance deviations"), " Please enter a number for distance deviations ");
    EXPECT_EQ(outOfRangeMessage("Text2", "-32768", "32767"), " Please enter a number from -32768 to 32767 for Text2 ");
}

}  // namespace
}  // namespace ocu

#include "weather/ReplySyntax.h"

#include <gtest/gtest.h>

using weather::splitTerminated;
using weather::splitWithTrailing;

TEST(SplitWithTrailing, KeepsTheEmptyFieldsBetweenAndAfterSeparators) {
    using V = std::vector<std::u16string>;
    EXPECT_EQ(splitWithTrailing(u"", u'*'), V{u""});
    EXPECT_EQ(splitWithTrailing(u"ci_1*08/19*1*0*28*34*0*0", u'*').size(), 8u);
    EXPECT_EQ(splitWithTrailing(u"**", u'*'), (V{u"", u"", u""}));
    EXPECT_EQ(splitWithTrailing(u"a&", u'&'), (V{u"a", u""}));
}

TEST(SplitTerminated, DropsTheTextAfterTheLastTerminator) {
    using V = std::vector<std::u16string>;
    EXPECT_EQ(splitTerminated(u"", u'$'), V{});
    EXPECT_EQ(splitTerminated(u"a$$c$", u'$'), (V{u"a", u"", u"c"}));
    EXPECT_EQ(splitTerminated(u"a$unterminated", u'$'), V{u"a"});
}

#include "core/mnemonic.h"

#include <gtest/gtest.h>

namespace brixel {
namespace {

TEST(Mnemonic, CharacterAfterTheAmpersand) {
    EXPECT_EQ(MnemonicOf(u"&Save"), u'S');
    EXPECT_EQ(MnemonicOf(u"Save &as"), u'a');
    EXPECT_EQ(MnemonicOf(u"A&&B &C"), u'C') << "a doubled ampersand is literal";
    EXPECT_EQ(MnemonicOf(u"&&&x"), u'x');
}

TEST(Mnemonic, NoneWithoutAFollowingCharacter) {
    EXPECT_FALSE(MnemonicOf(u"").has_value());
    EXPECT_FALSE(MnemonicOf(u"Save").has_value());
    EXPECT_FALSE(MnemonicOf(u"Save&").has_value());
    EXPECT_FALSE(MnemonicOf(u"A&&B").has_value());
}

}  // namespace
}  // namespace brixel

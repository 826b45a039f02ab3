// The program's texts are UTF-8 in the source and must reach the ANSI calls as GBK.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/tests/control_text.h"

namespace {

TEST(ProgramTexts, AreCompiledAsGbkBytes)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\xcc\xe1\xbd\xbb", "提交"},
        {"\xd7\xa3\xba\xd8\xc4\xe3", "祝贺你"},
        {"\xba\xdc\xd2\xc5\xba\xb6\xa3\xa1", "很遗憾！"},
        {"\xb0\xef\xd6\xfa(&H)...", "帮助(&H)..."},
        {"\xb2\xbb\xca\xc7\xba\xcf\xb7\xa8\xb5\xc4\xb1\xed\xb4\xef\xca\xbd!", "不是合法的表达式!"},
    };
    for (const auto& [gbk, compiled] : cases)
        EXPECT_EQ(BytesInHex(gbk), BytesInHex(compiled));
}

// Wine takes the code page from the locale; under 1252 every Chinese text shows as "??".
TEST(ProgramTexts, ReachAnAnsiCodePageOfGbk)
{
    EXPECT_EQ(936u, GetACP());
}

}  // namespace

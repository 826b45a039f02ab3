#pragma once
// The program's own texts, in one table. The source is UTF-8: the Windows build
// compiles it to GBK (code page 936), the code page its ANSI calls and its manifest
// give it; the native build (veltro-cli, the core's tests) keeps UTF-8.

// Whether the texts are GBK in this build (2 bytes a Chinese character), or UTF-8 (3).
constexpr bool TextsAreGbk = sizeof("中") == 3;

// The verdict dialog's two lines for a right and a wrong answer, and the headline
// of a text that is no valid expression.
extern const char RightHeadline[];    // 祝贺你
extern const char RightDetail[];      // 开始下一局...
extern const char WrongHeadline[];    // 很遗憾！
extern const char WrongDetail[];      // 你的答案不正确
extern const char InvalidHeadline[];  // 不是合法的表达式!

// The detail of a text that is no valid expression, by its fault; the last three
// are formats of the offending characters and position.
extern const char WrongNumberCountDetail[];       // 数字个数不符合要求!
extern const char CardNotUsedDetail[];            // 指定的数字没有使用!
extern const char UnbalancedParenthesesDetail[];  // 括号不匹配!
extern const char BadLastCharacterFormat[];       // %c 不能作为最后一个字符
extern const char BadFirstCharacterFormat[];      // %c%s 不能作为第一个字符 (%s: the rest of a 2-byte character)
extern const char BadCharacterFormat[];           // 位置:%d 原因:%c%s 不能跟在 %c 后面

// The solution list's one line for a hand without a solution.
extern const char NoSolutionLine[];  // 没有答案

// The two items the main window adds to its system menu.
extern const char HelpMenuItem[];   // 帮助(&H)...
extern const char AboutMenuItem[];  // 关于(&A)...

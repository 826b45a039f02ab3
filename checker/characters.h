#pragma once
// The answer's grammar in its pieces: the character classes that validation,
// judging and evaluation read, and how much of an answer is read. The card value
// texts of a custom hand and of veltro-cli are digits by the same test.

#include <cstddef>

// The longest answer the window reads: GetWindowTextA into a 30-byte buffer.
constexpr int MaxAnswerLength = 29;

// ASCII "0".."9" only: no other byte, of GBK or UTF-8 alike, is a digit.
constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "+", "-", "*" and "/"; a parenthesis is no operator.
constexpr bool IsOperator(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/';
}

// The bytes of the zero-terminated text that an answer is made of: up to its
// terminating zero, and at most MaxAnswerLength (the text as the window reads it).
inline std::size_t AnswerLength(const char* text)
{
    std::size_t length = 0;
    while (length < static_cast<std::size_t>(MaxAnswerLength) && text[length] != '\0')
        ++length;
    return length;
}

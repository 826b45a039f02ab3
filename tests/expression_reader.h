#pragma once
// A text read as arithmetic by the usual rules, apart from the program's evaluation: "*" "/"
// before "+" "-", equal levels from the left, spaces skipped; the caller's Number and Apply.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

template <class Value, Value (*Number)(double), Value (*Apply)(Value, Value, char)>
struct ExpressionReader {
    explicit ExpressionReader(const std::string& read) : text(read) {}

    const std::string& text;
    std::size_t next = 0;
    bool wellFormed = true;  // no number is 0 or signed, and each pair of parentheses encloses an operator
    std::vector<double> numbers;  // in the order read

    // The whole text's value; false when the text does not parse to its end.
    bool Read(Value& value)
    {
        bool grouped = false;
        return Parse(0, value, grouped) && Peek() == '\0';
    }

    // The next character but spaces, '\0' at the end.
    char Peek()
    {
        next = std::min(text.find_first_not_of(' ', next), text.size());
        return next < text.size() ? text[next] : '\0';
    }

    // Level 0 a sum, 1 a product, 2 a number (signed, as the solver writes a negative
    // card) or a parenthesised sum; `grouped` tells whether the value took an operator.
    bool Parse(int level, Value& value, bool& grouped)
    {
        if (level == 2) {
            const bool sign = Peek() == '-';
            next += sign ? 1 : 0;
            grouped = false;
            if (Peek() >= '0' && Peek() <= '9') {
                double number = 0;
                for (; next < text.size() && text[next] >= '0' && text[next] <= '9'; ++next)
                    number = std::min(number * 10 + (text[next] - '0'), 1e12);
                wellFormed = wellFormed && number != 0 && !sign;
                value = Number(numbers.emplace_back(sign ? -number : number));
                return true;
            }
            if (sign || Peek() != '(' || (++next, !Parse(0, value, grouped)) || Peek() != ')')
                return false;
            wellFormed = wellFormed && grouped;  // "(3)" parses, but is no expression
            ++next;
            return true;
        }
        if (!Parse(level + 1, value, grouped))
            return false;
        for (char op = Peek(); op != '\0' && std::strchr(level == 0 ? "+-" : "*/", op) != nullptr; op = Peek()) {
            Value right{};
            if (++next, !Parse(level + 1, right, grouped))
                return false;
            grouped = true;
            value = Apply(value, right, op);
        }
        return true;
    }
};

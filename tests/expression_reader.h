#pragma once
// A text read as arithmetic by the usual rules, apart from the program's own
// evaluation, for the tests that check it: "*" and "/" before "+" and "-", equal
// levels from the left, parentheses first, spaces skipped. The arithmetic is the
// caller's: a Value made from each number, and Apply(x, y, op).

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

template <class Value, Value (*Number)(double), Value (*Apply)(Value, Value, char)>
class ExpressionReader {
public:
    explicit ExpressionReader(const std::string& text) : text_(text) {}

    // The whole text's value; false when the text does not parse to its end.
    bool Read(Value& value)
    {
        bool grouped = false;
        return Parse(0, value, grouped) && Peek() == '\0';
    }

    bool wellFormed = true;  // no number is 0 or signed, and each pair of parentheses encloses an operator
    std::vector<double> numbers;  // in the order read

private:
    // The next character but spaces, '\0' at the end.
    char Peek()
    {
        while (next_ < text_.size() && text_[next_] == ' ')
            ++next_;
        return next_ < text_.size() ? text_[next_] : '\0';
    }

    // Level 0 a sum, 1 a product, 2 a number (signed, as the solver writes a
    // negative card) or a parenthesised sum; `grouped` tells whether the value took an operator.
    bool Parse(int level, Value& value, bool& grouped)
    {
        if (level == 2) {
            grouped = false;
            const bool sign = Peek() == '-';
            next_ += sign ? 1 : 0;
            if (Peek() >= '0' && Peek() <= '9') {
                double number = 0;
                for (; next_ < text_.size() && text_[next_] >= '0' && text_[next_] <= '9'; ++next_)
                    number = std::min(number * 10 + (text_[next_] - '0'), 1e12);
                wellFormed = wellFormed && number != 0 && !sign;
                numbers.push_back(sign ? -number : number);
                value = Number(numbers.back());
                return true;
            }
            if (sign || Peek() != '(' || (++next_, !Parse(0, value, grouped)) || Peek() != ')')
                return false;
            wellFormed = wellFormed && grouped;  // "(3)" parses, but is no expression
            ++next_;
            return true;
        }
        if (!Parse(level + 1, value, grouped))
            return false;
        for (char op = Peek(); op != '\0' && std::strchr(level == 0 ? "+-" : "*/", op) != nullptr; op = Peek()) {
            Value right{};
            ++next_;
            if (!Parse(level + 1, right, grouped))
                return false;
            grouped = true;
            value = Apply(value, right, op);
        }
        return true;
    }

    const std::string& text_;
    std::size_t next_ = 0;
};

// The display text of a solution, with the parentheses of a fixed table rather
// than the fewest the rules of precedence need.

#include <charconv>

#include "solver/solver.h"

namespace {

// 1 for "+" and "-", 2 for "*" and "/".
int Level(char op)
{
    return (op == '*' || op == '/') ? 2 : 1;
}

int Cmp(char x, char y)
{
    return Level(x) - Level(y);
}

// A bracket placement: how many "(" stand before and ")" after each value.
struct Placement {
    unsigned char open[4];
    unsigned char close[4];
};

// The ten bracket placements, as pairs (i, j): "(" before value i, ")" after value j.
constexpr Placement None{{0, 0, 0, 0}, {0, 0, 0, 0}};
constexpr Placement P01{{1, 0, 0, 0}, {0, 1, 0, 0}};
constexpr Placement P02{{1, 0, 0, 0}, {0, 0, 1, 0}};
constexpr Placement P23{{0, 0, 1, 0}, {0, 0, 0, 1}};
constexpr Placement P12{{0, 1, 0, 0}, {0, 0, 1, 0}};
constexpr Placement P13{{0, 1, 0, 0}, {0, 0, 0, 1}};
constexpr Placement P01_23{{1, 0, 1, 0}, {0, 1, 0, 1}};
constexpr Placement P02_12{{1, 1, 0, 0}, {0, 0, 2, 0}};
constexpr Placement P13_12{{0, 2, 0, 0}, {0, 0, 1, 1}};
constexpr Placement P13_23{{0, 1, 1, 0}, {0, 0, 0, 2}};

// The rules that pick a placement, taken in this order.
const Placement& ChoosePlacement(int shape, char p, char q, char r)
{
    switch (shape) {
    case 1:
        if (Cmp(p, q) < 0)
            return P01;
        if (Cmp(r, q) > 0)
            return P02;
        return None;
    case 2:
        if (Cmp(p, q) > 0)
            return Cmp(r, q) > 0 ? None : P23;
        if (Cmp(p, q) == 0)
            return Cmp(q, r) < 0 ? None : P23;
        return P01_23;
    case 3:
        if (Cmp(p, q) > 0)
            return P12;
        if (Cmp(p, q) < 0)
            return Cmp(p, r) < 0 ? P02 : None;
        return Cmp(q, r) < 0 ? P02_12 : P12;
    case 4: {
        int v = Cmp(q, r);
        if (v > 0)
            return P13;
        if (v < 0)
            return Cmp(p, r) == 0 ? P13_12 : P12;
        return Cmp(p, q) < 0 ? None : P13;
    }
    default: {  // shape 5
        int v = Cmp(q, r);
        if (v > 0)
            return P13_23;
        if (v < 0)
            return P13;
        return Cmp(p, q) < 0 ? P23 : P13_23;
    }
    }
}

// Values 0..99 as the list shows them (tens digit if above 9, then units);
// any other value, which no hand of the game holds, in plain decimal.
void AppendValue(std::string& text, std::int32_t value)
{
    if (value >= 0 && value <= 99) {
        if (value > 9)
            text.push_back(static_cast<char>('0' + value / 10));
        text.push_back(static_cast<char>('0' + value % 10));
        return;
    }
    char digits[16];
    std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, written.ptr);
}

}  // namespace

std::string SolutionText(const std::array<std::int32_t, 4>& order, const std::array<char, 3>& ops, int shape)
{
    const Placement& placement = ChoosePlacement(shape, ops[0], ops[1], ops[2]);
    std::string text;
    for (std::size_t i = 0; i < 4; ++i) {
        text.append(placement.open[i], '(');
        AppendValue(text, order[i]);
        text.append(placement.close[i], ')');
        if (i < 3)
            text.push_back(ops[i]);
    }
    return text;
}

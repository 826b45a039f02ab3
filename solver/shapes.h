#pragma once
// Inside the solver: the five shapes of "a p b q c r d" as one table, and the walk
// over the 1536 candidates that evaluates them, shared by both searches and their
// comparison (exact.cpp). Callers see none of it: they include solver.h or exact.h.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "common/arithmetic.h"
#include "solver/fraction.h"

namespace shapes {

// x op y, op one of "+", "-", "*", "/", rounded to single precision (the
// game's ApplyOperator); "/" by zero (either sign) gives DivisionByZeroResult.
float Combine(float x, float y, char op);

// x op y exactly; a division by zero, or an operand without a value, gives no
// value.
Fraction Combine(Fraction x, Fraction y, char op);

// The result of a division by zero inside the search; it goes on through the
// remaining operations of the candidate.
constexpr float DivisionByZeroResult = -1000000.0f;

// An operand: one of the four values, or the result of the first or second
// operation of the same shape.
enum Operand { A, B, C, D, First, Second };

// One operation; `slot` is the place of its operator in the text (0 p, 1 q, 2 r).
struct Operation {
    Operand left;
    Operand right;
    int slot;
};

// The shapes in the order they are tried, each as its three operations in the
// order they are computed.
constexpr Operation Table[5][3] = {
    {{A, B, 0}, {First, C, 1}, {Second, D, 2}},  // 1: ((a p b) q c) r d
    {{A, B, 0}, {C, D, 2}, {First, Second, 1}},  // 2: (a p b) q (c r d)
    {{B, C, 1}, {A, First, 0}, {Second, D, 2}},  // 3: (a p (b q c)) r d
    {{B, C, 1}, {First, D, 2}, {A, Second, 0}},  // 4: a p ((b q c) r d)
    {{C, D, 2}, {B, First, 1}, {A, Second, 0}},  // 5: a p (b q (c r d))
};

constexpr int Operations = 15;  // operation i is Table[i / 3][i % 3]

constexpr const Operation& Of(int i)
{
    return Table[i / 3][i % 3];
}

// The last operator slot that operation i needs: it is computed as soon as that
// operator is chosen, once for all the candidates that share it.
constexpr int SlotNeeded(int i)
{
    int slot = Of(i).slot;
    for (Operand operand : {Of(i).left, Of(i).right})
        if (operand == First || operand == Second) {
            const int needed = SlotNeeded(i - i % 3 + (operand == First ? 0 : 1));
            slot = needed > slot ? needed : slot;
        }
    return slot;
}

// An earlier operation on the same two values with the same operator, whose result
// operation i takes instead of computing it again; -1 for none.
constexpr int SharedWith(int i)
{
    if (Of(i).left > D || Of(i).right > D)
        return -1;
    for (int earlier = 0; earlier < i; ++earlier)
        if (Of(earlier).left == Of(i).left && Of(earlier).right == Of(i).right && Of(earlier).slot == Of(i).slot)
            return earlier;
    return -1;
}

// The values of the five shapes of the current candidate, in one arithmetic:
// float as the game, Fraction for the exact search.
template <typename Number>
class Values {
public:
    void Arrange(const std::array<std::int32_t, 4>& order)
    {
        for (std::size_t k = 0; k < 4; ++k)
            value_[k] = static_cast<Number>(order[k]);
    }

    // Sets the operator of `Slot` and computes what it completes.
    template <int Slot>
    void Choose(char op)
    {
        op_[Slot] = op;
        ComputeAt<Slot>(std::make_index_sequence<Operations>());
    }

    // The number (1..5) of the first shape whose value hits the Target, or 0.
    int FindShape() const { return FirstHit(std::make_index_sequence<5>()); }

    Number ShapeValue(int shape) const { return result_[(shape - 1) * 3 + 2]; }

private:
    template <int Slot, std::size_t... I>
    void ComputeAt(std::index_sequence<I...>)
    {
        (Compute<Slot, static_cast<int>(I)>(), ...);
    }

    template <int Slot, int I>
    void Compute()
    {
        if constexpr (SlotNeeded(I) == Slot) {
            if constexpr (SharedWith(I) >= 0)
                result_[I] = result_[SharedWith(I)];
            else
                result_[I] = Combine(OperandOf<I, Of(I).left>(), OperandOf<I, Of(I).right>(), op_[Of(I).slot]);
        }
    }

    template <int I, Operand X>
    Number OperandOf() const
    {
        if constexpr (X == First || X == Second)
            return result_[I - I % 3 + (X == First ? 0 : 1)];
        else
            return value_[X];
    }

    template <std::size_t... S>
    int FirstHit(std::index_sequence<S...>) const
    {
        int shape = 0;
        static_cast<void>(((HitsTarget(result_[S * 3 + 2]) && (shape = static_cast<int>(S) + 1) != 0) || ...));
        return shape;
    }

    Number value_[4];
    char op_[3];
    Number result_[Operations];
};


// The candidate being tried: order[k] is the value at position k of the
// expression, ops[0] stands between positions 0 and 1, and so on.
struct Candidate {
    std::array<std::int32_t, 4> order{};
    std::array<char, 3> ops{};
};

// Calls visit(candidate) once per candidate of the hand: the 24 arrangements in
// lexicographic order of the hand's indexes, and for each the 64 operator triples,
// the first operator slowest; each of `values` holds the candidate's five shapes
// when visit is called.
template <typename Visit, typename... Values>
void ForEachCandidate(const Hand& hand, Visit&& visit, Values&... values)
{
    constexpr char Codes[4] = {'+', '-', '*', '/'};
    Candidate candidate;
    std::array<bool, 4> used{};  // used[i]: hand[i] is placed in the arrangement
    auto arrange = [&](auto&& self, std::size_t k) -> void {
        if (k == 4) {
            (values.Arrange(candidate.order), ...);
            for (char p : Codes) {
                candidate.ops[0] = p;
                (values.template Choose<0>(p), ...);
                for (char q : Codes) {
                    candidate.ops[1] = q;
                    (values.template Choose<1>(q), ...);
                    for (char r : Codes) {
                        candidate.ops[2] = r;
                        (values.template Choose<2>(r), ...);
                        visit(static_cast<const Candidate&>(candidate));
                    }
                }
            }
            return;
        }
        for (std::size_t i = 0; i < 4; ++i)
            if (!used[i]) {
                candidate.order[k] = hand[i];
                used[i] = true;
                self(self, k + 1);
                used[i] = false;
            }
    };
    arrange(arrange, 0);
}

}  // namespace shapes

#include "checker/evaluate.h"

#include <cstddef>
#include <limits>

#include "common/arithmetic.h"

namespace {

int Priority(char c)
{
    switch (c) {
    case '(':
        return 3;
    case '*':
    case '/':
        return 2;
    case '+':
    case '-':
        return 1;
    case ')':
        return 0;
    case '#':
        return -1;
    case '$':
        return -2;
    default:
        return -3;
    }
}

constexpr float StoppedResult = std::numeric_limits<float>::quiet_NaN();

// priority(a) - priority(b). Characters outside the table (which validation never
// produces) rank -3, below "$": they never outrank anything and are reduced at
// once, which stops the evaluation.
int ComparePriority(char a, char b)
{
    return Priority(a) - Priority(b);
}

// The two stacks and two read positions of one evaluation. Every read and pop is
// checked; a failed one marks the evaluation as stopped.
class Evaluation {
public:
    Evaluation(const NumberSequence& numbers, const OperatorSequence& operators)
        : numbers_(numbers), operators_(operators), operatorEnd_(operators.size())
    {
        // The sequence ends at its first end marker: nothing after it is read.
        for (std::size_t i = 0; i < operators.size(); ++i) {
            if (operators[i] == '#') {
                operatorEnd_ = i + 1;
                break;
            }
        }
        values_.reserve(numbers.size());
        stack_.reserve(operatorEnd_ + 1);
    }

    float Run(bool& stopped);

private:
    bool HasNextOperator() const { return nextOperator_ < operatorEnd_; }
    char PeekOperator() const { return operators_[nextOperator_]; }

    // Pushes the next number; false when there is none.
    bool ShiftNumber()
    {
        if (nextNumber_ >= numbers_.size())
            return false;
        values_.push_back(numbers_[nextNumber_++]);
        return true;
    }

    // Pushes every "(" that comes next, then the next character; false when the
    // sequence ends first.
    bool ShiftOperators()
    {
        while (HasNextOperator() && PeekOperator() == '(')
            stack_.push_back(operators_[nextOperator_++]);
        if (!HasNextOperator())
            return false;
        stack_.push_back(operators_[nextOperator_++]);
        return true;
    }

    const NumberSequence& numbers_;
    const OperatorSequence& operators_;
    std::size_t operatorEnd_;
    std::size_t nextNumber_ = 0;
    std::size_t nextOperator_ = 0;
    std::vector<float> values_;
    std::vector<char> stack_;
};

float Evaluation::Run(bool& stopped)
{
    stopped = true;

    // 1. Numbers 0 and 1.
    if (!ShiftNumber() || !ShiftNumber())
        return StoppedResult;
    // 2. The bottom marker.
    stack_.push_back('$');
    // 3. and 4. The leading "(" and the first operator.
    if (!ShiftOperators())
        return StoppedResult;

    // 5. Compare, shift or reduce until "#" meets "$" (or shifts onto a "(").
    for (;;) {
        if (!HasNextOperator() || stack_.empty())
            return StoppedResult;
        const char c = PeekOperator();
        const char o = stack_.back();
        if (ComparePriority(c, o) > 0 || (o == '(' && c != ')')) {
            if (c == '#')
                break;
            if (!ShiftNumber() || !ShiftOperators())
                return StoppedResult;
        } else if (c == ')' && o == '(') {
            stack_.pop_back();
            ++nextOperator_;
        } else {
            if (values_.size() < 2 || !IsOperator(o))
                return StoppedResult;
            const float right = values_.back();
            values_.pop_back();
            const float left = values_.back();
            values_.pop_back();
            stack_.pop_back();
            if (o == '/' && right == 0.0f) {
                stopped = false;
                return AnswerDivisionByZeroResult;
            }
            values_.push_back(ApplyOperator(left, right, o));
        }
    }

    // 6. The value on top of the value stack (never empty: a reduction takes two
    // values and gives one back).
    if (values_.empty())
        return StoppedResult;
    stopped = false;
    return values_.back();
}

}  // namespace

float EvaluateAnswer(const NumberSequence& numbers, const OperatorSequence& operators,
                     bool* stopped)
{
    bool stoppedHere = true;
    Evaluation evaluation(numbers, operators);
    const float result = evaluation.Run(stoppedHere);
    if (stopped != nullptr)
        *stopped = stoppedHere;
    return result;
}

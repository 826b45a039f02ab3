// libFuzzer target for judging an answer. The input's first four bytes are a hand
// (each byte modulo 100), the rest is the answer text. Each input is judged against
// that hand and against the hand its own first numbers make, so that accepted texts
// are common; every check below aborts with the input described on stderr.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "checker/evaluate.h"
#include "checker/verdict.h"

namespace {

struct Case {
    Hand hand;
    const std::string& text;  // may hold zero bytes; only the part before the first counts
};

[[noreturn]] void Fail(const Case& c, const char* what, long long detail)
{
    std::fprintf(stderr, "broken: %s (%lld)\nhand %d %d %d %d\ntext <", what, detail, c.hand[0],
                 c.hand[1], c.hand[2], c.hand[3]);
    for (char ch : c.text) {
        const unsigned char byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte < 0x7F)
            std::fputc(byte, stderr);
        else
            std::fprintf(stderr, "\\x%02X", byte);
    }
    std::fprintf(stderr, ">\n");
    std::abort();
}

void Require(bool holds, const Case& c, const char* what, long long detail = 0)
{
    if (!holds)
        Fail(c, what, detail);
}

// The length validation looks at: up to the first zero byte, at most 29 bytes.
std::size_t SeenLength(const std::string& text)
{
    std::size_t length = 0;
    while (length < text.size() && length < static_cast<std::size_t>(MaxAnswerLength) && text[length] != '\0')
        ++length;
    return length;
}

// Exactly as many bytes on the heap as the copy needs, so that any read past its
// end is a heap overflow that AddressSanitizer reports.
template <typename T>
std::vector<T> Exact(const std::vector<T>& sequence)
{
    std::vector<T> copy;
    copy.reserve(sequence.size());
    copy.assign(sequence.begin(), sequence.end());
    return copy;
}

// A second evaluator for well-formed texts only: numbers and operators alternate
// (spaces apart), no number is 0, parentheses nest and each pair encloses an
// operator. Single precision, "*" "/" before "+" "-", equal levels from the left.
class Reference {
public:
    // False when the text is not well-formed.
    bool Evaluate(const char* text, std::size_t length, float& value)
    {
        if (!Tokenize(text, length))
            return false;
        Node node;
        if (!Sum(node) || next_ != tokens_.size())
            return false;
        value = divisionByZero_ ? AnswerDivisionByZeroResult : node.value;
        return true;
    }

private:
    struct Token {
        char kind;  // 'n' for a number, else the character
        float value;
    };

    struct Node {
        float value;
        bool hasOperator;
    };

    bool Tokenize(const char* text, std::size_t length)
    {
        std::size_t i = 0;
        while (i < length) {
            const char c = text[i];
            if (c >= '0' && c <= '9') {
                std::uint64_t number = 0;
                while (i < length && text[i] >= '0' && text[i] <= '9') {
                    number = std::min<std::uint64_t>(number * 10 + static_cast<std::uint64_t>(text[i] - '0'),
                                                     1000000000000ull);
                    ++i;
                }
                if (number == 0)
                    return false;
                tokens_.push_back({'n', static_cast<float>(number)});
                continue;
            }
            if (c != ' ') {
                if (c == '\0' || std::strchr("()+-*/", c) == nullptr)
                    return false;
                tokens_.push_back({c, 0.0f});
            }
            ++i;
        }
        return true;
    }

    bool At(char kind) const { return next_ < tokens_.size() && tokens_[next_].kind == kind; }

    float Apply(float left, float right, char op)
    {
        switch (op) {
        case '+':
            return left + right;
        case '-':
            return left - right;
        case '*':
            return left * right;
        default:
            if (right == 0.0f) {
                divisionByZero_ = true;
                return 0.0f;
            }
            return left / right;
        }
    }

    bool Sum(Node& node)
    {
        if (!Product(node))
            return false;
        while (At('+') || At('-')) {
            const char op = tokens_[next_++].kind;
            Node right;
            if (!Product(right))
                return false;
            node = {Apply(node.value, right.value, op), true};
        }
        return true;
    }

    bool Product(Node& node)
    {
        if (!Factor(node))
            return false;
        while (At('*') || At('/')) {
            const char op = tokens_[next_++].kind;
            Node right;
            if (!Factor(right))
                return false;
            node = {Apply(node.value, right.value, op), true};
        }
        return true;
    }

    bool Factor(Node& node)
    {
        if (At('n')) {
            node = {tokens_[next_++].value, false};
            return true;
        }
        if (!At('('))
            return false;
        ++next_;
        if (!Sum(node) || !node.hasOperator || !At(')'))
            return false;
        ++next_;
        return true;
    }

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    bool divisionByZero_ = false;
};

// The first four numbers of the text that could be card values (1..99), the
// rest of the hand kept: the hand a player would have had to type this text for.
Hand HandOfText(const std::string& text, Hand hand)
{
    const std::size_t length = SeenLength(text);
    std::size_t slot = 0;
    std::size_t i = 0;
    while (i < length && slot < 4) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        std::uint32_t number = 0;
        while (i < length && text[i] >= '0' && text[i] <= '9') {
            number = std::min<std::uint32_t>(number * 10u + static_cast<std::uint32_t>(text[i] - '0'), 1000u);
            ++i;
        }
        if (number >= 1 && number <= 99)
            hand[slot++] = static_cast<std::int32_t>(number);
    }
    return hand;
}

void CheckValidation(const Case& c, const char* text, std::size_t seen, CheckResult result,
                     const NumberSequence& numbers, const OperatorSequence& operators)
{
    Require(result >= 0 && result < 65536, c, "check result out of range", result);
    const int kind = CheckKind(result);
    const int position = CheckPosition(result);
    if (kind == BadCharacter) {
        const bool onlySpaces = std::strspn(text, " ") >= seen;
        if (onlySpaces)
            Require(static_cast<std::size_t>(position) == seen, c, "a text of spaces: fault not at its end",
                    position);
        else
            Require(static_cast<std::size_t>(position) < seen, c, "fault position outside the text", position);
        return;
    }
    Require(position == 0, c, "position given with a kind other than 1", result);
    Require(kind == Accepted || (kind >= WrongNumberCount && kind <= BadLastCharacter), c, "unknown kind", kind);
    if (kind != Accepted) {
        Require(operators.empty() || operators.back() != '#', c, "end marker after a fault");
        return;
    }
    Require(numbers.size() == 4, c, "accepted without four numbers", static_cast<long long>(numbers.size()));
    Require(!operators.empty() && operators.back() == '#', c, "accepted without the end marker");
    Require(std::memchr(operators.data(), '#', operators.size()) == &operators.back(), c,
            "end marker before the end");
    bool used[4] = {false, false, false, false};
    for (float number : numbers) {
        bool matched = false;
        for (std::size_t slot = 0; slot < 4 && !matched; ++slot)
            if (!used[slot] && static_cast<double>(number) == static_cast<double>(c.hand[slot]))
                used[slot] = matched = true;
        Require(matched, c, "accepted number is not a card of the hand", static_cast<long long>(number));
    }
}

void CheckEvaluation(const Case& c, const char* text, std::size_t seen, const NumberSequence& numbers,
                     const OperatorSequence& operators)
{
    const NumberSequence exactNumbers = Exact(numbers);
    const OperatorSequence exactOperators = Exact(operators);
    bool stopped = false;
    const float value = EvaluateAnswer(exactNumbers, exactOperators, &stopped);
    Require(exactNumbers == numbers && exactOperators == operators, c, "evaluation changed a sequence");
    if (stopped)
        Require(std::isnan(value), c, "stopped evaluation with a value");

    Reference reference;
    float expected = 0.0f;
    if (reference.Evaluate(text, seen, expected)) {
        Require(!stopped, c, "well-formed text stopped");
        if (std::memcmp(&expected, &value, sizeof value) != 0) {
            std::fprintf(stderr, "reference %.9g, evaluation %.9g\n", static_cast<double>(expected),
                         static_cast<double>(value));
            Fail(c, "evaluation differs from the reference", 0);
        }
    }
}

void CheckJudgement(const Case& c, CheckResult validated, const char* text)
{
    const JudgedAnswer judged = JudgeAnswer(text, c.hand);
    Require(judged.checkResult == validated, c, "judging validates differently", judged.checkResult);
    Require(std::memchr(judged.verdict.headline, '\0', sizeof judged.verdict.headline) != nullptr, c,
            "headline not terminated");
    Require(std::memchr(judged.verdict.detail, '\0', sizeof judged.verdict.detail) != nullptr, c,
            "detail not terminated");
    Require((judged.judgement == Judgement::Invalid) == (validated != Accepted), c, "invalid judgement mismatch");
    if (judged.evaluationStopped)
        Require(judged.judgement != Judgement::Right, c, "stopped evaluation judged right");
    if (judged.judgement == Judgement::Right)
        Require(HitsTarget(judged.value), c, "judged right off the target");
}

void CheckCase(const Case& c)
{
    // The text as the answer field hands it over, in a heap block of its exact size.
    const std::size_t length = std::strlen(c.text.c_str());
    const std::unique_ptr<char[]> text(new char[length + 1]);
    std::memcpy(text.get(), c.text.c_str(), length + 1);
    const std::size_t seen = SeenLength(c.text);

    NumberSequence numbers;
    OperatorSequence operators;
    const CheckResult result = ValidateAnswer(text.get(), numbers, operators, c.hand);
    CheckValidation(c, text.get(), seen, result, numbers, operators);
    if (result == Accepted)
        CheckEvaluation(c, text.get(), seen, numbers, operators);
    CheckJudgement(c, result, text.get());
}

// Sequences no validation makes, from the same bytes: the evaluation must still
// stay inside them and give NaN whenever it stops.
void CheckHostileSequences(const Case& c, std::uint8_t count)
{
    NumberSequence numbers;
    for (std::size_t i = 0; i < count % 6u; ++i)
        numbers.push_back(static_cast<float>(c.hand[i % 4]));
    OperatorSequence operators;
    for (char ch : c.text)
        operators.push_back("()+-*/#"[static_cast<unsigned char>(ch) % 7u]);
    const NumberSequence exactNumbers = Exact(numbers);
    const OperatorSequence exactOperators = Exact(operators);
    bool stopped = false;
    const float value = EvaluateAnswer(exactNumbers, exactOperators, &stopped);
    if (stopped)
        Require(std::isnan(value), c, "stopped evaluation with a value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    Hand hand;
    for (std::size_t i = 0; i < 4; ++i)
        hand[i] = static_cast<std::int32_t>(data[i] % 100u);
    const std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);

    CheckCase(Case{hand, text});
    const Hand typed = HandOfText(text, hand);
    if (typed != hand)
        CheckCase(Case{typed, text});
    CheckHostileSequences(Case{hand, text}, data[0]);
    return 0;
}

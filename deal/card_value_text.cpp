#include "deal/card_value_text.h"

#include "checker/characters.h"

bool IsCardValueText(const char* text)
{
    if (text[0] == '\0' || text[1] == '\0')
        return true;
    const signed char first = static_cast<signed char>(text[0]);
    const signed char second = static_cast<signed char>(text[1]);
    return first < '2' && second < '4';
}

bool ReadCardValue(const char* text, std::int32_t largest, std::int32_t& value)
{
    std::int32_t read = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (!IsDigit(*c))
            return false;
        read = read * 10 + (*c - '0');
        if (read > largest)
            return false;
    }
    if (text[0] == '\0')
        return false;
    value = read;
    return true;
}

bool IsWholeCardValueText(const char* text)
{
    std::int32_t value = 0;
    return ReadCardValue(text, 13, value);
}

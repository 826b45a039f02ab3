#include "deal/card_value_text.h"

bool IsCardValueText(const char* text)
{
    if (text[0] == '\0' || text[1] == '\0')
        return true;
    const signed char first = static_cast<signed char>(text[0]);
    const signed char second = static_cast<signed char>(text[1]);
    return first < '2' && second < '4';
}

bool IsWholeCardValueText(const char* text)
{
    int value = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return false;
        value = value * 10 + (*c - '0');
        if (value > 13)
            return false;
    }
    return text[0] != '\0';
}

#pragma once
// The card values a custom hand takes, as the rules of its fields' texts: the
// range test a field makes when it loses the focus, and the whole-text test the
// dialog makes on OK; and the reading of a card value that veltro-cli shares.

#include <cstdint>

// The field reads its text with GetWindowTextA into a 3-byte buffer, so only the
// first two characters count; this function looks at no more than those. A text
// whose length (so cut) is not 2 is accepted (the empty text and every single
// character, "0" included); a two-character text is accepted exactly when its
// first character is below "2" and its second below "4", compared as signed
// 8-bit codes. With digits: "00" to "03" and "10" to "13" pass, "04" to "09",
// "14" to "19" and "20" up are refused.
bool IsCardValueText(const char* text);

// Reads a text of digits only, for a value from 0 to `largest` ("013" is 13),
// into `value`; false, leaving `value` as it was, for any other text, the empty
// one included.
bool ReadCardValue(const char* text, std::int32_t largest, std::int32_t& value);

// What a field must hold for its value to go into the Hand on OK: its whole text,
// which a paste can make longer than two characters, is digits for 0..13.
bool IsWholeCardValueText(const char* text);

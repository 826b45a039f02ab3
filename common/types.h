#pragma once
// The few values every part of Veltro shares: the hand, the target and the
// tolerance within which a single-precision result counts as the target (the hit
// test is in common/arithmetic.h).

#include <array>
#include <cstdint>

// The four card values of a deal: index 0 top-left, 1 top-right, 2 bottom-left,
// 3 bottom-right. Dealing writes 1..13, the custom hand 0..13; veltro-cli takes
// any of 0..99.
using Hand = std::array<std::int32_t, 4>;

constexpr float Target = 24.0f;
constexpr double Tolerance = 0.000001;

#pragma once
// The few values every part of Veltro shares: the hand, the target and the
// tolerance within which a single-precision result counts as the target.

#include <array>
#include <cmath>
#include <cstdint>

// The four card values of a deal: index 0 top-left, 1 top-right, 2 bottom-left,
// 3 bottom-right. Dealing writes 1..13, the custom hand 0..13; veltro-cli takes
// any of 0..99.
using Hand = std::array<std::int32_t, 4>;

constexpr float Target = 24.0f;
constexpr double Tolerance = 0.000001;

// Single-precision neighbours of 24 lie 2^-19 away, so this holds only for 24.0f.
inline bool HitsTarget(float value)
{
    return std::fabs(static_cast<double>(value) - static_cast<double>(Target)) < Tolerance;
}

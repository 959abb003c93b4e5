#pragma once

#include <cstdint>

// Deterministic procedural noise for the artwork: the same picture on every build, with no
// clock or random device involved.

// A well-mixed 32-bit hash of integer coordinates and a seed.
std::uint32_t Hash(int x, int y, std::uint32_t seed);
// Hash as a value in [0, 1).
float HashUnit(int x, int y, std::uint32_t seed);
// Smoothly interpolated value noise in [0, 1) with features about one unit apart.
float ValueNoise(float x, float y, std::uint32_t seed);
// Sum of octaves of value noise, each twice as fine and half as strong; result in [0, 1).
float FractalNoise(float x, float y, int octaves, std::uint32_t seed);

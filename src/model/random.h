#pragma once
// The one source of chance: uniform draws in [0, 1) in single precision and a
// reseed from the clock. The game uses ClockRandom; tests inject their own.

#include <cstdint>
#include <random>
#include <vector>

namespace tessaline {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Reseed from the system clock, so that every fill differs.
    virtual void Reseed() = 0;
    // A uniform number in [0, 1), never 1.
    virtual float Next() = 0;
};

// A Mersenne Twister reseeded from the clock at every Reseed.
class ClockRandom final : public RandomSource {
  public:
    ClockRandom();
    void Reseed() override;
    float Next() override;

  private:
    std::mt19937 engine_;
};

// Deterministic: seeded once; Reseed keeps the sequence going, so successive
// fills differ but a whole run can be replayed from its seed.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    void Reseed() override {}
    float Next() override;

  private:
    std::mt19937 engine_;
};

// For tests: hands out the given draws in order, then starts again from the
// first. Without draws it draws from a fixed seed, so that a test that scripts
// nothing still deals a mixed board. Drawn counts the scripted draws only.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> draws = {}) : draws_(std::move(draws)) {}
    // Replaces the script; the next draw is its first.
    void Script(std::vector<float> draws) {
        draws_ = std::move(draws);
        drawn_ = 0;
    }
    void Reseed() override { ++reseeds_; }
    float Next() override;
    int Reseeds() const { return reseeds_; }
    std::size_t Drawn() const { return drawn_; }

  private:
    SeededRandom unscripted_{1};
    std::vector<float> draws_;
    std::size_t drawn_ = 0;
    int reseeds_ = 0;
};

} // namespace tessaline

#pragma once

namespace corvane {

// Where the dice get their randomness: a generator that can be reseeded and
// returns values uniformly spread over [0, 1). Tests script it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed(float seed) = 0;
    virtual float Next() = 0;
};

}  // namespace corvane

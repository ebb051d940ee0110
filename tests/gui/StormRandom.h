// The storm's random choices and texts: one seed gives the same sequence on every machine.
#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>

class StormRandom {
public:
    explicit StormRandom(std::uint64_t seed) : state_(seed) {}

    // 0 to n - 1, for n above 0.
    int below(int n);
    bool percent(int chance) { return below(100) < chance; }

    template <typename T> T pick(std::initializer_list<T> choices) {
        return choices.begin()[below(static_cast<int>(choices.size()))];
    }

    // What a user might type into a number box: numbers good and bad, blanks, signs, decimal
    // separators, letters, Persian and Arabic-Indic digits, format directives.
    QString text();
    // The same kinds of text run together to hundreds or thousands of characters.
    QString longText();

private:
    std::uint64_t next();
    QString number();
    QString piece();

    std::uint64_t state_;
};

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace euler {

inline constexpr std::u32string_view kLineBreak = U"\r\n";

// A text box keeps its lines apart with LF alone, while the program's texts
// end each line with CR LF: these turn one into the other.
std::u32string ShownLines(std::u32string_view programText);
std::u32string ProgramLines(std::u32string_view shownText);

// The prime list holds every prime below this bound, in ascending order. The
// table is worked out while compiling.
inline constexpr int kPrimeBound = 1000;

consteval bool IsPrime(int n) {
    if (n < 2) {
        return false;
    }
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            return false;
        }
    }
    return true;
}

consteval std::size_t CountPrimesBelow(int bound) {
    std::size_t count = 0;
    for (int n = 0; n < bound; ++n) {
        count += IsPrime(n) ? 1 : 0;
    }
    return count;
}

inline constexpr std::size_t kPrimeCount = CountPrimesBelow(kPrimeBound);

consteval std::array<std::int16_t, kPrimeCount> PrimesBelowBound() {
    std::array<std::int16_t, kPrimeCount> primes{};
    std::size_t next = 0;
    for (int n = 0; n < kPrimeBound; ++n) {
        if (IsPrime(n)) {
            primes[next++] = static_cast<std::int16_t>(n);
        }
    }
    return primes;
}

inline constexpr std::array<std::int16_t, kPrimeCount> kPrimes = PrimesBelowBound();

// The entries of the prime list: each prime in plain decimal digits.
std::vector<std::u32string> PrimeEntries();

// What the transcript box shows before the first check: eleven lines, the
// sixth of which lists the entries of the prime list.
std::u32string TaskText();

// The quotation kept in the hidden second text box.
std::u32string Quotation();

}  // namespace euler

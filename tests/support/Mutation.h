// Steps shared by the fixed-seed robustness runs that damage valid input before handing it to a
// parser: a small reproducible generator, bytes replaced by picks from an alphabet of the bytes
// the parser cares about, and a cut at a random length. Each run adds the edits of its own kind.
//
//   MutationRng next(777);
//   std::string m = seed;
//   ReplaceRandomBytes(m, 3, std::string_view(specials, sizeof specials), next);
//   CutAtRandomLength(m, next);
#pragma once

#include <string>
#include <string_view>

namespace orv::test {

// A linear congruential generator: the same stream on every platform and standard library.
class MutationRng {
public:
    explicit MutationRng(unsigned seed) : m_nState(seed) {}
    unsigned operator()() { return m_nState = m_nState * 1103515245u + 12345u; }

private:
    unsigned m_nState;
};

// count times: a byte at a random place becomes a random byte of alphabet (the place is drawn
// first). Nothing for an empty text or alphabet. next: any generator of unsigned numbers.
template <class Next>
void ReplaceRandomBytes(std::string& text, int count, std::string_view alphabet, Next& next)
{
    for (int k = 0; k < count && !text.empty() && !alphabet.empty(); ++k) {
        const std::size_t at = next() % text.size();
        text[at] = alphabet[next() % alphabet.size()];
    }
}

// Cuts text to a random length from 0 to its whole length.
template <class Next>
void CutAtRandomLength(std::string& text, Next& next)
{
    text.resize(next() % (text.size() + 1));
}

}  // namespace orv::test

#include "garden/windows/GardenText.h"

#include <cstdint>

const char* FormatThousands(i32 value)
{
    // "-2,147,483,648" and its NUL fit.
    static char s_Buffer[16];
    char digits[12];
    int n = 0;
    // In 64 bits, so the most negative value has a magnitude.
    std::int64_t rest = value < 0 ? -static_cast<std::int64_t>(value) : value;
    do {
        digits[n++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    int out = 0;
    if (value < 0) {
        s_Buffer[out++] = '-';
    }
    while (n > 0) {
        s_Buffer[out++] = digits[--n];
        if (n > 0 && n % 3 == 0) {
            s_Buffer[out++] = ',';
        }
    }
    s_Buffer[out] = '\0';
    return s_Buffer;
}

// A formatted text kept between frames and made again only when its key changes, so a steady
// frame formats (and allocates) nothing.
#pragma once

#include <cstdint>
#include <string>

class CCachedText {
public:
    // The text for key: when key differs from the last one (or nothing was made yet) make() is
    // called and its result (anything a std::string takes) kept; else the kept text, make not
    // called.
    template <class Make>
    const char* Get(std::uint64_t key, Make&& make)
    {
        if (!m_bValid || key != m_qKey) {
            m_strText = make();
            m_qKey = key;
            m_bValid = true;
        }
        return m_strText.c_str();
    }
    // The next Get makes the text again, whatever its key.
    void Invalidate() { m_bValid = false; }

private:
    std::string m_strText;
    std::uint64_t m_qKey = 0;
    bool m_bValid = false;
};

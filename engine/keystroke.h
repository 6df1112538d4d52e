#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace orrindel {

// Judges one typed character at a time: lets it through, changes it, or refuses it (0)
// with a beep. Mode 0: free text in upper case without quotes; 1: free text without
// quotes; 2: digits; 3: digits and ".". Editing codes 8, 9, 10 and 13 always pass.
class Keystroke
{
public:
    explicit Keystroke(std::function<void()> beep) : m_beep(std::move(beep)) {}

    std::int16_t Key(std::int32_t Mode, std::int16_t KeyAscii) const;

private:
    std::function<void()> m_beep;
};

} // namespace orrindel

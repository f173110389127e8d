// Feeds arbitrary text to the readers of the 24-bit and 28-bit coefficient words and of
// the QZX241X/QZX606X family's sign-filled words. A word that is accepted must come back as
// the same value when written and read again; a family word outside the word's range reads
// nothing, one inside it a value the writer can give.
#include "device/CoefficientWords.h"
#include "device/QZX2410_Manager.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{
void CheckRoundTrip(const std::string& text, bool (*read)(const std::string&, double*),
                    std::string (*write)(double, bool*))
{
    double value = 0.0;
    if (!read(text, &value))
        return;
    bool saturated = true;
    const std::string again = write(value, &saturated);
    double back = 0.0;
    if (saturated || !read(again, &back) || back != value)
        std::abort();
}
// A family word is taken only inside the range [-16, 16) and then written back to the
// same value, for forward and feedback names alike.
void CheckFamilyWord(const std::string& text)
{
    const bool inRange = CQZX2410_Manager::IsWordInRange(text);
    for (const char* name : {"B0", "A1"})
    {
        const double value = CQZX2410_Manager::HexToCoefficient(text, name);
        if (!inRange && value != 0.0)
            std::abort();
        if (!(value >= -16.0 && value <= 16.0))
            std::abort();
        bool saturated = true;
        std::string word = CQZX2410_Manager::CoefficientToHex(value, name, &saturated);
        std::erase(word, ' ');
        if (saturated || !CQZX2410_Manager::IsWordInRange(word) ||
            CQZX2410_Manager::HexToCoefficient(word, name) != value)
            std::abort();
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckRoundTrip(text, &Hex24ToCoefficient, &CoefficientToHex24);
    CheckRoundTrip(text, &Hex28ToCoefficient, &CoefficientToHex28);
    // A 24-bit word out of range is one the reader refuses.
    double value = 0.0;
    if (!IsHex24WordInRange(text) && Hex24ToCoefficient(text, &value))
        std::abort();
    CheckFamilyWord(text);
    return 0;
}

// The registry value reader against a registry that answers with arbitrary bytes, types and
// sizes: it never reads past its buffer (the address sanitizer watches), raises only for a
// value of no bytes or a number longer than 32 bits, and closes an opened key exactly once.
#include "fuzzcheck.h"
#include "platform/system/registry.h"

#include <algorithm>
#include <cstring>

using namespace orrindel::platform;

// Input: flags (bit 0: the key opens, bit 1: the value is there), type (4 bytes), the size
// reported (4), the value's bytes.
struct FakeRegistry : Registry
{
    std::span<const unsigned char> in;
    int closes = 0;

    std::optional<Key> openKey(std::uint32_t, const std::string &) override
    {
        return in[0] & 1 ? std::optional<Key>(7) : std::nullopt;
    }
    bool queryValue(Key, const std::string &, std::span<unsigned char> buffer, std::uint32_t &type,
                    std::uint32_t &reported) override
    {
        std::memcpy(&type, &in[1], 4), std::memcpy(&reported, &in[5], 4);
        std::copy_n(&in[9], std::min(in.size() - 9, buffer.size()), buffer.begin());
        return in[0] & 2;
    }
    void closeKey(Key key) override { closes += key == 7 ? 1 : 2; }
};

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size < 9)
        return 0;
    FakeRegistry registry;
    registry.in = {data, size};
    std::string keyVal = "before";
    bool read = false;
    const int error =
        errorOf([&] { read = readKeyValue(registry, HKeyLocalMachine, "", "", keyVal); });
    check(registry.closes == (data[0] & 1));
    check(error == 0 || error == orrindel::RuntimeError::InvalidProcedureCall ||
          error == orrindel::RuntimeError::Overflow);
    check(read || keyVal.empty() || error);
    return 0;
}

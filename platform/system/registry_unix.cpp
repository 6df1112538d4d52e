#include "registry.h"

namespace orrindel::platform {

namespace {

// No registry here: every key is missing, so whoever asks falls back to its own failure path.
class MissingRegistry final : public Registry
{
public:
    std::optional<Key> openKey(std::uint32_t, const std::string &) override { return std::nullopt; }
    bool queryValue(Key, const std::string &, std::span<unsigned char>, std::uint32_t &,
                    std::uint32_t &) override
    {
        return false;
    }
    void closeKey(Key) override {}
};

} // namespace

std::unique_ptr<Registry> makeSystemRegistry()
{
    return std::make_unique<MissingRegistry>();
}

} // namespace orrindel::platform

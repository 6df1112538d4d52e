#include "registry.h"

#include "engine/runtimeerror.h"

#include <array>

namespace orrindel::platform {

bool readKeyValue(Registry &registry, std::uint32_t keyRoot, const std::string &keyName,
                  const std::string &subKeyRef, std::string &keyVal)
{
    const std::optional<Registry::Key> opened = registry.openKey(keyRoot, keyName);
    if (!opened) {
        keyVal.clear();
        return false;
    }
    const OpenKey key(registry, *opened);

    std::array<unsigned char, RegistryBufferSize> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    if (!registry.queryValue(key.key(), subKeyRef, buffer, type, size) || size > buffer.size()) {
        keyVal.clear();
        return false;
    }

    // Some systems store a string's terminating zero and some do not.
    if (size == 0)
        throw RuntimeError::invalidProcedureCall();
    const std::size_t length = buffer[size - 1] == 0 ? size - 1 : size;

    switch (type) {
    case RegTypeString:
        keyVal.assign(reinterpret_cast<const char *>(buffer.data()), length);
        break;
    case RegTypeDword: {
        // Little-endian; a trimmed high zero byte does not change the number.
        if (length > sizeof(std::uint32_t))
            throw RuntimeError::overflow();
        std::uint32_t value = 0;
        for (std::size_t i = length; i-- > 0;)
            value = value << 8 | buffer[i];
        keyVal = std::to_string(value);
        break;
    }
    default:
        break;
    }
    return true;
}

} // namespace orrindel::platform

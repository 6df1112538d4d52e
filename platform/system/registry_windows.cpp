#include "registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace orrindel::platform {

namespace {

// Roots are 32-bit values that Windows sign-extends into a handle.
HKEY toHkey(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY toHkey(Registry::Key key)
{
    return reinterpret_cast<HKEY>(key);
}

// advapi32's ANSI entry points: names and string values in the system code page.
class WindowsRegistry final : public Registry
{
public:
    std::optional<Key> openKey(std::uint32_t root, const std::string &path) override
    {
        // Query access only: asking for more fails under HKEY_LOCAL_MACHINE for every
        // user without administrator rights.
        HKEY key = nullptr;
        if (RegOpenKeyExA(toHkey(root), path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return std::nullopt;
        return reinterpret_cast<Key>(key);
    }

    bool queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                    std::uint32_t &type, std::uint32_t &size) override
    {
        DWORD valueType = 0;
        DWORD valueSize = static_cast<DWORD>(buffer.size());
        if (RegQueryValueExA(toHkey(key), name.c_str(), nullptr, &valueType, buffer.data(),
                             &valueSize) != ERROR_SUCCESS)
            return false;
        type = valueType;
        size = valueSize;
        return true;
    }

    void closeKey(Key key) override { RegCloseKey(toHkey(key)); }
};

} // namespace

std::unique_ptr<Registry> makeSystemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

} // namespace orrindel::platform

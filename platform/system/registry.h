#pragma once

// The registry seam. Free of Qt so that the Windows backend and its tests build with a
// bare cross compiler and run under Wine.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace orrindel::platform {

// Predefined roots, as the 32-bit values the program passes around.
constexpr std::uint32_t HKeyLocalMachine = 0x80000002u;

// Value types the reader tells apart; every other type is read but not converted.
constexpr std::uint32_t RegTypeString = 1;
constexpr std::uint32_t RegTypeDword = 4;

// The reader's fixed buffer: a longer value counts as unreadable.
constexpr std::size_t RegistryBufferSize = 1024;

class Registry
{
public:
    using Key = std::uintptr_t;

    virtual ~Registry() = default;

    // Opens the key at path under root with read-only access; nullopt when it is missing
    // or cannot be opened.
    virtual std::optional<Key> openKey(std::uint32_t root, const std::string &path) = 0;

    // Copies the bytes of the named value into buffer and reports its type and the
    // number of bytes written. False when the value is missing or longer than buffer.
    virtual bool queryValue(Key key, const std::string &name, std::span<unsigned char> buffer,
                            std::uint32_t &type, std::uint32_t &size) = 0;

    // Closes a key returned by openKey; a failure is ignored.
    virtual void closeKey(Key key) = 0;
};

// An open key that is closed when it leaves scope, whichever way that happens.
class OpenKey
{
public:
    OpenKey(Registry &registry, Registry::Key key) : m_registry(registry), m_key(key) {}
    ~OpenKey() { m_registry.closeKey(m_key); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

    Registry::Key key() const { return m_key; }

private:
    Registry &m_registry;
    Registry::Key m_key;
};

// Reads one value: true when read. A string value replaces keyVal with its text (a
// terminating zero dropped), a 32-bit number replaces it with its decimal text, any other
// type leaves keyVal as it was. A missing key or value, or one longer than the buffer,
// empties keyVal and gives false. A value of zero bytes raises the invalid-procedure-call
// RuntimeError. Names and text are in the system's ANSI code page.
bool readKeyValue(Registry &registry, std::uint32_t keyRoot, const std::string &keyName,
                  const std::string &subKeyRef, std::string &keyVal);

// The registry of this operating system; where there is none, every key is missing.
std::unique_ptr<Registry> makeSystemRegistry();

} // namespace orrindel::platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system registry, read through three calls like the platform's own:
// open a key, query one value (its type and bytes), close the key. Texts are
// 8-bit. Linux has no registry: systemRegistry() finds nothing there.
#include <cstdint>
#include <string>

namespace registry {

using KeyHandle = std::uintptr_t;

inline constexpr std::uint32_t kLocalMachine = 0x80000002;  // HKEY_LOCAL_MACHINE
inline constexpr std::uint32_t kAllAccess = 0x2003F;  // read, query, set, create, enumerate, notify, link
inline constexpr std::uint32_t kTypeText = 1;  // REG_SZ
inline constexpr std::uint32_t kTypeNumber32 = 4;  // REG_DWORD

class Registry
{
public:
    virtual ~Registry() = default;
    // True when the key opened; `key` then holds its handle.
    virtual bool openKey(std::uint32_t root, const std::string &keyName, std::uint32_t access, KeyHandle &key)
        = 0;
    // Reads the value into `data` (room for `size` bytes). True on success, with
    // `type` and `size` (the number of bytes written) set. A value larger than
    // the room fails.
    virtual bool queryValue(KeyHandle key, const std::string &valueName, std::uint32_t &type,
                            unsigned char *data, std::uint32_t &size)
        = 0;
    virtual void closeKey(KeyHandle key) = 0;
};

// The registry of this system.
Registry &systemRegistry();

// Reads one value below `keyRoot`. Text values become the text (one final zero
// character dropped when present), 32-bit numbers "&h" and upper-case hex
// digits; any other type leaves `keyVal` as it was. Any failure gives false
// and an empty `keyVal`.
bool GetKeyValue(Registry &reg, std::uint32_t keyRoot, const std::string &keyName,
                 const std::string &subKeyRef, std::string &keyVal);

}  // namespace registry

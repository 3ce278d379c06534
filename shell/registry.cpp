// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/registry.h"

#include <array>
#include <cstdio>

namespace registry {

namespace {

// There is no system registry on this platform: no key ever opens.
class NoRegistry final : public Registry
{
public:
    bool openKey(std::uint32_t, const std::string &, std::uint32_t, KeyHandle &) override { return false; }
    bool queryValue(KeyHandle, const std::string &, std::uint32_t &, unsigned char *,
                    std::uint32_t &) override
    {
        return false;
    }
    void closeKey(KeyHandle) override { }
};

std::string hexNumber(std::uint32_t n)
{
    char digits[9];
    std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(n));
    return std::string("&h") + digits;
}

}  // namespace

Registry &systemRegistry()
{
    static NoRegistry none;
    return none;
}

bool GetKeyValue(Registry &reg, std::uint32_t keyRoot, const std::string &keyName,
                 const std::string &subKeyRef, std::string &keyVal)
{
    KeyHandle key = 0;
    if (!reg.openKey(keyRoot, keyName, kAllAccess, key)) {
        keyVal.clear();
        return false;
    }

    constexpr std::uint32_t kBufferChars = 1024;
    std::array<unsigned char, kBufferChars> buffer{};
    std::uint32_t size = kBufferChars;
    std::uint32_t type = 0;
    // A value of no bytes has no last character to look at: a failure too.
    if (!reg.queryValue(key, subKeyRef, type, buffer.data(), size) || size == 0 || size > kBufferChars) {
        keyVal.clear();
        reg.closeKey(key);
        return false;
    }

    // One final zero character is the terminator, not part of the value.
    const std::uint32_t kept = buffer[size - 1] == 0 ? size - 1 : size;
    const std::string text(reinterpret_cast<const char *>(buffer.data()), kept);

    if (type == kTypeText) {
        keyVal = text;
    } else if (type == kTypeNumber32) {
        // Stored least significant byte first.
        const std::uint32_t n = std::uint32_t(buffer[0]) | std::uint32_t(buffer[1]) << 8
            | std::uint32_t(buffer[2]) << 16 | std::uint32_t(buffer[3]) << 24;
        keyVal = hexNumber(n);
    }
    reg.closeKey(key);
    return true;
}

}  // namespace registry

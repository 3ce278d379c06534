// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A registry held in memory, counting what is opened and closed.
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "shell/registry.h"

class FakeRegistry final : public registry::Registry
{
public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
    };

    void set(const std::string &key, const std::string &name, std::uint32_t type, std::string bytes)
    {
        keys[key][name] = Value{type, std::move(bytes)};
    }

    bool openKey(std::uint32_t root, const std::string &keyName, std::uint32_t access,
                 registry::KeyHandle &key) override
    {
        lastRoot = root;
        lastAccess = access;
        auto found = keys.find(keyName);
        if (found == keys.end())
            return false;
        ++openKeys;
        key = reinterpret_cast<registry::KeyHandle>(&found->second);
        return true;
    }

    bool queryValue(registry::KeyHandle key, const std::string &valueName, std::uint32_t &type,
                    unsigned char *data, std::uint32_t &size) override
    {
        auto &values = *reinterpret_cast<std::map<std::string, Value> *>(key);
        auto found = values.find(valueName);
        if (found == values.end() || found->second.bytes.size() > size)
            return false;
        type = found->second.type;
        size = std::uint32_t(found->second.bytes.size());
        std::memcpy(data, found->second.bytes.data(), size);
        return true;
    }

    void closeKey(registry::KeyHandle) override { --openKeys; }

    std::map<std::string, std::map<std::string, Value>> keys;
    int openKeys = 0;
    std::uint32_t lastRoot = 0, lastAccess = 0;
};

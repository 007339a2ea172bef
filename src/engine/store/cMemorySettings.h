// A settings store held in memory: the headless tool's and the tests'. It starts empty,
// so every key reads its default, and never touches the player's real settings.
#pragma once

#include "Platform.h"

#include <functional>
#include <map>
#include <string>

namespace tabloo {

class cMemorySettings : public ISettingsBackend {
public:
    bool Read(std::string_view app, std::string_view section, std::string_view key, std::string &value) const override {
        auto a = Store.find(app);
        if (a == Store.end())
            return false;
        auto s = a->second.find(section);
        if (s == a->second.end())
            return false;
        auto k = s->second.find(key);
        if (k == s->second.end())
            return false;
        value = k->second;
        return true;
    }
    void Write(std::string_view app, std::string_view section, std::string_view key, std::string_view value) override {
        Store[std::string(app)][std::string(section)][std::string(key)] = std::string(value);
        ++Writes;
        Changed();
    }
    void RemoveSection(std::string_view app, std::string_view section) override {
        auto a = Store.find(app);
        if (a != Store.end()) {
            auto s = a->second.find(section);
            if (s != a->second.end())
                a->second.erase(s);
        }
        Changed();
    }
    void BeginUpdate() override { ++Depth; }
    void EndUpdate() override {
        if (Depth > 0 && --Depth == 0 && Dirty) {
            Dirty = false;
            ++Replacements;
        }
    }
    // How many writes reached the store, and in how many replacements a file would have
    // taken them: one per update, one per write outside an update (for tests).
    long Writes = 0;
    long Replacements = 0;

private:
    void Changed() {
        if (Depth > 0)
            Dirty = true;
        else
            ++Replacements;
    }
    int Depth = 0;
    bool Dirty = false;
    using Keys = std::map<std::string, std::string, std::less<>>;
    using Sections = std::map<std::string, Keys, std::less<>>;
    std::map<std::string, Sections, std::less<>> Store;
};

} // namespace tabloo

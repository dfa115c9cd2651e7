// A language library made of a map, for tests of text replacement without "Lang.dll".
#pragma once

#include <map>
#include <memory>
#include <string>

#include "clock/common/language.h"

namespace vistrel::test {

class FakeStringSource : public StringSource {
public:
    explicit FakeStringSource(std::map<int, std::string> texts) : texts_(std::move(texts)) {}
    std::string Text(int number) const override {
        const auto found = texts_.find(number);
        return found == texts_.end() ? std::string() : found->second;
    }

private:
    std::map<int, std::string> texts_;
};

// Puts a fake library (or none, with an empty map and present == false) in place of "Lang.dll"
// for one scope.
class ScopedLanguageLibrary {
public:
    explicit ScopedLanguageLibrary(std::map<int, std::string> texts, bool present = true) {
        SetLanguageLibraryForTests([texts, present]() -> std::unique_ptr<StringSource> {
            if (!present) return nullptr;
            return std::make_unique<FakeStringSource>(texts);
        });
    }
    ~ScopedLanguageLibrary() { SetLanguageLibraryForTests({}); }
    ScopedLanguageLibrary(const ScopedLanguageLibrary&) = delete;
    ScopedLanguageLibrary& operator=(const ScopedLanguageLibrary&) = delete;
};

} // namespace vistrel::test

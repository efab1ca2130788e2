// SPDX-License-Identifier: MIT
#include "Catalog.h"

#include <cstdint>
#include <cstring>

namespace hueloupe::cli {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;  // in the byte order of the machine that wrote it

void addLanguage(std::vector<std::string>& languages, std::string_view entry) {
    entry = entry.substr(0, entry.find_first_of(".@"));
    if (!entry.empty()) {
        languages.emplace_back(entry);
    }
    if (const std::size_t underscore = entry.find('_'); underscore != std::string_view::npos) {
        languages.emplace_back(entry.substr(0, underscore));
    }
}

}  // namespace

std::vector<std::string> preferredLanguages(
    const std::function<const char*(const char*)>& getenv) {
    std::vector<std::string> entries;
    const char* languageList = getenv("LANGUAGE");
    for (std::string_view list = languageList ? languageList : ""; !list.empty();) {
        const std::size_t colon = std::min(list.find(':'), list.size());
        entries.emplace_back(list.substr(0, colon));
        list.remove_prefix(std::min(colon + 1, list.size()));
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = getenv(variable); value && *value) {
            entries.emplace_back(value);
            break;
        }
    }
    std::vector<std::string> languages;
    for (const std::string& entry : entries) {
        const std::string_view name = std::string_view(entry).substr(0, entry.find_first_of(".@"));
        if (name == "C" || name == "POSIX") {
            break;
        }
        addLanguage(languages, entry);
    }
    return languages;
}

Catalog Catalog::forEnvironment(const std::function<const char*(const char*)>& getenv) {
    for (const std::string& language : preferredLanguages(getenv)) {
        for (const EmbeddedCatalog& catalog : embeddedCatalogs()) {
            if (catalog.language == language) {
                return Catalog(catalog.mo);
            }
        }
    }
    return {};
}

std::string_view Catalog::translate(std::string_view message) const {
    const auto word = [this](std::size_t at, std::uint32_t& value) {
        if (at > mo_.size() || mo_.size() - at < 4) {
            return false;
        }
        std::memcpy(&value, mo_.data() + at, 4);
        return true;
    };
    // The text a (length, offset) pair at `at` names, if it lies inside the catalogue.
    const auto text = [&](std::size_t at, std::string_view& out) {
        std::uint32_t length = 0, offset = 0;
        if (!word(at, length) || !word(at + 4, offset) || offset > mo_.size() ||
            mo_.size() - offset < length) {
            return false;
        }
        out = {reinterpret_cast<const char*>(mo_.data()) + offset, length};
        return true;
    };
    std::uint32_t magic = 0, count = 0, originals = 0, translations = 0;
    if (!word(0, magic) || magic != kMagic || !word(8, count) || !word(12, originals) ||
        !word(16, translations)) {
        return message;
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view original, translation;
        if (!text(originals + 8 * i, original)) {
            break;
        }
        if (original == message) {
            return text(translations + 8 * i, translation) && !translation.empty() ? translation
                                                                                    : message;
        }
    }
    return message;
}

}  // namespace hueloupe::cli

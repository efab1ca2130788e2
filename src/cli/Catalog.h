// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Marks a message for xgettext; Catalog::translate looks it up at run time.
#define N_(message) message

namespace hueloupe::cli {

// A compiled message catalogue, as msgfmt writes it (.mo), built into the program so that
// it needs neither installed catalogues nor an installed locale.
class Catalog {
public:
    Catalog() = default;  // no translations: every message as written
    explicit Catalog(std::span<const unsigned char> mo) : mo_(mo) {}

    // The catalogue of the first of the user's languages the program has one for.
    static Catalog forEnvironment(const std::function<const char*(const char*)>& getenv);

    // The translation of message, or message itself when there is none.
    std::string_view translate(std::string_view message) const;

private:
    std::span<const unsigned char> mo_;
};

// The user's languages, most wanted first, as Qt reads them: each entry of LANGUAGE,
// then the first set of LC_ALL, LC_MESSAGES and LANG; each as ll_CC and then ll, without
// codeset or modifier. A "C" or "POSIX" entry ends the list (messages as written).
std::vector<std::string> preferredLanguages(const std::function<const char*(const char*)>& getenv);

struct EmbeddedCatalog {
    std::string_view language;  // as in po/LINGUAS: de, pt_BR, ...
    std::span<const unsigned char> mo;
};
// Generated at build time from po/*.po.
std::span<const EmbeddedCatalog> embeddedCatalogs();

}  // namespace hueloupe::cli

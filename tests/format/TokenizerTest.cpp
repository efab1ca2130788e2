// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "Tokenizer.h"
#include "Utf8.h"

namespace hueloupe {
namespace {

// Tokens as text: literals quoted, components as in the template language with the precision
// after a point wherever it is not 0.
std::string describe(const TokenList& tokens) {
    std::string out;
    for (const ColorToken& token : tokens) {
        if (const auto* literal = std::get_if<LiteralToken>(&token)) {
            out += "'" + literal->text + "'";
            continue;
        }
        const auto& c = std::get<ComponentToken>(token);
        const std::string letter(
            1, (c.uppercase ? "RGBHSLA" : "rgbhsla")[static_cast<int>(c.component)]);
        const std::string styles[] = {letter, "x", "", "", "%"};  // in ColorOutputStyle's order
        const bool precise = c.style == ColorOutputStyle::decimal || c.precision != 0;
        out += "{" + letter + styles[static_cast<int>(c.style)] +
               (precise ? "." + std::to_string(c.precision) : "") + "}";
    }
    return out;
}

// Whatever forms no reference is literal text, in as few literals as the states allow.
TEST(Tokenize, ReadsReferencesThroughItsStates) {
    const std::pair<std::string, std::string> cases[] = {
        // Text, and what starts a reference from it.
        {"", ""},
        {"ab{r}cd", "'ab'{r}'cd'"},
        {"hsl({h}, {s}%, {l}%)", "'hsl('{h}', '{s%}'%, '{l%}'%)'"},
        {"ab{", "'ab''{'"},
        {"{q} {r}{q} {r", "'{q} '{r}'{q} ''{r'"},  // an abandoned reference is not merged
        // Escape: a backslash escapes "{" and itself; before anything else it stays.
        {"\\{r}", "'{r}'"},
        {"\\\\{r}", "'\\'{r}"},
        {"\\\\\\{r}", "'\\{r}'"},
        {"\\a{r}", "'\\a'{r}"},
        {"{r\\{g}", "'{r\\'{g}"},
        // The letter table; after the letter: a second letter, x, %, a point or the brace.
        {"{r}{g}{b}{h}{s}{l}{a}", "{r}{g}{b}{h}{s%}{l%}{a.2}"},
        {"{R}{G}{B}{H}{S}{L}{A}", "{R}{G}{B}{H}{S%}{L%}{A.2}"},
        {"#{RR}{gg}{bx}{Gx}", "'#'{RR}{gg}{bx}{Gx}"},
        {"{r%}{a%}{s%}", "{r%}{a%.2}{s%}"},
        // Precision digits: leading zeros are free; too large a value saturates.
        {"{r.}{a.}{h.}{r.2}{r.0}{r.007}", "{r.4}{a.4}{h.4}{r.2}{r.0}{r.7}"},
        {"{r.0000000000000000000000000000012}", "{r.12}"},
        {"{r.9223372036854775807}{r.9223372036854775808}{g.123456789012345678901234567890}",
         "{r.9223372036854775807}{r.9223372036854775807}{g.9223372036854775807}"},
        {"x{r.12", "'x''{r.12'"},
        // Characters are grapheme clusters: only a bare "{" or letter counts.
        {"\\\u0301{r}", "'\\\u0301'{r}"},  // COMBINING ACUTE ACCENT
        {"\U0001F44D\U0001F3FD{g}", "'\U0001F44D\U0001F3FD'{g}"},
        {"\r\n{r}\r\n", "'\r\n'{r}'\r\n'"},
        // Each invalid byte reads as U+FFFD (more in Utf8Policy), inside references too.
        {"{r\xFF}", "'{r\uFFFD}'"},
        {"a\x80\u0301", "'a\uFFFD\u0301'"},
        {"\\\xFF{r}", "'\\\uFFFD'{r}"}};
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(describe(tokenize(input)), expected) << testing::PrintToString(input);
    }
}

TEST(Tokenize, AbandonedReferencesStayWholeAsOneLiteral) {
    const std::string inputs[] = {
        "abc",       "a}b",       "\\x",       "\\}",         "a\\",        "{}",
        "{q}",       "{{r}",      "{rR}",      "{rX}",        "{hh}",       "{hx}",
        "{ax}",      "{r-}",      "{r{g}",     "{r",          "{r.2x}",     "{r..}",
        "{r.",       "{rr%}",     "{r%x}",     "{rrr}",       "{gg",        "{rr{r}",
        "{\u0301r}", "{r\u0301}", "{r}\u0301", "{r.1\u0301}", "{rx\u0301}", "{\u200Dr}",
        "\u0600{r}", "{r\r\n}"};
    for (const std::string& input : inputs) {
        EXPECT_EQ(describe(tokenize(input)), "'" + input + "'") << testing::PrintToString(input);
    }
}

// Plain ASCII is passed over eight bytes at a time: what ends a run must be found at any
// offset, including an ASCII letter that a combining mark joins.
TEST(Tokenize, FindsWhatEndsAPlainRunAtAnyOffset) {
    for (std::size_t k = 1; k < 20; ++k) {
        const std::string run(k, 'x');
        EXPECT_EQ(describe(tokenize(run + "{r}" + run + "\\{" + run + "e\u0301" + run + "\xFF")),
                  "'" + run + "'{r}'" + run + "{" + run + "e\u0301" + run + "\uFFFD'");
    }
}

// One reading of invalid UTF-8 for colour text and format strings alike: each byte where no
// valid sequence starts is one U+FFFD, whether the text is lower-cased or tokenized.
TEST(Utf8Policy, LowerCasingAndTokenizingReplaceTheSameBytes) {
    const std::pair<std::string, std::string> cases[] = {
        {"\xE2\x82", "\uFFFD\uFFFD"},  // a truncated sequence
        {"\xF0\x9F\x91!", "\uFFFD\uFFFD\uFFFD!"},
        {"\xC0\xAF", "\uFFFD\uFFFD"},                      // an overlong form
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},            // a surrogate
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
        {"\x80\xC3\xC3\xA9\xFF", "\uFFFD\uFFFD\u00E9\uFFFD"}};
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(toLowerUtf8(input), expected) << testing::PrintToString(input);
        EXPECT_EQ(describe(tokenize(input)), "'" + expected + "'") << testing::PrintToString(input);
    }
}

}  // namespace
}  // namespace hueloupe

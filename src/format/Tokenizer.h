// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "ColorToken.h"

namespace hueloupe {

// Splits a format string into tokens, one extended grapheme cluster at a time.
// Never fails: whatever forms no reference is literal text. Invalid UTF-8 is read as U+FFFD.
// A precision whose value does not fit int64 saturates at INT64_MAX (rendering caps it
// further); leading zeros never count against it.
TokenList tokenize(std::string_view formatString);

}  // namespace hueloupe

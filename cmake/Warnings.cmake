# SPDX-License-Identifier: MIT
# Every target of ours builds with these; third-party headers come in as system includes.
# Warnings stop the build only where a preset asks for it (CMAKE_COMPILE_WARNING_AS_ERROR in
# dev and asan), so a packager's build with another compiler never fails on a new warning.
add_compile_options(-Wall -Wextra -Wpedantic)
# Colour arithmetic is exact to the last bit: no fused multiply-add contractions anywhere.
add_compile_options(-ffp-contract=off)

# Every target of ours builds with these; third-party headers come in as system includes.
add_compile_options(-Wall -Wextra -Wpedantic -Werror)
# Colour arithmetic is exact to the last bit: no fused multiply-add contractions anywhere.
add_compile_options(-ffp-contract=off)

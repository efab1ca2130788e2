# Every target of ours builds with these; third-party headers come in as system includes.
add_compile_options(-Wall -Wextra -Wpedantic -Werror)

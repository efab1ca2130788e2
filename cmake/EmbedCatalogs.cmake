# SPDX-License-Identifier: MIT
# cmake -DOUTPUT=file.cpp -DDIRECTORY=dir -DLANGUAGES="de;fr" -P EmbedCatalogs.cmake
# Writes the compiled catalogues DIRECTORY/LANG.mo into a C++ source as byte arrays, with
# hueloupe::cli::embeddedCatalogs() listing them.
set(text "// Generated from po/*.po by cmake/EmbedCatalogs.cmake.\n#include \"Catalog.h\"\n\n")
string(APPEND text "namespace hueloupe::cli {\nnamespace {\n\n")
set(list "")
foreach(language IN LISTS LANGUAGES)
    file(READ ${DIRECTORY}/${language}.mo hex HEX)
    string(REGEX REPLACE "(..)" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
    string(APPEND text "constexpr unsigned char k_${language}[] = {\n${bytes}};\n\n")
    string(APPEND list "    {\"${language}\", k_${language}},\n")
endforeach()
string(APPEND text "constexpr EmbeddedCatalog kCatalogs[] = {\n${list}};\n\n}  // namespace\n\n")
string(APPEND text
       "std::span<const EmbeddedCatalog> embeddedCatalogs() {\n    return kCatalogs;\n}\n\n")
string(APPEND text "}  // namespace hueloupe::cli\n")
file(WRITE ${OUTPUT}.new "${text}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)

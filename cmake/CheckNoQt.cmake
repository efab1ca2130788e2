# SPDX-License-Identifier: MIT
# Fails when a file of the colour core includes a Qt header.
file(GLOB_RECURSE core_files ${ROOT}/colour/* ${ROOT}/format/*)
set(offenders "")
foreach(path IN LISTS core_files)
    file(STRINGS ${path} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    if(lines)
        list(APPEND offenders "${path}: ${lines}")
    endif()
endforeach()
if(offenders)
    message(FATAL_ERROR "Qt included in the colour core:\n${offenders}")
endif()

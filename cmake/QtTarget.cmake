# SPDX-License-Identifier: MIT
# Qt's code generators (moc, uic, rcc) run only for the targets that use Qt.
function(hueloupe_qt_target target)
    set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
endfunction()

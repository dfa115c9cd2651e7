# The resource compiler cannot read C++: the control numbers of a C++ header
# ("inline constexpr int name = 2005, other = 2006;") are written out as #defines for the
# templates, at configure time, and the configuration runs again whenever the header changes.
function(vistrel_control_ids_rh header output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
    file(READ ${header} text)
    string(REGEX MATCHALL "[A-Za-z_][A-Za-z_0-9]* = [0-9]+" pairs "${text}")
    set(lines "// Written by cmake/control_ids_rh.cmake from ${header}; do not edit.\n")
    foreach(pair ${pairs})
        string(REGEX REPLACE "^([A-Za-z_0-9]+) = ([0-9]+)$" "#define \\1 \\2\n" line "${pair}")
        string(APPEND lines "${line}")
    endforeach()
    file(WRITE ${output}.new "${lines}")
    file(COPY_FILE ${output}.new ${output} ONLY_IF_DIFFERENT)
endfunction()

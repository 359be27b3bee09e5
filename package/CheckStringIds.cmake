# Checks that the GPD files and TR-417V.rc agree: every value macro that TR-417V.gpd uses is defined in
# it or in STDNAMES.GPD, and every string ID so defined has a string in TR-417V.rc. A mismatch would
# only show on Windows, as a missing name in the printer's settings.
#
#   cmake -DSOURCE_DIR=<package folder> -DSTAMP=<file written on success> -P CheckStringIds.cmake
cmake_minimum_required(VERSION 3.20)

foreach(file TR-417V.gpd STDNAMES.GPD TR-417V.rc)
    if(NOT EXISTS "${SOURCE_DIR}/${file}")
        message(FATAL_ERROR "${file} is missing from ${SOURCE_DIR}")
    endif()
endforeach()

# Macro definitions are the lines "NAME: <number>" inside *Macros blocks; GPD entries start with '*'.
set(defined "")
foreach(gpd STDNAMES.GPD TR-417V.gpd)
    file(STRINGS "${SOURCE_DIR}/${gpd}" lines REGEX "^[ \t]*[A-Za-z_][A-Za-z0-9_]*:[ \t]*[0-9]+[ \t]*$")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "([A-Za-z_][A-Za-z0-9_]*):[ \t]*([0-9]+)" _ "${line}")
        list(APPEND defined "${CMAKE_MATCH_1}")
        set(id_of_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    endforeach()
endforeach()

# String IDs in the STRINGTABLE: lines that start with a number and a quoted string.
file(STRINGS "${SOURCE_DIR}/TR-417V.rc" rc_lines REGEX "^[ \t]*[0-9]+[ \t]+\"")
set(string_ids "")
foreach(line IN LISTS rc_lines)
    string(REGEX MATCH "^[ \t]*([0-9]+)" _ "${line}")
    list(APPEND string_ids "${CMAKE_MATCH_1}")
endforeach()

file(READ "${SOURCE_DIR}/TR-417V.gpd" model)
string(REGEX MATCHALL "=[A-Za-z_][A-Za-z0-9_]*" references "${model}")
if(NOT references)
    message(FATAL_ERROR "TR-417V.gpd refers to no display name macro")
endif()

set(errors "")
foreach(reference IN LISTS references)
    string(SUBSTRING "${reference}" 1 -1 name)
    if(NOT name IN_LIST defined)
        string(APPEND errors "\n  TR-417V.gpd uses =${name}, which no GPD file defines")
    endif()
endforeach()
foreach(name IN LISTS defined)
    if(NOT id_of_${name} IN_LIST string_ids)
        string(APPEND errors "\n  ${name} is string ${id_of_${name}}, which TR-417V.rc does not have")
    endif()
endforeach()
if(errors)
    message(FATAL_ERROR "The GPD files and TR-417V.rc disagree:${errors}")
endif()

file(WRITE "${STAMP}" "")

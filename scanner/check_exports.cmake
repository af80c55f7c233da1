# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that liblexscan.so exports MYFUNC alone and needs nothing but the C and C++ runtimes.
#   cmake -DLIBRARY=<path> -DNM=<nm> -DREADELF=<readelf> -P check_exports.cmake
cmake_policy(SET CMP0007 NEW)
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX REPLACE "[^\n]* ([^ \n]+)(\n|$)" "\\1;" names "${symbols}")
list(REMOVE_ITEM names "")
if(NOT names STREQUAL "MYFUNC")
    message(FATAL_ERROR "expected MYFUNC alone, found: ${names}")
endif()

execute_process(COMMAND ${READELF} -d ${LIBRARY} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "readelf failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
foreach(entry IN LISTS needed)
    if(NOT entry MATCHES "\\[(libstdc\\+\\+|libm|libgcc_s|libc)\\.so")
        message(FATAL_ERROR "unexpected dependency ${entry}")
    endif()
endforeach()
message(STATUS "exports: ${names}; needs: ${needed}")

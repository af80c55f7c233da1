# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings every target of the project builds with; CI turns them into errors.
option(VOCABRIX_WERROR "Treat warnings as errors" OFF)

function(vocabrix_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(VOCABRIX_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

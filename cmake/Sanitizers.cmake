# SPDX-License-Identifier: GPL-3.0-or-later
# An AddressSanitizer + UndefinedBehaviorSanitizer build of everything, tests included.
option(VOCABRIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(VOCABRIX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

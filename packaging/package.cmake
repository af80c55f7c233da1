# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built with `cpack -G DEB` in the build folder: vocabrix_<version>_<arch>.deb.
set(VOCABRIX_MAINTAINER "Vocabrix developers <maintainers@vocabrix.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(VOCABRIX_HOMEPAGE "https://vocabrix.org/" CACHE STRING "Homepage field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vocabrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VOCABRIX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "look words up in two-language word lists")
set(CPACK_PACKAGE_DESCRIPTION
    "Vocabrix is a desktop program that looks words up in two-language
dictionaries kept as plain text files. Type a word and press Enter: Vocabrix
shows its translation, the headwords that begin like it, the headwords that
contain it and the history of your queries. The interface is in English and
Italian.

The package includes Italian-English and English-Italian sample dictionaries
made from FreeDict, and dictconv, which converts any dictd dictionary into
Vocabrix's format.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VOCABRIX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)

# The Debian changelog's top entry names the version of project():
#   cmake -DVERSION=<version> -DCHANGELOG=<packaging/debian/changelog> -P check-changelog.cmake
file(STRINGS "${CHANGELOG}" top LIMIT_COUNT 1)
if(NOT top MATCHES "^karvela \\(([^)-]+)(-[^)]*)?\\) ")
    message(FATAL_ERROR "the changelog does not start with an entry of karvela: ${top}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "the changelog's top entry is ${CMAKE_MATCH_1}, but project() says ${VERSION}: "
                        "add an entry for ${VERSION} to packaging/debian/changelog")
endif()

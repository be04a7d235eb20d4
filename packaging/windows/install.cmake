# The folder a Windows user gets, laid out by cmake --install: karvela.exe and its icon,
# the DLLs that it and Qt's platform plugin import (found by CMake, Windows' own left
# out), the plugin, Qt's Turkish texts and the licences. CPack zips the folder; the
# setup program is made from it by our own karvela.nsi (it says why not by CPack's).

install(TARGETS karvela RUNTIME DESTINATION .)
install(FILES ${KARVELA_ICON_DIR}/karvela.ico DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
find_file(KARVELA_QT_TURKISH qtbase_tr.qm PATHS /usr/share/qt6/translations REQUIRED NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
install(FILES ${KARVELA_QT_TURKISH} DESTINATION translations)

# The licences, with Windows line ends so that Notepad shows them.
foreach(pair "${PROJECT_SOURCE_DIR}/LICENSE|LICENSE.txt" "/usr/share/common-licenses/LGPL-3|Qt-LGPL-3.txt"
             "${PROJECT_SOURCE_DIR}/packaging/windows/qt-notice.txt|Qt-NOTICE.txt"
             "/usr/share/common-licenses/LGPL-2|libnova-LGPL-2.txt"
             "${PROJECT_SOURCE_DIR}/packaging/windows/libnova-notice.txt|libnova-NOTICE.txt")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 name)
    file(READ ${source} text)
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/licences/${name} "${text}")
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/licences/${name} DESTINATION .)
endforeach()

# The DLLs, from Qt's own folder, libnova's and the MinGW runtime's. Any other import must be one
# of Windows' own: a Qt or MinGW DLL left unfound would make a folder that cannot start.
# CMake names a Windows import in lower case and looks for it by that name, which this
# case-sensitive file system has only through links: one folder of lower-case links.
get_filename_component(KARVELA_QT_BIN "${Qt6_DIR}/../../../bin" ABSOLUTE)
set(KARVELA_DLL_FOLDERS "${KARVELA_QT_BIN}" "${KARVELA_LIBNOVA_PREFIX}/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)
install(CODE "
    set(links \"${CMAKE_CURRENT_BINARY_DIR}/dll-names\")
    file(REMOVE_RECURSE \"\${links}\")
    file(MAKE_DIRECTORY \"\${links}\")
    foreach(folder ${KARVELA_DLL_FOLDERS})
        file(GLOB dlls \"\${folder}/*.dll\")
        foreach(dll IN LISTS dlls)
            get_filename_component(name \"\${dll}\" NAME)
            string(TOLOWER \"\${name}\" name)
            file(CREATE_LINK \"\${dll}\" \"\${links}/\${name}\" SYMBOLIC)
        endforeach()
    endforeach()
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
    set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND \"${CMAKE_OBJDUMP}\")
    file(GET_RUNTIME_DEPENDENCIES
        EXECUTABLES \"\${CMAKE_INSTALL_PREFIX}/karvela.exe\"
        MODULES \"\${CMAKE_INSTALL_PREFIX}/platforms/qwindows.dll\"
        DIRECTORIES \"\${links}\"
        RESOLVED_DEPENDENCIES_VAR found
        UNRESOLVED_DEPENDENCIES_VAR windows)
    foreach(dll IN LISTS windows)
        if(dll MATCHES \"^(qt6|libnova|libgcc|libstdc|libwinpthread)\")
            message(FATAL_ERROR \"\${dll} is needed but was not found\")
        endif()
    endforeach()
    foreach(link IN LISTS found)
        file(REAL_PATH \"\${link}\" dll)
        file(INSTALL \"\${dll}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
    endforeach()
")

# The uninstaller removes exactly what was installed: the files of the install
# manifest, then their folders (an NSIS include, for karvela.nsi).
install(CODE "set(uninstall_list \"${CMAKE_CURRENT_BINARY_DIR}/uninstall-files.nsh\")")
install(CODE [[
    set(lines "")
    set(folders "")
    foreach(installed IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
        file(RELATIVE_PATH relative "${CMAKE_INSTALL_PREFIX}" "${installed}")
        string(REPLACE "/" "\\" relative "${relative}")
        string(APPEND lines "    Delete \"$INSTDIR\\${relative}\"\n")
        get_filename_component(folder "${relative}" DIRECTORY)
        if(folder)
            list(APPEND folders "${folder}")
        endif()
    endforeach()
    list(REMOVE_DUPLICATES folders)
    list(SORT folders ORDER DESCENDING)
    foreach(folder IN LISTS folders)
        string(APPEND lines "    RMDir \"$INSTDIR\\${folder}\"\n")
    endforeach()
    file(WRITE "${uninstall_list}" "${lines}")
]])

# cpack -G ZIP: karvela-<version>-windows.zip, holding the folder as Karvela/.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME karvela-${PROJECT_VERSION}-windows)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGING_INSTALL_PREFIX /Karvela)

# The setup program's version and name, for karvela.nsi.
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.nsh.in ${CMAKE_BINARY_DIR}/version.nsh @ONLY)

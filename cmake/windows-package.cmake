# What a Windows user gets: Tempotik.exe, one file that needs only Windows'
# own DLLs, with Qt, its windows platform and modern Windows style plugins and
# the MinGW runtime linked in, and beside it the licences, with where Qt's
# source comes from and how to relink it; as the zip
# Tempotik-<version>-win64.zip and inside an installer made with NSIS.
# scripts/package windows makes both; the tests check them.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${qt_prefix}/source.txt DESTINATION licences RENAME Qt-source.txt)
install(FILES /usr/share/doc/qt6-base-dev/copyright DESTINATION licences RENAME Qt-copyright.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licences RENAME Qt-LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licences RENAME GPL-3.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licences
        RENAME GCC-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licences RENAME MinGW-w64.txt)
install(FILES /usr/share/doc/fonts-crosextra-carlito/copyright DESTINATION licences
        RENAME Carlito-font.txt)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Tempotik)
set(CPACK_PACKAGE_VENDOR Tempotik)
set(CPACK_PACKAGE_FILE_NAME Tempotik-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tempotik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hoe snel klik jij? A click-speed meter")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The installer: a Start-menu entry with the program's icon, and an
# uninstaller that Windows lists under its installed apps.
set(CPACK_PACKAGE_EXECUTABLES Tempotik Tempotik)
set(CPACK_NSIS_PACKAGE_NAME Tempotik)
set(CPACK_NSIS_DISPLAY_NAME Tempotik)
set(CPACK_NSIS_INSTALLED_ICON_NAME Tempotik.exe)
set(CPACK_NSIS_MUI_ICON ${TEMPOTIK_ICO})
set(CPACK_NSIS_MUI_UNIICON ${TEMPOTIK_ICO})
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer, as the program is: it installs into Program Files. It
# keeps no file's time, which would be the time CPack staged it, so that the
# same source makes the same installer.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
# The zip and the installer are told apart by name.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/package-names.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT [[
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
]])
include(CPack)

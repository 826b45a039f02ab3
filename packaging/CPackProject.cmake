# Read by cpack once per generator: each package takes its own components.
set(build "${CPACK_VELTRO_BINARY_DIR};Veltro")
if(CPACK_GENERATOR STREQUAL "ZIP")
    # One zip a component: Veltro-<version>-win64.zip and -win32.zip.
    set(CPACK_INSTALL_CMAKE_PROJECTS "${build};ALL;/")
    set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL win64 win32)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    # Both games, for the installer to choose from.
    set(CPACK_INSTALL_CMAKE_PROJECTS "${build};win64;/x64;${build};win32;/x86")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
else()
    set(CPACK_INSTALL_CMAKE_PROJECTS "${build};deb;/")
endif()
# The packages' times are the commit's, so the same commit packs to the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${CPACK_VELTRO_SOURCE_DIR}"
        OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(commit_time)
        set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
    endif()
endif()

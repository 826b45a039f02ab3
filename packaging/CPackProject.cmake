# Read by cpack once per generator: each package takes its own component.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_VELTRO_BINARY_DIR};Veltro;zip;/")
else()
    set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_VELTRO_BINARY_DIR};Veltro;deb;/")
endif()
# The packages' times are the commit's, so the same commit packs to the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${CPACK_VELTRO_SOURCE_DIR}"
        OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(commit_time)
        set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
    endif()
endif()

# Read by cpack once per generator: each package takes its own component.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_VELTRO_BINARY_DIR};Veltro;zip;/")
else()
    set(CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_VELTRO_BINARY_DIR};Veltro;deb;/")
endif()
if(NOT CPACK_VELTRO_SOURCE_DATE_EPOCH STREQUAL "")
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_VELTRO_SOURCE_DATE_EPOCH}")
endif()

# Run by cpack on the installed files before packing: every file and folder takes
# the commit's time, for the archive formats that store what is on disk.
if(NOT CPACK_VELTRO_SOURCE_DATE_EPOCH STREQUAL "")
    execute_process(COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec
        touch -h -d "@${CPACK_VELTRO_SOURCE_DATE_EPOCH}" {} +
        COMMAND_ERROR_IS_FATAL ANY)
endif()

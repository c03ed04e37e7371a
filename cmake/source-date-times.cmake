# Run by CPack between staging and packing: every staged file and folder gets
# the build's one date (SOURCE_DATE_EPOCH), as the installer keeps each file's
# time and the archives keep the folders'.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}"
                            -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
                    COMMAND_ERROR_IS_FATAL ANY)
endif()

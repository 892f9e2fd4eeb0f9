# The release archives, made by CPack from the "archive" install component: one flat folder
# holding the program and what belongs beside it, to be unpacked into any folder its user can
# write and run from there (the program writes its file beside itself).
#   Linux:   cpack -G TGZ  ->  kavrena-1.4.0-linux-x86_64.tar.gz
#   Windows: cpack -G ZIP  ->  kavrena-1.4.0-windows-x86_64.zip
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)

if(WIN32)
    set(platform windows)
else()
    set(platform linux)
endif()
set(CPACK_PACKAGE_NAME kavrena)
set(CPACK_PACKAGE_VENDOR "The Kavrena developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_FILE_NAME kavrena-${CPACK_PACKAGE_VERSION}-${platform}-x86_64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL archive)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_ARCHIVE_FILE_NAME ${CPACK_PACKAGE_FILE_NAME})
set(CPACK_GENERATOR TGZ)
if(WIN32)
    set(CPACK_GENERATOR ZIP)
endif()
include(CPack)

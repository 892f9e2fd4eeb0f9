# Installs the build into a fresh prefix and checks that a desktop finds the program there.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/kavrena share/applications/kavrena.desktop share/metainfo/kavrena.metainfo.xml
        share/icons/hicolor/scalable/apps/kavrena.svg
        share/icons/hicolor/16x16/apps/kavrena.png share/icons/hicolor/48x48/apps/kavrena.png
        share/icons/hicolor/256x256/apps/kavrena.png)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(STRINGS ${PREFIX}/share/applications/kavrena.desktop entry)
foreach(line "Exec=kavrena" "Icon=kavrena" "Type=Application")
    if(NOT line IN_LIST entry)
        message(FATAL_ERROR "kavrena.desktop lacks ${line}")
    endif()
endforeach()

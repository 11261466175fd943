# Installs the build into a scratch prefix and checks that every file lands
# in its standard place.
set(prefix "${BUILD_DIR}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(expected
        bin/orvanta
        bin/orvanta-cli
        share/man/man1/orvanta-cli.1
        share/applications/${APP_ID}.desktop
        share/metainfo/${APP_ID}.metainfo.xml
        share/icons/hicolor/48x48/apps/orvanta.png
        share/icons/hicolor/128x128/apps/orvanta.png
        share/icons/hicolor/scalable/apps/orvanta.svg)
    if(NOT EXISTS "${prefix}/${expected}")
        message(FATAL_ERROR "missing after install: ${expected}")
    endif()
endforeach()
message(STATUS "install layout complete in ${prefix}")

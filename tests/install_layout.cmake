# Installs the build into a temporary prefix and checks that the program, its desktop
# entry, icon and document type land in the standard places.
#   cmake -DBUILD_DIR=<build folder> -DPREFIX=<empty folder> -P install_layout.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/zebcalc share/applications/zebcalc.desktop share/mime/packages/zebcalc.xml
             share/icons/hicolor/scalable/apps/zebcalc.svg
             share/icons/hicolor/scalable/mimetypes/application-x-dmw.svg)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/zebcalc.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=zebcalc %f")
  message(FATAL_ERROR "the installed entry runs '${exec}'")
endif()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/zebcalc.desktop" RESULT_VARIABLE valid)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refuses the installed entry")
  endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")

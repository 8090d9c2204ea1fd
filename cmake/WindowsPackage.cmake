# The portable package for Windows users: a zip of the folder they unpack beside their CAD.
#   QUOLSA/quolsa.exe, QUOLSA/README.txt (the README's Windows section), and everything under
#   packaging/windows/ (PDFium/x64/ with the note on which pdfium.dll to put there).
set(QUOLSA_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/QUOLSA-${PROJECT_VERSION}-win64.zip)
file(GLOB_RECURSE QUOLSA_PACKAGE_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/*)
add_custom_command(
  OUTPUT ${QUOLSA_PACKAGE_ZIP}
  COMMAND
    ${CMAKE_COMMAND} -DEXECUTABLE=$<TARGET_FILE:quolsa> -DSTRIP=${CMAKE_STRIP}
    -DREADME=${PROJECT_SOURCE_DIR}/README.md -DFILES=${PROJECT_SOURCE_DIR}/packaging/windows
    -DSTAGE=${CMAKE_BINARY_DIR}/package -DZIP=${QUOLSA_PACKAGE_ZIP} -P
    ${PROJECT_SOURCE_DIR}/cmake/MakeWindowsPackage.cmake
  DEPENDS quolsa ${PROJECT_SOURCE_DIR}/README.md ${QUOLSA_PACKAGE_FILES}
          ${PROJECT_SOURCE_DIR}/cmake/MakeWindowsPackage.cmake
  COMMENT "Packing ${QUOLSA_PACKAGE_ZIP}")
add_custom_target(windows_package DEPENDS ${QUOLSA_PACKAGE_ZIP})

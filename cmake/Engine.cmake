# The engine library is fetched by scripts/setup.sh and put beside every executable, in PDFium/x64/,
# where a user's installation has it.
if(WIN32)
  set(QUOLSA_ENGINE_FILE pdfium.dll)
else()
  set(QUOLSA_ENGINE_FILE libpdfium.so)
endif()
set(QUOLSA_ENGINE_LIBRARY "${QUOLSA_CACHE}/pdfium/0.0.15/${QUOLSA_ENGINE_FILE}"
    CACHE FILEPATH "The engine library copied beside the executables")
set(QUOLSA_ENGINE_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/PDFium/x64)

if(EXISTS "${QUOLSA_ENGINE_LIBRARY}")
  add_custom_command(
    OUTPUT ${QUOLSA_ENGINE_DIR}/${QUOLSA_ENGINE_FILE}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUOLSA_ENGINE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${QUOLSA_ENGINE_LIBRARY}"
            ${QUOLSA_ENGINE_DIR}/${QUOLSA_ENGINE_FILE}
    DEPENDS "${QUOLSA_ENGINE_LIBRARY}"
    COMMENT "Placing the engine in bin/PDFium/x64")
  add_custom_target(engine_library ALL DEPENDS ${QUOLSA_ENGINE_DIR}/${QUOLSA_ENGINE_FILE})
else()
  message(WARNING "No engine library at ${QUOLSA_ENGINE_LIBRARY}: run scripts/setup.sh")
  add_custom_target(engine_library)
endif()

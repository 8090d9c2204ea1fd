# quolsa_fake_engine(NAME [OMIT symbol...]): a stand-in engine library built from the import table,
# exporting every symbol of the table but the omitted ones, at bin/fakes/NAME/ under the engine's
# file name. Most exports do nothing and return 0; the few the loader calls keep counts and arguments
# that tests read back through FakeEngine_* exports (tests/loader/FakeEngineExtras.c).
set(QUOLSA_FAKE_ENGINE_EXTRAS ${PROJECT_SOURCE_DIR}/tests/loader/FakeEngineExtras.c)
set(QUOLSA_FAKE_ENGINE_SPECIAL FPDF_InitLibrary FPDF_DestroyLibrary FPDF_InitEmbeddedLibraries)

function(quolsa_fake_engine name)
  cmake_parse_arguments(F "" "" "OMIT" ${ARGN})
  set(table ${PROJECT_SOURCE_DIR}/src/engine/PdfEngineImports.inc)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
  file(STRINGS ${table} lines REGEX "^ENGINE_IMPORT\\(")
  set(src "/* Generated from PdfEngineImports.inc. */\n#include \"FakeEngineExtras.h\"\n")
  set(defs)
  foreach(line IN LISTS lines)
    string(REGEX MATCH "^ENGINE_IMPORT\\(([A-Za-z0-9_]+)" _ "${line}")
    set(sym ${CMAKE_MATCH_1})
    if(sym IN_LIST F_OMIT)
      if(sym IN_LIST QUOLSA_FAKE_ENGINE_SPECIAL)
        list(APPEND defs FAKE_OMIT_${sym})
      endif()
    elseif(NOT sym IN_LIST QUOLSA_FAKE_ENGINE_SPECIAL)
      string(APPEND src "FAKE_EXPORT int ${sym}(void) { return 0; }\n")
    endif()
  endforeach()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/fake_engine_${name}.c)
  file(CONFIGURE OUTPUT ${out} CONTENT "${src}" @ONLY)

  set(target fake_engine_${name})
  add_library(${target} SHARED ${out} ${QUOLSA_FAKE_ENGINE_EXTRAS})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/loader)
  target_compile_definitions(${target} PRIVATE ${defs})
  set(dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/fakes/${name})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME pdfium C_VISIBILITY_PRESET hidden
                        LIBRARY_OUTPUT_DIRECTORY ${dir} RUNTIME_OUTPUT_DIRECTORY ${dir}
                        ARCHIVE_OUTPUT_DIRECTORY ${dir})
  if(WIN32)
    set_target_properties(${target} PROPERTIES PREFIX "")
  endif()
endfunction()

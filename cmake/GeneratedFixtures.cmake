# Fixtures too large to commit, written at build time by the fixture script into fixtures/ of the
# build folder. QUOLSA_HEAVY_DRAWING is the heavy drawing; whatever reads it depends on the target
# heavy_drawing.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(QUOLSA_HEAVY_DRAWING ${CMAKE_BINARY_DIR}/fixtures/heavy-drawing.pdf)
set(fixture_script ${PROJECT_SOURCE_DIR}/tests/data/make_fixtures.py)
add_custom_command(
  OUTPUT ${QUOLSA_HEAVY_DRAWING}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fixtures
  COMMAND ${Python3_EXECUTABLE} ${fixture_script} --heavy-drawing ${QUOLSA_HEAVY_DRAWING}
  DEPENDS ${fixture_script}
  COMMENT "Writing the heavy drawing")
add_custom_target(heavy_drawing DEPENDS ${QUOLSA_HEAVY_DRAWING})

# quolsa_add_child_directories(): adds every sub-folder of the current source folder that has a
# CMakeLists.txt, so a new test or benchmark folder needs no edit elsewhere.
function(quolsa_add_child_directories)
  file(GLOB dirs CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(d IN LISTS dirs)
    if(IS_DIRECTORY ${d} AND EXISTS ${d}/CMakeLists.txt)
      add_subdirectory(${d})
    endif()
  endforeach()
endfunction()

# cmake -DEXECUTABLE= -DSTRIP= -DREADME= -DFILES= -DSTAGE= -DZIP= -P MakeWindowsPackage.cmake
# Lays out the package folder in STAGE/QUOLSA and packs it into ZIP. Text files get Windows line
# ends.
set(dir ${STAGE}/QUOLSA)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${dir})

file(COPY ${FILES}/ DESTINATION ${dir})
file(GLOB_RECURSE texts ${dir}/*.txt)

# README.txt: the README's "## Windows" section, up to the next section.
file(READ ${README} text)
string(FIND "${text}" "\n## Windows\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${README} has no \"## Windows\" section")
endif()
math(EXPR start "${start} + 1")
string(SUBSTRING "${text}" ${start} -1 section)
string(FIND "${section}" "\n## " end)
if(NOT end EQUAL -1)
  string(SUBSTRING "${section}" 0 ${end} section)
endif()
string(STRIP "${section}" section)
file(WRITE ${dir}/README.txt "${section}\n")
list(APPEND texts ${dir}/README.txt)

foreach(f IN LISTS texts)
  file(READ ${f} content)
  string(REPLACE "\r\n" "\n" content "${content}")
  string(REPLACE "\n" "\r\n" content "${content}")
  file(WRITE ${f} "${content}")
endforeach()

get_filename_component(exe_name ${EXECUTABLE} NAME)
execute_process(COMMAND ${STRIP} -o ${dir}/${exe_name} ${EXECUTABLE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not strip ${EXECUTABLE}")
endif()

file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip QUOLSA
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not pack ${ZIP}")
endif()

# bookc's command line, end to end: build a fixture book, dump the resource
# files back into source, build that, and expect the very same bytes; then
# check that a fault stops the build with "file:line: message".
#   -DBOOKC=<bookc>  -DFIXTURE=<source dir>  -DWORK=<scratch dir>
file(REMOVE_RECURSE "${WORK}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${status}): ${err}")
  endif()
endfunction()

run("${BOOKC}" build "${FIXTURE}" --partial --rc "${WORK}/first" --cpp "${WORK}/first/book.cpp")
run("${BOOKC}" dump "${WORK}/first" "${WORK}/source" --partial)
run("${BOOKC}" build "${WORK}/source" --partial --rc "${WORK}/second")

file(GLOB first_files "${WORK}/first/*.bin")
list(LENGTH first_files count)
if(NOT count EQUAL 6)
  message(FATAL_ERROR "expected 6 resource files, found ${count}")
endif()
foreach(f ${first_files})
  get_filename_component(name "${f}" NAME)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${f}" "${WORK}/second/${name}"
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} differs after build, dump, build")
  endif()
endforeach()

# Without --partial the fixture is five lessons short of a book.
execute_process(COMMAND "${BOOKC}" build "${FIXTURE}" RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR NOT err MATCHES "lessons/lesson-006.txt:0: missing: the book has 139 lessons")
  message(FATAL_ERROR "a short book was not refused as expected (${status}): ${err}")
endif()
message(STATUS "build, dump, build: ${count} identical resources")

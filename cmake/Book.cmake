# The built book: bookc compiles resources/book/ into the 139 lesson
# resources and the index.
#   host build:    moravel_book, a static library whose generated source
#                  defines HostLoadBookResources() for the host double;
#   Windows build: moravel_book_rc, an object library holding the generated
#                  resource script, with bookc taken from the host_tools build.
# While lesson files are still being written (fewer than 139), there are no
# book targets, and everything else builds as before.
set(MORAVEL_BOOK_SOURCE "${CMAKE_SOURCE_DIR}/resources/book")
set(MORAVEL_BOOK_LESSONS 139)

if(MORAVEL_TOOLS_ONLY)
  return()
endif()

file(GLOB book_lesson_files CONFIGURE_DEPENDS "${MORAVEL_BOOK_SOURCE}/lessons/lesson-*.txt")
list(LENGTH book_lesson_files book_lesson_count)
if(book_lesson_count LESS MORAVEL_BOOK_LESSONS)
  message(STATUS "Book: ${book_lesson_count} of ${MORAVEL_BOOK_LESSONS} lesson files; no book targets yet")
  return()
endif()
set(book_inputs ${book_lesson_files} "${MORAVEL_BOOK_SOURCE}/book.txt")
set(MORAVEL_BOOK_OUT "${CMAKE_BINARY_DIR}/book")

if(NOT CMAKE_SYSTEM_NAME STREQUAL "Windows")
  add_custom_command(
    OUTPUT "${MORAVEL_BOOK_OUT}/book_resources.cpp"
    COMMAND bookc build "${MORAVEL_BOOK_SOURCE}" --cpp "${MORAVEL_BOOK_OUT}/book_resources.cpp"
    DEPENDS bookc ${book_inputs}
    COMMENT "Compiling the book for the host build"
    VERBATIM)
  add_library(moravel_book STATIC "${MORAVEL_BOOK_OUT}/book_resources.cpp")
  target_link_libraries(moravel_book PUBLIC moravel_hostwin)
  # Tests and benchmarks that link the book can tell that it is there.
  target_compile_definitions(moravel_book INTERFACE MORAVEL_HAVE_BOOK=1)
  return()
endif()

# Windows: bookc is a host program from the host_tools build. Naming it as a
# byproduct of a step after host_tools lets the book be rebuilt whenever a
# new bookc comes out of that build.
set(book_bookc "${MORAVEL_HOST_TOOLS_DIR}/bookc/bookc")
add_custom_target(moravel_bookc
  COMMAND "${CMAKE_COMMAND}" -E true
  BYPRODUCTS "${book_bookc}")
add_dependencies(moravel_bookc host_tools)

set(book_outputs "${MORAVEL_BOOK_OUT}/book.rc" "${MORAVEL_BOOK_OUT}/book_manifest.inc")
foreach(n RANGE 1 ${MORAVEL_BOOK_LESSONS})
  math(EXPR id "1000 + ${n}")
  list(APPEND book_outputs "${MORAVEL_BOOK_OUT}/${id}.bin")
endforeach()
list(APPEND book_outputs "${MORAVEL_BOOK_OUT}/32767.bin")
add_custom_command(
  OUTPUT ${book_outputs}
  COMMAND "${book_bookc}" build "${MORAVEL_BOOK_SOURCE}" --rc "${MORAVEL_BOOK_OUT}"
  DEPENDS "${book_bookc}" ${book_inputs}
  COMMENT "Compiling the book's resources"
  VERBATIM)
add_custom_target(moravel_book_files DEPENDS ${book_outputs})

add_library(moravel_book_rc OBJECT "${MORAVEL_BOOK_OUT}/book.rc")
add_dependencies(moravel_book_rc moravel_book_files)

# The resources test compares what the reader's executable decodes with the
# manifest of what the host decoder made of the same resources.
function(moravel_book_wire_win_tests)
  if(TARGET resources_test)
    target_include_directories(resources_test PRIVATE "${MORAVEL_BOOK_OUT}")
    target_compile_definitions(resources_test PRIVATE MORAVEL_HAVE_BOOK_MANIFEST=1)
    add_dependencies(resources_test moravel_book_files)
  endif()
endfunction()
cmake_language(DEFER CALL moravel_book_wire_win_tests)

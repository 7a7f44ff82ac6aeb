# The Windows build: Moravel5770.exe, the Windows tests and the end-to-end
# driver, all statically linked; tests run under Wine.
enable_language(RC)
include(ExternalProject)

set(MORAVEL_WIN_LIBS comctl32 comdlg32 gdi32 shell32 advapi32 user32 kernel32)
set(MORAVEL_STATIC_LINK -static -static-libgcc -static-libstdc++)

# Host tools (the book compiler) are built natively, in a build of their own.
ExternalProject_Add(host_tools
  SOURCE_DIR "${CMAKE_SOURCE_DIR}"
  BINARY_DIR "${CMAKE_BINARY_DIR}/host-tools"
  CMAKE_ARGS -DMORAVEL_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON)
set(MORAVEL_HOST_TOOLS_DIR "${CMAKE_BINARY_DIR}/host-tools/tools")

moravel_collect_sources(MORAVEL_LOGIC_SOURCES MORAVEL_WIN_SOURCES)

add_library(moravel_logic STATIC ${MORAVEL_LOGIC_SOURCES})
target_include_directories(moravel_logic PUBLIC "${CMAKE_SOURCE_DIR}")
target_compile_definitions(moravel_logic PUBLIC UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601)
target_compile_options(moravel_logic PRIVATE ${MORAVEL_WARNINGS})
target_link_libraries(moravel_logic PUBLIC ${MORAVEL_WIN_LIBS})

# Window code without the process entry, shared by the reader and tests.
list(FILTER MORAVEL_WIN_SOURCES EXCLUDE REGEX "/app/entry_win\\.cpp$")
add_library(moravel_win STATIC ${MORAVEL_WIN_SOURCES})
target_link_libraries(moravel_win PUBLIC moravel_logic)
target_compile_options(moravel_win PRIVATE ${MORAVEL_WARNINGS})

# The book as resources (target moravel_book_rc: an object library whose
# .res joins the executables that need the book).
include(cmake/Book.cmake OPTIONAL)
# The pictures, drawn as text and turned into .bmp/.ico (target moravel_art).
include(cmake/Art.cmake OPTIONAL)

add_executable(Moravel5770 WIN32 "${CMAKE_SOURCE_DIR}/app/entry_win.cpp"
               "${CMAKE_SOURCE_DIR}/resources/moravel.rc")
target_link_libraries(Moravel5770 PRIVATE moravel_win)
if(TARGET moravel_book_rc)
  target_link_libraries(Moravel5770 PRIVATE moravel_book_rc)
endif()
target_link_options(Moravel5770 PRIVATE ${MORAVEL_STATIC_LINK} -municode -mwindows)
set_target_properties(Moravel5770 PROPERTIES OUTPUT_NAME Moravel5770)
target_include_directories(Moravel5770 PRIVATE "${CMAKE_SOURCE_DIR}/resources" "${CMAKE_BINARY_DIR}/art")
if(TARGET moravel_art)
  add_dependencies(Moravel5770 moravel_art)
  target_compile_definitions(Moravel5770 PRIVATE MORAVEL_HAVE_ART)
endif()

# --- Tests under Wine --------------------------------------------------------
enable_testing()
set(MORAVEL_WINE_RUN "${CMAKE_SOURCE_DIR}/scripts/wine-run.sh")

set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)

file(GLOB win_tests CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp")
foreach(test_file ${win_tests})
  get_filename_component(name "${test_file}" NAME_WE)
  add_executable(${name} ${test_file})
  target_link_libraries(${name} PRIVATE moravel_win gtest gtest_main)
  target_link_options(${name} PRIVATE ${MORAVEL_STATIC_LINK})
  add_dependencies(${name} Moravel5770)
  target_compile_definitions(${name} PRIVATE
    MORAVEL_EXE_NAME="Moravel5770.exe")
  add_test(NAME win.${name} COMMAND ${MORAVEL_WINE_RUN} $<TARGET_FILE:${name}>
           WORKING_DIRECTORY "${CMAKE_BINARY_DIR}")
endforeach()

# End-to-end: the driver starts the real reader and acts as a user would.
file(GLOB e2e_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp")
if(e2e_sources)
  add_executable(e2e_driver ${e2e_sources})
  target_include_directories(e2e_driver PRIVATE "${CMAKE_SOURCE_DIR}")
  target_compile_definitions(e2e_driver PRIVATE UNICODE _UNICODE)
  target_link_libraries(e2e_driver PRIVATE ${MORAVEL_WIN_LIBS})
  target_link_options(e2e_driver PRIVATE ${MORAVEL_STATIC_LINK} -municode)
  add_dependencies(e2e_driver Moravel5770)
  include("${CMAKE_SOURCE_DIR}/tests/e2e/cases.cmake")
endif()

# The host build: logic library, host test double, tools, tests, benchmarks.
option(MORAVEL_TOOLS_ONLY "Build only the host tools (the Windows build uses this)" OFF)
if(MORAVEL_TOOLS_ONLY)
  set(sanitize_default OFF)
else()
  set(sanitize_default ON)
endif()
option(MORAVEL_SANITIZE "Build with AddressSanitizer and UBSan" ${sanitize_default})

if(MORAVEL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

moravel_collect_sources(MORAVEL_LOGIC_SOURCES MORAVEL_WIN_SOURCES)

file(GLOB MORAVEL_HOSTWIN_SOURCES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/platform/host/*.cpp")
add_library(moravel_hostwin STATIC ${MORAVEL_HOSTWIN_SOURCES})
target_include_directories(moravel_hostwin PUBLIC "${CMAKE_SOURCE_DIR}")
target_compile_options(moravel_hostwin PRIVATE ${MORAVEL_WARNINGS})

add_library(moravel_logic STATIC ${MORAVEL_LOGIC_SOURCES})
target_link_libraries(moravel_logic PUBLIC moravel_hostwin)
target_compile_options(moravel_logic PRIVATE ${MORAVEL_WARNINGS})

# Host tools (the book compiler among them), one folder each.
file(GLOB tool_lists CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tools/*/CMakeLists.txt")
foreach(list_file ${tool_lists})
  get_filename_component(tool_dir "${list_file}" DIRECTORY)
  add_subdirectory("${tool_dir}")
endforeach()

# The built book, as resources of the host double (target moravel_book).
include(cmake/Book.cmake OPTIONAL)
include(cmake/Art.cmake OPTIONAL)

if(MORAVEL_TOOLS_ONLY)
  return()
endif()

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

# One executable per test file, so a failing area is plain from its name.
file(GLOB host_tests CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/host/*_test.cpp")
foreach(test_file ${host_tests})
  get_filename_component(name "${test_file}" NAME_WE)
  add_executable(${name} ${test_file})
  target_link_libraries(${name} PRIVATE moravel_logic GTest::gtest GTest::gtest_main)
  if(TARGET moravel_book)
    target_link_libraries(${name} PRIVATE moravel_book)
  endif()
  target_compile_options(${name} PRIVATE ${MORAVEL_WARNINGS} -Wno-conversion)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endforeach()

# Extra host test steps that are not GoogleTest binaries (fuzzers and the like)
# register themselves from here.
file(GLOB extra_test_lists CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/host/*.cmake")
foreach(list_file ${extra_test_lists})
  include("${list_file}")
endforeach()

find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB benches CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/bench/*_bench.cpp")
  foreach(bench_file ${benches})
    get_filename_component(name "${bench_file}" NAME_WE)
    add_executable(${name} ${bench_file})
    target_link_libraries(${name} PRIVATE moravel_logic benchmark::benchmark benchmark::benchmark_main)
    if(TARGET moravel_book)
      target_link_libraries(${name} PRIVATE moravel_book)
    endif()
  endforeach()
endif()

# Fuzzing the content store: libFuzzer targets for the decoder (with the
# loader), the paragraph reader and the encoder, built with clang in a build
# of their own (the host build's compiler may be g++) and run briefly as
# tests. FUZZ_SECONDS sets how long each runs.
set(MORAVEL_FUZZ_SECONDS 5 CACHE STRING "Seconds each fuzz target runs as a test")

find_program(MORAVEL_FUZZ_CXX NAMES clang++ clang++-14)
if(NOT MORAVEL_FUZZ_CXX)
  message(STATUS "Fuzzing: no clang++; the fuzz tests are left out")
  return()
endif()

set(fuzz_dir "${CMAKE_BINARY_DIR}/fuzz")
set(fuzz_flags -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
    -I "${CMAKE_SOURCE_DIR}")

# libFuzzer's runtime ships apart from clang on some systems; find out once.
if(NOT DEFINED CACHE{MORAVEL_FUZZ_LINKS})
  file(WRITE "${fuzz_dir}/probe/probe.cpp"
       "#include <cstddef>\n#include <cstdint>\n"
       "extern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n")
  execute_process(
    COMMAND "${MORAVEL_FUZZ_CXX}" -fsanitize=fuzzer,address,undefined probe.cpp -o probe
    WORKING_DIRECTORY "${fuzz_dir}/probe" RESULT_VARIABLE probe_status OUTPUT_QUIET ERROR_QUIET)
  if(probe_status EQUAL 0)
    set(MORAVEL_FUZZ_LINKS ON CACHE INTERNAL "clang links libFuzzer")
  else()
    set(MORAVEL_FUZZ_LINKS OFF CACHE INTERNAL "clang links libFuzzer")
  endif()
endif()
if(NOT MORAVEL_FUZZ_LINKS)
  message(STATUS "Fuzzing: clang cannot link libFuzzer (libclang-rt-14-dev); the fuzz tests are left out")
  return()
endif()

file(GLOB fuzz_host_double CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/platform/host/*.cpp")
set(fuzz_content "${CMAKE_SOURCE_DIR}/content/decompress.cpp")

# name | sources beyond the target's own file
set(fuzz_targets decompress paragraph encode)
set(fuzz_extra_decompress "${CMAKE_SOURCE_DIR}/content/lesson_resource.cpp" ${fuzz_content})
set(fuzz_extra_paragraph "${CMAKE_SOURCE_DIR}/content/paragraph.cpp")
set(fuzz_extra_encode "${CMAKE_SOURCE_DIR}/content/palmdoc_encode.cpp" ${fuzz_content})

set(fuzz_binaries "")
foreach(name ${fuzz_targets})
  set(binary "${fuzz_dir}/${name}_fuzz")
  set(sources "${CMAKE_SOURCE_DIR}/tests/fuzz/${name}_fuzz.cpp" ${fuzz_extra_${name}} ${fuzz_host_double})
  add_custom_command(
    OUTPUT "${binary}"
    COMMAND "${MORAVEL_FUZZ_CXX}" ${fuzz_flags} ${sources} -o "${binary}"
    DEPENDS ${sources} "${CMAKE_SOURCE_DIR}/tests/fuzz/reference_decoder.h"
            "${CMAKE_SOURCE_DIR}/content/decompress.h" "${CMAKE_SOURCE_DIR}/content/paragraph.h"
            "${CMAKE_SOURCE_DIR}/content/palmdoc.h" "${CMAKE_SOURCE_DIR}/content/lesson_resource.h"
    COMMENT "Building the ${name} fuzz target with clang"
    VERBATIM)
  list(APPEND fuzz_binaries "${binary}")
  add_test(NAME ContentFuzz.${name}
           COMMAND "${binary}" -max_total_time=${MORAVEL_FUZZ_SECONDS} -seed=5770 -print_final_stats=1
                   -artifact_prefix=${fuzz_dir}/${name}-
           WORKING_DIRECTORY "${fuzz_dir}")
endforeach()
add_custom_target(content_fuzzers ALL DEPENDS ${fuzz_binaries})

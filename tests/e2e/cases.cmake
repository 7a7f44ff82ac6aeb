# End-to-end cases: each runs the driver under Wine on a virtual display, in
# a prefix of its own under the build directory, made fresh for the run.
set(MORAVEL_E2E_RUN "${CMAKE_SOURCE_DIR}/scripts/e2e-run.sh")
set(MORAVEL_E2E_PREFIX "${CMAKE_BINARY_DIR}/e2e-prefix")

add_test(NAME e2e.prefix COMMAND ${MORAVEL_E2E_RUN} --fresh)
set_tests_properties(e2e.prefix PROPERTIES FIXTURES_SETUP e2e_prefix
                     ENVIRONMENT "MORAVEL_WINEPREFIX=${MORAVEL_E2E_PREFIX}")

function(moravel_e2e_case name)
  cmake_parse_arguments(E2E "" "DATE" "" ${ARGN})
  set(env "MORAVEL_WINEPREFIX=${MORAVEL_E2E_PREFIX}")
  if(E2E_DATE)
    list(APPEND env "MORAVEL_FAKE_DATE=${E2E_DATE}")
  endif()
  add_test(NAME e2e.${name} COMMAND ${MORAVEL_E2E_RUN} $<TARGET_FILE:e2e_driver> ${name}
           WORKING_DIRECTORY "${CMAKE_BINARY_DIR}")
  set_tests_properties(e2e.${name} PROPERTIES FIXTURES_REQUIRED e2e_prefix
                       ENVIRONMENT "${env}" RESOURCE_LOCK wine_display TIMEOUT 300)
endfunction()

moravel_e2e_case(menu_and_accelerators_resources)
moravel_e2e_case(window_appears)
moravel_e2e_case(second_start_hands_over)
moravel_e2e_case(close_ends_process_and_saves)
moravel_e2e_case(exit_key_closes)
moravel_e2e_case(scroll_bar_follows_flags)
moravel_e2e_case(damaged_start_settings)
moravel_e2e_case(todays_lesson_on_tishrei_1 DATE "2009-09-19 12:00:00")
moravel_e2e_case(todays_lesson_on_nissan_15 DATE "2010-03-30 12:00:00")
moravel_e2e_case(fixed_lesson_reopens_at_its_row DATE "2009-09-19 12:00:00")
moravel_e2e_case(moves_wrap_around_the_book DATE "2009-09-19 12:00:00")
moravel_e2e_case(scrolling_keys_wheel_and_clicks)
moravel_e2e_case(today_keys_clear_fixed_lesson DATE "2009-09-19 12:00:00")
moravel_e2e_case(bookmarks_follow_command_and_moves)
moravel_e2e_case(bookmark_check_mark_on_screen)
moravel_e2e_case(second_start_in_front_goes_to_today DATE "2009-09-19 12:00:00")
moravel_e2e_case(second_start_behind_brings_reader_forward DATE "2009-09-19 12:00:00")
moravel_e2e_case(screenshot_of_todays_lesson DATE "2009-09-19 12:00:00")
moravel_e2e_case(settings_round_trip DATE "2009-09-19 12:00:00")
moravel_e2e_case(maximised_window_round_trip)
moravel_e2e_case(hostile_registry_values DATE "2009-09-19 12:00:00")

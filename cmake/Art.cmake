# The program's pictures: text pixel art in resources/art, turned by the
# pixmap host tool into the .bmp and .ico files that the resource script
# embeds, all in ${CMAKE_BINARY_DIR}/art. Target moravel_art builds them.
#
# The host build runs its own pixmap target; the Windows build runs the one
# that host_tools builds natively.
if(TARGET pixmap)
  set(MORAVEL_PIXMAP "$<TARGET_FILE:pixmap>")
  set(moravel_pixmap_depends pixmap)
elseif(TARGET host_tools)
  set(MORAVEL_PIXMAP "${MORAVEL_HOST_TOOLS_DIR}/pixmap/pixmap")
  # The target orders the tool's build first. Ninja knows no rule for the
  # binary itself, so the tool's sources stand in for it: the pictures are
  # drawn again when the tool changes.
  file(GLOB moravel_pixmap_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tools/pixmap/*.cpp"
       "${CMAKE_SOURCE_DIR}/tools/pixmap/*.h")
  set(moravel_pixmap_depends host_tools ${moravel_pixmap_sources})
else()
  return()
endif()

set(MORAVEL_ART_DIR "${CMAKE_BINARY_DIR}/art")
set(moravel_art_outputs "")

# moravel_draw(OUTPUT SOURCE...): OUTPUT in the art folder from the named
# files of resources/art; a .ico takes one image per source, in order.
function(moravel_draw output)
  list(TRANSFORM ARGN PREPEND "${CMAKE_SOURCE_DIR}/resources/art/" OUTPUT_VARIABLE sources)
  add_custom_command(
    OUTPUT "${MORAVEL_ART_DIR}/${output}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${MORAVEL_ART_DIR}"
    COMMAND "${MORAVEL_PIXMAP}" "${MORAVEL_ART_DIR}/${output}" ${sources}
    DEPENDS ${sources} ${moravel_pixmap_depends}
    COMMENT "Drawing art/${output}"
    VERBATIM)
  set(moravel_art_outputs ${moravel_art_outputs} "${MORAVEL_ART_DIR}/${output}" PARENT_SCOPE)
endfunction()

moravel_draw(toolbar.bmp toolbar.txt)
moravel_draw(moravel.ico icon32.txt icon16.txt)
moravel_draw(about.bmp about.txt)
moravel_draw(marker201.bmp marker_closed.txt)
moravel_draw(marker202.bmp marker_open.txt)
moravel_draw(marker203.bmp marker_page.txt)

add_custom_target(moravel_art DEPENDS ${moravel_art_outputs})

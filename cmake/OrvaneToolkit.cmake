# The toolkit (control tree, widgets, system windows, rich text, help text, file stream) is one
# body of logic compiled once per build: each build hands in the folder of its BuildProfile.h and
# the folder of its drawing files. The core it runs on (orv_core) is compiled once for all builds.
#
#   orvane_add_toolkit(<name>
#       PROFILE_DIR <dir>          # holds the build's BuildProfile.h (reached as "BuildProfile.h")
#       DRAW_DIR <dir>             # the build's drawing files (*.cpp, searched recursively)
#       [SOURCES <file>...]        # more files of the build: its class list, its size seam, ...
#       [EXCLUDE <regex>...]       # toolkit files this build leaves out (classes of another build)
#       [ONLY <regex>...])         # keep only the toolkit and drawing files that match one of these
#
# Adds the static library <name>. Its users see the profile folder, so a game compiled against
# the toolkit reads the same BuildProfile.h. New files in the toolkit folders are picked up at the
# next build; a toolkit folder that does not exist yet is skipped.
#
# The toolkit needs the core and the build's seam (its sizes, frame clock and mouse-move
# forwarding, framework/control/SizeSeam.h); the core needs only the build's text metrics
# (TextMetrics::kBuild), defined beside the seam. Neither needs the toolkit back, so a target links
# them one by one, toolkit before core, with no group.

set(ORVANE_TOOLKIT_FOLDERS
    framework/control
    framework/widgets
    framework/window
    framework/richtext
    framework/help
    framework/file)

function(orvane_add_toolkit name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "PROFILE_DIR;DRAW_DIR" "SOURCES;EXCLUDE;ONLY")
  if(NOT ARG_PROFILE_DIR OR NOT ARG_DRAW_DIR)
    message(FATAL_ERROR "orvane_add_toolkit(${name}): PROFILE_DIR and DRAW_DIR are required")
  endif()
  cmake_path(ABSOLUTE_PATH ARG_PROFILE_DIR BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  cmake_path(ABSOLUTE_PATH ARG_DRAW_DIR BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT EXISTS ${ARG_PROFILE_DIR}/BuildProfile.h)
    message(FATAL_ERROR "orvane_add_toolkit(${name}): no BuildProfile.h in ${ARG_PROFILE_DIR}")
  endif()

  set(globs ${ARG_DRAW_DIR}/*.cpp)
  foreach(folder IN LISTS ORVANE_TOOLKIT_FOLDERS)
    list(APPEND globs ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  endforeach()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${globs})
  if(ARG_ONLY)
    list(JOIN ARG_ONLY "|" only)
    list(FILTER sources INCLUDE REGEX "${only}")
  endif()
  foreach(pattern IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${pattern}")
  endforeach()

  add_library(${name} STATIC ${sources} ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${ARG_PROFILE_DIR})
  target_link_libraries(${name} PUBLIC orvane_settings)
endfunction()

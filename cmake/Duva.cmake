# Build helpers shared by every folder of the tree.

find_package(Threads REQUIRED)
find_package(PkgConfig REQUIRED)
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
include(GoogleTest)

# Media headers only: the libraries are loaded at run time and never linked
# (only --cflags are taken, so a direct call fails to link).
pkg_check_modules(DUVA_FFMPEG REQUIRED libavutil libswresample libswscale libavcodec
                  libavformat libavfilter libavdevice)
pkg_check_modules(DUVA_SDL REQUIRED sdl)
add_library(duva_media_headers INTERFACE)
target_include_directories(duva_media_headers SYSTEM INTERFACE ${DUVA_FFMPEG_INCLUDE_DIRS})
target_compile_options(duva_media_headers INTERFACE ${DUVA_FFMPEG_CFLAGS_OTHER})
add_library(duva_sdl_headers INTERFACE)
target_include_directories(duva_sdl_headers SYSTEM INTERFACE ${DUVA_SDL_INCLUDE_DIRS})
target_compile_options(duva_sdl_headers INTERFACE ${DUVA_SDL_CFLAGS_OTHER})

# The environment every test runs in, also when ctest is called by hand.
set(DUVA_TEST_ENVIRONMENT
  DUVA_NO_POWEROFF=1
  SDL_VIDEODRIVER=dummy
  SDL_AUDIODRIVER=dummy
  DUVA_SOURCE_DIR=${CMAKE_SOURCE_DIR}
  DUVA_BINARY_DIR=${CMAKE_BINARY_DIR})

function(duva_add_if_present dir)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${CMAKE_SOURCE_DIR}/${dir} ${CMAKE_BINARY_DIR}/${dir})
  endif()
endfunction()

# Sources of the current folder and its subfolders, leaving out subfolders
# that are areas of their own (they hold a CMakeLists.txt).
function(duva_collect_sources out)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  file(GLOB_RECURSE lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(list IN LISTS lists)
    get_filename_component(sub ${list} DIRECTORY)
    list(FILTER all EXCLUDE REGEX "^${sub}/")
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()

# duva_library(<target> [DEPENDS <targets>...] [PRIVATE <targets>...])
# A static library of every source of the current folder; the project root
# is the include root ("platform/base/Exception.h").
function(duva_library target)
  cmake_parse_arguments(ARG "" "" "DEPENDS;PRIVATE" ${ARGN})
  duva_collect_sources(sources)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} Threads::Threads PRIVATE ${ARG_PRIVATE})
  # The program's own libraries (not the tests' helpers), for the test that
  # links them all into one program.
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT folder MATCHES "^tests/")
    set_property(GLOBAL APPEND PROPERTY DUVA_TREE_LIBRARIES ${target})
  endif()
endfunction()

# duva_test(<target> [DEPENDS <targets>...] [NO_MAIN] [TIMEOUT <s>] [SERIAL])
# One test program from every source of the current folder, each of its
# cases a test of its own under CTest.
function(duva_test target)
  cmake_parse_arguments(ARG "NO_MAIN;SERIAL" "TIMEOUT" "DEPENDS" ${ARGN})
  duva_collect_sources(sources)
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock)
  if(NOT ARG_NO_MAIN)
    # The shared main, and the process-state keepers of what the program links,
    # known once the folder has added all its libraries.
    target_link_libraries(${target} PRIVATE duva_test_main)
    # (EVAL: a deferred call reads its arguments only when it runs.)
    cmake_language(EVAL CODE "cmake_language(DEFER CALL duva_link_process_state_keepers ${target})")
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  # Every run (discovery and each case) goes through "cmake -E env": a list
  # value in ENVIRONMENT would lose all but its first variable on the way
  # through test discovery.
  set_target_properties(${target} PROPERTIES
    CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${DUVA_TEST_ENVIRONMENT}")
  set(props TIMEOUT ${ARG_TIMEOUT})
  if(ARG_SERIAL)
    list(APPEND props RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()

# Every target <target> links, directly or through others.
function(duva_linked_targets target out)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue t)
    if(NOT TARGET ${t} OR t IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${t})
    get_target_property(libs ${t} LINK_LIBRARIES)
    get_target_property(interface ${t} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS libs interface)
      if(lib AND TARGET ${lib})
        list(APPEND queue ${lib})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Links a test program with the keeper of each library it links whose state
# is process-wide (tests/support/state).
function(duva_link_process_state_keepers target)
  duva_linked_targets(${target} linked)
  get_property(keepers GLOBAL PROPERTY DUVA_PROCESS_STATE_KEEPERS)
  foreach(pair IN LISTS keepers)
    string(REPLACE "=" ";" pair ${pair})
    list(GET pair 0 library)
    list(GET pair 1 keeper)
    if(library IN_LIST linked)
      target_link_libraries(${target} PRIVATE ${keeper})
    endif()
  endforeach()
endfunction()

# duva_bench(<target> [DEPENDS <targets>...]): built with the tree, run by hand.
function(duva_bench target)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  duva_collect_sources(sources)
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} benchmark::benchmark)
endfunction()
include(${CMAKE_CURRENT_LIST_DIR}/DuvaResources.cmake)

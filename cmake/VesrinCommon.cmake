# Shared build settings and the helpers every folder uses.

include(GNUInstallDirs)
# Where the game's programs are installed, below the prefix: Debian keeps games in
# /usr/games (and /usr/local/games), which is on every user's PATH.
set(VESRIN_INSTALL_GAMESDIR games CACHE STRING "Folder of the installed game programs, below the prefix")

add_library(vesrin_flags INTERFACE)
target_compile_options(vesrin_flags INTERFACE -Wall -Wextra -pedantic
  $<$<BOOL:${VESRIN_WERROR}>:-Werror>)

# vesrin_pure_library(<name> SOURCES ... [DEPENDS ...])
# A library of plain standard C++. It may depend only on other pure libraries; the
# check below fails the configure step if anything Qt-shaped reaches its link line,
# and no Qt include directory is ever added, so a stray Qt include does not compile.
set_property(GLOBAL PROPERTY VESRIN_PURE_LIBRARIES "")
function(vesrin_pure_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC vesrin_flags)
  get_property(pure GLOBAL PROPERTY VESRIN_PURE_LIBRARIES)
  foreach(dep IN LISTS ARG_DEPENDS)
    if(NOT dep IN_LIST pure)
      message(FATAL_ERROR "pure library ${name} may not depend on ${dep}: only on pure libraries (${pure})")
    endif()
    target_link_libraries(${name} PUBLIC ${dep})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY VESRIN_PURE_LIBRARIES ${name})
  set_target_properties(${name} PROPERTIES VESRIN_PURE ON POSITION_INDEPENDENT_CODE ON)
endfunction()

# vesrin_qt_library(<name> SOURCES ... [DEPENDS ...])
# A library that may use Qt (window code, sockets, HTTP). Qt targets go in DEPENDS.
function(vesrin_qt_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC vesrin_flags ${ARG_DEPENDS})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON POSITION_INDEPENDENT_CODE ON)
endfunction()

# vesrin_test(<name> SOURCES ... DEPENDS ... [QT])
# One GoogleTest executable, registered with CTest. Window tests pass QT: they run with
# the offscreen platform and a private runtime folder, also while tests are discovered.
function(vesrin_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE vesrin_flags ${ARG_DEPENDS} GTest::gtest GTest::gmock)
  if(NOT ARG_QT)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen" "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime"
          "VESRIN_SOURCE_DIR=${CMAKE_SOURCE_DIR}" "VESRIN_BINARY_DIR=${CMAKE_BINARY_DIR}")
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
  file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  # The environment comes in through "cmake -E env" as the test's launcher: a list given
  # as the ENVIRONMENT property loses its separators on the way through test discovery,
  # and only its first variable would be set.
  set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${env}")
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60)
endfunction()

# vesrin_runtime_files(FILES ...)
# Files the game reads at run time besides its own built-in resources (resource
# libraries, the voice library, the radio catalogue). The folder that makes them also
# puts them beside the programs (the program folder of a portable copy); this registers
# them for the installation's data folder (share/vesrin), where an installed copy finds
# them (InstallContentFolder, LibraryPlaces::InstallFolder).
function(vesrin_runtime_files)
  cmake_parse_arguments(ARG "" "" "FILES" ${ARGN})
  set_property(GLOBAL APPEND PROPERTY VESRIN_RUNTIME_FILES ${ARG_FILES})
endfunction()

# build_info.sh tells the scripts what this build makes, for them to source: the programs, the
# unit-test programs, the version, the executables' format, the release archive, and the world
# builder's sizes that place the arena and the panel in a shooter's window.

get_property(UNIT_TEST_PROGRAMS GLOBAL PROPERTY UNIT_TEST_PROGRAMS)
get_property(SHOOTER_ARENA_SIZE GLOBAL PROPERTY SHOOTER_arenaSize)
get_property(SHOOTER_PANEL_WIDTH GLOBAL PROPERTY SHOOTER_panelWidth)
string(JOIN " " PROGRAM_NAMES ${PROGRAMS})
string(JOIN " " UNIT_TEST_NAMES ${UNIT_TEST_PROGRAMS})
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/build_info.sh @ONLY CONTENT
"# What this build makes (written by CMake; the scripts source it).
PROGRAMS=(@PROGRAM_NAMES@)
UNIT_TEST_PROGRAMS=(@UNIT_TEST_NAMES@)
VERSION=@PROJECT_VERSION@
PRODUCT_NAME='@PRODUCT_NAME@'
PE_FORMAT=@PE_FORMAT@
RELEASE_ARCHIVE=@RELEASE_ARCHIVE@
SHOOTER_ARENA_SIZE=@SHOOTER_ARENA_SIZE@
SHOOTER_PANEL_WIDTH=@SHOOTER_PANEL_WIDTH@
")

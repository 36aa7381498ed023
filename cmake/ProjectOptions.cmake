# Compile options every target of the project shares: warnings, the Windows-1251 execution
# character set for the Russian texts, the ANSI Win32 API and reproducible output; and
# add_program, which adds one of the programs and registers it in the list of programs.

add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                                -fexec-charset=CP1251>)
if(WARNINGS_AS_ERRORS)
    target_compile_options(project_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Werror>)
endif()
# Reproducible executables: no build folder in the objects (the source tree's and the build
# tree's paths become relative) and no link time stamp in the PE header, so two builds of the same
# sources in different folders are the same bytes.
target_compile_options(project_options INTERFACE
    $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                                -ffile-prefix-map=${PROJECT_BINARY_DIR}=build>)
target_link_options(project_options INTERFACE -Wl,--no-insert-timestamp)
# Narrow (ANSI) Win32 calls throughout; keep <windows.h> lean and free of min/max macros.
target_compile_definitions(project_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

# Resource scripts are UTF-8; windres turns their strings into Windows-1251 for the
# Russian language blocks.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# The pointer bitmaps the resource scripts name: a regenerated bitmap rebuilds the resources.
file(GLOB pointer_bitmaps CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/shooter/res/*.bmp
     ${PROJECT_SOURCE_DIR}/shooter_variant/res/*.bmp
     ${PROJECT_SOURCE_DIR}/demos/common/res/*.bmp)

# mark_resources_depend_on_bitmaps(SOURCES...): resource scripts among the sources are rebuilt
# when a pointer bitmap changes.
function(mark_resources_depend_on_bitmaps)
    foreach(source ${ARGN})
        if(source MATCHES "\\.rc$")
            set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS "${pointer_bitmaps}")
        endif()
    endforeach()
endfunction()

# add_program(NAME LIBRARY SCENE_LIBRARY SOURCES SOURCES...): a GUI executable made of an entry
# point, resources and a version resource, linked against the library that holds the program's
# scene. Every program is appended to the global property PROGRAMS, the one list of the programs
# that the release, the checks, the run script and the system tests take.
function(add_program name)
    cmake_parse_arguments(ARG "" "LIBRARY" "SOURCES" ${ARGN})
    set(PROGRAM_NAME ${name})
    set(version_resource ${CMAKE_CURRENT_BINARY_DIR}/${name}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/program_version.rc.in ${version_resource} @ONLY)
    add_executable(${name} WIN32 ${ARG_SOURCES} ${version_resource})
    mark_resources_depend_on_bitmaps(${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARY} project_options)
    # Resource scripts name their bitmaps relative to the program's folder.
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    set_property(GLOBAL APPEND PROPERTY PROGRAMS ${name})
endfunction()

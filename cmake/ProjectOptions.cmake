# Compile options every target of the project shares: warnings, the Windows-1251 execution
# character set for the Russian texts, and the ANSI Win32 API.

add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                                -fexec-charset=CP1251>)
if(WARNINGS_AS_ERRORS)
    target_compile_options(project_options INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Werror>)
endif()
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

# add_program(NAME SCENE_LIBRARY SOURCES... RESOURCES...): a GUI executable made of an entry
# point and resources, linked against the library that holds the program's scene.
function(add_program name)
    cmake_parse_arguments(ARG "" "LIBRARY" "SOURCES" ${ARGN})
    add_executable(${name} WIN32 ${ARG_SOURCES})
    mark_resources_depend_on_bitmaps(${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARY} project_options)
    # Resource scripts name their bitmaps relative to the program's folder.
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

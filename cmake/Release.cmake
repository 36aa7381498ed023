# The release archive of this build, arena-programs-x86.zip (32-bit) or arena-programs-x64.zip
# (64-bit): the programs and the read-me, written by tools/make_release_archive.py so that two
# builds of one commit give the same bytes. tools/release.sh makes both.
#     cmake --build --preset win32 --target release_archive

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(RELEASE_ARCHITECTURE x86)
    set(PE_FORMAT pe32)
else()
    set(RELEASE_ARCHITECTURE x64)
    set(PE_FORMAT pe32+)
endif()
set(RELEASE_ARCHIVE arena-programs-${RELEASE_ARCHITECTURE}.zip)

set(program_files)
foreach(program ${PROGRAMS})
    list(APPEND program_files $<TARGET_FILE:${program}>)
endforeach()
# Always runs: the read-me names the commit, which changes without a reconfiguration.
add_custom_target(release_archive
    COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/make_release_archive.py
            --output ${CMAKE_BINARY_DIR}/${RELEASE_ARCHIVE}
            --readme ${PROJECT_SOURCE_DIR}/docs/release-readme.txt
            --version ${PROJECT_VERSION} --source-dir ${PROJECT_SOURCE_DIR}
            ${program_files}
    VERBATIM)
add_dependencies(release_archive ${PROGRAMS})

# `cmake --install` puts the programs alone in the prefix; the read-me comes with the archive.
install(TARGETS ${PROGRAMS} RUNTIME DESTINATION .)


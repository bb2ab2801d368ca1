# The download: wavoria-<version>-win64.zip with the program, its data files,
# the template scripts and a German LIESMICH.txt, made by CPack from the
# windows preset (tools/package). Only the Windows build is packaged.
if(NOT WIN32)
  return()
endif()

set(WAVORIA_PACKAGE_NAME "wavoria-${PROJECT_VERSION}-win64")

# LIESMICH.txt: written as UTF-8 in the source tree, shipped as Windows-1252
# with CR LF so that Notepad on every Windows shows its umlauts. iconv knows
# the whole code page and stops with an error on a character outside it, so a
# stray symbol never turns into a question mark in the shipped file.
find_program(WAVORIA_ICONV iconv REQUIRED)
configure_file(${CMAKE_SOURCE_DIR}/packaging/LIESMICH.txt.in
               ${CMAKE_BINARY_DIR}/packaging/LIESMICH-utf8.txt @ONLY NEWLINE_STYLE CRLF)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/packaging/LIESMICH.txt
  COMMAND ${WAVORIA_ICONV} -f UTF-8 -t WINDOWS-1252 -o ${CMAKE_BINARY_DIR}/packaging/LIESMICH.txt.tmp
          ${CMAKE_BINARY_DIR}/packaging/LIESMICH-utf8.txt
  COMMAND ${CMAKE_COMMAND} -E rename ${CMAKE_BINARY_DIR}/packaging/LIESMICH.txt.tmp
          ${CMAKE_BINARY_DIR}/packaging/LIESMICH.txt
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/LIESMICH-utf8.txt
  COMMENT "Writing LIESMICH.txt in Windows-1252"
  VERBATIM)
add_custom_target(liesmich ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/LIESMICH.txt)

# Everything in the zip belongs to one component, so that install rules of
# other projects built alongside (GoogleTest) never reach the download.
set(package_parts wavoria)
if(TARGET wavoria-cli)
  list(APPEND package_parts wavoria-cli)
endif()
install(TARGETS ${package_parts} RUNTIME DESTINATION . COMPONENT program)
install(FILES ${CMAKE_SOURCE_DIR}/data/keys.dat ${CMAKE_SOURCE_DIR}/data/actions.dat
              ${CMAKE_BINARY_DIR}/packaging/LIESMICH.txt
        DESTINATION . COMPONENT program)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/scripts DESTINATION . COMPONENT program)
# Everything the zip needs built, and nothing else (tools/package builds this).
add_custom_target(package_files)
add_dependencies(package_files ${package_parts} liesmich)

# cpack only packs what the build made; tools/package builds first. This keeps
# the packaging tests from rebuilding the whole tree inside ctest.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME wavoria)
set(CPACK_PACKAGE_VENDOR Wavoria)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Script editor and installer for Klavato")
set(CPACK_PACKAGE_FILE_NAME ${WAVORIA_PACKAGE_NAME})
# Unpacking gives one folder named like the zip.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_COMPONENTS_ALL program)
set(CPACK_ARCHIVE_COMPONENT_INSTALL OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)

# Tests of the download, in the windows configuration. They are shell scripts
# run natively (ctest applies the Wine emulator to executable targets only);
# the ones that start a program use Wine through tools/lib.sh.
set(package_test_dir ${CMAKE_BINARY_DIR}/package-test)
set(package_exes $<TARGET_FILE:wavoria>)
set(package_env WAVORIA_EXE=$<TARGET_FILE:wavoria>)
if(TARGET wavoria-cli)
  list(APPEND package_exes $<TARGET_FILE:wavoria-cli>)
  list(APPEND package_env WAVORIA_CLI_EXE=$<TARGET_FILE:wavoria-cli>)
endif()
add_test(NAME package_imports
         COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/check_imports.sh
                 ${CMAKE_OBJDUMP} ${package_exes})

# package_zip makes the zip with cpack into package-test/; the others unpack it.
add_test(NAME package_zip
         COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/check_package.sh make
                 ${CMAKE_BINARY_DIR} ${package_test_dir} ${WAVORIA_PACKAGE_NAME})
set_tests_properties(package_zip PROPERTIES FIXTURES_SETUP package)
foreach(check contents install starts)
  add_test(NAME package_${check}
           COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/check_package.sh ${check}
                   ${CMAKE_BINARY_DIR} ${package_test_dir} ${WAVORIA_PACKAGE_NAME})
  set_tests_properties(package_${check} PROPERTIES FIXTURES_REQUIRED package
                                                   ENVIRONMENT "${package_env}")
endforeach()
# Without a display the window check has nothing to look at.
set_tests_properties(package_starts PROPERTIES SKIP_RETURN_CODE 77)
if(NOT TARGET wavoria-cli)
  set_tests_properties(package_install PROPERTIES DISABLED TRUE)
endif()

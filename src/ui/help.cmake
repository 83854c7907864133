# The program's help: HTML pages under src/resources/help compiled into help/Tabwise.chm in the
# application folder (build/app in the build tree, help/ beside the executable when installed).
find_program(CHMCMD_PROGRAM chmcmd REQUIRED)

set(TABWISE_HELP_PROJECT ${CMAKE_SOURCE_DIR}/src/resources/help/Tabwise.hhp)
set(TABWISE_HELP_FILE ${CMAKE_BINARY_DIR}/app/help/Tabwise.chm)
file(GLOB TABWISE_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/help/*)

# chmcmd writes the compiled file into its working folder.
add_custom_command(
  OUTPUT ${TABWISE_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/app/help
  COMMAND ${CHMCMD_PROGRAM} --verbosity 0 ${TABWISE_HELP_PROJECT}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/app/help
  DEPENDS ${TABWISE_HELP_SOURCES}
  COMMENT "Compiling the help file Tabwise.chm"
  VERBATIM)
add_custom_target(tabwise_help ALL DEPENDS ${TABWISE_HELP_FILE})
add_dependencies(tabwise tabwise_help)
install(FILES ${TABWISE_HELP_FILE} DESTINATION help)

# The panels test opens the file just built. The tests are defined after this file is read,
# so the test target is given the file's path at the end of the configuration.
function(tabwise_help_test_setup)
  if(TARGET tst_panels)
    target_compile_definitions(tst_panels PRIVATE TABWISE_BUILT_HELP_FILE="${TABWISE_HELP_FILE}")
    add_dependencies(tst_panels tabwise_help)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tabwise_help_test_setup)

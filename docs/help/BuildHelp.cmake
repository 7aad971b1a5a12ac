# Compiles the help pages into Velloria.chm and installs the pages beside it as plain HTML.
# Run with cmake -P and: CHMCMD, HELP_SOURCE (docs/help), SCREENSHOTS (docs/screenshots, may be
# missing), STAGE (a scratch folder), BIN_DIR (where the module lies).
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(GLOB pages ${HELP_SOURCE}/*.html ${HELP_SOURCE}/*.css ${HELP_SOURCE}/*.hhp ${HELP_SOURCE}/*.hhc)
file(COPY ${pages} DESTINATION ${STAGE})
# Pages name the dialogs' pictures under screenshots/; the ones there are are taken along.
file(GLOB pictures ${SCREENSHOTS}/*.png)
if(pictures)
  file(COPY ${pictures} DESTINATION ${STAGE}/screenshots)
endif()

execute_process(COMMAND ${CHMCMD} --verbosity 0 Velloria.hhp
  WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS ${STAGE}/Velloria.chm)
  message(FATAL_ERROR "chmcmd failed to compile the help (${result}):\n${output}")
endif()
file(COPY ${STAGE}/Velloria.chm DESTINATION ${BIN_DIR})

file(REMOVE_RECURSE ${BIN_DIR}/help)
file(GLOB html ${STAGE}/*.html ${STAGE}/*.css)
file(COPY ${html} DESTINATION ${BIN_DIR}/help)
if(pictures)
  file(COPY ${STAGE}/screenshots DESTINATION ${BIN_DIR}/help)
endif()

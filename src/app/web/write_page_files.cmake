# Writes SITE/index.html and SITE/manifest.webmanifest from their templates in SOURCE, with the
# window's green that the program GROUND_COLOUR prints when NODE runs it, and the page's
# failure script written into the page.
execute_process(COMMAND ${NODE} ${GROUND_COLOUR} OUTPUT_VARIABLE QUILLMAR_GROUND
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(READ ${SOURCE}/page_failure.js QUILLMAR_PAGE_FAILURE_SCRIPT)
configure_file(${SOURCE}/index.html.in ${SITE}/index.html @ONLY)
configure_file(${SOURCE}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)

# Writes SITE/index.html and SITE/manifest.webmanifest from their templates in SOURCE, with
# what the program FIRST_WINDOW prints when NODE runs it (the window as the page first draws
# it, and its green), kept in SETTINGS, and the page's failure, fitting and starting scripts
# written into the page.
execute_process(COMMAND ${NODE} ${FIRST_WINDOW} OUTPUT_FILE ${SETTINGS} COMMAND_ERROR_IS_FATAL ANY)
include(${SETTINGS})
file(READ ${SOURCE}/page_failure.js QUILLMAR_PAGE_FAILURE_SCRIPT)
file(READ ${SOURCE}/page_fit.js QUILLMAR_PAGE_FIT_SCRIPT)
file(READ ${SOURCE}/page_start.js QUILLMAR_PAGE_START_SCRIPT)
configure_file(${SOURCE}/index.html.in ${SITE}/index.html @ONLY)
configure_file(${SOURCE}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)

# Writes SITE/service_worker.js from TEMPLATE: the files it keeps are FILES, and the page's
# folder itself, which serves index.html; its cache is named after a digest of their contents.
set(contents "")
set(QUILLMAR_SITE_FILES "\"./\"")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND contents "${digest} ${file}\n")
    string(APPEND QUILLMAR_SITE_FILES ", \"${file}\"")
endforeach()
string(SHA256 digest "${contents}")
string(SUBSTRING ${digest} 0 12 QUILLMAR_SITE_DIGEST)
configure_file(${TEMPLATE} ${SITE}/service_worker.js @ONLY)

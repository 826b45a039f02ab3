# Writes the service worker from its template: the site's files (FILES, relative to
# SITE, separated by commas) and a version made of their bytes.
string(REPLACE "," ";" FILES "${FILES}")
set(hashes "")
set(names "")
foreach(file IN LISTS FILES)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND hashes "${hash}")
    string(APPEND names "\n    \"${file}\",")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 VELTRO_SITE_VERSION)
set(VELTRO_SITE_FILES "${names}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)

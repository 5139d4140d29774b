# Writes the service worker of the site in SITE from TEMPLATE: the list of the
# page's files and a digest of their contents, which names its cache.
#     cmake -DSITE=DIR -DTEMPLATE=FILE -P service_worker.cmake
file(GLOB_RECURSE site_files RELATIVE ${SITE} ${SITE}/*)
# The font's licence goes with the site but is no part of the page.
list(FILTER site_files EXCLUDE REGEX "^service-worker.js$|/LICENSE$|/COPYRIGHT$")
list(SORT site_files)
set(digests "")
# The page itself is cached as "./", the address it is visited at.
set(SITE_FILES "'./'")
foreach(site_file ${site_files})
    file(SHA256 ${SITE}/${site_file} digest)
    string(APPEND digests "${site_file} ${digest}\n")
    if(NOT site_file STREQUAL "index.html")
        string(APPEND SITE_FILES ", '${site_file}'")
    endif()
endforeach()
string(SHA256 SITE_DIGEST "${digests}")
string(SUBSTRING ${SITE_DIGEST} 0 16 SITE_DIGEST)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)

# Writes the service worker of the site in SITE from TEMPLATE: each of the
# page's files with the digest of its contents, as the subresource integrity
# that the worker asks for, and a digest of them all, which names its cache.
#     cmake -DSITE=DIR -DTEMPLATE=FILE -P service_worker.cmake

# The SHA-256 of FILE as a subresource integrity: "sha256-" and the digest in
# base64.
function(integrity file variable)
    file(SHA256 ${file} hex)
    set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
    set(base64 "")
    # Ten groups of three bytes (six hex digits, four letters), then one of
    # two (four digits, three letters and "=").
    foreach(start RANGE 0 60 6)
        string(SUBSTRING ${hex} ${start} 6 group)
        math(EXPR bits "0x${group}")
        set(letters 4)
        if(start EQUAL 60)
            math(EXPR bits "${bits} << 2")
            set(letters 3)
        endif()
        set(group "")
        foreach(letter RANGE 1 ${letters})
            math(EXPR index "${bits} & 63")
            math(EXPR bits "${bits} >> 6")
            string(SUBSTRING ${alphabet} ${index} 1 character)
            string(PREPEND group ${character})
        endforeach()
        string(APPEND base64 ${group})
    endforeach()
    set(${variable} "sha256-${base64}=" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE site_files RELATIVE ${SITE} ${SITE}/*)
# The font's licence goes with the site but is no part of the page.
list(FILTER site_files EXCLUDE REGEX "^service-worker.js$|/LICENSE$|/COPYRIGHT$")
list(SORT site_files)
set(digests "")
set(SITE_FILES "")
foreach(site_file ${site_files})
    integrity(${SITE}/${site_file} digest)
    string(APPEND digests "${site_file} ${digest}\n")
    string(APPEND SITE_FILES "  '${site_file}': '${digest}',\n")
endforeach()
string(SHA256 SITE_DIGEST "${digests}")
string(SUBSTRING ${SITE_DIGEST} 0 16 SITE_DIGEST)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)

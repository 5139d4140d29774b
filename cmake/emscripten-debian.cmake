# What Debian 12's Emscripten (3.1.6) needs beyond its own toolchain file, in
# one place. Included after project() when EMSCRIPTEN is set.

# emcc's JavaScript tools require acorn, from Debian's node-acorn, which a
# node not built by Debian does not look for in /usr/share/nodejs: linking
# fails with "Cannot find module 'acorn'".
set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)

# Programs run under node (the tests, make_site): the 3.1.6 loader fetches
# the .wasm with fetch() when that exists, which node 18 and later have, and
# fetch() takes no file path ("Failed to parse URL").
find_program(NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} --no-experimental-fetch)

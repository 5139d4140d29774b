# The program's icon, drawn at build time by tools/make_icon.py, its one
# source: a 32-pixel drawing and the same enlarged pixel for pixel.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Draws DIR/icon-SIZE.png for each SIZE given (32 and whole multiples of it)
# and names the files in the variable FILES.
function(euler_draw_icon files dir)
    set(paths)
    set(arguments)
    foreach(size IN LISTS ARGN)
        list(APPEND paths ${dir}/icon-${size}.png)
        list(APPEND arguments ${size}:${dir}/icon-${size}.png)
    endforeach()
    add_custom_command(OUTPUT ${paths}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/make_icon.py ${arguments}
        DEPENDS ${PROJECT_SOURCE_DIR}/tools/make_icon.py
        VERBATIM)
    set(${files} ${paths} PARENT_SCOPE)
endfunction()

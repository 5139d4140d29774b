# How scripts/windows.sh configures Debian's Qt source for Windows: an initial
# cache (cmake -C). The Windows Qt is built once for each version of this file,
# of the Qt source and of the compiler.
#
# A static Qt with what the program uses and no more, built for size: the
# program is one window of labels, two text boxes, a line edit, a list and
# two push buttons, with context menus, a message box, the clipboard,
# accessibility and the Windows, Windows Vista and Fusion styles.

set(CMAKE_BUILD_TYPE Release CACHE STRING "")

# The static libraries carry paths into the program: their sources' and build
# folder's (in __FILE__) and the install prefix (qt_prfxpath, which
# QLibraryInfo reads and which names nothing on a school's PC). Each is the
# same wherever the cache is, so that the program's bytes do not depend on
# who built Qt, or in which folder: the prefix is fixed, and
# scripts/windows.sh installs into the cache with cmake --install --prefix.
set(CMAKE_INSTALL_PREFIX /usr/local/euler-primes-qt-for-windows CACHE PATH "")
set(no_build_paths "-ffile-prefix-map=${CMAKE_SOURCE_DIR}=/qt6-base -ffile-prefix-map=${CMAKE_BINARY_DIR}=/qt6-base-build")
set(CMAKE_CXX_FLAGS "${no_build_paths}" CACHE STRING "")
set(BUILD_SHARED_LIBS OFF CACHE BOOL "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")

# -Os throughout (Qt builds Core and Gui at -O3 otherwise). A static Qt is
# built with each function in a section of its own, so the program takes only
# what it reaches. No link-time optimisation: Qt 6.4.2 compiles for MinGW with
# -Wa,-mbig-obj, and the LTO plugin of Debian 12's MinGW-w64 (GCC 12) cannot
# read such objects ("plugin needed to handle lto object"), so the program
# does not link.
set(FEATURE_optimize_size ON CACHE BOOL "")

# Qt's own copies of the libraries that Gui needs, as Windows has none.
foreach(library zlib pcre2 freetype png)
    set(FEATURE_system_${library} OFF CACHE BOOL "")
endforeach()

# The window draws with the raster engine and Windows' own font engines
# (DirectWrite, GDI); its Latin and Cyrillic text needs no shaping beyond
# Qt's own. So no OpenGL and no HarfBuzz. FreeType stays: without it Qt 6.4.2
# builds no offscreen platform, which the window's tests run on. PCRE2
# interprets the few regular expressions that Qt's own code uses, with no
# just-in-time compiler.
set(INPUT_opengl no CACHE STRING "")
set(FEATURE_harfbuzz OFF CACHE BOOL "")
set(CMAKE_C_FLAGS "-DPCRE2_DISABLE_JIT ${no_build_paths}" CACHE STRING "")

# Whole modules, image formats and back ends that nothing here uses. Without
# tablet events, as the Debian source lacks the wintab headers. Direct2D stays:
# without it, Qt 6.4.2 leaves out the DirectWrite font database that the
# windows platform plugin needs.
foreach(feature
        sql network dbus printsupport concurrent xml tabletevent
        jpeg gif ico imageformat_bmp imageformat_ppm imageformat_xbm imageformat_jpeg
        movie picture pdf vulkan)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()

# Core: no MIME or time-zone database, calendars beyond the Gregorian,
# processes, shared memory, file watching, XML, command-line parsing.
foreach(feature
        mimetype timezone jalalicalendar hijricalendar islamiccivilcalendar
        process sharedmemory systemsemaphore filesystemwatcher commandlineparser xmlstream)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()

# Gui: no document writers or Markdown, session management, tray icon,
# desktop services, undo framework or proxy models. The file-system model
# stays, as the QtWidgets header that Qt 6.4.2 builds OpenGLWidgets with
# includes it, and the standard item model, which the combo box needs.
foreach(feature
        textodfwriter textmarkdownreader textmarkdownwriter sessionmanager systemtrayicon
        desktopservices undocommand proxymodel concatenatetablesproxymodel)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()

# Widgets that the window does not have, and the dialogs, views, style sheets
# and effects that only they need: Qt's own widgets refer to many of them
# (QDialog to the file dialog, QWidget to the graphics view), so they would
# be linked in. Those stay that the Windows Vista style uses whatever the
# features say (tab bars, tree and table views, spin and combo boxes, radio
# buttons, progress bars, dock widgets, tool bars, the input dialog, ...), and
# the group box and button group without which Qt 6.4.2's
# qabstractbutton.cpp does not compile.
foreach(feature
        style_stylesheet effects gestures scroller
        treewidget tablewidget columnview datawidgetmapper
        datetimeedit calendarwidget textbrowser splashscreen
        splitter formlayout lcdnumber dial fontcombobox completer fscompleter keysequenceedit
        toolbox mdiarea statusbar graphicsview graphicseffect syntaxhighlighter undoview
        tooltip statustip whatsthis
        colordialog filedialog fontdialog progressdialog errormessage wizard)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()

# corvane_sdl: the SDL 2 the platform layer (and its tests) link.
#
# Debian's SDL 2 is linked against everything SDL can do: PulseAudio, ALSA, libsndfile and its
# codecs, Wayland, DRM, libdecor, systemd and more, about 45 shared libraries that every program
# using it maps and relocates before main, although the framework asks SDL for X11 windows, events
# and timers only. For a small window that was 3 MiB of its memory and a tenth of its start-up.
# So SDL is built here from Debian's own source of the same release, with X11 video (linked to the
# X11 libraries directly rather than looking up some 200 functions in them as the video starts),
# the dummy video driver, events and timers, and linked statically. It is built without D-Bus: SDL
# would load libdbus, and with it libsystemd and its compression and cryptography libraries, at
# every start (3 ms and 1 MiB here) only to reach input methods, which reach it through XIM all
# the same (IBus and Fcitx serve both). Of the X11 extensions it uses only XRandR (the screens) and
# the shared-memory pictures of Xext: XInput 2 (raw and touch input), XFixes (pointer barriers,
# clipboard notices), Xcursor (colour cursors), XScreenSaver, XShape and DBE serve nothing the
# framework asks for, and each costs a library to load and requests to the server at start. Five
# patches (in patches/) shorten its X11 start:
# - sdl-x11-fewer-round-trips.patch: it waits for the server fewer times;
# - sdl-x11-framebuffer-memory-file.patch: its window picture is a memory file the server maps
#   (through XCB's MIT-SHM), which reaches the screen sooner than a System V segment;
# - sdl-x11-xlib-locale-on-demand.patch: Xlib's locale is loaded once text is wanted, not before
#   the first window shows;
# - sdl-x11-wakeup-connection-on-demand.patch: its second connection, for wakeups from other
#   threads, is opened by the first of them;
# - sdl-x11-keyboard-on-demand.patch: the server's keyboard is read with the first focus or key.
#
# CORVANE_TRIMMED_SDL (on, except in sanitizer and fuzzing builds, which need no fast start) turns
# that off; so does a failed download, with a warning, since the system's SDL works the same,
# only slower.
include(${CMAKE_CURRENT_LIST_DIR}/Downloads.cmake)

set(CORVANE_SDL_URL http://deb.debian.org/debian/pool/main/libs/libsdl2/libsdl2_2.26.5+dfsg.orig.tar.gz)
set(CORVANE_SDL_SHA256 b3f2c822151804125d08db94c65852f711c2e5df2145a59da120748dc32eb9c3)

set(trimmedByDefault ON)
if(CORVANE_SANITIZE OR CORVANE_FUZZ)
  set(trimmedByDefault OFF)
endif()
option(CORVANE_TRIMMED_SDL "Build SDL 2 with only the parts the framework uses, and link it statically"
       ${trimmedByDefault})

function(corvane_add_trimmed_sdl archive)
  include(ExternalProject)
  set(prefix ${CMAKE_BINARY_DIR}/trimmed-sdl)
  set(library ${prefix}/install/lib/libSDL2.a)
  # Applied in this order, each to the source the ones before it left.
  set(patchNames sdl-x11-fewer-round-trips sdl-x11-framebuffer-memory-file sdl-x11-xlib-locale-on-demand
                 sdl-x11-wakeup-connection-on-demand sdl-x11-keyboard-on-demand)
  set(patchFiles "")
  set(patchCommand "")
  foreach(name IN LISTS patchNames)
    set(file ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/patches/${name}.patch)
    list(APPEND patchFiles ${file})
    if(patchCommand)
      list(APPEND patchCommand COMMAND)
    endif()
    list(APPEND patchCommand patch -p1 -i ${file})
  endforeach()
  ExternalProject_Add(corvane_trimmed_sdl_build
    URL ${archive}
    URL_HASH SHA256=${CORVANE_SDL_SHA256}
    DOWNLOAD_EXTRACT_TIMESTAMP TRUE
    PATCH_COMMAND ${patchCommand}
    PREFIX ${prefix}
    INSTALL_DIR ${prefix}/install
    BUILD_BYPRODUCTS ${library}
    CMAKE_ARGS
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR> -DCMAKE_INSTALL_LIBDIR=lib
      -DCMAKE_C_COMPILER=${CMAKE_C_COMPILER}
      -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_STATIC_PIC=ON -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=ON
      -DSDL_AUDIO=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF
      -DSDL_POWER=OFF -DSDL_RENDER=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_VULKAN=OFF
      -DSDL_WAYLAND=OFF -DSDL_KMSDRM=OFF -DSDL_RPI=OFF -DSDL_VIVANTE=OFF -DSDL_DIRECTFB=OFF
      -DSDL_OFFSCREEN=OFF -DSDL_LIBUDEV=OFF
      -DSDL_X11=ON -DSDL_X11_SHARED=OFF -DSDL_X11_XINPUT=OFF -DSDL_X11_XFIXES=OFF -DSDL_X11_XCURSOR=OFF
      -DSDL_X11_XSCRNSAVER=OFF -DSDL_X11_XSHAPE=OFF -DSDL_X11_XDBE=OFF
      -DSDL_DUMMYVIDEO=ON -DSDL_DBUS=OFF -DSDL_IBUS=OFF -DSDL_CCACHE=ON)
  # A changed patch is applied to freshly unpacked source.
  ExternalProject_Add_StepDependencies(corvane_trimmed_sdl_build download ${patchFiles})
  # The headers exist only once the build above ran; the folder must exist before it for CMake.
  file(MAKE_DIRECTORY ${prefix}/install/include/SDL2)
  add_library(corvane_sdl INTERFACE)
  target_include_directories(corvane_sdl SYSTEM INTERFACE $<BUILD_INTERFACE:${prefix}/install/include/SDL2>)
  # Tests of what only this SDL does (its window picture) look for CORVANE_TRIMMED_SDL.
  target_compile_definitions(corvane_sdl INTERFACE _REENTRANT CORVANE_TRIMMED_SDL)
  target_link_libraries(corvane_sdl INTERFACE $<BUILD_INTERFACE:${library}>)
  corvane_link_sdl_x11(corvane_sdl)
  target_link_libraries(corvane_sdl INTERFACE ${CMAKE_DL_LIBS} pthread m)
  add_dependencies(corvane_sdl corvane_trimmed_sdl_build)
endfunction()

# The X11 libraries of the SDL built here. As shared libraries they were nine (and libbsd and libmd
# under libXdmcp) to map and relocate before main: about 1.5 ms. So they are linked statically when
# the system has their archives (their -dev packages do). Making a cursor, libX11 loads libXcursor
# with dlopen, which brings the shared libX11 along: the program therefore exports libX11, whole,
# and libXrender (x11-exports.list), so that libXcursor calls them and not a second libX11 that
# knows nothing of the program's connection.
function(corvane_link_sdl_x11 target)
  set(archives "")
  foreach(name X11-xcb Xrandr Xrender Xext xcb-shm X11 xcb Xau Xdmcp)
    unset(archive)
    find_library(archive NAMES lib${name}.a NO_CACHE)
    if(NOT archive)
      pkg_check_modules(SDL_X11 REQUIRED IMPORTED_TARGET x11 x11-xcb xcb-shm xext xrandr)
      target_link_libraries(${target} INTERFACE PkgConfig::SDL_X11)
      return()
    endif()
    if(name STREQUAL "X11" OR name STREQUAL "Xrender")
      set(archive "$<LINK_LIBRARY:WHOLE_ARCHIVE,${archive}>")
    endif()
    list(APPEND archives ${archive})
  endforeach()
  target_link_libraries(${target} INTERFACE ${archives})
  target_compile_definitions(${target} INTERFACE CORVANE_LINKED_X11)
  set(CORVANE_LINKED_X11 ON CACHE INTERNAL "Whether SDL's X11 libraries are linked into the programs")
  target_link_options(${target} INTERFACE "LINKER:--dynamic-list=${CMAKE_CURRENT_FUNCTION_LIST_DIR}/x11-exports.list")
endfunction()

set(CORVANE_LINKED_X11 OFF CACHE INTERNAL "Whether SDL's X11 libraries are linked into the programs")
set(sdlArchive "")
if(CORVANE_TRIMMED_SDL)
  corvane_fetch_source(sdlArchive NAME "SDL 2" URL ${CORVANE_SDL_URL} SHA256 ${CORVANE_SDL_SHA256}
    FALLBACK "the build uses the system's SDL 2, which starts slower and takes more memory. Configure with -DCORVANE_TRIMMED_SDL=OFF to say so and silence this.")
endif()
if(sdlArchive)
  corvane_add_trimmed_sdl(${sdlArchive})
else()
  pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET GLOBAL sdl2)
  add_library(corvane_sdl INTERFACE)
  target_link_libraries(corvane_sdl INTERFACE PkgConfig::SDL2)
endif()

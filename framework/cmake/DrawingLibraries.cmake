# corvane_drawing (cairo and Pango) and corvane_image_codecs (libpng and libjpeg-turbo): the
# libraries the graphics layer draws and decodes with.
#
# Linked as shared libraries, cairo and Pango bring some 30 more: GLib, GObject, GIO and what GIO
# loads for its mounts, HarfBuzz, FriBidi, libthai, fontconfig, FreeType, pixman, expat, brotli,
# PCRE2 and libffi. Before main, the loader maps and relocates each of them: the calculator reached
# main after 14 ms on a small virtual machine, and after 5.5 ms with them linked in. So they are
# linked statically. Debian ships static archives of all of them but Pango and HarfBuzz, which are
# built here from Debian's own source of the same releases, with Meson. Only libc's stay shared.
# The headers are the system's, of the same releases.
#
# CORVANE_STATIC_DRAWING (on, except in sanitizer and fuzzing builds, which need no fast start and
# check the shared libraries as they are) turns that off; so does a failed download or a missing
# Meson, with a warning, since the shared libraries work the same, only slower to start.
include(${CMAKE_CURRENT_LIST_DIR}/Downloads.cmake)

set(CORVANE_HARFBUZZ_URL http://deb.debian.org/debian/pool/main/h/harfbuzz/harfbuzz_6.0.0+dfsg.orig.tar.xz)
set(CORVANE_HARFBUZZ_SHA256 89266cb363e49b6aa999eda04ca25b0d234a69ad9304679631371f4697652368)
set(CORVANE_PANGO_URL http://deb.debian.org/debian/pool/main/p/pango1.0/pango1.0_1.50.12+ds.orig.tar.xz)
set(CORVANE_PANGO_SHA256 ec19df0570cf87583ebff514968a958c25031a6f47eb39e8eb06530166ffb239)

set(staticByDefault ON)
if(CORVANE_SANITIZE OR CORVANE_FUZZ)
  set(staticByDefault OFF)
endif()
option(CORVANE_STATIC_DRAWING "Link cairo, Pango and the libraries under them statically" ${staticByDefault})

find_package(Threads REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(PANGOCAIRO REQUIRED IMPORTED_TARGET pangocairo)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
pkg_check_modules(TURBOJPEG REQUIRED IMPORTED_TARGET libturbojpeg)

# The libraries that stay shared whatever the stack names: libc's own, and GIO's mount and SELinux
# helpers (Debian has no static libmount; nothing here mounts).
set(CORVANE_SHARED_ONLY m dl pthread rt mount blkid selinux sepol)
# cairo names the X11 client libraries for its X11 surfaces, which the graphics layer never draws
# on. They are left out: SDL links those it uses, and how (Sdl.cmake).
set(CORVANE_NOT_LINKED X11 Xext Xrender xcb xcb-shm xcb-render Xau Xdmcp)

# Sets ${archives} to the static archives of the -l names in ${ARGN} that the system has one of,
# and ${shared} to the other names, which link shared libraries; both in their first order.
function(corvane_split_static_archives archives shared)
  set(found "")
  set(others "")
  foreach(name IN LISTS ARGN)
    if(name IN_LIST CORVANE_NOT_LINKED)
      continue()
    endif()
    unset(archive)
    if(NOT name IN_LIST CORVANE_SHARED_ONLY)
      find_library(archive NAMES lib${name}.a NO_CACHE)
    endif()
    if(archive)
      list(APPEND found ${archive})
    else()
      list(APPEND others ${name})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES found)
  list(REMOVE_DUPLICATES others)
  set(${archives} ${found} PARENT_SCOPE)
  set(${shared} ${others} PARENT_SCOPE)
endfunction()

# Builds the Meson project in ${archive} as static libraries into ${install}, after ${DEPENDS}.
function(corvane_add_meson_build name archive hash install)
  cmake_parse_arguments(BUILD "" "" "DEPENDS;OPTIONS;LIBRARIES" ${ARGN})
  set(byproducts "")
  foreach(library IN LISTS BUILD_LIBRARIES)
    list(APPEND byproducts ${install}/lib/lib${library}.a)
  endforeach()
  ExternalProject_Add(${name}
    URL ${archive}
    URL_HASH SHA256=${hash}
    DOWNLOAD_EXTRACT_TIMESTAMP TRUE
    PREFIX ${CMAKE_BINARY_DIR}/drawing-libraries/${name}
    INSTALL_DIR ${install}
    DEPENDS ${BUILD_DEPENDS}
    CONFIGURE_COMMAND ${CMAKE_COMMAND} -E env CC=${CMAKE_C_COMPILER} CXX=${CMAKE_CXX_COMPILER}
      PKG_CONFIG_PATH=${install}/lib/pkgconfig:$ENV{PKG_CONFIG_PATH}
      ${CORVANE_MESON} setup <BINARY_DIR> <SOURCE_DIR> --prefix=<INSTALL_DIR> --libdir=lib
      --buildtype=release --default-library=static ${BUILD_OPTIONS}
    BUILD_COMMAND ${CORVANE_NINJA} -C <BINARY_DIR>
    INSTALL_COMMAND ${CORVANE_NINJA} -C <BINARY_DIR> install
    BUILD_BYPRODUCTS ${byproducts})
endfunction()

function(corvane_add_static_drawing harfbuzzArchive pangoArchive)
  include(ExternalProject)
  set(install ${CMAKE_BINARY_DIR}/drawing-libraries/install)
  corvane_add_meson_build(corvane_harfbuzz_build ${harfbuzzArchive} ${CORVANE_HARFBUZZ_SHA256} ${install}
    LIBRARIES harfbuzz
    OPTIONS -Dglib=enabled -Dfreetype=enabled -Dgobject=disabled -Dcairo=disabled -Dchafa=disabled
            -Dicu=disabled -Dtests=disabled -Dintrospection=disabled -Ddocs=disabled)
  corvane_add_meson_build(corvane_pango_build ${pangoArchive} ${CORVANE_PANGO_SHA256} ${install}
    DEPENDS corvane_harfbuzz_build
    LIBRARIES pangocairo-1.0 pangoft2-1.0 pango-1.0
    OPTIONS -Dfontconfig=enabled -Dfreetype=enabled -Dcairo=enabled -Dlibthai=enabled -Dxft=disabled
            -Dsysprof=disabled -Dintrospection=disabled -Dgtk_doc=false -Dinstall-tests=false)

  # What Pango's own libraries need, from the system's static descriptions of the libraries under it.
  pkg_check_modules(DRAWING_STACK REQUIRED cairo gio-2.0 fontconfig freetype2 fribidi libthai)
  corvane_split_static_archives(archives shared ${DRAWING_STACK_STATIC_LIBRARIES})
  set(built "")
  foreach(library pangocairo-1.0 pangoft2-1.0 pango-1.0 harfbuzz)
    list(APPEND built ${install}/lib/lib${library}.a)
  endforeach()
  list(JOIN built "," built)
  list(JOIN archives "," archives)
  add_library(corvane_drawing INTERFACE)
  target_include_directories(corvane_drawing SYSTEM INTERFACE ${PANGOCAIRO_INCLUDE_DIRS})
  target_compile_options(corvane_drawing INTERFACE ${PANGOCAIRO_CFLAGS_OTHER})
  # The archives need each other in both directions (Pango and HarfBuzz, cairo and fontconfig).
  target_link_libraries(corvane_drawing INTERFACE "$<LINK_GROUP:RESCAN,${built},${archives}>" ${shared} Threads::Threads)
  add_dependencies(corvane_drawing corvane_pango_build)

  corvane_split_static_archives(archives shared ${LIBPNG_STATIC_LIBRARIES} ${TURBOJPEG_STATIC_LIBRARIES})
  add_library(corvane_image_codecs INTERFACE)
  target_include_directories(corvane_image_codecs SYSTEM INTERFACE ${LIBPNG_INCLUDE_DIRS} ${TURBOJPEG_INCLUDE_DIRS})
  target_link_libraries(corvane_image_codecs INTERFACE ${archives} ${shared})
endfunction()

function(corvane_add_shared_drawing)
  add_library(corvane_drawing INTERFACE)
  target_link_libraries(corvane_drawing INTERFACE PkgConfig::CAIRO PkgConfig::PANGOCAIRO PkgConfig::FONTCONFIG)
  add_library(corvane_image_codecs INTERFACE)
  target_link_libraries(corvane_image_codecs INTERFACE PkgConfig::LIBPNG PkgConfig::TURBOJPEG)
endfunction()

set(harfbuzzArchive "")
set(pangoArchive "")
if(CORVANE_STATIC_DRAWING)
  find_program(CORVANE_MESON meson)
  find_program(CORVANE_NINJA NAMES ninja ninja-build)
  if(NOT CORVANE_MESON OR NOT CORVANE_NINJA)
    message(WARNING "Meson or Ninja is missing (scripts/install-deps installs them): cairo and Pango are "
                    "linked as shared libraries, which start slower. Configure with "
                    "-DCORVANE_STATIC_DRAWING=OFF to say so and silence this.")
  else()
    set(fallback "cairo and Pango are linked as shared libraries, which start slower. Configure with -DCORVANE_STATIC_DRAWING=OFF to say so and silence this.")
    corvane_fetch_source(harfbuzzArchive NAME HarfBuzz URL ${CORVANE_HARFBUZZ_URL} SHA256 ${CORVANE_HARFBUZZ_SHA256}
      FALLBACK ${fallback})
    if(harfbuzzArchive)
      corvane_fetch_source(pangoArchive NAME Pango URL ${CORVANE_PANGO_URL} SHA256 ${CORVANE_PANGO_SHA256}
        FALLBACK ${fallback})
    endif()
  endif()
endif()
if(pangoArchive)
  corvane_add_static_drawing(${harfbuzzArchive} ${pangoArchive})
else()
  corvane_add_shared_drawing()
endif()

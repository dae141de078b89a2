# Imported targets for the system libraries, all taken from Debian packages.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

find_program(WX_CONFIG wx-config REQUIRED)
function(tidewave_wx_target name libs)
  execute_process(COMMAND ${WX_CONFIG} --cxxflags ${libs} OUTPUT_VARIABLE _cflags OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${WX_CONFIG} --libs ${libs} OUTPUT_VARIABLE _libs OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(_cflags UNIX_COMMAND "${_cflags}")
  separate_arguments(_libs UNIX_COMMAND "${_libs}")
  add_library(${name} INTERFACE IMPORTED GLOBAL)
  set(_defs "")
  set(_incs "")
  set(_opts "")
  foreach(f IN LISTS _cflags)
    if(f STREQUAL "-DwxUSE_GUI=0")
      # Base-only code simply uses no window class; the flag would leak
      # into the window targets that link it.
    elseif(f MATCHES "^-D(.*)")
      list(APPEND _defs "${CMAKE_MATCH_1}")
    elseif(f MATCHES "^-I(.*)")
      list(APPEND _incs "${CMAKE_MATCH_1}")
    else()
      list(APPEND _opts "${f}")
    endif()
  endforeach()
  set_target_properties(${name} PROPERTIES
    INTERFACE_COMPILE_DEFINITIONS "${_defs}"
    INTERFACE_INCLUDE_DIRECTORIES "${_incs}"
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${_incs}"
    INTERFACE_COMPILE_OPTIONS "${_opts}"
    INTERFACE_LINK_LIBRARIES "${_libs}")
endfunction()

# wx base (strings, events, timers, threads) for code that shows no window;
# the full GUI set for windows.
tidewave_wx_target(tw::wxbase "base")
tidewave_wx_target(tw::wxgui "core,base,adv")

find_library(TINYXML_LIB tinyxml REQUIRED)
find_path(TINYXML_INCLUDE tinyxml.h REQUIRED)
add_library(tw::tinyxml INTERFACE IMPORTED GLOBAL)
set_target_properties(tw::tinyxml PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES "${TINYXML_INCLUDE}"
  INTERFACE_COMPILE_DEFINITIONS "TIXML_USE_STL"
  INTERFACE_LINK_LIBRARIES "${TINYXML_LIB}")

find_package(OpenSSL 3 REQUIRED)
pkg_check_modules(AVAHI IMPORTED_TARGET avahi-client)
pkg_check_modules(GTK3 IMPORTED_TARGET gtk+-3.0)
# Pango alone, without windows: where a text cursor can stand, for the text
# cuts that the window-free logic makes (in every build).
pkg_check_modules(PANGO REQUIRED IMPORTED_TARGET pango)
find_package(X11)

find_library(ACE_LIB ACE)
find_library(ACE_SSL_LIB ACE_SSL)

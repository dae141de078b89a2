# Window-free arithmetic of the tray's balloons (the signal bands); needs no
# toolkit.
if(NOT TARGET tw_tray_logic)
  add_library(tw_tray_logic STATIC ${CMAKE_CURRENT_LIST_DIR}/SignalIconChooser.cpp)
  target_include_directories(tw_tray_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
endif()

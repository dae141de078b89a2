# Window-free arithmetic of the notices: where each stands on the screen;
# needs no toolkit.
if(NOT TARGET tw_tray_notices_logic)
  add_library(tw_tray_notices_logic STATIC ${CMAKE_CURRENT_LIST_DIR}/NoticePlacement.cpp)
  target_include_directories(tw_tray_notices_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
endif()

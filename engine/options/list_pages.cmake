# The models of the Alarms and Time Zones pages of the settings editor.
target_sources(zembrik_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/alarm_details.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarm_rows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/alarms_page_model.cpp
)
target_sources(zembrik_engine PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/system_zone_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timezones_page_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zone_choice_dialog.cpp
)

# Portable computations of the shell (view, zoom, picking rules, sizing): part of the core.
set(APP_CORE_SOURCES
    ${CMAKE_SOURCE_DIR}/app/startup_layout.cpp
    ${CMAKE_SOURCE_DIR}/app/map_view.cpp
    ${CMAKE_SOURCE_DIR}/app/map_drawing.cpp
    ${CMAKE_SOURCE_DIR}/app/menu_script.cpp
)
# The Win32 shell: windows, menus, messages, dialogs. APP_ENTRY_SOURCES only go into Orbily.exe.
set(APP_SHELL_SOURCES
    ${CMAKE_SOURCE_DIR}/app/application.cpp
    ${CMAKE_SOURCE_DIR}/app/csv_export_win32.cpp
    ${CMAKE_SOURCE_DIR}/app/menu_bar.cpp
    ${CMAKE_SOURCE_DIR}/app/map_window.cpp
    ${CMAKE_SOURCE_DIR}/app/commands.cpp
    ${CMAKE_SOURCE_DIR}/app/navigation.cpp
    ${CMAKE_SOURCE_DIR}/app/view_surface.cpp
    ${CMAKE_SOURCE_DIR}/app/map_surface.cpp
    ${CMAKE_SOURCE_DIR}/app/captions.cpp
    ${CMAKE_SOURCE_DIR}/app/stats_dialog_template.cpp
    ${CMAKE_SOURCE_DIR}/app/stats_window.cpp
    ${CMAKE_SOURCE_DIR}/app/datasheet.cpp
    ${CMAKE_SOURCE_DIR}/app/flag_window.cpp
)
set(APP_ENTRY_SOURCES
    ${CMAKE_SOURCE_DIR}/app/main.cpp
    ${CMAKE_SOURCE_DIR}/app/runtime.cpp
)

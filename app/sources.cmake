# The Win32 shell: windows, menus, messages, dialogs. APP_ENTRY_SOURCES only go into Orbily.exe.
set(APP_SHELL_SOURCES
    ${CMAKE_SOURCE_DIR}/app/application.cpp
    ${CMAKE_SOURCE_DIR}/app/menu_bar.cpp
    ${CMAKE_SOURCE_DIR}/app/map_window.cpp
    ${CMAKE_SOURCE_DIR}/app/commands.cpp
    ${CMAKE_SOURCE_DIR}/app/navigation.cpp
    ${CMAKE_SOURCE_DIR}/app/view_surface.cpp
    ${CMAKE_SOURCE_DIR}/app/map_surface.cpp
    ${CMAKE_SOURCE_DIR}/app/captions.cpp
)
set(APP_ENTRY_SOURCES
    ${CMAKE_SOURCE_DIR}/app/main.cpp
    ${CMAKE_SOURCE_DIR}/app/runtime.cpp
)

# Which files make which library. Folders are globbed so that a new file needs no edit here;
# app/, the Win32 shell, lists its files itself.
include(${CMAKE_SOURCE_DIR}/app/sources.cmake)

file(GLOB CORE_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/geo/*.cpp
    ${CMAKE_SOURCE_DIR}/projection/*.cpp
    ${CMAKE_SOURCE_DIR}/flags/*.cpp
    ${CMAKE_SOURCE_DIR}/stats/*.cpp
    ${CMAKE_SOURCE_DIR}/view/*.cpp
    ${CMAKE_SOURCE_DIR}/data/*.cpp
    ${CMAKE_SOURCE_DIR}/platform/*.cpp)
# the back ends are chosen by each build
list(FILTER CORE_SOURCES EXCLUDE REGEX "platform/(win32|cairo|native|posix)_[^/]*\\.cpp$")
# the file writer of each system goes with the core, which writes the statistics file through it
set(NATIVE_FILE_SOURCES ${CMAKE_SOURCE_DIR}/platform/posix_atomic_file.cpp)
set(WIN32_FILE_SOURCES ${CMAKE_SOURCE_DIR}/platform/win32_atomic_file.cpp)
# statistics and flag windows belong to the shell
list(FILTER CORE_SOURCES EXCLUDE REGEX "_window\\.cpp$")

file(GLOB CORE_WINDOW_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/stats/*_window.cpp)

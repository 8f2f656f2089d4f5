# Windows build: Orbily.exe without any C or C++ runtime, and the Windows test program,
# which may use the runtime and links GoogleTest built from Debian's sources.
# The 32-bit build makes both; the 64-bit build only the test program, for 64-bit Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(X87_CORE_FLAGS ${CORE_FLAGS} -march=i686 -mfpmath=387)
else()
    set(X87_CORE_FLAGS ${CORE_FLAGS} -mfpmath=387)
endif()

add_library(orbily_core STATIC ${CORE_SOURCES} ${WIN32_FILE_SOURCES})
target_include_directories(orbily_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(orbily_core PRIVATE ${X87_CORE_FLAGS})
target_compile_definitions(orbily_core PUBLIC ORBILY_WIN32=1 WIN32_LEAN_AND_MEAN)

file(GLOB WIN32_PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/win32_*.cpp)
list(REMOVE_ITEM WIN32_PLATFORM_SOURCES ${WIN32_FILE_SOURCES})
add_library(orbily_shell STATIC ${WIN32_PLATFORM_SOURCES} ${APP_SHELL_SOURCES} ${CORE_WINDOW_SOURCES})
target_compile_options(orbily_shell PRIVATE ${X87_CORE_FLAGS})
target_link_libraries(orbily_shell PUBLIC orbily_core)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_executable(Orbily WIN32 ${APP_ENTRY_SOURCES})
    target_compile_options(Orbily PRIVATE ${X87_CORE_FLAGS})
    target_link_options(Orbily PRIVATE -nostdlib -Wl,-e,_WinMainCRTStartup -Wl,--subsystem,windows -s)
    # libgcc last: the core calls its 64-bit division
    target_link_libraries(Orbily PRIVATE orbily_shell orbily_core
                          kernel32 user32 gdi32 comctl32 comdlg32 gcc)
    set_target_properties(Orbily PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ORBILY_BIN_DIR})
endif()

# GoogleTest from /usr/src/googletest, statically linked into the test program.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(orbily_win32_tests ${WIN32_TEST_SOURCES})
target_link_libraries(orbily_win32_tests PRIVATE orbily_shell gtest gtest_main
    kernel32 user32 gdi32 comctl32 comdlg32)
target_link_options(orbily_win32_tests PRIVATE -static -static-libgcc -static-libstdc++)
set_target_properties(orbily_win32_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

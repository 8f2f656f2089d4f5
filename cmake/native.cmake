# Native build: the core with libm maths, the Cairo back end, orbily-render, tests, benchmarks.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(Threads REQUIRED)
enable_testing()

add_library(orbily_core STATIC ${CORE_SOURCES} ${NATIVE_FILE_SOURCES})
target_include_directories(orbily_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(orbily_core PRIVATE ${CORE_FLAGS})
target_compile_definitions(orbily_core PUBLIC ORBILY_NATIVE=1)
target_link_libraries(orbily_core PUBLIC mvec m)

# The native platform: Cairo drawing (platform/cairo_*.cpp).
file(GLOB CAIRO_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/cairo_*.cpp)
add_library(orbily_cairo STATIC ${CAIRO_SOURCES})
target_link_libraries(orbily_cairo PUBLIC orbily_core PkgConfig::CAIRO)

# orbily-render: its commands form a library, so the tests reach its readers directly.
file(GLOB RENDER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/render/*.cpp)
list(FILTER RENDER_SOURCES EXCLUDE REGEX "tools/render/main\\.cpp$")
add_library(orbily_render_commands STATIC ${RENDER_SOURCES})
target_link_libraries(orbily_render_commands PUBLIC orbily_cairo)
add_executable(orbily-render ${CMAKE_SOURCE_DIR}/tools/render/main.cpp)
target_link_libraries(orbily-render PRIVATE orbily_render_commands)
set_target_properties(orbily-render PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ORBILY_BIN_DIR})

file(GLOB TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
add_executable(orbily_tests ${TEST_SOURCES} ${CMAKE_SOURCE_DIR}/tools/outline_check/outline_rules.cpp)
target_link_libraries(orbily_tests PRIVATE orbily_render_commands GTest::gtest GTest::gtest_main Threads::Threads)
target_compile_definitions(orbily_tests PRIVATE
    ORBILY_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    ORBILY_RENDER="${ORBILY_BIN_DIR}/orbily-render")
include(GoogleTest)
gtest_discover_tests(orbily_tests DISCOVERY_TIMEOUT 60)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
# PROJ is the yardstick of the projection benchmark only; nothing else links it.
pkg_check_modules(PROJ REQUIRED IMPORTED_TARGET proj)
add_executable(orbily_bench ${BENCH_SOURCES})
target_link_libraries(orbily_bench PRIVATE orbily_cairo PkgConfig::PROJ benchmark::benchmark
                      benchmark::benchmark_main)

# The generators' stages test themselves with Python's unittest: every tools/<folder>/test_*.py,
# one ctest per folder.
file(GLOB PYTHON_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/test_*.py)
set(PYTHON_TEST_FOLDERS)
foreach(test_file ${PYTHON_TESTS})
    get_filename_component(folder ${test_file} DIRECTORY)
    list(APPEND PYTHON_TEST_FOLDERS ${folder})
endforeach()
list(REMOVE_DUPLICATES PYTHON_TEST_FOLDERS)
foreach(folder ${PYTHON_TEST_FOLDERS})
    get_filename_component(name ${folder} NAME)
    add_test(NAME Tools.${name} COMMAND python3 -B -m unittest discover -s ${folder} -p "test_*.py")
endforeach()

# Tests of the Windows build: they run what build/win32 produced (see tests/windows.cmake).
include(${CMAKE_SOURCE_DIR}/tests/windows.cmake)


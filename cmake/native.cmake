# Native build: the core with libm maths, the Cairo back end, orbily-render, tests, benchmarks.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(Threads REQUIRED)
enable_testing()

add_library(orbily_core STATIC ${CORE_SOURCES})
target_include_directories(orbily_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(orbily_core PRIVATE ${CORE_FLAGS})
target_compile_definitions(orbily_core PUBLIC ORBILY_NATIVE=1)
target_link_libraries(orbily_core PUBLIC m)

# A folder that has no source file yet makes an empty library or no program, never a broken
# configuration.
# The native platform: Cairo drawing and the hosted file writers (platform/native_*.cpp).
file(GLOB CAIRO_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/cairo_*.cpp
                                          ${CMAKE_SOURCE_DIR}/platform/native_*.cpp)
if(CAIRO_SOURCES)
    add_library(orbily_cairo STATIC ${CAIRO_SOURCES})
    target_link_libraries(orbily_cairo PUBLIC orbily_core PkgConfig::CAIRO)
else()
    add_library(orbily_cairo INTERFACE)
    target_link_libraries(orbily_cairo INTERFACE orbily_core PkgConfig::CAIRO)
endif()

file(GLOB RENDER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/render/*.cpp)
if(RENDER_SOURCES)
    add_executable(orbily-render ${RENDER_SOURCES})
    target_link_libraries(orbily-render PRIVATE orbily_cairo)
    set_target_properties(orbily-render PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ORBILY_BIN_DIR})
endif()

file(GLOB TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.cpp)
add_executable(orbily_tests ${TEST_SOURCES})
target_link_libraries(orbily_tests PRIVATE orbily_cairo GTest::gtest GTest::gtest_main Threads::Threads)
target_compile_definitions(orbily_tests PRIVATE
    ORBILY_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    ORBILY_RENDER="${ORBILY_BIN_DIR}/orbily-render")
include(GoogleTest)
gtest_discover_tests(orbily_tests DISCOVERY_TIMEOUT 60)

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
# PROJ is the yardstick of the projection benchmark only; without it that comparison is left out.
pkg_check_modules(PROJ IMPORTED_TARGET proj)
if(NOT PROJ_FOUND)
    list(FILTER BENCH_SOURCES EXCLUDE REGEX "_against_proj_bench\\.cpp$")
endif()
if(BENCH_SOURCES)
    add_executable(orbily_bench ${BENCH_SOURCES})
    target_link_libraries(orbily_bench PRIVATE orbily_cairo benchmark::benchmark
                          benchmark::benchmark_main)
    if(PROJ_FOUND)
        target_link_libraries(orbily_bench PRIVATE PkgConfig::PROJ)
    endif()
endif()

# The generator stages in tools/ test themselves with Python's unittest.
add_test(NAME ToolsStats.GeneratorStages
         COMMAND python3 -B -m unittest discover -s ${CMAKE_SOURCE_DIR}/tools/stats -p "*_test.py")

# Tests of the Windows build: they run what build/win32 produced (see tests/windows.cmake).
include(${CMAKE_SOURCE_DIR}/tests/windows.cmake)

# The outline generator's stages (tools/outlines), Python standard library only.
add_test(NAME outline_generator_stages
         COMMAND python3 -B -m unittest test_stages
         WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/tools/outlines)

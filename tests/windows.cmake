# Tests of the Windows build, registered in the native ctest run: the PE checks of Orbily.exe,
# the Windows test program under Wine, and the black-box run of Orbily.exe under Wine and Xvfb.
set(ORBILY_EXE ${ORBILY_BIN_DIR}/Orbily.exe)
set(ORBILY_WIN32_TESTS ${CMAKE_SOURCE_DIR}/build/win32/orbily_win32_tests.exe)

# Tests of the Windows build, registered in the native ctest run: the PE checks of Orbily.exe,
# the Windows test program under Wine, and the black-box run of Orbily.exe under Wine and Xvfb.
set(ORBILY_EXE ${ORBILY_BIN_DIR}/Orbily.exe)
set(ORBILY_WIN32_TESTS ${CMAKE_SOURCE_DIR}/build/win32/orbily_win32_tests.exe)
set(PE_CHECK ${CMAKE_SOURCE_DIR}/tests/scripts/check_pe_imports.sh)

add_test(NAME OrbilyExe.IsPe32GuiWithAllowedImportsOnly COMMAND bash ${PE_CHECK} ${ORBILY_EXE})
# The same check must reject a program built on the C runtime.
add_test(NAME OrbilyExe.ImportCheckRejectsRuntimeProgram
         COMMAND bash ${PE_CHECK} ${ORBILY_WIN32_TESTS})
set_tests_properties(OrbilyExe.ImportCheckRejectsRuntimeProgram PROPERTIES
    PASS_REGULAR_EXPRESSION "not allowed: MSVCRT.DLL.*allocation call: malloc")

# Tests of the Windows build, registered in the native ctest run: the PE checks of Orbily.exe,
# the Windows test program under Wine, and the black-box run of Orbily.exe under Wine and Xvfb.
set(ORBILY_EXE ${ORBILY_BIN_DIR}/Orbily.exe)
set(ORBILY_WIN32_TESTS ${CMAKE_SOURCE_DIR}/build/win32/orbily_win32_tests.exe)
set(PE_CHECK ${CMAKE_SOURCE_DIR}/tests/scripts/check_pe_imports.sh)

add_test(NAME OrbilyExe.IsPe32GuiWithAllowedImportsOnly COMMAND bash ${PE_CHECK} ${ORBILY_EXE})
set_tests_properties(OrbilyExe.IsPe32GuiWithAllowedImportsOnly PROPERTIES SKIP_RETURN_CODE 77)
# The same check must reject a program built on the C runtime.
add_test(NAME OrbilyExe.ImportCheckRejectsRuntimeProgram
         COMMAND bash ${PE_CHECK} ${ORBILY_WIN32_TESTS})
set_tests_properties(OrbilyExe.ImportCheckRejectsRuntimeProgram PROPERTIES
    PASS_REGULAR_EXPRESSION "not allowed: MSVCRT.DLL.*allocation call: malloc" SKIP_RETURN_CODE 77)

# Windows programs run under Wine in one prefix inside build/, made once by the WinePrefix
# fixture; the wine lock keeps two of them from sharing the prefix at once. A script exits with
# 77, which ctest shows as skipped with its one-line reason, only where they are not built or
# Wine is not installed; where Wine is installed but cannot run them it fails and says why.
# `ctest -LE wine` leaves these slow tests out.
set(WINE_SCRIPTS ${CMAKE_SOURCE_DIR}/tests/scripts)
add_test(NAME WinePrefix COMMAND bash ${CMAKE_SOURCE_DIR}/tools/wine/make_prefix.sh)
set_tests_properties(WinePrefix PROPERTIES FIXTURES_SETUP Wine RESOURCE_LOCK wine
    TIMEOUT 1800 SKIP_RETURN_CODE 77 LABELS wine)

set(WIN64_TESTS ${CMAKE_SOURCE_DIR}/build/win64/orbily_win32_tests.exe)
add_test(NAME WindowsTests.x86_64
         COMMAND bash ${WINE_SCRIPTS}/run_windows_program.sh ${WIN64_TESTS})
add_test(NAME WindowsTests.i686
         COMMAND bash ${WINE_SCRIPTS}/run_windows_program.sh ${ORBILY_WIN32_TESTS})
add_test(NAME OrbilyExe.OpensItsWindowAndClosesWithExitCodeZero
         COMMAND bash ${WINE_SCRIPTS}/blackbox_orbily.sh ${ORBILY_EXE}
                 ${CMAKE_SOURCE_DIR}/build/blackbox.png)
# The map window driven by keys and mouse, its pictures checked against orbily-render's.
add_test(NAME OrbilyExe.MapWindowShowsOrbilyRendersMapAndFollowsKeysWheelAndDoubleClick
         COMMAND bash ${WINE_SCRIPTS}/blackbox_map_window.sh ${ORBILY_EXE} ${ORBILY_BIN_DIR}/orbily-render
                 ${CMAKE_SOURCE_DIR}/build/blackbox_map_window)
# The statistics and flag windows beside the map, and a click on France; screenshots stay behind.
add_test(NAME OrbilyExe.FlagAndStatisticsWindowsShowAClickedCountry
         COMMAND bash ${WINE_SCRIPTS}/blackbox_flag_and_statistics_windows.sh ${ORBILY_EXE}
                 ${CMAKE_SOURCE_DIR}/build/blackbox_flag_and_statistics_windows)
# Save As, the exports read back by independent readers, and the tooltip, driven by keys and mouse.
add_test(NAME OrbilyExe.SavesStatisticsAndMapThroughSaveAsAndShowsTheTooltip
         COMMAND bash ${WINE_SCRIPTS}/blackbox_exports.sh ${ORBILY_EXE} ${ORBILY_BIN_DIR}/orbily-render
                 ${CMAKE_SOURCE_DIR}/build/blackbox_exports)

set_tests_properties(WindowsTests.x86_64 PROPERTIES TIMEOUT 300 ENVIRONMENT ORBILY_WINE_TIMEOUT=240)
set_tests_properties(WindowsTests.i686 OrbilyExe.OpensItsWindowAndClosesWithExitCodeZero
    OrbilyExe.FlagAndStatisticsWindowsShowAClickedCountry PROPERTIES TIMEOUT 900)
set_tests_properties(OrbilyExe.MapWindowShowsOrbilyRendersMapAndFollowsKeysWheelAndDoubleClick
    OrbilyExe.SavesStatisticsAndMapThroughSaveAsAndShowsTheTooltip PROPERTIES TIMEOUT 1500)
set_tests_properties(WindowsTests.x86_64 WindowsTests.i686
    OrbilyExe.OpensItsWindowAndClosesWithExitCodeZero
    OrbilyExe.MapWindowShowsOrbilyRendersMapAndFollowsKeysWheelAndDoubleClick
    OrbilyExe.FlagAndStatisticsWindowsShowAClickedCountry
    OrbilyExe.SavesStatisticsAndMapThroughSaveAsAndShowsTheTooltip PROPERTIES
    FIXTURES_REQUIRED Wine RESOURCE_LOCK wine SKIP_RETURN_CODE 77 LABELS wine)

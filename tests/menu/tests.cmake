# Menu, dialogs, score tables and shell. Included from tests/CMakeLists.txt.
vortalex_test(unit-menu-model menu/TestMenuModel.cpp LIBS vortalex_core)
vortalex_test(screen-menu menu/TestMenuScreen.cpp LIBS vortalex_ui)
vortalex_test(screen-menu-accounts menu/TestAccountDialogs.cpp LIBS vortalex_ui)
vortalex_test(screen-stats menu/TestStatsScreen.cpp LIBS vortalex_ui)
vortalex_test(unit-menu-help menu/TestHelpLauncher.cpp LIBS vortalex_core)
vortalex_test(screen-shell-splash menu/TestSplashScreen.cpp LIBS vortalex_ui)

# The real program under a virtual X server; skipped (77) where xvfb-run or xdotool is missing.
add_test(NAME window-quit
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/window/quit.sh ${VORTALEX_PROGRAM_DIR})
set_tests_properties(window-quit PROPERTIES TIMEOUT 90 SKIP_RETURN_CODE 77 RUN_SERIAL TRUE)

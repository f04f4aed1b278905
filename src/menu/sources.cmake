# The shell (splash, shared state), the letter-tile menu with its dialogs, and the score
# tables. Included from src/CMakeLists.txt, so paths are relative to src/.
target_sources(vortalex_core PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/app/SessionState.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/menu/MenuModel.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/menu/HelpLauncher.cpp
)
target_sources(vortalex_ui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/app/SplashScreen.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/menu/MenuArt.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/menu/MenuScreen.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/menu/RegistrationDialog.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/menu/LoadSaveDialog.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/summary/StatsScreen.cpp
)

# The help page and its starters live in the program folder beside the game.
configure_file(${PROJECT_SOURCE_DIR}/assets/help/index.html
               ${VORTALEX_PROGRAM_DIR}/help/index.html COPYONLY)
configure_file(${PROJECT_SOURCE_DIR}/assets/help/help.bat ${VORTALEX_PROGRAM_DIR}/help.bat
               COPYONLY)
# configure_file keeps no execute bit; file(COPY) sets it. Listing the script as a configure
# dependency re-runs the copy when it changes.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/assets/help/help.sh)
file(COPY ${PROJECT_SOURCE_DIR}/assets/help/help.sh DESTINATION ${VORTALEX_PROGRAM_DIR}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                      WORLD_READ WORLD_EXECUTE)

# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_policy(SET CMP0057 NEW)
# Fails when a source file includes a header of a folder above its own. Run as
#   cmake -DSOURCE_DIR=<tree> -P check-layers.cmake
# Each folder may include the folders listed for it, and nothing else of the project.
set(allowed_core core)
set(allowed_io io)
set(allowed_deck core io deck)
set(allowed_game core io deck game)  # the history keeps the deck with the board
set(allowed_save core io game save)  # a saved game is checked against the period rule
set(allowed_league core io deck game save league)
set(allowed_ui core io deck game save league ui)
set(allowed_app core io deck game save league ui app)
set(allowed_horn core horn)
set(project_folders core io deck game save league ui app horn)

set(faults "")
foreach(folder ${project_folders})
    file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
            string(REGEX MATCH "^[^/]+" first "${header}")
            if(header MATCHES "/" AND first IN_LIST project_folders AND NOT first IN_LIST allowed_${folder})
                string(APPEND faults "  ${source}: includes ${header}, above ${folder}/\n")
            elseif(header MATCHES "\\.\\./")
                string(APPEND faults "  ${source}: includes ${header} by a relative path\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes that climb the layers:\n${faults}")
endif()
message(STATUS "Every include keeps to the layers")

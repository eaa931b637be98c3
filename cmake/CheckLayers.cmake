cmake_minimum_required(VERSION 3.16)
# Fails when a file includes a layer above its own, or when core code includes a Qt header beyond QtCore.
#   cmake -DSOURCE_DIR=<repository> -DQTCORE_DIR=<QtCore include folder> -P CheckLayers.cmake
# Each rule: the folders under src/ it covers, then the include prefixes they must not use.
set(widget_layers "app/,editors/ui/,buttons/ui/,macro/ui/")
set(rules
    "store hid device platform buttons/core macro/core editors/core session ctl look widgets|${widget_layers}"
    "store hid device buttons/core macro/core editors/core session|look/,widgets/,session/"
    "store hid|device/,buttons/,macro/,editors/"
    "look|widgets/")
set(core_folders store hid device buttons/core macro/core editors/core session)
# QtCore's own headers are the only Qt headers core code may include.
file(GLOB qtcore_headers RELATIVE ${QTCORE_DIR} ${QTCORE_DIR}/Q*)

set(violations "")
foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" parts "${rule}")
    list(GET parts 0 folders)
    list(GET parts 1 forbidden)
    separate_arguments(folders)
    string(REPLACE "," ";" forbidden "${forbidden}")
    foreach(folder IN LISTS folders)
        file(GLOB_RECURSE files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
        foreach(file IN LISTS files)
            file(STRINGS ${file} includes REGEX "^#include \"")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" included "${line}")
                foreach(prefix IN LISTS forbidden)
                    string(FIND "${included}" "${prefix}" at)
                    # The rule's own folder may include itself (session/ inside session).
                    string(FIND "${included}" "${folder}/" own)
                    if(at EQUAL 0 AND NOT own EQUAL 0)
                        list(APPEND violations "${file}: ${included}")
                    endif()
                endforeach()
            endforeach()
        endforeach()
    endforeach()
endforeach()

foreach(folder IN LISTS core_folders)
    file(GLOB_RECURSE files ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
    foreach(file IN LISTS files)
        file(STRINGS ${file} includes REGEX "^#include <Q")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include <([^>]*)>.*" "\\1" included "${line}")
            if(NOT included IN_LIST qtcore_headers)
                list(APPEND violations "${file}: <${included}> is not QtCore")
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes that run against the layers:\n  ${text}")
endif()
message(STATUS "Every include runs down the layers.")

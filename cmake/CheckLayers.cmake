# Fails when a source file includes a header of a layer it does not build on.
# Usage: cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
#
# A file's layer is the folder it lies in (relative to src/); main.cpp and the link check, at the
# top of src/, sit above them all. Scoring, platform and widgets know nothing of one another:
#
#   scoring | platform | widgets  <-  result  <-  windows  <-  app  <-  main()

cmake_minimum_required(VERSION 3.25)

set(layers scoring platform widgets result windows app)
set(below_result scoring platform widgets)
set(below_windows ${below_result} result)
set(below_app ${below_windows} windows)
set(below_top ${below_app} app)

# The layer of a path, "top" for the top of src/, empty for none.
function(layer_of path out)
    set(layer "")
    if(path MATCHES "^([a-z]+)/[^/]+$")
        if(CMAKE_MATCH_1 IN_LIST layers)
            set(layer ${CMAKE_MATCH_1})
        endif()
    elseif(path MATCHES "^[^/]+$")
        set(layer top)
    endif()
    set(${out} ${layer} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
    layer_of(${source} own)
    if(NOT own)
        string(APPEND faults "  ${source}: belongs to no layer\n")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        # A bare name lies beside the file that includes it.
        if(NOT header MATCHES "/")
            get_filename_component(folder ${source} DIRECTORY)
            if(folder)
                set(header ${folder}/${header})
            endif()
        endif()
        layer_of(${header} theirs)
        if(theirs AND NOT theirs STREQUAL own AND NOT theirs IN_LIST below_${own})
            string(APPEND faults "  ${source} includes ${header}, of a layer it does not build on\n")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes across the layers:\n${faults}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files, every include within its layer or one it builds on")

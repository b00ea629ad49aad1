# Fails when a source file includes a header of a layer above its own.
# Usage: cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
#
# Layers, lowest first: a file's layer is the folder it lies in (relative to src/); main.cpp and
# the link check, at the top of src/, sit above them all.
set(layers scoring platform widgets windows app)

function(layer_of path out)
    if(path MATCHES "^([a-z]+)/[^/]+$")
        list(FIND layers ${CMAKE_MATCH_1} rank)
    elseif(path MATCHES "^[^/]+$")
        list(LENGTH layers rank)
    else()
        set(rank -1)
    endif()
    set(${out} ${rank} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
    layer_of(${source} own)
    if(own EQUAL -1)
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
        if(theirs GREATER own)
            string(APPEND faults "  ${source} includes ${header}, a layer above its own\n")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes that run upward:\n${faults}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files, every include runs downward or sideways")

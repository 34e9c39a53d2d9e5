# The two kinds of library of the program. Each folder declares its own; the tests link them all
# through the global property ORV_LIBRARIES, the logic tests only their own; ORV_LOGIC_LIBRARIES
# lists the logic ones, each of which has a test program and the fence probes.
#   orv_logic_library(NAME SOURCES … [LINKS …])   QtCore and orv_core only: no widget header reaches it.
#   orv_window_library(NAME SOURCES … [LINKS …])  windows and widgets over the ui/ layer.

function(orv_library name base)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SOURCES;LINKS")
    add_library(${name} STATIC ${arg_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${base} ${arg_LINKS})
    set_property(GLOBAL APPEND PROPERTY ORV_LIBRARIES ${name})
endfunction()

macro(orv_logic_library name)
    orv_library(${name} "Qt6::Core;orv_core" ${ARGN})
    set_property(GLOBAL APPEND PROPERTY ORV_LOGIC_LIBRARIES ${name})
endmacro()

macro(orv_window_library name)
    orv_library(${name} "Qt6::Widgets;orv_ui" ${ARGN})
endmacro()

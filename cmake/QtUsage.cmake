# How the program uses Qt: the deprecation limit, and the QtCore-only include path of the logic targets.

# APIs deprecated up to the oldest Qt we build with do not compile; Qt 6.4 reads the older name.
set(ORV_QT_DEPRECATION_LIMIT 0x060400)
add_compile_definitions(QT_DISABLE_DEPRECATED_UP_TO=${ORV_QT_DEPRECATION_LIMIT}
                        QT_DISABLE_DEPRECATED_BEFORE=${ORV_QT_DEPRECATION_LIMIT})
# The suite's builds turn a call deprecated by a newer Qt into an error; the package build only warns.
option(ORV_DEPRECATED_AS_ERRORS "Fail the build on a deprecated Qt call" OFF)
if(ORV_DEPRECATED_AS_ERRORS)
    add_compile_options(-Werror=deprecated-declarations)
endif()

# Qt6::Core and Qt6::Platform put Qt's include root on the path, through which <QtWidgets/QWidget>
# would reach a logic source. They get instead a folder holding only a link to QtCore's headers,
# which Qt's own headers include as <QtCore/…>; the other modules still bring the root themselves.
get_target_property(orv_qt_core_dirs Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
list(FILTER orv_qt_core_dirs INCLUDE REGEX "/QtCore$")
list(GET orv_qt_core_dirs 0 orv_qt_core_headers)
get_filename_component(orv_qt_root ${orv_qt_core_headers} DIRECTORY)
set(orv_qt_core_only ${CMAKE_BINARY_DIR}/qtcore-only)
file(MAKE_DIRECTORY ${orv_qt_core_only})
file(CREATE_LINK ${orv_qt_core_headers} ${orv_qt_core_only}/QtCore SYMBOLIC)
foreach(target Qt6::Core Qt6::Platform)
    get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
    list(FIND dirs ${orv_qt_root} at)
    if(at GREATER -1)
        list(REMOVE_AT dirs ${at})
        list(INSERT dirs ${at} ${orv_qt_core_only})
    endif()
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${dirs}")
endforeach()

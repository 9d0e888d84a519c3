# Each subsystem folder src/<name>/ holds its toolkit-free code at the top and its
# Qt windows in ui/. Sources are picked up by glob so that adding a file needs no
# build-file edit; a new subsystem adds its folder and one qw_core_library (and
# qw_ui_library) line in CMakeLists.txt. Every Qt library is recorded in the
# global property QW_UI_LIBRARIES, which the application and the window tests
# link, so they see a new subsystem without an edit.

function(qw_require_folder folder)
    if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${folder})
        message(FATAL_ERROR "${folder} does not exist: add the folder before its library")
    endif()
endfunction()

function(qw_core_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    qw_require_folder(src/${name})
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
    if(sources)
        add_library(qw_${name} STATIC ${sources})
        target_include_directories(qw_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(qw_${name} PUBLIC ${ARG_DEPS})
    else()
        add_library(qw_${name} INTERFACE)
        target_include_directories(qw_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(qw_${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

function(qw_ui_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    qw_require_folder(src/${name}/ui)
    set_property(GLOBAL APPEND PROPERTY QW_UI_LIBRARIES qw_${name}_ui)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/ui/*.cpp
         ${PROJECT_SOURCE_DIR}/src/${name}/ui/*.h)
    list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$")
    set(cpp ${sources})
    list(FILTER cpp INCLUDE REGEX "\\.cpp$")
    if(cpp)
        add_library(qw_${name}_ui STATIC ${sources})
        target_link_libraries(qw_${name}_ui PUBLIC qw_${name} Qt6::Widgets ${ARG_DEPS})
    else()
        add_library(qw_${name}_ui INTERFACE)
        target_link_libraries(qw_${name}_ui INTERFACE qw_${name} Qt6::Widgets ${ARG_DEPS})
    endif()
endfunction()

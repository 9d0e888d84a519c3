# Each subsystem folder src/<name>/ holds its toolkit-free code at the top and its
# Qt windows in ui/. Sources are picked up by glob so that adding a file needs no
# build-file edit.

function(qw_core_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
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

# One static library per folder of src/: quenby_library(NAME DEPENDS ...)
# picks up every .cpp and .h of src/NAME. A folder without sources yet is an
# interface library, so that the folders that build on it link all the same.
function(quenby_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(NOT sources)
        add_library(quenby_${name} INTERFACE)
        target_include_directories(quenby_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(quenby_${name} INTERFACE ${ARG_DEPENDS})
        return()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(quenby_${name} STATIC ${sources})
    target_include_directories(quenby_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(quenby_${name} PUBLIC ${ARG_DEPENDS})
    set_target_properties(quenby_${name} PROPERTIES AUTOMOC ON)
endfunction()

# One static library per folder of src/: quenby_library(NAME DEPENDS ...)
# picks up every .cpp and .h of src/NAME.
function(quenby_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(quenby_${name} STATIC ${sources})
    target_include_directories(quenby_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(quenby_${name} PUBLIC ${ARG_DEPENDS})
    set_target_properties(quenby_${name} PROPERTIES AUTOMOC ON)
endfunction()

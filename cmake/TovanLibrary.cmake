# tovan_library(<folder> [EXCLUDE <files>...] [DEPENDS <libraries>...] [PRIVATE <libraries>...])
# Builds every .cpp of the calling folder and its sub-folders (but the EXCLUDEd ones, which
# another library of the folder builds) into the library tovan_<folder>; a folder without sources
# yet is an interface library, so its dependants link the same way either way.
# DEPENDS are our own libraries, passed on to dependants. PRIVATE are the system libraries only
# this folder's sources use (SDL, libpng, libjpeg): their include paths reach no other folder,
# so an include of SDL outside the platform fails to compile.
function(tovan_library folder)
    cmake_parse_arguments(ARG "" "" "EXCLUDE;DEPENDS;PRIVATE" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(excluded IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    set(target tovan_${folder})
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
    endif()
endfunction()

# tovan_library(<folder> [NAME <name>] [SOURCES <files>...] [HEADERS <files>...]
#               [EXCLUDE <files>...] [DEPENDS <libraries>...] [PRIVATE <libraries>...])
# Builds the library tovan_<name> (tovan_<folder> unless named) of src/<folder>: the SOURCES
# given, else every .cpp of the folder and its sub-folders but the EXCLUDEd ones, which another
# library of the folder builds; a library without sources is an interface library. A library
# given HEADERS shows only those headers of its folder (a few kinds that a lower library needs
# without the rest), and builds no sources unless given.
# DEPENDS are our own libraries, passed on to dependants. PRIVATE are the system libraries only
# this folder's sources use (SDL, libpng, libjpeg): their include paths reach no other folder.
#
# The layering as a compiler fact: a library's include path holds its own folder and the folders
# of what it depends on, nothing else, so a board file that includes an app header does not
# compile. Each folder's direct dependencies are also written into TOVAN_INCLUDE_RULES for the
# check that every #include line names one of them.
function(tovan_library folder)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;HEADERS;EXCLUDE;DEPENDS;PRIVATE" ${ARGN})
    set(dir ${CMAKE_SOURCE_DIR}/src/${folder})
    if(ARG_SOURCES)
        list(TRANSFORM ARG_SOURCES PREPEND ${dir}/ OUTPUT_VARIABLE sources)
    elseif(ARG_HEADERS)
        set(sources "")
    else()
        file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
        foreach(excluded IN LISTS ARG_EXCLUDE)
            list(REMOVE_ITEM sources ${dir}/${excluded})
        endforeach()
    endif()
    set(name ${folder})
    if(ARG_NAME)
        set(name ${ARG_NAME})
    endif()
    set(target tovan_${name})

    # The folder seen through a root of its own: <build>/include/<target>/<folder>, the folder
    # itself or only the headers named.
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    if(ARG_HEADERS)
        file(MAKE_DIRECTORY ${root}/${folder})
        foreach(header IN LISTS ARG_HEADERS)
            if(NOT EXISTS ${root}/${folder}/${header})
                file(CREATE_LINK ${dir}/${header} ${root}/${folder}/${header} SYMBOLIC)
            endif()
        endforeach()
    elseif(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${dir} ${root}/${folder} SYMBOLIC)
    endif()

    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${root})
        target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${root})
        target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
    endif()

    # The folder's rule: the folders of its direct dependencies, and SDL where it links SDL.
    set_property(GLOBAL PROPERTY tovan_folder_of_${target} ${folder})
    get_property(rule GLOBAL PROPERTY tovan_rule_${folder})
    foreach(dependency IN LISTS ARG_DEPENDS)
        get_property(dependency_folder GLOBAL PROPERTY tovan_folder_of_${dependency})
        if(NOT dependency_folder)
            message(FATAL_ERROR "${target} depends on ${dependency}, which is not declared yet")
        endif()
        list(APPEND rule ${dependency_folder})
    endforeach()
    if(ARG_PRIVATE MATCHES "SDL2")
        list(APPEND rule SDL)
    endif()
    list(REMOVE_ITEM rule ${folder})
    list(REMOVE_DUPLICATES rule)
    list(SORT rule)
    set_property(GLOBAL PROPERTY tovan_rule_${folder} "${rule}")
    set_property(GLOBAL APPEND PROPERTY tovan_folders ${folder})
endfunction()

# tovan_write_include_rules(<file>): one line a folder, "folder: a b c" (nothing after the colon
# for a folder that includes only itself).
function(tovan_write_include_rules file)
    get_property(folders GLOBAL PROPERTY tovan_folders)
    list(REMOVE_DUPLICATES folders)
    list(SORT folders)
    set(text "")
    foreach(folder IN LISTS folders)
        get_property(rule GLOBAL PROPERTY tovan_rule_${folder})
        list(JOIN rule " " names)
        string(APPEND text "${folder}: ${names}\n")
    endforeach()
    file(WRITE ${file} "${text}")
endfunction()

# Links every content entry of the game folder FROM into the game folder TO (programs excluded,
# and the levels, which every tree compiles for itself).
file(GLOB entries RELATIVE ${FROM} ${FROM}/*)
foreach(entry IN LISTS entries)
    if(entry STREQUAL "tovan" OR entry MATCHES "^tovan-" OR entry STREQUAL "Levels"
       OR EXISTS ${TO}/${entry})
        continue()
    endif()
    file(CREATE_LINK ${FROM}/${entry} ${TO}/${entry} SYMBOLIC)
endforeach()

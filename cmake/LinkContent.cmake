# Links every content entry of the game folder FROM into the game folder TO (programs excluded).
file(GLOB entries RELATIVE ${FROM} ${FROM}/*)
foreach(entry IN LISTS entries)
    if(entry STREQUAL "tovan" OR entry MATCHES "^tovan-" OR EXISTS ${TO}/${entry})
        continue()
    endif()
    file(CREATE_LINK ${FROM}/${entry} ${TO}/${entry} SYMBOLIC)
endforeach()

# Warnings on for every target of ours; -Werror only where asked for, so a new compiler never breaks a user's build.
add_compile_options(-Wall -Wextra)
option(OSKEN_WERROR "Treat warnings as errors" OFF)
if(OSKEN_WERROR)
    add_compile_options(-Werror)
endif()

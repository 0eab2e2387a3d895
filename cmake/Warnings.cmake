# Warnings are on everywhere; TINTORA_WERROR makes them fatal (the test command sets it).
if(TINTORA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
    if(TINTORA_BUILD_FUZZ)
        # Coverage for all code, so a fuzzer sees the engine it feeds; the sanitizer
        # runtime gives every other program the hooks this needs.
        add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
endif()

function(tintora_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
        -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
    if(TINTORA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Settings every target of the project shares.
option(CORVANE_WARNINGS_AS_ERRORS "Fail the build on any compiler warning" OFF)

function(corvane_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
    if(CORVANE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
